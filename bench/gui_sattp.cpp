// The "Satellite/Transponder" page on a full database: 160 satellites, 2100
// transponders. Refreshing must stay well below what a person notices (target for
// RefreshSatellites: under 10 ms).
#include <benchmark/benchmark.h>

#include "GuiBench.h"

#include <QApplication>
#include <QTreeWidget>
#include <memory>

#include "db/document/CQuelmarDoc.h"
#include "db/operations/SampleDatabase.h"
#include "ui/satellites/CPageSatTP.h"
#include "widgets/Prompt.h"

namespace {

enum class Spread {
  Full,     // the full database: about 13 transponders per satellite
  Crowded,  // every transponder on the first satellite: the list's 150-row cap is hit
};

struct PageOnDb {
  CQuelmarDoc doc;
  testkit::RecordingPageHost host;
  std::unique_ptr<CPageSatTP> page;

  explicit PageOnDb(Spread spread) {
    auto db = std::make_unique<ChannelDatabase>();
    sample::BuildFullDatabase(*db);
    if (spread == Spread::Crowded)
      for (auto& t : db->transponders) t.SetSatelliteIndex(0);
    doc.LoadDatabase(sample::MakeHeader(3), *db);
    page = std::make_unique<CPageSatTP>(doc, host);
    page->show();
    page->Activate();
    page->RefreshSatellites();
  }
};

void BM_RefreshSatellites(benchmark::State& state) {
  PageOnDb p(static_cast<Spread>(state.range(0)));
  for (auto _ : state) p.page->RefreshSatellites();
  state.counters["satRows"] = p.page->State().satelliteRowCount;
  state.counters["tpRows"] = p.page->State().transponderRowCount;
}
BENCHMARK(BM_RefreshSatellites)
    ->Arg(int(Spread::Full))
    ->Arg(int(Spread::Crowded))
    ->Unit(benchmark::kMillisecond);

// Clicking through the satellites: each click rebuilds the transponder list and the
// settings area.
void BM_SelectSatellite(benchmark::State& state) {
  PageOnDb p(static_cast<Spread>(state.range(0)));
  auto* list = p.page->findChild<QTreeWidget*>(QStringLiteral("satelliteList"));
  int row = 0;
  for (auto _ : state) {
    row = (row + 1) % list->topLevelItemCount();
    list->setCurrentItem(list->topLevelItem(row));
  }
  state.counters["tpRows"] = p.page->State().transponderRowCount;
}
BENCHMARK(BM_SelectSatellite)
    ->Arg(int(Spread::Full))
    ->Arg(int(Spread::Crowded))
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
