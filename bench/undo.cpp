// Undo's cost on a full database: recording one edit's change set, putting one back,
// and the memory that 10,000 typical steps hold.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <random>
#include <vector>

#include "db/document/ChangeSet.h"
#include "db/document/EditRecorder.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/SampleDatabase.h"

namespace {

std::unique_ptr<ChannelDatabase> FullDatabase() {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*db);
  return db;
}

// One of the edits a user makes most: a rename, a transponder edit, a member or list
// removal, a program deletion (which also leaves its groups).
void TypicalEdit(ChannelDatabase& db, std::mt19937& random) {
  switch (random() % 5) {
    case 0: {
      ProgramRecord& p = db.programs[random() % ChannelDatabase::kProgramCount];
      p.SetName("Renamed " + std::to_string(random() % 1000));
      break;
    }
    case 1:
      dbops::SaveTransponder(db, std::uint16_t(10700 + random() % 2000), 27500, random() % 2,
                             0, int(random() % ChannelDatabase::kTransponderCount));
      break;
    case 2: {
      const int g = int(random() % ChannelListBlock::kGroupCount);
      const auto& group = db.channelLists.favoriteGroups[std::size_t(g)];
      if (group.ValidMemberCount() > 0) dbops::RemoveGroupMember(db, g, group.Member(random() % group.ValidMemberCount()));
      break;
    }
    case 3: {
      const auto& tv = db.channelLists.tvList;
      if (tv.ValidCount() > 0) dbops::RemoveFromServiceList(db, 0, tv.Entry(random() % tv.ValidCount()));
      break;
    }
    default:
      dbops::DeleteProgram(db, int(random() % ChannelDatabase::kProgramCount));
  }
}

// Recording one step: the edit itself is outside the timing, the diff against the
// recorded copy and the copy's update inside.
void BM_RecordStep(benchmark::State& state) {
  auto working = FullDatabase();
  EditRecorder recorder;
  recorder.Reset(*working);
  std::mt19937 random(1);
  for (auto _ : state) {
    state.PauseTiming();
    TypicalEdit(*working, random);
    state.ResumeTiming();
    ChangeSet changes = recorder.Take(*working);
    benchmark::DoNotOptimize(changes);
  }
}
BENCHMARK(BM_RecordStep)->Unit(benchmark::kMicrosecond);

// Putting one step's old bytes back and then its new ones.
void BM_UndoRedoStep(benchmark::State& state) {
  auto working = FullDatabase();
  EditRecorder recorder;
  recorder.Reset(*working);
  dbops::DeleteProgram(*working, 123);
  const ChangeSet changes = recorder.Take(*working);
  for (auto _ : state) {
    recorder.Apply(*working, changes, ChangeSide::Before);
    recorder.Apply(*working, changes, ChangeSide::After);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_UndoRedoStep)->Unit(benchmark::kMicrosecond);

// The heap that 10,000 typical steps hold, as the allocator counts it.
void BM_MemoryOf10000Steps(benchmark::State& state) {
  for (auto _ : state) {
    auto working = FullDatabase();
    EditRecorder recorder;
    recorder.Reset(*working);
    std::mt19937 random(2);
    const std::size_t heapBefore = mallinfo2().uordblks;
    std::vector<ChangeSet> steps;
    steps.reserve(10000);
    std::size_t counted = 0;
    for (int i = 0; i < 10000; ++i) {
      TypicalEdit(*working, random);
      steps.push_back(recorder.Take(*working));
      counted += steps.back().MemoryUsed();
    }
    const std::size_t heapAfter = mallinfo2().uordblks;
    state.counters["heap_MB"] = double(heapAfter - heapBefore) / 1e6;
    state.counters["counted_MB"] = double(counted) / 1e6;
  }
}
BENCHMARK(BM_MemoryOf10000Steps)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
