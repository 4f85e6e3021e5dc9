// Reading the start of a file: the whole of a file shorter than the limit, the limit's
// worth of a longer one, whatever the limit (a journal's is a gigabyte, and a small file
// must not cost that much memory).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "db/document/FileIo.h"
#include "tests/support/TempDir.h"

namespace {

TEST(ReadPrefix, ReadsTheFileUpToTheLimitWhateverTheLimit) {
  const testkit::TempDir dir;
  struct Case {
    std::size_t size, limit, expected;
  };
  const std::size_t huge = std::size_t(1) << 40;  // more memory than any machine here has
  const Case cases[] = {{0, huge, 0},          {1, huge, 1},          {4095, huge, 4095},
                        {4096, huge, 4096},    {4097, huge, 4097},    {100000, huge, 100000},
                        {100000, 100000, 100000}, {100000, 99999, 99999}, {100000, 10, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.size) + " bytes, limit " + std::to_string(c.limit));
    std::vector<std::uint8_t> bytes(c.size);
    for (std::size_t i = 0; i < c.size; ++i) bytes[i] = std::uint8_t(i * 131 + 7);
    const std::string path = dir.File("f");
    testkit::WriteBytes(path, bytes);
    std::vector<std::uint8_t> out;
    ASSERT_TRUE(fileio::ReadPrefix(path, c.limit, out).ok);
    bytes.resize(c.expected);
    EXPECT_EQ(out, bytes);
  }
}

}  // namespace
