// Speed of the check, the comparison, the JSON and CSV exchange and taking the order of
// a reference database (alone and as the document's step) on a full database:
// every table full, both lists at 4000 entries, eight groups of 100.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/exchange/ChannelCsv.h"
#include "db/exchange/DatabaseCheck.h"
#include "db/exchange/DatabaseDiff.h"
#include "db/exchange/ImageJson.h"
#include "db/exchange/ProgramDiff.h"
#include "db/exchange/ReferenceList.h"
#include "db/exchange/ReferenceOrder.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"

namespace {

constexpr int kType = 3;

std::vector<std::uint8_t> ImageOf(const ChannelDatabase& db) {
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  ExtraBlock extra;
  DatabaseImage::BuildImage(sample::MakeHeader(kType).Bytes(), db, &extra, kType, image.data());
  return image;
}

void BM_CheckFullImage(benchmark::State& state) {
  const auto image = ImageOf(*testkit::CleanFullDb());
  for (auto _ : state) benchmark::DoNotOptimize(dbcheck::CheckImage(image.data(), kType));
}
BENCHMARK(BM_CheckFullImage)->Unit(benchmark::kMillisecond);

// Two full images a day of editing apart: renamed programs, a reordered TV list, deleted
// and added records, a group rearranged.
void BM_DiffFullImages(benchmark::State& state) {
  const auto a = testkit::CleanFullDb();
  auto b = std::make_unique<ChannelDatabase>(*a);
  for (std::size_t i = 0; i < 4000; i += 40) b->programs[i].SetName("Renamed " + std::to_string(i));
  for (std::size_t i = 0; i < 200; ++i) {  // 200 channels moved towards the top
    ServiceList& tv = b->channelLists.tvList;
    const std::uint16_t moved = tv.Entry(3999 - i);
    for (std::size_t k = 3999 - i; k > i; --k) tv.SetEntry(k, tv.Entry(k - 1));
    tv.SetEntry(i, moved);
  }
  for (std::size_t i = 0; i < 50; ++i) b->satellites[i].SetLnbFreqLow(9700);
  b->transponders[17].SetState(SlotState::Deleted);
  b->channelLists.favoriteGroups[2].SetMember(0, 3999);
  const auto imageA = ImageOf(*a), imageB = ImageOf(*b);
  for (auto _ : state) {
    const dbdiff::Side sa = dbdiff::Side::FromImage(imageA.data(), kType);
    const dbdiff::Side sb = dbdiff::Side::FromImage(imageB.data(), kType);
    benchmark::DoNotOptimize(dbdiff::Compare(sa, sb));
  }
}
BENCHMARK(BM_DiffFullImages)->Unit(benchmark::kMillisecond);

// `diff --by program` after a rescan: every program in another slot, and a day's edits
// on top (renames, locks, 200 channels moved to the top); images parsed as the command
// parses them (target: under 50 ms).
void BM_DiffByProgram(benchmark::State& state) {
  const auto a = testkit::CleanFullDb();
  auto edited = std::make_unique<ChannelDatabase>(*a);
  for (std::size_t i = 0; i < 4000; i += 40) edited->programs[i].SetName("Renamed " + std::to_string(i));
  for (std::size_t i = 1; i < 4000; i += 50) edited->programs[i].SetLocked(!edited->programs[i].Locked());
  ServiceList& tv = edited->channelLists.tvList;
  std::vector<std::uint16_t> entries;
  for (std::size_t k = 0; k < tv.ValidCount(); ++k) entries.push_back(tv.Entry(k));
  std::rotate(entries.begin(), entries.end() - 200, entries.end());
  for (std::size_t k = 0; k < entries.size(); ++k) tv.SetEntry(k, entries[k]);
  const auto imageA = ImageOf(*a), imageB = ImageOf(*testkit::SlotsShuffled(*edited, 5));
  std::size_t lines = 0;
  for (auto _ : state) {
    auto dbA = std::make_unique<ChannelDatabase>(), dbB = std::make_unique<ChannelDatabase>();
    DatabaseImage::ParseImage(imageA.data(), kType, *dbA, nullptr);
    DatabaseImage::ParseImage(imageB.data(), kType, *dbB, nullptr);
    const progdiff::Result r = progdiff::Compare(*dbA, *dbB, kType);
    lines = r.changes.size();
    benchmark::DoNotOptimize(r);
  }
  state.counters["lines"] = double(lines);
}
BENCHMARK(BM_DiffByProgram)->Unit(benchmark::kMillisecond);

// The image to JSON text, as `export --format json` writes it.
void BM_JsonExport(benchmark::State& state) {
  const auto image = ImageOf(*testkit::CleanFullDb());
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string text = imagejson::Dump(imagejson::Export(image.data(), kType));
    size = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = double(size);
}
BENCHMARK(BM_JsonExport)->Unit(benchmark::kMillisecond);

// JSON text back to the image, as `import --format json` reads it.
void BM_JsonImport(benchmark::State& state) {
  const auto image = ImageOf(*testkit::CleanFullDb());
  const std::string text = imagejson::Dump(imagejson::Export(image.data(), kType));
  for (auto _ : state) {
    imagejson::Json j;
    imagejson::Parse(text, j);
    imagejson::Imported out;
    benchmark::DoNotOptimize(imagejson::Import(j, out));
  }
}
BENCHMARK(BM_JsonImport)->Unit(benchmark::kMillisecond);

void BM_JsonParseOnly(benchmark::State& state) {
  const auto image = ImageOf(*testkit::CleanFullDb());
  const std::string text = imagejson::Dump(imagejson::Export(image.data(), kType));
  for (auto _ : state) {
    imagejson::Json j;
    imagejson::Parse(text, j);
    benchmark::DoNotOptimize(j);
  }
}
BENCHMARK(BM_JsonParseOnly)->Unit(benchmark::kMillisecond);

void BM_CsvExport(benchmark::State& state) {
  const auto db = testkit::CleanFullDb();
  for (auto _ : state) benchmark::DoNotOptimize(channelcsv::Export(*db, kType));
}
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond);

// Reading 8000 rows and applying them to the database they came from.
void BM_CsvImport(benchmark::State& state) {
  const auto db = testkit::CleanFullDb();
  const std::string text = channelcsv::Export(*db, kType);
  for (auto _ : state) {
    std::vector<channelcsv::Row> rows;
    channelcsv::Read(text, rows);
    auto copy = std::make_unique<ChannelDatabase>(*db);
    benchmark::DoNotOptimize(reflist::Apply(*copy, rows));
  }
}
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond);


// The full database with the TV list and every group turned round.
std::unique_ptr<ChannelDatabase> TurnedRound(const ChannelDatabase& db) {
  auto ref = std::make_unique<ChannelDatabase>(db);
  ServiceList& tv = ref->channelLists.tvList;
  for (std::size_t i = 0, j = tv.ValidCount(); i + 1 < j; ++i, --j) {
    const std::uint16_t a = tv.Entry(i);
    tv.SetEntry(i, tv.Entry(j - 1));
    tv.SetEntry(j - 1, a);
  }
  for (FavoriteGroupRecord& g : ref->channelLists.favoriteGroups)
    for (std::size_t i = 0, j = g.ValidMemberCount(); i + 1 < j; ++i, --j) {
      const std::uint16_t a = g.Member(i);
      g.SetMember(i, g.Member(j - 1));
      g.SetMember(j - 1, a);
    }
  return ref;
}

// Taking the order of another database: the full database against a copy of itself
// with the TV list and every group turned round (4000 TV rows, eight groups of 100).
void BM_ApplyReferenceOrder(benchmark::State& state) {
  const auto db = testkit::CleanFullDb();
  const auto ref = TurnedRound(*db);
  state.counters["tvRows"] = double(ref->channelLists.tvList.ValidCount());
  for (auto _ : state) {
    auto copy = std::make_unique<ChannelDatabase>(*db);
    benchmark::DoNotOptimize(reforder::Apply(*copy, *ref));
  }
}
BENCHMARK(BM_ApplyReferenceOrder)->Unit(benchmark::kMillisecond);

// The same as the window runs it: one step of the document, the change recorded and
// noticed, and the programs the reference lacked marked New: each reference names 3600
// of the 4000 TV programs, as one made before a rescan found 400 more. The reference
// turned round and the one as it was take turns, so every apply moves the whole list.
void BM_ApplyReferenceOrderAsDocumentStep(benchmark::State& state) {
  const auto db = testkit::CleanFullDb();
  std::unique_ptr<ChannelDatabase> refs[] = {TurnedRound(*db), std::make_unique<ChannelDatabase>(*db)};
  for (auto& ref : refs) {
    std::vector<int> tv = testkit::Entries(ref->channelLists.tvList);
    tv.resize(3600);
    testkit::PutList(ref->channelLists.tvList, tv);
  }
  CQuelmarDoc doc;
  doc.SetDbType(kType);
  doc.LoadDatabase(sample::MakeHeader(kType), *db);
  std::size_t turn = 0;
  for (auto _ : state) {
    const reforder::Report report = doc.Apply({"Apply Order From [reference.qdb]"},
                                              [&doc](ChannelDatabase& working, const ChannelDatabase& ref) {
                                                reforder::Report r = reforder::Apply(working, ref);
                                                doc.Marks().Set(r.newPrograms);
                                                return r;
                                              },
                                              *refs[turn++ % 2]);
    benchmark::DoNotOptimize(report.lists[0].matched);
  }
  if (doc.Marks().Count() != 400) state.SkipWithError("the programs the reference lacked are not marked");
}
BENCHMARK(BM_ApplyReferenceOrderAsDocumentStep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
