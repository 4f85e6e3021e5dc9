#pragma once
// A fresh private folder, removed with everything in it when the object goes. Tests take
// one each; the fuzz targets keep one for the process, in memory where the machine has
// /dev/shm so that the document's fsync costs nothing.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace testkit {

class TempDir {
 public:
  enum class Where { Temp, Memory };

  explicit TempDir(Where where = Where::Temp) {
    std::string tmpl = (Base(where) / "quelmar-test-XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr) {
      std::perror("mkdtemp");  // nowhere to write: no test result would mean anything
      std::abort();
    }
    path_ = tmpl;
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);  // tests may lock it
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  std::size_t EntryCount() const {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(path_)) ++n;
    return n;
  }

 private:
  static std::filesystem::path Base(Where where) {
    if (where == Where::Memory) {
      struct stat st{};
      if (::stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) && ::access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    }
    return std::filesystem::temp_directory_path();
  }

  std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& data) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

// The whole file; empty when it cannot be read.
inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

inline std::string ReadText(const std::string& path) {
  std::ifstream f(path);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

}  // namespace testkit
