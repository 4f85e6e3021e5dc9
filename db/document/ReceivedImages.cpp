#include "db/document/ReceivedImages.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "db/document/DbTexts.h"
#include "db/document/FileIo.h"
#include "db/image/DatabaseImage.h"
#include "db/image/ExtraBlock.h"
#include "db/image/ImageHeader.h"
#include "db/operations/DatabaseOperations.h"
#include "db/records/ChannelDatabase.h"
#include "db/records/DbType.h"
#include "db/records/TextArgs.h"

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

struct Kept {
  std::string name;
  struct timespec mtime{};
};

bool ArrivedBefore(const Kept& a, const Kept& b) {
  if (a.mtime.tv_sec != b.mtime.tv_sec) return a.mtime.tv_sec < b.mtime.tv_sec;
  if (a.mtime.tv_nsec != b.mtime.tv_nsec) return a.mtime.tv_nsec < b.mtime.tv_nsec;
  return a.name < b.name;  // copies made within one tick: as named
}

// The kept images, the last to arrive first.
std::vector<Kept> KeptByArrival(const std::string& folder) {
  std::vector<Kept> kept;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    Kept k{it->path().filename().string(), {}};
    if (!IsKeptName(k.name)) continue;
    struct stat st{};
    if (::lstat((folder + "/" + k.name).c_str(), &st) == 0) k.mtime = st.st_mtim;
    kept.push_back(std::move(k));
  }
  std::sort(kept.begin(), kept.end(), [](const Kept& a, const Kept& b) { return ArrivedBefore(b, a); });
  return kept;
}

// Dates the new copy after every other kept one, by a nanosecond when the clock says
// otherwise, so it is the last to arrive whatever the clock did.
void DateLast(const std::string& folder, const std::string& name) {
  struct timespec latest{};
  for (const Kept& k : KeptByArrival(folder))
    if (k.name != name) {
      latest = k.mtime;
      break;
    }
  struct stat st{};
  const std::string path = folder + "/" + name;
  if (::lstat(path.c_str(), &st) != 0) return;
  const bool after = st.st_mtim.tv_sec != latest.tv_sec ? st.st_mtim.tv_sec > latest.tv_sec
                                                         : st.st_mtim.tv_nsec > latest.tv_nsec;
  if (after) return;
  struct timespec times[2];
  times[0].tv_nsec = UTIME_OMIT;
  times[1] = latest;
  if (++times[1].tv_nsec >= 1000000000) {
    times[1].tv_nsec = 0;
    ++times[1].tv_sec;
  }
  ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
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
  const auto failed = [](std::string why, std::string path = {}) {
    KeepResult r;
    static_cast<Result&>(r) = Result::Failure(std::move(why));
    r.path = std::move(path);
    return r;
  };
  KeepResult result;
  if (folder.empty()) return failed(FillArgs(DbTexts::kCannotKeepReceived, "$HOME", std::strerror(ENOENT)));
  std::string error;
  if (!MakeFolder(folder, error)) return failed(FillArgs(DbTexts::kCannotKeepReceived, folder, error));

  // Two images within one second must not meet under one name.
  const std::string stamp = Stamp(when);
  std::string path = folder + "/" + stamp + kExtension;
  for (int n = 2; fs::exists(fs::symlink_status(path)); ++n) path = folder + "/" + stamp + "_" + std::to_string(n) + kExtension;

  const Result written = fileio::WriteAtomically(path, image, size);
  if (!written.ok) return failed(fileio::Describe(written, path, DbTexts::kCannotKeepReceived), path);
  result.path = path;

  const std::string name = path.substr(folder.size() + 1);
  DateLast(folder, name);
  const std::vector<Kept> kept = KeptByArrival(folder);
  std::vector<std::string> laterNamed;
  std::size_t left = kept.size();
  for (auto it = kept.rbegin(); it != kept.rend() && left > kKeep; ++it) {
    if (it->name == name) continue;  // the copy just made is never the one to go
    if (::unlink((folder + "/" + it->name).c_str()) != 0) continue;
    --left;
    if (it->name > name) laterNamed.push_back(it->name);
  }
  if (laterNamed.size() == 1)
    result.notice = FillArgs(DbTexts::kPrunedLaterName, laterNamed.front(), name);
  else if (!laterNamed.empty())
    result.notice = FillArgs(DbTexts::kPrunedLaterNames, std::to_string(laterNamed.size()), name);
  return result;
}

std::vector<KeptImage> List(const std::string& folder) {
  std::vector<KeptImage> out;
  if (folder.empty()) return out;
  auto db = std::make_unique<ChannelDatabase>();
  ExtraBlock extra;
  for (const Kept& kept : KeptByArrival(folder)) {
    const std::string& name = kept.name;
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
