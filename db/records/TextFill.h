#pragma once
// Fills the %1..%9 places of a message text with its arguments, in the style of the
// window's texts.
#include <initializer_list>
#include <string>
#include <string_view>

namespace text {

inline std::string Fill(std::string_view pattern, std::initializer_list<std::string> args) {
  std::string out;
  out.reserve(pattern.size() + 32);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9' && std::size_t(next - '1') < args.size()) {
      out += *(args.begin() + (next - '1'));
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace text
