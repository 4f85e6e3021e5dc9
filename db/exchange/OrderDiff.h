#pragma once
// How one order of program slots became another, as a person would describe it: the
// entries that left, the ones that arrived, and the fewest that moved. Entries that kept
// their order relative to each other (a longest common subsequence) are not mentioned,
// so one channel moved to the top is one move, not a shift of every channel it passed.
// A slot listed twice pairs its first occurrences with each other, then its second.
#include <cstdint>
#include <vector>

namespace orderdiff {

enum class Step { Removed, Inserted, Moved };

struct Entry {
  Step step;
  std::uint32_t value;  // the program slot, or what stands for a program
  int from = -1;        // position in the old order (Removed, Moved)
  int to = -1;          // position in the new order (Inserted, Moved)
  bool operator==(const Entry&) const = default;
};

// Removed entries in old order first, then moves and insertions in new order.
std::vector<Entry> Compare(const std::vector<std::uint32_t>& before, const std::vector<std::uint32_t>& after);

}  // namespace orderdiff
