// Speed of the database core: checksum throughput, image build and parse, and a whole
// open + save of a full database file.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/image/Crc32.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/SampleDatabase.h"
#include "support/TempDir.h"

namespace {

std::unique_ptr<ChannelDatabase> FullDatabase() {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*db);
  return db;
}

void BM_Crc32(benchmark::State& state) {
  std::vector<std::uint8_t> data(static_cast<std::size_t>(state.range(0)));
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 31);
  for (auto _ : state) benchmark::DoNotOptimize(crc32::Checksum(data.data(), data.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
// 232696 bytes: everything one image checksums.
BENCHMARK(BM_Crc32)->Arg(232696);

void BM_BuildImage(benchmark::State& state) {
  const int dbType = static_cast<int>(state.range(0));
  const auto db = FullDatabase();
  ExtraBlock extra;
  const ImageHeader h = sample::MakeHeader(dbType);
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  for (auto _ : state) {
    DatabaseImage::BuildImage(h.Bytes(), *db, &extra, dbType, image.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BuildImage)->Arg(0)->Arg(3);

void BM_ParseImage(benchmark::State& state) {
  const int dbType = static_cast<int>(state.range(0));
  const auto db = FullDatabase();
  ExtraBlock extra;
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  DatabaseImage::BuildImage(sample::MakeHeader(dbType).Bytes(), *db, &extra, dbType, image.data());
  auto parsed = std::make_unique<ChannelDatabase>();
  for (auto _ : state) {
    DatabaseImage::ParseImage(image.data(), dbType, *parsed, &extra);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ParseImage)->Arg(0)->Arg(3);

// The editor's Open followed by Save of a full file, atomic write and fsync included.
void BM_OpenSaveFullFile(benchmark::State& state) {
  testkit::TempDir folder;
  const std::string in = folder.File("full.qdb"), out = folder.File("saved.qdb");
  {
    CQuelmarDoc doc;
    doc.LoadDatabase(sample::MakeHeader(3), *FullDatabase());
    if (!doc.Save(in).ok) {
      state.SkipWithError("cannot write the input file");
      return;
    }
  }
  CQuelmarDoc doc;
  for (auto _ : state) {
    if (!doc.Open(in).ok || !doc.Save(out).ok) {
      state.SkipWithError("open or save failed");
      break;
    }
  }
}
BENCHMARK(BM_OpenSaveFullFile)->Unit(benchmark::kMillisecond);

// The two halves: Open reads and parses; Save builds, writes, flushes to disk, renames.
void BM_OpenFullFile(benchmark::State& state) {
  testkit::TempDir folder;
  const std::string in = folder.File("full.qdb");
  CQuelmarDoc doc;
  doc.LoadDatabase(sample::MakeHeader(3), *FullDatabase());
  if (!doc.Save(in).ok) state.SkipWithError("cannot write the input file");
  for (auto _ : state)
    if (!doc.Open(in).ok) state.SkipWithError("open failed");
}
BENCHMARK(BM_OpenFullFile)->Unit(benchmark::kMillisecond);

void BM_SaveFullFile(benchmark::State& state) {
  testkit::TempDir folder;
  CQuelmarDoc doc;
  doc.LoadDatabase(sample::MakeHeader(3), *FullDatabase());
  for (auto _ : state)
    if (!doc.Save(folder.File("saved.qdb")).ok) state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveFullFile)->Unit(benchmark::kMillisecond);

// The same without the disk: what the document itself costs.
void BM_LoadBuildInMemory(benchmark::State& state) {
  CQuelmarDoc source;
  source.LoadDatabase(sample::MakeHeader(3), *FullDatabase());
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  source.BuildImage(image.data());
  CQuelmarDoc doc;
  for (auto _ : state) {
    doc.PrepareStorage(1);
    doc.LoadImage(image.data());
    benchmark::DoNotOptimize(doc.BuildImage(image.data()));
  }
}
BENCHMARK(BM_LoadBuildInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
