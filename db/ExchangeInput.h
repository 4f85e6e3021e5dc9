#pragma once
// Reading a JSON export or a channel-list CSV that a person hands us: the whole file as
// text, refused when it cannot be read or is larger than any export of ours could be,
// so a wrong choice of file never takes all the memory. quelmar-cli and the window's
// "Import…" read through here.
#include <cstddef>
#include <optional>
#include <string>

namespace exchangeinput {

// Larger input than this is no export of ours.
inline constexpr std::size_t kMaxBytes = std::size_t(256) << 20;

// The file's bytes in `text`; otherwise the reason, naming the file.
std::optional<std::string> Read(const std::string& path, std::string& text);

}  // namespace exchangeinput
