// Names between the receiver's Windows-1252 bytes and UTF-8: every byte survives the
// trip, and text the code page cannot hold, or that is not UTF-8, is refused.
#include <gtest/gtest.h>

#include <string>

#include "db/records/Cp1252.h"

namespace {

TEST(Cp1252, EveryByteSurvivesUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = cp1252::ToUtf8(all);
  EXPECT_EQ(cp1252::FromUtf8(utf8), all);
  EXPECT_EQ(cp1252::ToUtf8("\x80\xC4"), "\xE2\x82\xAC\xC3\x84");  // euro sign, A umlaut
}

TEST(Cp1252, RefusesWhatItCannotHold) {
  char32_t bad = 0;
  EXPECT_FALSE(cp1252::FromUtf8("\xE4\xB8\xAD", &bad).has_value());
  EXPECT_EQ(bad, U'\u4E2D');
  bad = 0;
  for (const char* notUtf8 : {"\xC3", "\xC0\x80", "\xED\xA0\x80", "\xFF", "a\x80"}) {
    EXPECT_FALSE(cp1252::FromUtf8(notUtf8, &bad).has_value()) << notUtf8;
    EXPECT_EQ(bad, 0u) << "not UTF-8 is no character";
  }
}

}  // namespace
