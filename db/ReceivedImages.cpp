#include "db/ReceivedImages.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "db/ChannelDatabase.h"
#include "db/DatabaseImage.h"
#include "db/DatabaseOperations.h"
#include "db/DbTexts.h"
#include "db/DbType.h"
#include "db/ExtraBlock.h"
#include "db/FileIo.h"
#include "db/ImageHeader.h"
#include "db/TextArgs.h"

namespace received {
namespace {

namespace fs = std::filesystem;

constexpr const char* kExtension = ".qdb";

std::string Stamp(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%d_%H%M%S", &local);
  return buf;
}

// Creates the folder and its parents, private to the user as data folders are.
bool MakeFolder(const std::string& folder, std::string& error) {
  std::string part;
  std::size_t at = 0;
  while (at != std::string::npos) {
    at = folder.find('/', at + 1);
    part = folder.substr(0, at);
    if (part.empty()) continue;
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      error = std::strerror(errno);
      return false;
    }
  }
  struct stat st{};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    error = std::strerror(ENOTDIR);
    return false;
  }
  return true;
}

std::vector<std::string> KeptNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (IsKeptName(name)) names.push_back(name);
  }
  // The names sort by time, and a second arrival within a second after the first.
  std::sort(names.begin(), names.end(), std::greater<>());
  return names;
}

int TypeOfWord(std::uint32_t word) {
  // TypeB 6 Block Size and TypeC share a word and a layout; the counts are the same
  // under either, so the one the editor starts with stands for both.
  for (int t : {0, 1, dbtype::kDefault})
    if (dbtype::ImageTypeWord(t) == word) return t;
  return -1;
}

}  // namespace

std::string Folder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  std::string base;
  // Relative values are to be ignored, as if the variable were not set.
  if (data != nullptr && data[0] == '/') {
    base = data;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    base = std::string(home) + "/.local/share";
  } else {
    return {};
  }
  return base + "/Quelmar/received";
}

bool IsKeptName(const std::string& name) {
  // 2026-12-08_071500 is 17 characters
  const std::string ext = kExtension;
  if (name.size() < 17 + ext.size() || name.compare(name.size() - ext.size(), ext.size(), ext) != 0) return false;
  for (std::size_t i = 0; i < 17; ++i) {
    const bool digit = std::isdigit(static_cast<unsigned char>(name[i])) != 0;
    const char expected = i == 4 || i == 7 ? '-' : i == 10 ? '_' : '0';
    if (expected == '0' ? !digit : name[i] != expected) return false;
  }
  const std::string rest = name.substr(17, name.size() - 17 - ext.size());
  if (rest.empty()) return true;
  if (rest.size() < 2 || rest[0] != '_') return false;
  return std::all_of(rest.begin() + 1, rest.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

KeepResult Keep(const std::uint8_t* image, std::size_t size, std::time_t when, const std::string& folder) {
  KeepResult result;
  if (folder.empty()) return {false, {}, FillArgs(DbTexts::kCannotKeepReceived, "$HOME", std::strerror(ENOENT))};
  std::string error;
  if (!MakeFolder(folder, error)) return {false, {}, FillArgs(DbTexts::kCannotKeepReceived, folder, error)};

  // Two images within one second must not meet under one name.
  const std::string stamp = Stamp(when);
  std::string path = folder + "/" + stamp + kExtension;
  for (int n = 2; fs::exists(fs::symlink_status(path)); ++n) path = folder + "/" + stamp + "_" + std::to_string(n) + kExtension;

  const fileio::IoResult written = fileio::WriteAtomically(path, image, size);
  if (!written.ok) return {false, path, fileio::Describe(written, path, DbTexts::kCannotKeepReceived)};
  result.path = path;

  const std::vector<std::string> names = KeptNames(folder);
  for (std::size_t i = kKeep; i < names.size(); ++i) ::unlink((folder + "/" + names[i]).c_str());
  return result;
}

std::vector<KeptImage> List(const std::string& folder) {
  std::vector<KeptImage> out;
  if (folder.empty()) return out;
  auto db = std::make_unique<ChannelDatabase>();
  ExtraBlock extra;
  for (const std::string& name : KeptNames(folder)) {
    KeptImage k;
    k.path = folder + "/" + name;
    // 2026-12-08_071500 -> 2026-12-08 07:15:00
    k.when = name.substr(0, 10) + " " + name.substr(11, 2) + ":" + name.substr(13, 2) + ":" + name.substr(15, 2);
    std::vector<std::uint8_t> image;
    if (fileio::ReadPrefix(k.path, DatabaseImage::kImageSize, image).ok && image.size() == DatabaseImage::kImageSize) {
      const ImageHeader header(image.data());
      k.readable = header.Magic() == ImageHeader::kMagic && header.ValidFlag() == 1;
      k.dbType = TypeOfWord(header.ImageTypeWord());
      if (k.readable) {
        DatabaseImage::ParseImage(image.data(), k.dbType >= 0 ? k.dbType : dbtype::kDefault, *db, &extra);
        k.satellites = dbops::CountSatellites(*db);
        k.transponders = dbops::CountTransponders(*db);
        k.programs = dbops::CountPrograms(*db);
      }
    }
    out.push_back(std::move(k));
  }
  return out;
}

}  // namespace received
