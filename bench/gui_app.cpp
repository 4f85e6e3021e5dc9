// The window shell's costs: a load shown on screen (the sheet rebuilt and both pages
// filled, as after every open or receive) on a full database, and one worker report
// carried to the UI thread and back, which a transfer pays a few thousand times.
#include <benchmark/benchmark.h>

#include "GuiBench.h"

#include <QApplication>
#include <QWidget>
#include <atomic>
#include <memory>
#include <thread>

#include "app/CMainSheet.h"
#include "app/CQuelmarView.h"
#include "db/document/CQuelmarDoc.h"
#include "db/operations/SampleDatabase.h"
#include "support/QtWait.h"
#include "ui/transfer/TransferControls.h"
#include "ui/transfer/UiReportChannel.h"
#include "widgets/Prompt.h"

namespace {

void BM_RefreshViewsFullDatabase(benchmark::State& state) {
  CQuelmarDoc doc;
  CQuelmarView view(doc, nullptr);
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*db);
  doc.SetViews(&view);
  doc.LoadDatabase(sample::MakeHeader(3), *db);
  for (auto _ : state) {
    doc.LoadWorking();  // copies into the working database, then rebuilds the sheet
    benchmark::DoNotOptimize(view.Sheet());
  }
  doc.SetViews(nullptr);
}
BENCHMARK(BM_RefreshViewsFullDatabase)->Unit(benchmark::kMillisecond);

struct NullControls : TransferControls {
  void ShowText(TransferObserver::Field, const QString&) override { ++count; }
  void SetProgressRange(int, int) override {}
  void SetProgressPos(int) override {}
  int count = 0;
};

// A worker sends `state.range(0)` status reports while the UI thread runs its loop.
void BM_ReportRoundTrip(benchmark::State& state) {
  QWidget dialog;
  NullControls controls;
  UiReportChannel channel(&dialog, controls);
  const int reports = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
      for (int i = 0; i < reports; ++i) {
        channel.SetText(TransferObserver::Field::Status, "STATUS_WAIT_DATA");
      }
      done = true;
    });
    testkit::PumpUntil([&] { return done.load(); }, std::chrono::minutes(1));
    worker.join();
  }
  state.SetItemsProcessed(state.iterations() * reports);
}
BENCHMARK(BM_ReportRoundTrip)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
