#pragma once
// Every image accepted from the receiver is also kept, exactly as it came, in the user's
// data folder ($XDG_DATA_HOME/Quelmar/received, by default ~/.local/share/...), named by
// the local time it arrived (YYYY-MM-DD_HHMMSS.qdb). The newest kKeep stay; older ones
// are removed. What the receiver held before an edit can so always be sent back.
// The names are ordered only while the clock runs forward (a clock or time zone set back
// names a new image earlier than the last), so the order of arrival is the files' own:
// each kept copy's modification time is made later than every other kept copy's.
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "db/records/Result.h"

namespace received {

inline constexpr std::size_t kKeep = 50;

// The folder from the environment; empty when neither XDG_DATA_HOME nor HOME names one.
std::string Folder();

// Its message says why not, with the path, ready to show; beside a success its notice
// says that pruning removed images whose names are later than the new one's (the clock
// was set back).
struct KeepResult : Result {
  std::string path;  // the copy written
};

// Writes the image atomically into `folder` (created when missing) under the name for
// `when`, then removes the kept images that arrived first beyond kKeep, never the one
// just written. Other files in the folder are never touched.
KeepResult Keep(const std::uint8_t* image, std::size_t size, std::time_t when, const std::string& folder = Folder());

// One kept image as the "Open Received" list shows it.
struct KeptImage {
  std::string path;
  std::string when;  // "YYYY-MM-DD HH:MM:SS"
  bool readable = false;
  int satellites = 0, transponders = 0, programs = 0;
  int dbType = -1;  // from the header's image type word; -1 when it names none
};

// The kept images in `folder`, the last to arrive first.
std::vector<KeptImage> List(const std::string& folder = Folder());

// Whether a file name is one of ours: YYYY-MM-DD_HHMMSS.qdb, or with _N before the
// extension when two arrived in the same second.
bool IsKeptName(const std::string& name);

}  // namespace received
