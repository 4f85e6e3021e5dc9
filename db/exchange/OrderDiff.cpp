#include "db/exchange/OrderDiff.h"

#include <algorithm>
#include <unordered_map>

namespace orderdiff {

std::vector<Entry> Compare(const std::vector<std::uint32_t>& before, const std::vector<std::uint32_t>& after) {
  // Pair the k-th occurrence of a value in `before` with its k-th in `after`: key each
  // entry by (value, occurrence) and look the new ones up among the old.
  auto keys = [](const std::vector<std::uint32_t>& seq) {
    std::unordered_map<std::uint32_t, std::uint32_t> seen;
    std::vector<std::uint64_t> out(seq.size());
    for (std::size_t i = 0; i < seq.size(); ++i) out[i] = (std::uint64_t{seq[i]} << 32) | seen[seq[i]]++;
    return out;
  };
  const std::vector<std::uint64_t> oldKeys = keys(before), newKeys = keys(after);
  std::vector<std::pair<std::uint64_t, int>> index(before.size());
  for (std::size_t i = 0; i < before.size(); ++i) index[i] = {oldKeys[i], static_cast<int>(i)};
  std::sort(index.begin(), index.end());
  std::vector<int> oldOf(after.size(), -1);  // for each new position, its paired old position
  std::vector<bool> paired(before.size(), false);
  for (std::size_t j = 0; j < after.size(); ++j) {
    const auto it = std::lower_bound(index.begin(), index.end(), std::pair<std::uint64_t, int>{newKeys[j], -1});
    if (it != index.end() && it->first == newKeys[j]) {
      oldOf[j] = it->second;
      paired[std::size_t(it->second)] = true;
    }
  }

  // Longest increasing run of old positions along the new order: those stay put.
  std::vector<int> tailIdx;             // index into `after` ending the best run of each length
  std::vector<int> prev(after.size(), -1);
  for (std::size_t j = 0; j < after.size(); ++j) {
    if (oldOf[j] < 0) continue;
    const auto it = std::lower_bound(tailIdx.begin(), tailIdx.end(), oldOf[j],
                                     [&](int idx, int v) { return oldOf[std::size_t(idx)] < v; });
    if (it != tailIdx.begin()) prev[j] = *(it - 1);
    if (it == tailIdx.end())
      tailIdx.push_back(static_cast<int>(j));
    else
      *it = static_cast<int>(j);
  }
  std::vector<bool> stays(after.size(), false);
  for (int j = tailIdx.empty() ? -1 : tailIdx.back(); j >= 0; j = prev[std::size_t(j)]) stays[std::size_t(j)] = true;

  std::vector<Entry> out;
  for (std::size_t i = 0; i < before.size(); ++i)
    if (!paired[i]) out.push_back({Step::Removed, before[i], static_cast<int>(i), -1});
  for (std::size_t j = 0; j < after.size(); ++j) {
    if (oldOf[j] < 0)
      out.push_back({Step::Inserted, after[j], -1, static_cast<int>(j)});
    else if (!stays[j])
      out.push_back({Step::Moved, after[j], oldOf[j], static_cast<int>(j)});
  }
  return out;
}

}  // namespace orderdiff
