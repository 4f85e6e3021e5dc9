#pragma once
// Whole-file reads and crash-safe writes for document files, and the checks that keep
// them to regular files: a FIFO, a device or a folder is never read or replaced, a link
// is followed to the file it names, and a file the user may not write is left alone.
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "db/records/Result.h"

namespace fileio {

// A file operation's outcome is a Result: its code says why it did not go through
// (SystemError, NotRegular, DanglingLink, ReadOnly) and its message holds the detail
// (the system's reason, where a dangling link points); the caller words the message
// shown with Describe.

// The message for a result that is not ok: "<path> is not a regular file", the
// dangling link's, or `cannotText` ("Cannot save %1: %2") with the path and the reason.
std::string Describe(const Result& r, const std::string& path, const char* cannotText);

// Which file sits at a path and when it last changed: tells whether another program
// replaced or rewrote it since we read or wrote it.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t mtimeSec = 0;
  std::int64_t mtimeNsec = 0;
  std::int64_t size = -1;  // -1: no file

  static FileStamp Of(const struct stat& st);
  bool Exists() const { return size >= 0; }
  bool SameFile(const FileStamp& o) const { return device == o.device && inode == o.inode; }
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file a path leads to (links followed); Exists() is false when there
// is none.
FileStamp StampOf(const std::string& path);

// True when both paths lead to one existing file (same device and inode), whatever
// links or other names lead there: a command that reads one and writes the other would
// destroy its own input.
bool SameExistingFile(const std::string& a, const std::string& b);

// Reads at most `maxBytes` from the start of a regular file into `out` (resized to what
// was read). Anything else is refused before a byte is read, and the open never waits
// (a FIFO with no writer would block it for ever). `stamp` receives the file's stamp.
Result ReadPrefix(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out,
                    FileStamp* stamp = nullptr);

// May an existing file be replaced? `st` is what stat() gives for it; `userMayWrite`
// what the system answers when asked whether this user may write it. A file with no
// write permission for anyone is refused even for the superuser: it was made read-only
// on purpose.
Result MayReplace(const struct stat& st, bool userMayWrite);

// A file being replaced: Begin checks the target and creates the temporary file beside
// the real target (after links), so a caller learns before any long work whether the
// file can be written at all; Commit writes, flushes and renames it over the target, so
// the target is either the old file or the new one. An uncommitted temporary file is
// removed. A new file gets the usual permissions; a replaced one keeps its mode and,
// where the system lets us, its owner and group.
class AtomicFile {
 public:
  AtomicFile() = default;
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  Result Begin(const std::string& path);
  // Asks Commit to keep the target's old content as `backupPath` (replacing an older
  // one there) before the new file takes its place. At every moment the target and the
  // backup are each a whole file. A backup that cannot be written does not stop the
  // commit: BackupResult() tells.
  void KeepOldAs(const std::string& backupPath) { backup_ = backupPath; }
  // `stamp` receives the new file's stamp.
  Result Commit(const std::uint8_t* data, std::size_t size, FileStamp* stamp = nullptr);
  void Abandon();

  // After Commit: whether the old content was kept, and why not when it was asked for
  // and there was an old file.
  bool BackupKept() const { return backupKept_; }
  const Result& BackupResult() const { return backupResult_; }

  // The path as given to Begin, and the file the rename replaces (links resolved).
  const std::string& Path() const { return path_; }
  const std::string& Target() const { return target_; }

 private:
  Result Fail(int err);

  std::string path_;
  std::string target_;
  std::string tmp_;
  int fd_ = -1;
  std::string backup_;
  bool backupKept_ = false;
  Result backupResult_;
};

// Begin and Commit in one go.
Result WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                         FileStamp* stamp = nullptr);

}  // namespace fileio
