#include "cli/CliCommon.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "db/document/DbTexts.h"
#include "db/document/FileIo.h"
#include "db/image/DatabaseImage.h"
#include "db/image/VariantDetection.h"
#include "db/records/Cp1252.h"
#include "db/records/DbType.h"
#include "db/records/TextFill.h"

namespace cli {
namespace {

const char* const kOtherType = "%1: its checksums do not hold under %2 (%6 %3) but do under %4; try %6 %5";
const char* const kOutputIsInput = "%1: refusing to write over the input %2 (the same file); nothing written";

}  // namespace

void AddTypeOption(CLI::App* sub, int& dbType) {
  dbType = dbtype::kDefault;
  sub->add_option("--type", dbType,
                  "the receiver's database variant, as chosen in the editor's \"Config Setting\": "
                  "0 TypeA, 1 TypeB 7 Block Size, 2 TypeB 6 Block Size, 3 TypeC")
      ->type_name("N")
      ->check(CLI::Range(0, dbtype::kCount - 1))
      ->capture_default_str();
}

int Fail(const std::string& what) {
  std::cerr << "quelmar-cli: " << EscapeControls(what) << '\n';
  return kExitTrouble;
}

bool OutputIsInput(const std::string& out, std::initializer_list<std::string> inputs) {
  if (out == kStdStream) return false;
  for (const std::string& in : inputs) {
    if (in == kStdStream || !fileio::SameExistingFile(in, out)) continue;
    Fail(text::Fill(kOutputIsInput, {out, in}));
    return true;
  }
  return false;
}

bool WriteOutput(const std::string& out, const std::uint8_t* data, std::size_t size) {
  if (out == kStdStream) {
    // A failed write shows in the stream's state, which the exit status reports.
    std::cout.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::cout.flush();
    return !std::cout.fail();
  }
  const Result w = fileio::WriteAtomically(out, data, size);
  if (!w.ok) Fail(fileio::Describe(w, out, "cannot write %1: %2"));
  return w.ok;
}

bool WriteImageOutput(const std::string& out, const std::vector<std::uint8_t>& image) {
  if (out == kStdStream) return WriteOutput(out, image.data(), image.size());
  fileio::AtomicFile file;
  Result w = file.Begin(out);
  const std::string backup = out + DbTexts::kBackupSuffix;
  if (w.ok) {
    file.KeepOldAs(backup);
    w = file.Commit(image.data(), image.size());
  }
  if (!w.ok) {
    Fail(fileio::Describe(w, out, "cannot write %1: %2"));
    return false;
  }
  if (!file.BackupResult().ok)
    ReportNotice(text::Fill(DbTexts::kNoBackupKept,
                            {fileio::Describe(file.BackupResult(), backup, DbTexts::kPathReason)}));
  return true;
}

void ReportNotice(const std::string& notice) {
  if (!notice.empty()) Fail(notice);
}

std::string EscapeControls(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  char hex[8];
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) {
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
    } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      // U+0080..U+009F: the eight-bit controls, CSI among them.
      std::snprintf(hex, sizeof hex, "\\u%04x", static_cast<unsigned char>(text[i + 1]));
      out += hex;
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int Usage(const std::string& what) {
  std::cerr << "quelmar-cli: " << EscapeControls(what) << '\n';
  return kExitUsage;
}

void AddJsonFlag(CLI::App* sub, bool& json) {
  sub->add_flag("--json", json, "print JSON for scripts instead of text for people");
}

bool ReadImage(const std::string& path, std::vector<std::uint8_t>& image, std::string* why, std::uint64_t* fileSize) {
  std::string reason;
  fileio::FileStamp stamp;
  const Result read = fileio::ReadPrefix(path, DatabaseImage::kImageSize, image, &stamp);
  if (fileSize) *fileSize = static_cast<std::uint64_t>(std::max<std::int64_t>(stamp.size, 0));
  if (!read.ok)
    reason = fileio::Describe(read, path, "cannot read %1: %2");
  else if (image.size() < DatabaseImage::kImageSize)
    reason = path + ": " + std::to_string(image.size()) + " bytes, shorter than a database image (" +
             std::to_string(DatabaseImage::kImageSize) + ")";
  if (reason.empty()) return true;
  Fail(reason);
  if (why) *why = reason;
  return false;
}

void HintOtherType(const std::string& path, const std::vector<std::uint8_t>& image, int dbType,
                   const std::string& option) {
  const variant::Detection d = variant::Detect(image.data(), dbType);
  if (!d.Mismatch()) return;
  std::string types;
  for (std::size_t i = 0; i < d.candidates.size(); ++i)
    types += (i == 0 ? "" : i + 1 == d.candidates.size() ? " or " : ", ") + std::to_string(d.candidates[i]);
  std::cerr << "quelmar-cli: "
            << EscapeControls(text::Fill(kOtherType, {path, dbtype::kNames[dbType], std::to_string(dbType),
                                                      variant::TypeNames(d.candidates), types, option}))
            << '\n';
}

std::string NamingFile(const std::string& message, const std::string& path) {
  // I/O failures already name the file; refusals do not.
  return message.find(path) != std::string::npos ? message : path + ": " + message;
}

std::string DumpJson(const nlohmann::ordered_json& j) {
  return j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string ToUtf8(const std::string& bytes) { return cp1252::ToUtf8(bytes); }

}  // namespace cli
