#pragma once
// A record of a table, or an entry of a row map, by a slot or row that came from a
// loaded file, a receiver or a list row: such numbers may lie outside the table, so
// they are checked here once rather than cast and trusted where they are used.
#include <cstddef>
#include <iterator>

// The element at `index`, null when the index lies outside `table`. Constness follows
// the table's.
template <typename Table>
auto* TableAt(Table& table, long long index) {
  const bool inside = index >= 0 && index < static_cast<long long>(std::size(table));
  return inside ? &*(std::begin(table) + static_cast<std::ptrdiff_t>(index)) : nullptr;
}

// The value at `index` when it lies among the first `count` elements of `table`
// (negative: all of them), else `fallback`.
template <typename Table, typename T>
T ValueAt(const Table& table, long long index, T fallback, long long count = -1) {
  if (count >= 0 && index >= count) return fallback;
  const auto* at = TableAt(table, index);
  return at ? static_cast<T>(*at) : fallback;
}
