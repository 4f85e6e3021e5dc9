#pragma once
// The folder where recovery journals live, and the journals in it that no window holds:
// those left by a window that was killed, crashed or lost its session.
#include <string>
#include <vector>

namespace recovery {

// $XDG_STATE_HOME/Quelmar/recovery, or ~/.local/state/Quelmar/recovery.
std::string Folder();

// Journals in `folder` whose lock can be taken (their window is gone), oldest first.
std::vector<std::string> Orphans(const std::string& folder);

// Keeps a journal the user did not restore out of the way: renamed aside, the newest
// `keep` of those kept; one that could not be read is renamed apart and never removed.
void SetAside(const std::string& journal, bool unreadable, std::size_t keep = 10);
// The same for many journals at once, pruning the kept ones once.
void SetAside(const std::vector<std::string>& journals, std::size_t keep = 10);

inline constexpr const char* kAsideSuffix = ".aside";
inline constexpr const char* kUnreadableSuffix = ".unreadable";

}  // namespace recovery
