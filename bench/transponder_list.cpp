// Speed of a transponder list (satellites.xml) of 5 MB, about 44,800 transponders of 160
// satellites, applied to a full database whose 160 satellites all state a position the
// list has: read alone, applied alone, and read and applied as the window does it, as
// one step of the document. With the transponder table full everything is compared and
// left out; with half of it Empty the first 1050 lacking transponders go in.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "db/document/CQuelmarDoc.h"
#include "db/exchange/SatellitesXml.h"
#include "db/exchange/TransponderUpdate.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"
#include "support/TransponderLists.h"

namespace {

constexpr int kType = 3;
constexpr int kSatellites = 160;

const std::string& List5MB() {
  static const std::string xml = testkit::SatellitesXml(testkit::WideList(kSatellites, 280));
  return xml;
}

// Every table full; satellite s is named after the list's satellite at s tenths east.
std::unique_ptr<ChannelDatabase> FullDb(bool room) {
  auto db = testkit::CleanFullDb();
  char name[17];
  for (int s = 0; s < kSatellites; ++s) {
    std::snprintf(name, sizeof name, "Sat %d.%dE", s / 10, s % 10);
    db->satellites[std::size_t(s)].SetName(name);
  }
  if (room)
    for (std::size_t t = ChannelDatabase::kTransponderCount / 2; t < ChannelDatabase::kTransponderCount; ++t)
      db->transponders[t].SetState(SlotState::Empty);
  return db;
}

void Counters(benchmark::State& state, const tpupdate::Report& r) {
  state.counters["listBytes"] = double(List5MB().size());
  state.counters["added"] = r.Added();
  state.counters["leftOut"] = r.LeftOut();
}

void BM_ReadList5MB(benchmark::State& state) {
  std::size_t transponders = 0;
  for (auto _ : state) {
    satxml::List list;
    if (satxml::Read(List5MB(), list)) state.SkipWithError("the list was refused");
    transponders = list.TransponderCount();
  }
  state.counters["transponders"] = double(transponders);
  state.counters["listBytes"] = double(List5MB().size());
}
BENCHMARK(BM_ReadList5MB)->Unit(benchmark::kMillisecond);

void BM_ApplyList5MB(benchmark::State& state) {
  satxml::List list;
  satxml::Read(List5MB(), list);
  const auto db = FullDb(state.range(0) != 0);
  const tpupdate::Matches matches = tpupdate::MatchByName(*db, list);
  tpupdate::Report report;
  for (auto _ : state) {
    auto copy = std::make_unique<ChannelDatabase>(*db);
    report = tpupdate::Apply(*copy, list, matches);
  }
  Counters(state, report);
}
BENCHMARK(BM_ApplyList5MB)->ArgName("room")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What "Update Transponders From List…" costs after its dialog: the file's text read,
// matched by name and applied as one recorded step of the document.
void BM_ReadAndApplyAsDocumentStep(benchmark::State& state) {
  const auto db = FullDb(state.range(0) != 0);
  CQuelmarDoc doc;
  doc.SetDbType(kType);
  tpupdate::Report report;
  for (auto _ : state) {
    state.PauseTiming();
    doc.LoadDatabase(sample::MakeHeader(kType), *db);
    state.ResumeTiming();
    satxml::List list;
    satxml::Read(List5MB(), list);
    const tpupdate::Matches matches = tpupdate::MatchByName(doc.Working(), list);
    report = doc.Apply({"Update Transponders [satellites.xml]"}, tpupdate::Apply, list, matches);
  }
  if (report.Matched() != kSatellites) state.SkipWithError("not every satellite was matched");
  Counters(state, report);
}
BENCHMARK(BM_ReadAndApplyAsDocumentStep)->ArgName("room")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
