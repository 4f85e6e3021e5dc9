// The undo history holds a bounded amount of memory: past the limit the oldest steps go,
// the newest still undo byte for byte, and the saved state is known only while its step
// is kept.
#include <gtest/gtest.h>

#include <QUndoStack>
#include <cstring>
#include <memory>
#include <vector>

#include "app/EditSteps.h"
#include "db/document/CQuelmarDoc.h"
#include "db/operations/SampleDatabase.h"
#include "db/records/DbType.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const ChannelDatabase& db) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&db);
  return Bytes(p, p + sizeof(ChannelDatabase));
}

// About 12 KB of changed bytes a step (the names of 400 programs), which no rotation
// can shorten.
void RenameMany(CQuelmarDoc& doc, int step) {
  doc.Edit([step](ChannelDatabase& db) {
    for (std::size_t slot = 0; slot < 400; ++slot)
      db.programs[slot].SetName("S" + std::to_string(step) + "-" + std::to_string(slot * 7 + std::size_t(step)));
  });
}

constexpr std::size_t kLimit = 200 * 1024;

TEST(UndoMemory, TheOldestStepsGoPastTheLimitAndTheRestStillUndo) {
  CQuelmarDoc doc;
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  doc.LoadDatabase(sample::MakeHeader(dbtype::kDefault), *db);
  EditSteps steps(doc, nullptr, kLimit);
  std::vector<Bytes> states{BytesOf(doc.Working())};
  for (int i = 1; i <= 60; ++i) {
    RenameMany(doc, i);
    states.push_back(BytesOf(doc.Working()));
    ASSERT_LE(steps.MemoryUsed(), kLimit) << "after step " << i;
  }
  QUndoStack& stack = steps.Stack();
  const int kept = stack.count();
  EXPECT_LT(kept, 60);
  EXPECT_GE(kept, 5);
  EXPECT_EQ(stack.index(), kept);
  EXPECT_TRUE(doc.IsModified());

  // Every kept step undoes to the state before it, back to the oldest kept.
  for (int i = 0; i < kept; ++i) {
    stack.undo();
    ASSERT_EQ(BytesOf(doc.Working()), states[std::size_t(60 - 1 - i)]) << "undo " << i + 1;
  }
  EXPECT_FALSE(stack.canUndo());
  // The opened state went with the dropped steps: nothing here is saved.
  EXPECT_TRUE(doc.IsModified());
  while (stack.canRedo()) stack.redo();
  EXPECT_EQ(BytesOf(doc.Working()), states.back());

  // A save among the kept steps stays the clean state through a drop.
  steps.MarkSaved();
  const Bytes saved = BytesOf(doc.Working());
  RenameMany(doc, 100);
  RenameMany(doc, 101);
  ASSERT_LT(steps.MemoryUsed(), kLimit);
  const int before = stack.count();
  for (int i = 102; stack.count() >= before; ++i) RenameMany(doc, i);  // until a drop
  EXPECT_LE(steps.MemoryUsed(), kLimit);
  while (BytesOf(doc.Working()) != saved && stack.canUndo()) stack.undo();
  ASSERT_EQ(BytesOf(doc.Working()), saved) << "the saved state's steps went first";
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(stack.isClean());
}

// Moves are stored small, so 10,000 of them across 4000 rows stay far below the limit
// and none is dropped.
TEST(UndoMemory, TenThousandMovesKeepEveryStep) {
  CQuelmarDoc doc;
  auto db = std::make_unique<ChannelDatabase>();
  ServiceList& tv = db->channelLists.tvList;
  for (std::size_t i = 0; i < 4000; ++i) tv.SetEntry(i, std::uint16_t(i));
  tv.SetCount(4000);
  doc.LoadDatabase(sample::MakeHeader(dbtype::kDefault), *db);
  EditSteps steps(doc);
  const Bytes opened = BytesOf(doc.Working());
  int moves = 0;
  for (int i = 0; i < 10000; ++i) {
    moves += i * 37 % 4000 != i * 91 % 4000;  // a row moved to its own place is no step
    doc.Edit([i](ChannelDatabase& d) {
      ServiceList& list = d.channelLists.tvList;
      const std::size_t from = std::size_t(i * 37 % 4000), to = std::size_t(i * 91 % 4000);
      const std::uint16_t moved = list.Entry(from);
      if (from < to)
        for (std::size_t p = from; p < to; ++p) list.SetEntry(p, list.Entry(p + 1));
      else
        for (std::size_t p = from; p > to; --p) list.SetEntry(p, list.Entry(p - 1));
      list.SetEntry(to, moved);
    });
  }
  EXPECT_EQ(steps.Stack().count(), moves);
  EXPECT_LT(steps.MemoryUsed(), std::size_t(8) << 20);
  while (steps.Stack().canUndo()) steps.Stack().undo();
  EXPECT_EQ(BytesOf(doc.Working()), opened);
}

}  // namespace
