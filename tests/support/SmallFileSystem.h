#pragma once
// A small file system of its own (tmpfs), for tests of a disk that fills up or is
// read-only. Mounting needs root; Unmounted() says why it is not there otherwise.
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace testkit {

// Mounted on `dir` for the test and unmounted when it goes, whatever the test did.
// Empty reason when mounted.
class SmallFileSystem {
 public:
  SmallFileSystem(const std::string& dir, const std::string& options, bool readOnly) : dir_(dir) {
    if (::mount("tmpfs", dir.c_str(), "tmpfs", readOnly ? MS_RDONLY : 0, options.c_str()) != 0)
      reason_ = "cannot mount a tmpfs here (" + std::string(std::strerror(errno)) + ")";
  }
  ~SmallFileSystem() {
    if (reason_.empty() && ::umount(dir_.c_str()) != 0) ::umount2(dir_.c_str(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;
  const std::string& Unmounted() const { return reason_; }

 private:
  std::string dir_;
  std::string reason_;
};

}  // namespace testkit
