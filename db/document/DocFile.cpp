#include "db/document/DocFile.h"

#include <filesystem>
#include <system_error>

#include "db/image/DatabaseImage.h"
#include "db/document/DbTexts.h"
#include "db/records/TextArgs.h"

Result DocFile::Read(const std::string& path, std::vector<std::uint8_t>& image, fileio::FileStamp& stamp) {
  const Result read = fileio::ReadPrefix(path, DatabaseImage::kImageSize, image, &stamp);
  if (!read.ok) return Result::Failure(fileio::Describe(read, path, DbTexts::kCannotOpen));
  return Result::Success();
}

namespace {

std::string Absolute(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.lexically_normal().string();
}

// The path with every link and "." or ".." resolved, as far as it exists.
std::string Canonical(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, ec);
  return ec ? Absolute(path) : canonical.string();
}

}  // namespace

void DocFile::Opened(const std::string& path, const fileio::FileStamp& stamp) {
  path_ = Absolute(path);
  canonical_ = Canonical(path_);
  stamp_ = stamp;
}

void DocFile::Forget() {
  path_.clear();
  canonical_.clear();
  stamp_ = {};
}

Result DocFile::MayOverwrite(const std::string& path) const {
  if (!stamp_.Exists()) return Result::Success();
  // Our own file, rewritten in place (same file, new time or size) or replaced (same
  // name, another file) by someone else since we read or wrote it.
  const fileio::FileStamp now = fileio::StampOf(path);
  const bool ours = now.SameFile(stamp_) || Absolute(path) == path_ || Canonical(path) == canonical_;
  if (now.Exists() && ours && now != stamp_) return Result::Failure(DbTexts::kChangedOnDisk, ResultCode::ChangedOnDisk);
  return Result::Success();
}

Result DocFile::Begin(fileio::AtomicFile& file, const std::string& path) {
  const Result begun = file.Begin(path);
  if (!begun.ok) return Result::Failure(fileio::Describe(begun, path, DbTexts::kCannotSave));
  return Result::Success();
}

Result DocFile::Write(fileio::AtomicFile& file, const std::vector<std::uint8_t>& image) {
  const std::string backup = file.Path() + DbTexts::kBackupSuffix;
  const bool first = savedOver_.count(file.Target()) == 0;
  if (first) file.KeepOldAs(backup);
  fileio::FileStamp stamp;
  const Result written = file.Commit(image.data(), image.size(), &stamp);
  if (!written.ok) return Result::Failure(fileio::Describe(written, file.Path(), DbTexts::kCannotSave));
  // Made or not, a file's backup is the one from before the first save: a later save
  // must not replace it with this session's own work.
  savedOver_.insert(file.Target());
  Opened(file.Path(), stamp);
  Result result = Result::Success();
  if (first && !file.BackupResult().ok)
    result.notice = FillArgs(DbTexts::kNoBackupKept, fileio::Describe(file.BackupResult(), backup, DbTexts::kPathReason));
  return result;
}
