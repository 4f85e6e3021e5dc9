#pragma once
// Whole-file reads and crash-safe writes for document files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fileio {

struct IoResult {
  bool ok = true;
  std::string error;  // the system's reason when not ok
};

// Reads at most `maxBytes` from the start of the file into `out` (resized to what was read).
IoResult ReadPrefix(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& out);

// Writes the bytes to a temporary file in the target's folder, flushes it to disk and
// renames it over the target, so the target is either the old file or the new one.
// A new file gets the usual permissions; an existing one keeps its mode.
IoResult WriteAtomically(const std::string& path, const std::uint8_t* data, std::size_t size);

}  // namespace fileio
