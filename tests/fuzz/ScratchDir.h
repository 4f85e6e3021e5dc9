#pragma once
// A private folder for the files a fuzz input is written to and saved as, in memory
// (/dev/shm) when the machine has it so that fsync costs nothing, else under TMPDIR.
// Removed with its files when the process ends normally.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

class ScratchDir {
 public:
  static const std::string& Path() {
    static ScratchDir dir;
    return dir.path_;
  }

 private:
  ScratchDir() {
    std::string base = "/dev/shm";
    struct stat st{};
    if (::stat(base.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || ::access(base.c_str(), W_OK) != 0) {
      const char* tmp = std::getenv("TMPDIR");
      base = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    }
    std::string templ = base + "/quelmar-fuzz-XXXXXX";
    if (::mkdtemp(templ.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    path_ = templ;
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }

  std::string path_;
};
