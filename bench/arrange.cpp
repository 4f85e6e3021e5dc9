// Speed of arranging the channel lists of a full database (4000 TV rows, eight
// groups of 100): moving a block of 1000 rows, sorting 4000 rows or a scattered
// selection of them, finding duplicates. The window's list refresh is measured beside the page in
// gui_groupch.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "db/operations/ChannelOrder.h"
#include "db/operations/ChannelSort.h"
#include "db/operations/DuplicateReport.h"
#include "db/operations/SampleDatabase.h"

namespace {

std::unique_ptr<ChannelDatabase> FullDatabase() {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*db);
  return db;
}

// Every fourth row: a block that is not adjacent, gathered at alternate ends.
void BM_MoveBlockOf1000(benchmark::State& state) {
  const auto db = FullDatabase();
  std::vector<int> rows;
  for (int r = 0; r < 4000; r += 4) rows.push_back(r);
  int position = 0;
  for (auto _ : state) {
    const std::vector<int> moved = dbops::MoveRowsTo(*db, dbops::ChannelOrder::List(0), rows, position);
    benchmark::DoNotOptimize(moved.data());
    position = position == 0 ? 3000 : 0;
  }
}
BENCHMARK(BM_MoveBlockOf1000)->Unit(benchmark::kMicrosecond);

void BM_Sort4000(benchmark::State& state) {
  const auto db = FullDatabase();
  const auto key = static_cast<dbops::SortKey>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    dbops::SortOrder(*db, dbops::ChannelOrder::List(0), dbops::SortKey::Reverse);
    state.ResumeTiming();
    benchmark::DoNotOptimize(dbops::SortOrder(*db, dbops::ChannelOrder::List(0), key));
  }
}
BENCHMARK(BM_Sort4000)
    ->ArgName("key")
    ->Arg(static_cast<int>(dbops::SortKey::Name))
    ->Arg(static_cast<int>(dbops::SortKey::SatelliteAndFrequency))
    ->Arg(static_cast<int>(dbops::SortKey::ServiceId))
    ->Arg(static_cast<int>(dbops::SortKey::Reverse))
    ->Unit(benchmark::kMicrosecond);

// Every third row sorted by name among its own positions.
void BM_SortSelectionByName(benchmark::State& state) {
  const auto db = FullDatabase();
  std::vector<int> rows;
  for (int r = 0; r < 4000; r += 3) rows.push_back(r);
  for (auto _ : state) {
    state.PauseTiming();
    dbops::SortOrder(*db, dbops::ChannelOrder::List(0), dbops::SortKey::Reverse);
    state.ResumeTiming();
    benchmark::DoNotOptimize(dbops::SortRows(*db, dbops::ChannelOrder::List(0), rows, dbops::SortKey::Name));
  }
  state.counters["rows"] = double(rows.size());
}
BENCHMARK(BM_SortSelectionByName)->Unit(benchmark::kMicrosecond);

// A full database with every second program doubled on its transponder: 2000
// sets.
void BM_FindDuplicates(benchmark::State& state) {
  const auto db = FullDatabase();
  if (state.range(0) != 0)
    for (std::size_t p = 1; p < ChannelDatabase::kProgramCount; p += 2) {
      db->programs[p].SetTransponderIndex(db->programs[p - 1].TransponderIndex());
      db->programs[p].SetServiceId(db->programs[p - 1].ServiceId());
    }
  for (auto _ : state) {
    const dbops::DuplicateReport r = dbops::FindDuplicateReport(*db);
    benchmark::DoNotOptimize(r.duplicates.data());
  }
}
BENCHMARK(BM_FindDuplicates)->ArgName("doubled")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
