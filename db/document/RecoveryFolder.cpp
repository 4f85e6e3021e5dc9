#include "db/document/RecoveryFolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "db/document/RecoveryJournal.h"

namespace recovery {
namespace {

namespace fs = std::filesystem;

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// Files in `folder` whose names end in `suffix`, oldest first (by modification time).
std::vector<std::string> FilesEndingIn(const std::string& folder, const std::string& suffix) {
  std::vector<std::pair<fs::file_time_type, std::string>> found;
  std::error_code ec;
  for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
    const std::string name = e.path().string();
    if (!EndsWith(name, suffix) || !e.is_regular_file(ec)) continue;
    found.emplace_back(e.last_write_time(ec), name);
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> names;
  for (auto& f : found) names.push_back(std::move(f.second));
  return names;
}

}  // namespace

std::string Folder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  std::string base;
  if (state != nullptr && state[0] == '/') {
    base = state;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home != nullptr ? home : "") + "/.local/state";
  }
  return base + "/Quelmar/recovery";
}

std::vector<std::string> Orphans(const std::string& folder) {
  std::vector<std::string> orphans;
  for (const std::string& path : FilesEndingIn(folder, RecoveryJournal::kSuffix)) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) continue;
    // The lock is taken and let go at once: its window would hold it. A journal still
    // empty is one a window has just made and not locked yet (or one that holds nothing);
    // one without a name any more was removed by its window (saved) as it let go.
    struct stat st {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &st) == 0 && st.st_size > 0 && st.st_nlink > 0)
      orphans.push_back(path);
    ::close(fd);
  }
  return orphans;
}

void SetAside(const std::string& journal, bool unreadable, std::size_t keep) {
  if (unreadable) {
    std::error_code ec;
    fs::rename(journal, journal + kUnreadableSuffix, ec);
    return;
  }
  SetAside(std::vector<std::string>{journal}, keep);
}

void SetAside(const std::vector<std::string>& journals, std::size_t keep) {
  if (journals.empty()) return;
  std::error_code ec;
  for (const std::string& journal : journals) fs::rename(journal, journal + kAsideSuffix, ec);
  const fs::path folder = fs::path(journals.front()).parent_path();
  std::vector<std::string> aside = FilesEndingIn(folder.string(), kAsideSuffix);
  for (std::size_t i = 0; i + keep < aside.size(); ++i) fs::remove(aside[i], ec);
}

}  // namespace recovery
