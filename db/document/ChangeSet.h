#pragma once
// The bytes of the working database that one edit changed: each changed range with its
// contents before and after. Undo writes the old contents back, redo the new ones, so
// one mechanism takes back every operation, whatever it did to the records.
// A range whose new contents are its old ones turned round (moving rows in a channel
// list or a group shifts every entry between the two places) keeps only how far they
// turned: a one-row move across 4000 channels costs a few bytes, not 16 KB.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "db/document/NewMarks.h"
#include "db/records/ChannelDatabase.h"

// Which state of a change set to put in place: Before undoes it, After redoes it.
enum class ChangeSide { Before, After };

class ChangeSet {
 public:
  struct Range {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    // 0: both states' bytes are kept. Otherwise the range holds a rotation: the new
    // byte i is the old byte (i + shift) % length, and no bytes are kept. Such a range
    // may begin or end with bytes that are the same in both states.
    std::uint32_t shift = 0;
  };

  // Ranges closer than this are kept as one: a range costs 8 bytes of bookkeeping and
  // a gap twice its length, so merging a short gap is cheaper than a second range.
  static constexpr std::size_t kMergeGap = 8;
  // Shorter ranges are kept as bytes: looking for a rotation would save little.
  static constexpr std::size_t kRotationMin = 64;

  // What differs between two states of the same `size` bytes.
  static ChangeSet Between(const std::uint8_t* before, const std::uint8_t* after, std::size_t size);
  static ChangeSet Between(const ChannelDatabase& before, const ChannelDatabase& after);

  // The same change seen from the new state: undoing this is doing that.
  ChangeSet Reversed() const;
  // A change from what it does alone, as a journal keeps it: the ranges, and for each
  // range that is no rotation its new bytes one after the other in `after`. The old
  // bytes are read from `before`, the state it starts from (`size` bytes). An empty
  // optional when the ranges leave the state, overlap or do not match the bytes given.
  static std::optional<ChangeSet> FromForward(std::vector<Range> ranges, const std::uint8_t* after,
                                              std::size_t afterSize, const std::uint8_t* before, std::size_t size);

  bool Empty() const { return ranges_.empty(); }
  const std::vector<Range>& Ranges() const { return ranges_; }
  // The new bytes of range i; null for a rotation.
  const std::uint8_t* NewBytes(std::size_t i) const {
    return ranges_[i].shift != 0 ? nullptr : Contents(i, ChangeSide::After);
  }
  // Over `length` bytes at `offset` that `inout` holds, writes those this set changed
  // as they are in state `side`; bytes it did not change are the same in both.
  // `whole` is all the bytes in the other state, where a rotation finds them.
  void Overlay(std::size_t offset, std::size_t length, ChangeSide side, const std::uint8_t* whole,
               std::uint8_t* inout) const;

  // Turns `size` bytes at `target`, which hold the other state, into state `side`.
  void Apply(std::uint8_t* target, std::size_t size, ChangeSide side) const;
  void Apply(ChannelDatabase& db, ChangeSide side) const;

  // Heap and object bytes this change set holds.
  std::size_t MemoryUsed() const;

  // The "New" marks of the window, when the edit changed them too (a reference applied).
  // They belong to the open window only, so a journal keeps none.
  void SetMarks(NewMarks before, NewMarks after);
  // The marks in state `side`; null when the edit left them alone.
  const NewMarks* Marks(ChangeSide side) const;

 private:
  // The kept bytes of range i (not a rotation) in one state.
  const std::uint8_t* Contents(std::size_t i, ChangeSide side) const;

  std::vector<Range> ranges_;
  // For each range in order: its old bytes, then its new bytes.
  std::vector<std::uint8_t> bytes_;
  // Where each range's old bytes start in bytes_ (a rotation's: where they would).
  std::vector<std::uint32_t> starts_;
  // Before and after; shared, as a set is copied to be turned round.
  std::shared_ptr<const std::pair<NewMarks, NewMarks>> marks_;
};
