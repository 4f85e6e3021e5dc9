#include "db/ChangeSet.h"

#include <algorithm>
#include <cstring>

namespace {

// Equal stretches are skipped a page at a time, where memcmp runs at memory speed;
// only pages that differ are looked at byte by byte.
constexpr std::size_t kPage = 4096;

std::size_t FirstDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t from, std::size_t end) {
  std::size_t i = from;
  while (i + 8 <= end) {
    std::uint64_t x = 0, y = 0;
    std::memcpy(&x, a + i, 8);
    std::memcpy(&y, b + i, 8);
    if (x != y) break;
    i += 8;
  }
  while (i < end && a[i] == b[i]) ++i;
  return i;
}

std::size_t FirstEqual(const std::uint8_t* a, const std::uint8_t* b, std::size_t from, std::size_t end) {
  std::size_t i = from;
  while (i < end && a[i] != b[i]) ++i;
  return i;
}

}  // namespace

ChangeSet ChangeSet::Between(const std::uint8_t* before, const std::uint8_t* after, std::size_t size) {
  ChangeSet set;
  for (std::size_t page = 0; page < size; page += kPage) {
    const std::size_t end = page + kPage < size ? page + kPage : size;
    if (std::memcmp(before + page, after + page, end - page) == 0) continue;
    std::size_t i = page;
    while (true) {
      i = FirstDifference(before, after, i, end);
      if (i >= end) break;
      const std::size_t stop = FirstEqual(before, after, i, end);
      Range* last = set.ranges_.empty() ? nullptr : &set.ranges_.back();
      if (last != nullptr && i - (last->offset + last->length) <= kMergeGap) {
        last->length = static_cast<std::uint32_t>(stop - last->offset);
      } else {
        set.ranges_.push_back({static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(stop - i)});
      }
      i = stop;
    }
  }

  std::size_t total = 0;
  for (const Range& r : set.ranges_) total += 2 * std::size_t(r.length);
  set.bytes_.resize(total);
  set.starts_.reserve(set.ranges_.size());
  std::size_t at = 0;
  for (const Range& r : set.ranges_) {
    set.starts_.push_back(static_cast<std::uint32_t>(at));
    std::memcpy(set.bytes_.data() + at, before + r.offset, r.length);
    std::memcpy(set.bytes_.data() + at + r.length, after + r.offset, r.length);
    at += 2 * std::size_t(r.length);
  }
  return set;
}

ChangeSet ChangeSet::Between(const ChannelDatabase& before, const ChannelDatabase& after) {
  return Between(reinterpret_cast<const std::uint8_t*>(&before), reinterpret_cast<const std::uint8_t*>(&after),
                 sizeof(ChannelDatabase));
}

const std::uint8_t* ChangeSet::Contents(std::size_t i, ChangeSide side) const {
  const std::uint8_t* start = bytes_.data() + starts_[i];
  return side == ChangeSide::Before ? start : start + ranges_[i].length;
}

void ChangeSet::Overlay(std::size_t offset, std::size_t length, ChangeSide side, std::uint8_t* inout) const {
  for (std::size_t i = 0; i < ranges_.size(); ++i) {
    const std::size_t begin = std::max<std::size_t>(offset, ranges_[i].offset);
    const std::size_t end = std::min<std::size_t>(offset + length, std::size_t(ranges_[i].offset) + ranges_[i].length);
    if (begin < end) std::memcpy(inout + (begin - offset), Contents(i, side) + (begin - ranges_[i].offset), end - begin);
  }
}

void ChangeSet::Apply(std::uint8_t* target, std::size_t size, ChangeSide side) const {
  for (std::size_t i = 0; i < ranges_.size(); ++i) {
    const Range& r = ranges_[i];
    if (std::size_t(r.offset) + r.length > size) continue;
    std::memcpy(target + r.offset, Contents(i, side), r.length);
  }
}

void ChangeSet::Apply(ChannelDatabase& db, ChangeSide side) const {
  Apply(reinterpret_cast<std::uint8_t*>(&db), sizeof(ChannelDatabase), side);
}

std::size_t ChangeSet::MemoryUsed() const {
  return sizeof(*this) + ranges_.capacity() * sizeof(Range) + bytes_.capacity() +
         starts_.capacity() * sizeof(std::uint32_t);
}
