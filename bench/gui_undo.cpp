// Undo in the window on a full database: one undo and one redo, each with the refresh
// of both pages and the changed row shown, which must fit in a frame at 60 Hz (16 ms);
// and the memory that 10,000 typical steps hold on the window's stack.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "GuiBench.h"

#include <QSettings>
#include <QUndoStack>
#include <memory>
#include <random>

#include "app/CMainFrame.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarApp.h"
#include "app/CQuelmarView.h"
#include "app/EditSteps.h"
#include "db/document/CQuelmarDoc.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "db/operations/ProgramOperations.h"
#include "db/operations/SampleDatabase.h"
#include "db/operations/SatelliteOperations.h"
#include "support/TempDir.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/GroupChListView.h"

namespace {

std::unique_ptr<ChannelDatabase> FullDatabase() {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildFullDatabase(*db);
  return db;
}

// A window on a full database with one step done: deleting a program from the TV list,
// which touches the program, the list and the groups it was in.
struct Window {
  testkit::TempDir settings;
  std::unique_ptr<CQuelmarApp> app;
  CMainFrame* frame = nullptr;

  Window() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(settings.Path()));
    app = std::make_unique<CQuelmarApp>();
    app->InitInstance({});
    frame = app->MainFrame();
    app->Doc().LoadDatabase(sample::MakeHeader(3), *FullDatabase());
    CMainSheet* sheet = frame->View()->Sheet();
    sheet->setCurrentIndex(1);
    sheet->GroupChPage()->findChild<GroupChListView*>(QStringLiteral("serviceList"))->SetCurrentRow(2000);
    Trigger(*frame, "deleteProgram");
  }
};

void BM_UndoWithPageRefresh(benchmark::State& state) {
  Window w;
  if (w.frame->Steps()->Stack().count() != 1) state.SkipWithError("no step to undo");
  for (auto _ : state) {
    Trigger(*w.frame, "editUndo");
    state.PauseTiming();
    Trigger(*w.frame, "editRedo");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoWithPageRefresh)->Unit(benchmark::kMillisecond);

void BM_RedoWithPageRefresh(benchmark::State& state) {
  Window w;
  if (w.frame->Steps()->Stack().count() != 1) state.SkipWithError("no step to redo");
  for (auto _ : state) {
    state.PauseTiming();
    Trigger(*w.frame, "editUndo");
    state.ResumeTiming();
    Trigger(*w.frame, "editRedo");
  }
}
BENCHMARK(BM_RedoWithPageRefresh)->Unit(benchmark::kMillisecond);

// 10,000 steps of the kinds users make most, recorded through the document onto the
// window's stack; the heap they hold, as the allocator counts it.
void BM_MemoryOf10000StepsOnTheStack(benchmark::State& state) {
  for (auto _ : state) {
    CQuelmarDoc doc;
    doc.LoadDatabase(sample::MakeHeader(3), *FullDatabase());
    EditSteps steps(doc);
    steps.Stack().setUndoLimit(0);
    std::mt19937 random(3);
    const std::size_t before = mallinfo2().uordblks;
    for (int i = 0; i < 10000; ++i) {
      const auto step = doc.BeginStep("Typical step " + std::to_string(i));
      const ChannelDatabase& db = doc.Working();
      switch (random() % 5) {
        case 0: {
          dbops::ProgramEntry e = dbops::ProgramEntryOf(db, int(random() % 4000), 3);
          e.name = "Renamed " + std::to_string(i % 1000);
          doc.Edit(dbops::UpdateProgram, int(random() % 4000), e, 3);
          break;
        }
        case 1:
          doc.Edit(dbops::SaveTransponder, std::uint16_t(10700 + random() % 2000), 27500, random() % 2, 0,
                   int(random() % 2100));
          break;
        case 2: {
          const int g = int(random() % 8);
          const int n = int(db.channelLists.favoriteGroups[std::size_t(g)].ValidMemberCount());
          if (n > 1) doc.Edit(dbops::MoveGroupMember, g, int(random() % unsigned(n)), int(random() % unsigned(n)));
          break;
        }
        case 3: {
          const int g = int(random() % 8);
          const auto& group = db.channelLists.favoriteGroups[std::size_t(g)];
          if (group.ValidMemberCount() > 0)
            doc.Edit(dbops::RemoveGroupMember, g, int(group.Member(random() % group.ValidMemberCount())));
          break;
        }
        default: doc.Edit(dbops::DeleteProgram, int(random() % 4000));
      }
    }
    const std::size_t after = mallinfo2().uordblks;
    state.counters["steps"] = double(steps.Stack().count());
    state.counters["heap_MB"] = double(after - before) / 1e6;
  }
}
BENCHMARK(BM_MemoryOf10000StepsOnTheStack)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
