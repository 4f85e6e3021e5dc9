// "Find Duplicates" on a full database: 4000 programs in the TV list, eight groups of
// 100 members, and 200 programs stored a second time by a rescan. Finding the sets and
// filling the dialog's lists must stay below what a person notices (target: under
// 20 ms for the dialog).
#include <benchmark/benchmark.h>

#include "GuiBench.h"

#include <QApplication>
#include <QTreeWidget>
#include <memory>

#include "db/document/CQuelmarDoc.h"
#include "db/operations/DuplicateReport.h"
#include "db/operations/SampleDatabase.h"
#include "ui/tools/CFindDuplicatesDlg.h"

namespace {

constexpr int kSets = 200;

// Programs 3000.. take the transponder and service ID of programs 0..: the same service
// found twice, each copy still in the TV list and keeping its own name.
std::unique_ptr<ChannelDatabase> FullDbWithDuplicates() {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*db);
  for (std::size_t i = 0; i < ServiceList::kCapacity; ++i) db->channelLists.tvList.SetEntry(i, std::uint16_t(i));
  db->channelLists.tvList.SetCount(std::uint16_t(ServiceList::kCapacity));
  db->channelLists.radioList.SetCount(0);
  for (std::size_t i = 0; i < std::size_t(kSets); ++i) {
    ProgramRecord& copy = db->programs[3000 + i];
    copy.SetTransponderIndex(db->programs[i].TransponderIndex());
    copy.SetServiceId(db->programs[i].ServiceId());
  }
  return db;
}

struct DocWithDuplicates {
  CQuelmarDoc doc;
  DocWithDuplicates() { doc.LoadDatabase(sample::MakeHeader(3), *FullDbWithDuplicates()); }
};

// The report alone, as db/ finds it.
void BM_FindDuplicateReport(benchmark::State& state) {
  DocWithDuplicates d;
  std::size_t sets = 0;
  for (auto _ : state) {
    const dbops::DuplicateReport r = dbops::FindDuplicateReport(d.doc.Working());
    sets = r.duplicates.size();
    benchmark::DoNotOptimize(sets);
  }
  state.counters["sets"] = double(sets);
}
BENCHMARK(BM_FindDuplicateReport)->Unit(benchmark::kMillisecond);

// What the user waits for after the menu item: the report, the dialog built and both
// lists filled and laid out on screen.
void BM_FindDuplicatesDialog(benchmark::State& state) {
  DocWithDuplicates d;
  int sets = 0;
  for (auto _ : state) {
    CFindDuplicatesDlg dlg(d.doc, nullptr);
    dlg.show();
    QApplication::processEvents();
    sets = dlg.DuplicateList()->topLevelItemCount();
  }
  state.counters["sets"] = sets;
}
BENCHMARK(BM_FindDuplicatesDialog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
