// The recovery journal's cost on a full database: what a step costs the user-interface
// thread, how long until the step is on the disk, and how big 10,000 typical steps make
// the file. The journal lives in the build tree, on the disk the user's home would be on,
// not in memory: the sync is the part that matters.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/document/EditHistory.h"
#include "db/document/JournalRestore.h"
#include "db/document/RecoveryJournal.h"
#include "db/operations/ChannelOrder.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/ProgramOperations.h"
#include "tests/support/JournalSession.h"
#include "tests/support/SampleDocs.h"

namespace {

using Clock = std::chrono::steady_clock;

// A private folder on the disk, gone with everything in it at the end.
class DiskFolder {
 public:
  DiskFolder() {
    std::string tmpl = std::string(QUELMAR_BINARY_DIR) + "/bench-journal-XXXXXX";
    if (::mkdtemp(tmpl.data()) != nullptr) path_ = tmpl;
  }
  ~DiskFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  DiskFolder(const DiskFolder&) = delete;
  DiskFolder& operator=(const DiskFolder&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The window's part: the document hands its steps here, they go on an undo stack and
// (when journaling) into the journal.
struct Window : testkit::JournalSession {
  Window(const std::string& folder, bool journaling)
      : testkit::JournalSession(folder, dbtype::kDefault, journaling) {}
};

int TvRows(const Window& w) { return int(w.doc->Working().channelLists.tvList.ValidCount()); }

// The step users make most in the lists: one row dragged to another place in the
// 4000-row TV list.
void MoveOneRow(Window& w, std::mt19937& random) {
  const int rows = TvRows(w);
  const int row[] = {int(random() % unsigned(rows))};
  const int to = int(random() % unsigned(rows));
  w.Edit("Move 1 Program in TV List", [&](ChannelDatabase& db) {
    dbops::MoveRowsTo(db, dbops::ChannelOrder::List(0), row, to);
  });
}

void RenameProgram(Window& w, std::mt19937& random) {
  const int program = w.doc->Working().channelLists.tvList.Entry(random() % unsigned(TvRows(w)));
  dbops::ProgramEntry entry = dbops::ProgramEntryOf(w.doc->Working(), program, w.doc->GetDbType());
  entry.name = "Renamed " + std::to_string(random() % 10000);
  w.Edit("Rename Program", [&](ChannelDatabase& db) { dbops::UpdateProgram(db, program, entry, w.doc->GetDbType()); });
}

void DeleteProgram(Window& w, std::mt19937& random) {
  const int program = w.doc->Working().channelLists.tvList.Entry(random() % unsigned(TvRows(w)));
  w.Edit("Delete Program", [&](ChannelDatabase& db) { dbops::DeleteProgram(db, program); });
}

// (a) The user-interface thread's part of one step: encoding the record and queueing
// it. The edit and its recording are the document's cost, outside the timing; the
// worker writes and syncs alongside, as it does in the window.
void BM_SteppedOnTheUserInterfaceThread(benchmark::State& state) {
  const DiskFolder folder;
  Window w(folder.Path(), false);
  std::mt19937 random(1);
  std::size_t bytes = 0;
  for (auto _ : state) {
    MoveOneRow(w, random);
    const Clock::time_point start = Clock::now();
    w.journal.Stepped(w.LastName(), w.LastChanges());
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    bytes += w.LastChanges().MemoryUsed();
  }
  w.journal.Flush();
  state.counters["tv_rows"] = TvRows(w);
  state.counters["changes_B"] = benchmark::Counter(double(bytes), benchmark::Counter::kAvgIterations);
  if (!w.failure.empty()) state.SkipWithError(w.failure.c_str());
}
BENCHMARK(BM_SteppedOnTheUserInterfaceThread)->UseManualTime()->Unit(benchmark::kMicrosecond);

// (b) From a step to its record being written and synced: Stepped, then Flush, which
// returns when the worker's fdatasync has. The first step of a journal also writes its
// head (the whole image the steps start from); it is reported on its own.
void BM_StepOnDisk(benchmark::State& state) {
  const DiskFolder folder;
  Window w(folder.Path(), false);
  std::mt19937 random(2);
  MoveOneRow(w, random);
  Clock::time_point start = Clock::now();
  w.journal.Stepped(w.LastName(), w.LastChanges());
  w.journal.Flush();
  const double first = std::chrono::duration<double>(Clock::now() - start).count();

  std::vector<double> latencies;
  for (auto _ : state) {
    MoveOneRow(w, random);
    start = Clock::now();
    w.journal.Stepped(w.LastName(), w.LastChanges());
    w.journal.Flush();
    const double took = std::chrono::duration<double>(Clock::now() - start).count();
    state.SetIterationTime(took);
    latencies.push_back(took);
  }
  std::sort(latencies.begin(), latencies.end());
  const auto at = [&](double q) { return latencies[std::size_t(q * double(latencies.size() - 1))] * 1e3; };
  state.counters["median_ms"] = at(0.5);
  state.counters["p99_ms"] = at(0.99);
  state.counters["max_ms"] = latencies.back() * 1e3;
  state.counters["first_step_ms"] = first * 1e3;
  if (!w.failure.empty()) state.SkipWithError(w.failure.c_str());
}
BENCHMARK(BM_StepOnDisk)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);

// (c) The journal after 10,000 typical actions: moves, renames and deletes, with undo
// and redo among them (the journal keeps those as small records). Also what reading it
// back and replaying it with its undo history costs at the next start.
void BM_JournalOf10000Steps(benchmark::State& state) {
  for (auto _ : state) {
    const DiskFolder folder;
    Window w(folder.Path(), true);
    std::mt19937 random(3);
    int counts[5] = {};
    for (int i = 0; i < 10000; ++i) {
      const unsigned pick = random() % 10;
      if (pick < 1 && w.CanUndo()) {
        w.Undo();
        ++counts[3];
      } else if (pick < 2 && w.CanRedo()) {
        w.Redo();
        ++counts[4];
      } else if (pick < 6) {
        MoveOneRow(w, random);
        ++counts[0];
      } else if (pick < 8) {
        RenameProgram(w, random);
        ++counts[1];
      } else {
        DeleteProgram(w, random);
        ++counts[2];
      }
    }
    w.journal.Flush();
    const std::string path = w.journal.Path();
    std::error_code error;
    const auto size = path.empty() ? 0 : std::filesystem::file_size(path, error);
    if (!w.failure.empty() || path.empty() || error) {
      state.SkipWithError(w.failure.empty() ? "no journal file" : w.failure.c_str());
      break;
    }
    Window back(folder.Path() + "/other", false);
    const Clock::time_point start = Clock::now();
    journal::Contents contents;
    journal::Restored restored;
    if (!journal::Read(path, contents) || !journal::Restore(contents, *back.doc, true, restored)) {
      state.SkipWithError("the journal does not restore");
      break;
    }
    state.counters["restore_ms"] = std::chrono::duration<double>(Clock::now() - start).count() * 1e3;
    for (std::size_t i = 0; i < restored.undo; ++i) back.Undo();
    if (testkit::ImageOf(*back.doc) != testkit::ImageOf(*w.doc)) state.SkipWithError("restored another state");
    state.counters["journal_bytes"] = double(size);
    state.counters["head_bytes"] = double(DatabaseImage::kImageSize);
    state.counters["moves"] = counts[0];
    state.counters["renames"] = counts[1];
    state.counters["deletes"] = counts[2];
    state.counters["undos"] = counts[3];
    state.counters["redos"] = counts[4];
  }
}
BENCHMARK(BM_JournalOf10000Steps)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
