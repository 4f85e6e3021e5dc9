#include "db/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace fileio {
namespace {

IoResult Fail(int err) { return {false, std::strerror(err)}; }

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

}  // namespace

IoResult ReadPrefix(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out) {
  out.clear();
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return Fail(errno);
  struct stat st{};
  if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode)) return Fail(EISDIR);
  out.resize(maxBytes);
  std::size_t got = 0;
  while (got < maxBytes) {
    const ssize_t n = ::read(fd.get(), out.data() + got, maxBytes - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      out.clear();
      return Fail(err);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  out.resize(got);
  return {};
}

IoResult WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size) {
  const std::size_t slash = path.rfind('/');
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  // The temporary file is created with 0666 so the umask applies as to any new file.
  std::string tmp;
  int rawFd = -1;
  for (unsigned attempt = 0; attempt < 100 && rawFd < 0; ++attempt) {
    tmp = FolderOf(path) + "/." + base + "." + std::to_string(::getpid()) + "." +
          std::to_string(++counter) + ".tmp";
    rawFd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (rawFd < 0 && errno != EEXIST) break;
  }
  if (rawFd < 0) return Fail(errno);
  Fd fd(rawFd);

  auto abandon = [&](int err) {
    fd.Close();
    ::unlink(tmp.c_str());
    return Fail(err);
  };

  // Replacing a file keeps its permissions.
  struct stat st{};
  if (::stat(path.c_str(), &st) == 0 && ::fchmod(fd.get(), st.st_mode & 07777) != 0) return abandon(errno);

  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd.get(), data + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return abandon(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd.get()) != 0) return abandon(errno);
  if (fd.Close() != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return Fail(err);
  }
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    return Fail(err);
  }
  // The rename itself lives in the folder: flush it too, so that after a power cut the
  // name leads to the new file rather than to nothing. The file is already safe either
  // way, so a folder that cannot be flushed is not an error.
  const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {};
}

}  // namespace fileio
