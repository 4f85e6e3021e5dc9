// The real window killed with SIGKILL at any moment while it edits: the journal it leaves
// restores, through the real quelmar-cli, exactly the file after the steps it had made
// (none of those older than a second missing), and two windows keep two journals.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/TestEditDriver.h"
#include "db/document/JournalFormat.h"
#include "db/document/RecoveryFolder.h"
#include "db/records/DbType.h"
#include "support/SampleDocs.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

constexpr int kSteps = 6;
constexpr int kIntervalMs = 20;

Bytes ReadBytes(const std::string& path) {
  const std::string text = testkit::ReadText(path);
  return Bytes(text.begin(), text.end());
}

// Writes the full database to `file` and returns the file after each count of the
// driver's steps, made in-process: models[k] is the file after steps 1..k.
std::vector<Bytes> WriteAndModel(const testkit::TempDir& dir, const std::string& file, std::uint32_t seed) {
  auto doc = testkit::FullDocument(dbtype::kDefault, seed);
  std::vector<Bytes> models;
  EXPECT_TRUE(doc->Save(file).ok);
  models.push_back(ReadBytes(file));
  for (int k = 1; k <= kSteps; ++k) {
    TestEditDriver::EditStep(*doc, k);
    const std::string model = dir.File("model-" + std::to_string(seed) + "-" + std::to_string(k));
    EXPECT_TRUE(doc->Save(model).ok);
    models.push_back(ReadBytes(model));
    std::filesystem::remove(model);
  }
  for (std::size_t a = 0; a < models.size(); ++a)
    for (std::size_t b = a + 1; b < models.size(); ++b)
      EXPECT_NE(models[a], models[b]) << "the steps must leave distinct files: " << a << ", " << b;
  return models;
}

// A real window on `file`, its folders in `home`, making the driver's steps; the
// "step K" lines it prints are read with the moment they came.
class EditingWindow {
 public:
  EditingWindow(const testkit::TempDir& home, const std::string& file) {
    const std::string h = home.Path().string();
    started_ = Clock::now();
    static int started = 0;
    ok_ = window_.Start({testkit::BinaryPath("quelmar"), file}, home.File("stderr-" + std::to_string(++started % 2)),
                        {"QT_QPA_PLATFORM=offscreen", "HOME=" + h + "/home", "XDG_STATE_HOME=" + h + "/state",
                         "XDG_DATA_HOME=" + h + "/data", "XDG_CONFIG_HOME=" + h + "/config",
                         "QUELMAR_TEST_EDITS=" + std::to_string(kSteps) + ":" + std::to_string(kIntervalMs)});
  }
  bool Started() const { return ok_; }

  // Reads what is there, waiting at most `limit` for something.
  void Pump(std::chrono::milliseconds limit) {
    pollfd p{window_.OutFd(), POLLIN, 0};
    if (::poll(&p, 1, int(limit.count())) <= 0) return;
    char buf[256];
    const ssize_t n = ::read(window_.OutFd(), buf, sizeof buf);
    if (n <= 0) {
      closed_ = true;
      return;
    }
    for (ssize_t i = 0; i < n; ++i) {
      if (buf[i] != '\n') {
        line_ += buf[i];
        continue;
      }
      int k = 0;
      if (std::sscanf(line_.c_str(), "step %d", &k) == 1) {
        printed_ = k;
        at_.push_back(Clock::now());
      }
      line_.clear();
    }
  }
  // Reads until step `k` is printed (or `limit` passes).
  bool WaitForStep(int k, std::chrono::milliseconds limit = 20s) {
    const auto until = Clock::now() + limit;
    while (printed_ < k && !closed_ && Clock::now() < until) Pump(10ms);
    return printed_ >= k;
  }
  // Reads until `when`.
  void PumpUntil(Clock::time_point when) {
    for (auto now = Clock::now(); now < when && !closed_; now = Clock::now())
      Pump(std::chrono::duration_cast<std::chrono::milliseconds>(when - now) + 1ms);
  }
  // Kills it and reads what it printed before it died.
  void Kill() {
    killed_ = Clock::now();
    window_.Signal(SIGKILL);
    for (const auto until = killed_ + 10s; !closed_ && Clock::now() < until;) Pump(100ms);
    window_.Wait(10s);
  }

  int Printed() const { return printed_; }
  // Steps printed in the second before the kill.
  int PrintedInLastSecond() const {
    int n = 0;
    for (const auto& t : at_) n += t + 1s >= killed_ ? 1 : 0;
    return n;
  }
  Clock::time_point StartedAt() const { return started_; }
  Clock::time_point FirstPrinted() const { return at_.empty() ? killed_ : at_.front(); }
  Clock::time_point Killed() const { return killed_; }

 private:
  testkit::Subprocess window_;
  bool ok_ = false;
  bool closed_ = false;
  std::string line_;
  int printed_ = 0;
  std::vector<Clock::time_point> at_;
  Clock::time_point started_, killed_;
};

// Restores `journal` through quelmar-cli and returns the step count whose model the
// result is, or -1 (with the failure recorded) when it is none or not one.
int RestoredSteps(const testkit::TempDir& dir, const std::string& journal, const std::vector<Bytes>& models) {
  const std::string out = dir.File("restored.qdb");
  std::filesystem::remove(out);
  const testkit::Finished f = testkit::Run({testkit::BinaryPath("quelmar-cli"), "recover", journal, out});
  EXPECT_EQ(f.status, 0) << f.err;
  const Bytes restored = ReadBytes(out);
  std::filesystem::remove(out);
  int found = -1, matches = 0;
  for (std::size_t k = 0; k < models.size(); ++k) {
    if (restored == models[k]) found = int(k), ++matches;
  }
  EXPECT_EQ(matches, 1) << "the restored file is the file after exactly one count of steps";
  return matches == 1 ? found : -1;
}

std::string RecoveryFolderOf(const testkit::TempDir& home) { return home.File("state") + "/Quelmar/recovery"; }

// What each kill left, for the summary.
struct Tally {
  int kills = 0, journals = 0, none = 0;
  std::map<int, int> behind;  // steps the restore was behind the last printed one: kills
};

TEST(RecoveryKill, AJournalOfAWindowKilledAtAnyMomentRestoresTheStepsItMade) {
  const testkit::TempDir dir;
  const std::string file = dir.File("channels.qdb");
  const std::vector<Bytes> models = WriteAndModel(dir, file, 5);
  ASSERT_EQ(ReadBytes(file), models[0]);
  const std::string folder = RecoveryFolderOf(dir);

  std::mt19937 random(20261210);
  Tally tally;
  const auto began = Clock::now();
  constexpr int kKills = 200;
  for (int run = 0; run < kKills && !HasFailure(); ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    EditingWindow w(dir, file);
    ASSERT_TRUE(w.Started());
    // Where the kill falls: right after a step is printed, somewhere between two steps,
    // or early, before the first step may be on disk.
    const int plan = int(random() % 10);
    if (plan < 5) {
      const int step = 1 + int(random() % kSteps);
      ASSERT_TRUE(w.WaitForStep(step)) << "the window printed no step " << step;
      const int pause = int(random() % 3);  // 0-2 ms
      if (pause > 0) w.PumpUntil(Clock::now() + std::chrono::milliseconds(pause));
    } else if (plan < 9) {
      const int step = int(random() % kSteps);
      if (step > 0) {
        ASSERT_TRUE(w.WaitForStep(step));
      }
      w.PumpUntil(Clock::now() + std::chrono::microseconds(random() % (kIntervalMs * 1500)));
    } else {
      w.PumpUntil(w.StartedAt() + std::chrono::milliseconds(random() % 800));
    }
    w.Kill();
    ++tally.kills;

    const std::vector<std::string> orphans = recovery::Orphans(folder);
    ASSERT_LE(orphans.size(), 1u);
    if (orphans.empty()) {
      ++tally.none;
      EXPECT_LT(w.Killed() - w.FirstPrinted(), 1s)
          << "no journal, though steps were printed for a second: " << w.Printed();
      continue;
    }
    ++tally.journals;
    const int k = RestoredSteps(dir, orphans.front(), models);
    ASSERT_GE(k, 0);
    EXPECT_LE(k, w.Printed() + 1) << "more steps restored than the window made";
    EXPECT_GE(k, w.Printed() - w.PrintedInLastSecond()) << "a step older than a second was lost";
    ++tally.behind[w.Printed() - k];
    std::filesystem::remove(orphans.front());
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - began).count();
  std::printf("%d kills in %.1f s: %d journals, %d before the first step was on disk; restored behind the last "
              "printed step:",
              tally.kills, seconds, tally.journals, tally.none);
  for (const auto& [behind, n] : tally.behind) std::printf(" %d step(s) %d times;", behind, n);
  std::printf("\n");
}

TEST(RecoveryKill, TwoWindowsOnTwoFilesKeepTwoJournalsAndEachRestoresItsOwn) {
  const testkit::TempDir dir;
  const std::string fileA = dir.File("a.qdb"), fileB = dir.File("b.qdb");
  const std::map<std::string, std::vector<Bytes>> models = {{fileA, WriteAndModel(dir, fileA, 5)},
                                                            {fileB, WriteAndModel(dir, fileB, 9)}};
  const std::string folder = RecoveryFolderOf(dir);
  EditingWindow a(dir, fileA), b(dir, fileB);
  ASSERT_TRUE(a.Started() && b.Started());
  ASSERT_TRUE(a.WaitForStep(3));
  ASSERT_TRUE(b.WaitForStep(3));
  // Both journals exist while both windows live, and neither is taken for an orphan.
  std::size_t journals = 0;
  for (const auto until = Clock::now() + 5s; journals < 2 && Clock::now() < until;) {
    journals = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder))
      journals += e.path().string().ends_with(".journal") ? 1 : 0;
    if (journals < 2) std::this_thread::sleep_for(10ms);
  }
  EXPECT_EQ(journals, 2u);
  EXPECT_TRUE(recovery::Orphans(folder).empty());
  a.Kill();
  b.Kill();

  const std::vector<std::string> orphans = recovery::Orphans(folder);
  ASSERT_EQ(orphans.size(), 2u);
  std::map<std::string, int> restored;
  for (const std::string& orphan : orphans) {
    journal::Contents contents;
    ASSERT_TRUE(journal::Read(orphan, contents).ok);
    const std::string file = std::filesystem::equivalent(contents.head.path, fileA) ? fileA
                             : std::filesystem::equivalent(contents.head.path, fileB) ? fileB
                                                                                      : "";
    ASSERT_FALSE(file.empty()) << "the journal names " << contents.head.path;
    restored[file] = RestoredSteps(dir, orphan, models.at(file));
  }
  ASSERT_EQ(restored.size(), 2u) << "each window's journal names its own file";
  for (const auto& [file, w] : std::map<std::string, const EditingWindow*>{{fileA, &a}, {fileB, &b}}) {
    EXPECT_LE(restored[file], w->Printed() + 1) << file;
    EXPECT_GE(restored[file], w->Printed() - w->PrintedInLastSecond()) << file;
  }
}

}  // namespace
