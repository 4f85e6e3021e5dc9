#include "db/document/ChangeSet.h"

#include <algorithm>
#include <array>
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

// The shift s (0 < s < n) with after[i] == before[(i + s) % n] for every i, or 0 when
// `after` is no rotation of `before`: where `after` first appears in before+before,
// found with the Knuth-Morris-Pratt failure table in time proportional to n.
std::size_t RotationShift(const std::uint8_t* before, const std::uint8_t* after, std::size_t n) {
  if (n < 2) return 0;
  std::vector<std::uint32_t> fail(n, 0);
  for (std::size_t i = 1, k = 0; i < n; ++i) {
    while (k > 0 && after[i] != after[k]) k = fail[k - 1];
    if (after[i] == after[k]) ++k;
    fail[i] = static_cast<std::uint32_t>(k);
  }
  for (std::size_t i = 1, k = 0; i < 2 * n - 1; ++i) {  // before+before from position 1
    const std::uint8_t c = before[i % n];
    while (k > 0 && c != after[k]) k = fail[k - 1];
    if (c == after[k]) ++k;
    if (k == n) return i + 1 - n;
  }
  return 0;
}

// A rotation of whole entries may leave a byte or two at its ends equal in both states
// (two program numbers with the same low byte), which the comparison left out: the
// range is tried with up to three such bytes taken back in at either end.
bool FindRotation(const std::uint8_t* before, const std::uint8_t* after, std::size_t size, ChangeSet::Range& r) {
  // A rotation keeps every byte value as often as it was; the bytes taken back in are
  // the same in both states, so a range that fails this fails with them too.
  std::array<std::uint32_t, 256> count{};
  for (std::size_t i = r.offset; i < std::size_t(r.offset) + r.length; ++i) {
    ++count[before[i]];
    --count[after[i]];
  }
  if (std::any_of(count.begin(), count.end(), [](std::uint32_t c) { return c != 0; })) return false;
  for (std::size_t front = 0; front < 4 && front <= r.offset; ++front)
    for (std::size_t back = 0; back < 4 && r.offset + r.length + back <= size; ++back) {
      const std::size_t begin = r.offset - front, length = r.length + front + back;
      if (const std::size_t shift = RotationShift(before + begin, after + begin, length)) {
        r = {static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(length), static_cast<std::uint32_t>(shift)};
        return true;
      }
    }
  return false;
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
  for (Range& r : set.ranges_) {
    if (r.length >= kRotationMin && FindRotation(before, after, size, r)) continue;
    total += 2 * std::size_t(r.length);
  }
  set.bytes_.resize(total);
  set.starts_.reserve(set.ranges_.size());
  std::size_t at = 0;
  for (const Range& r : set.ranges_) {
    set.starts_.push_back(static_cast<std::uint32_t>(at));
    if (r.shift != 0) continue;
    std::memcpy(set.bytes_.data() + at, before + r.offset, r.length);
    std::memcpy(set.bytes_.data() + at + r.length, after + r.offset, r.length);
    at += 2 * std::size_t(r.length);
  }
  set.bytes_.shrink_to_fit();
  set.ranges_.shrink_to_fit();
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

void ChangeSet::Overlay(std::size_t offset, std::size_t length, ChangeSide side, const std::uint8_t* whole,
                        std::uint8_t* inout) const {
  for (std::size_t i = 0; i < ranges_.size(); ++i) {
    const Range& r = ranges_[i];
    const std::size_t begin = std::max<std::size_t>(offset, r.offset);
    const std::size_t end = std::min<std::size_t>(offset + length, std::size_t(r.offset) + r.length);
    if (begin >= end) continue;
    if (r.shift == 0) {
      std::memcpy(inout + (begin - offset), Contents(i, side) + (begin - r.offset), end - begin);
      continue;
    }
    // After: byte j is the old byte j + shift; Before: the new byte j - shift.
    const std::size_t step = side == ChangeSide::After ? r.shift : r.length - r.shift;
    for (std::size_t at = begin; at < end; ++at)
      inout[at - offset] = whole[r.offset + (at - r.offset + step) % r.length];
  }
}

void ChangeSet::Apply(std::uint8_t* target, std::size_t size, ChangeSide side) const {
  for (std::size_t i = 0; i < ranges_.size(); ++i) {
    const Range& r = ranges_[i];
    if (std::size_t(r.offset) + r.length > size) continue;
    std::uint8_t* first = target + r.offset;
    if (r.shift == 0) {
      std::memcpy(first, Contents(i, side), r.length);
    } else if (side == ChangeSide::After) {
      std::rotate(first, first + r.shift, first + r.length);
    } else {
      std::rotate(first, first + (r.length - r.shift), first + r.length);
    }
  }
}

void ChangeSet::Apply(ChannelDatabase& db, ChangeSide side) const {
  Apply(reinterpret_cast<std::uint8_t*>(&db), sizeof(ChannelDatabase), side);
}

std::size_t ChangeSet::MemoryUsed() const {
  return sizeof(*this) + ranges_.capacity() * sizeof(Range) + bytes_.capacity() +
         starts_.capacity() * sizeof(std::uint32_t) + (marks_ ? 2 * ChannelDatabase::kProgramCount / 8 : 0);
}

void ChangeSet::SetMarks(NewMarks before, NewMarks after) {
  marks_ = std::make_shared<const std::pair<NewMarks, NewMarks>>(std::move(before), std::move(after));
}

const NewMarks* ChangeSet::Marks(ChangeSide side) const {
  if (!marks_) return nullptr;
  return side == ChangeSide::Before ? &marks_->first : &marks_->second;
}

ChangeSet ChangeSet::Reversed() const {
  ChangeSet set = *this;
  for (std::size_t i = 0; i < set.ranges_.size(); ++i) {
    Range& r = set.ranges_[i];
    if (r.shift != 0) {
      r.shift = r.length - r.shift;
      continue;
    }
    std::uint8_t* kept = set.bytes_.data() + set.starts_[i];
    std::swap_ranges(kept, kept + r.length, kept + r.length);
  }
  if (marks_) set.SetMarks(marks_->second, marks_->first);
  return set;
}

std::optional<ChangeSet> ChangeSet::FromForward(std::vector<Range> ranges, const std::uint8_t* after,
                                                std::size_t afterSize, const std::uint8_t* before,
                                                std::size_t size) {
  ChangeSet set;
  std::size_t kept = 0, end = 0;
  for (const Range& r : ranges) {
    if (r.length == 0 || r.offset < end || std::size_t(r.offset) + r.length > size) return std::nullopt;
    if (r.shift >= r.length) return std::nullopt;
    end = std::size_t(r.offset) + r.length;
    if (r.shift == 0) kept += r.length;
  }
  if (kept != afterSize) return std::nullopt;
  set.bytes_.resize(2 * kept);
  set.starts_.reserve(ranges.size());
  std::size_t at = 0, from = 0;
  for (const Range& r : ranges) {
    set.starts_.push_back(static_cast<std::uint32_t>(at));
    if (r.shift != 0) continue;
    std::memcpy(set.bytes_.data() + at, before + r.offset, r.length);
    std::memcpy(set.bytes_.data() + at + r.length, after + from, r.length);
    from += r.length;
    at += 2 * std::size_t(r.length);
  }
  set.ranges_ = std::move(ranges);
  return set;
}
