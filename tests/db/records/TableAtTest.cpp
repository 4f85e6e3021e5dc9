// Reaching a table's element by a number that may lie outside it.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "db/records/TableAt.h"

namespace {

TEST(TableAt, InsideGivesTheElementOutsideGivesNothing) {
  std::array<int, 4> fixed{10, 11, 12, 13};
  const std::vector<int> grown{20, 21, 22, 23};
  struct Case {
    long long index, count;
    int value;  // -1: outside
  } const cases[] = {
      {-1, -1, -1}, {0, -1, 0}, {3, -1, 3}, {4, -1, -1}, {1LL << 40, -1, -1},
      // A count shorter than the table ends it there.
      {1, 2, 1},    {2, 2, -1}, {0, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    if (c.count < 0) {
      const int* a = TableAt(fixed, c.index);
      const int* v = TableAt(grown, c.index);
      EXPECT_EQ(a ? *a - 10 : -1, c.value);
      EXPECT_EQ(v ? *v - 20 : -1, c.value);
    }
    EXPECT_EQ(ValueAt(fixed, c.index, -7, c.count), c.value < 0 ? -7 : 10 + c.value);
    EXPECT_EQ(ValueAt(grown, c.index, -7, c.count), c.value < 0 ? -7 : 20 + c.value);
  }
  // A table reached through a non-const reference can be written through it.
  *TableAt(fixed, 2) = 99;
  EXPECT_EQ(fixed[2], 99);
}

}  // namespace
