#include "db/document/FileIo.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "db/document/DbTexts.h"
#include "db/records/TextArgs.h"

namespace fileio {
namespace {

Result Failure(int err) { return Result::Failure(std::strerror(err), ResultCode::SystemError); }
Result Refusal(ResultCode problem, std::string detail = {}) { return Result::Failure(std::move(detail), problem); }

std::atomic<unsigned> counter{0};

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() { Close(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int Close() {
    int rc = 0;
    if (fd_ >= 0) rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// What a link points to, as written in the link.
std::string LinkText(const std::string& path) {
  char buf[PATH_MAX];
  const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
  return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

// Follows a link at `path` to the file it names. `target` is where a replacement must
// go; `exists` tells whether a file is there now, with its status in `st`.
Result Resolve(const std::string& path, std::string& target, bool& exists, struct stat& st) {
  exists = false;
  target = path;
  if (::lstat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return {};  // a new file
    return Failure(errno);
  }
  if (S_ISLNK(st.st_mode)) {
    if (::stat(path.c_str(), &st) != 0) {
      if (errno == ENOENT) return Refusal(ResultCode::DanglingLink, LinkText(path));
      return Failure(errno);
    }
    exists = true;
    // A link to a pipe (/dev/stdout) names no path that realpath could give.
    if (!S_ISREG(st.st_mode)) return Refusal(ResultCode::NotRegular);
    // Renaming over the link would replace the link and leave the file it names as it
    // was: write beside the real file instead.
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return Failure(errno);
    target = real;
    std::free(real);
  }
  exists = true;
  if (!S_ISREG(st.st_mode)) return Refusal(ResultCode::NotRegular);
  return {};
}

// Checks an existing regular file before it is replaced.
Result CheckReplaceable(const std::string& target, const struct stat& st) {
  bool mayWrite = true;
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    if (errno != EACCES && errno != EPERM) return Failure(errno);
    mayWrite = false;
  }
  return MayReplace(st, mayWrite);
}

// A new temporary name in `folder`, short whatever the target is called: a name near
// the system's limit must still leave room for it.
std::string TemporaryIn(const std::string& folder) {
  return folder + "/.quelmar-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
}

void SyncFolder(const std::string& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

// A whole copy of `from` (old is its status) under the new name `to`, flushed.
Result CopyWhole(const std::string& from, const struct stat& old, const std::string& to) {
  Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (in.get() < 0) return Failure(errno);
  Fd out(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (out.get() < 0) return Failure(errno);
  std::vector<char> buf(64 * 1024);
  while (true) {
    const ssize_t n = ::read(in.get(), buf.data(), buf.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return Failure(errno);
    }
    if (n == 0) break;
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = ::write(out.get(), buf.data() + done, std::size_t(n - done));
      if (w < 0) {
        if (errno == EINTR) continue;
        return Failure(errno);
      }
      done += w;
    }
  }
  // The copy keeps the old file's permissions, as the old file itself would.
  [[maybe_unused]] const int ignored = ::fchmod(out.get(), old.st_mode & 0777);
  if (::fsync(out.get()) != 0) return Failure(errno);
  if (out.Close() != 0) return Failure(errno);
  return {};
}

// Puts the old content of `target` under `backup`: a second name for the old file where
// the system allows one (it costs nothing, and the old file is complete by definition),
// else a flushed copy; either way made under a temporary name and renamed into place, so
// an older backup stays whole until the new one replaces it.
Result MakeBackup(const std::string& target, const std::string& backup, bool& kept) {
  kept = false;
  struct stat old{};
  if (::stat(target.c_str(), &old) != 0) return errno == ENOENT ? Result{} : Failure(errno);
  struct stat there{};
  if (::lstat(backup.c_str(), &there) == 0) {
    // Only a plain file of ours is replaced: never a link, a folder or a device, nor a
    // backup someone made read-only.
    if (!S_ISREG(there.st_mode)) return Refusal(ResultCode::NotRegular);
    const Result r = CheckReplaceable(backup, there);
    if (!r.ok) return r;
  } else if (errno != ENOENT) {
    return Failure(errno);
  }
  const std::string tmp = TemporaryIn(FolderOf(backup));
  if (::link(target.c_str(), tmp.c_str()) != 0) {
    const int err = errno;
    // A folder we may not write, or a name too long, fails the copy just the same.
    if (err == EACCES || err == EROFS || err == ENAMETOOLONG || err == ENOENT || err == ENOSPC)
      return Failure(err);
    const Result copied = CopyWhole(target, old, tmp);
    if (!copied.ok) {
      ::unlink(tmp.c_str());
      return copied;
    }
  }
  if (::rename(tmp.c_str(), backup.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return Failure(err);
  }
  SyncFolder(FolderOf(backup));
  kept = true;
  return {};
}

}  // namespace

std::string Describe(const Result& r, const std::string& path, const char* cannotText) {
  switch (r.code) {
    case ResultCode::NotRegular: return FillArgs(DbTexts::kNotRegularFile, path);
    case ResultCode::DanglingLink: return FillArgs(DbTexts::kDanglingLink, path, r.message);
    default: return FillArgs(cannotText, path, r.message);
  }
}

FileStamp FileStamp::Of(const struct stat& st) {
  FileStamp s;
  s.device = static_cast<std::uint64_t>(st.st_dev);
  s.inode = static_cast<std::uint64_t>(st.st_ino);
  s.mtimeSec = static_cast<std::int64_t>(st.st_mtim.tv_sec);
  s.mtimeNsec = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
  s.size = static_cast<std::int64_t>(st.st_size);
  return s;
}

FileStamp StampOf(const std::string& path) {
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0) return {};
  return FileStamp::Of(st);
}

bool SameExistingFile(const std::string& a, const std::string& b) {
  const FileStamp sa = StampOf(a);
  return sa.Exists() && sa.SameFile(StampOf(b));
}

Result MayReplace(const struct stat& st, bool userMayWrite) {
  if (!S_ISREG(st.st_mode)) return Refusal(ResultCode::NotRegular);
  if (!userMayWrite || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
    return Refusal(ResultCode::ReadOnly, std::strerror(EACCES));
  return {};
}

Result ReadPrefix(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out,
                    FileStamp* stamp) {
  out.clear();
  // Looked at before it is opened: opening a serial device has effects on the line,
  // and a FIFO would wait for a writer.
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0) return Failure(errno);
  if (!S_ISREG(st.st_mode)) return Refusal(ResultCode::NotRegular);
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) return Failure(errno);
  // The name may have been given to something else in between.
  if (::fstat(fd.get(), &st) != 0) return Failure(errno);
  if (!S_ISREG(st.st_mode)) return Refusal(ResultCode::NotRegular);
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  // Room for what the file holds now (and a byte to see it grew), not for `maxBytes`:
  // a limit of a gigabyte must not cost a gigabyte of zeroed memory for a small file.
  const std::size_t size = static_cast<std::size_t>(st.st_size);
  out.resize(std::min(maxBytes, std::max<std::size_t>(size, 4095) + 1));
  std::size_t got = 0;
  while (got < maxBytes) {
    if (got == out.size()) out.resize(std::min(maxBytes, out.size() * 2));
    const ssize_t n = ::read(fd.get(), out.data() + got, out.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      out.clear();
      return Failure(err);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  out.resize(got);
  if (stamp != nullptr) *stamp = FileStamp::Of(st);
  return {};
}

// ---- AtomicFile -------------------------------------------------------------------

AtomicFile::~AtomicFile() { Abandon(); }

void AtomicFile::Abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!tmp_.empty()) ::unlink(tmp_.c_str());
  tmp_.clear();
}

Result AtomicFile::Fail(int err) {
  Abandon();
  return Failure(err);
}

Result AtomicFile::Begin(const std::string& path) {
  Abandon();
  path_ = path;
  bool exists = false;
  struct stat st{};
  Result r = Resolve(path, target_, exists, st);
  if (!r.ok) return r;
  if (exists) {
    r = CheckReplaceable(target_, st);
    if (!r.ok) return r;
  }

  const std::string folder = FolderOf(target_);
  for (unsigned attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    tmp_ = TemporaryIn(folder);
    // Created with 0666 so the umask applies as to any new file.
    fd_ = ::open(tmp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    const int err = errno;
    tmp_.clear();
    return Failure(err);
  }

  if (exists) {
    // A replaced file keeps who owns it where we may do that (the superuser may; others
    // may keep a group they belong to). The owner goes first: changing it clears the
    // set-id bits, which the mode then puts back.
    if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) && ::fchown(fd_, st.st_uid, st.st_gid) != 0) {
      [[maybe_unused]] const int ignored = ::fchown(fd_, static_cast<uid_t>(-1), st.st_gid);
    }
    if (::fchmod(fd_, st.st_mode & 07777) != 0) return Fail(errno);
  }
  return {};
}

Result AtomicFile::Commit(const std::uint8_t* data, std::size_t size, FileStamp* stamp) {
  if (fd_ < 0) return Failure(EBADF);
  // A long job (a whole receive) may lie between Begin and here: look at the target again.
  struct stat st{};
  if (::stat(target_.c_str(), &st) == 0) {
    const Result r = CheckReplaceable(target_, st);
    if (!r.ok) {
      Abandon();
      return r;
    }
  }

  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd_, data + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd_) != 0) return Fail(errno);
  struct stat written{};
  const bool haveStamp = ::fstat(fd_, &written) == 0;
  const int rc = ::close(fd_);
  fd_ = -1;
  if (rc != 0) return Fail(errno);
  // The new content is safe on disk before the old one moves aside.
  backupKept_ = false;
  backupResult_ = {};
  if (!backup_.empty()) backupResult_ = MakeBackup(target_, backup_, backupKept_);
  if (::rename(tmp_.c_str(), target_.c_str()) != 0) return Fail(errno);
  tmp_.clear();
  if (stamp != nullptr) *stamp = haveStamp ? FileStamp::Of(written) : StampOf(target_);
  // The rename itself lives in the folder: flush it too, so that after a power cut the
  // name leads to the new file rather than to nothing. The file is already safe either
  // way, so a folder that cannot be flushed is not an error.
  SyncFolder(FolderOf(target_));
  return {};
}

Result WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size, FileStamp* stamp) {
  AtomicFile file;
  const Result begun = file.Begin(path);
  if (!begun.ok) return begun;
  return file.Commit(data, size, stamp);
}

}  // namespace fileio
