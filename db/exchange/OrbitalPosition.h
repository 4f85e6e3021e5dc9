#pragma once
// A satellite's orbital position in tenths of a degree, east positive and west
// negative: as transponder lists give it ("192" is 19.2E, "-8" is 0.8W) and as people
// write it into a satellite's name ("Astra 19.2E", "13.0E", "0.8W", "19.2°E").
#include <optional>
#include <string>
#include <string_view>

namespace orbit {

inline constexpr int kMaxTenths = 1800;

// The first position the name states: one to three digits, at most one decimal, an
// optional degree sign, then E or W, with no letter or digit right after it. The name
// is in the receiver's code page, whose degree sign is the byte 0xB0. Nothing when the
// name states none.
std::optional<int> PositionInName(std::string_view name);

// As a name states it: "19.2E", "0.8W"; 0 is "0.0E".
std::string Format(int tenths);

}  // namespace orbit
