// A save killed at any moment (SIGKILL: no handler, no clean-up) must leave the target
// as the whole old file or the whole new one. A child process saves; the parent kills
// it after a random delay spread over the save's own duration, many times over, and
// each time reads the target back.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/image/DatabaseImage.h"
#include "support/SampleDocs.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

using testkit::ReadBytes;
using testkit::TempDir;

std::unique_ptr<CQuelmarDoc> Document(bool full) { return testkit::SampleDocument(3, full ? 9 : 0); }

int Trials() {
  const char* env = std::getenv("QUELMAR_CRASH_SAVE_TRIALS");
  const int n = env != nullptr ? std::atoi(env) : 0;
  return n > 0 ? n : 200;
}

}  // namespace

TEST(CrashDuringSave, TargetIsAlwaysTheWholeOldOrTheWholeNewFile) {
  TempDir folder;
  const std::string target = folder.File("channels.qdb");

  // Two documents whose files differ throughout.
  std::unique_ptr<CQuelmarDoc> docs[2] = {Document(false), Document(true)};
  Bytes files[2];
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(docs[i]->Save(target));
    files[i] = ReadBytes(target);
    ASSERT_EQ(files[i].size(), DatabaseImage::kImageSize);
  }
  ASSERT_NE(files[0], files[1]);

  // How long a saving child takes here from fork to exit, so the kills spread over all
  // of it: starting, building the image, writing, flushing, renaming.
  // The two documents take turns on one file, each overwriting the other's save on
  // purpose (the question a changed file raises is answered yes).
  const auto saveInChild = [&](int which) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(docs[which]->Save(target, true) ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  };
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < 6; ++i) ASSERT_TRUE(saveInChild(i % 2));
  const auto saveUs = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0).count() / 6;
  // The target now holds files[1] (the sixth save was docs[1]).
  int current = 1;

  std::mt19937 random(20261207);
  std::uniform_int_distribution<long> delay(0, saveUs + saveUs / 10 + 1);
  int keptOld = 0, tookNew = 0, finished = 0;
  const int trials = Trials();
  for (int t = 0; t < trials; ++t) {
    const int next = 1 - current;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Only the save runs in the child; it ends without running any clean-up.
      const bool ok = static_cast<bool>(docs[next]->Save(target, true));
      ::_exit(ok ? 0 : 1);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WIFEXITED(status)) {
      ASSERT_EQ(WEXITSTATUS(status), 0) << "the save itself failed";
      ++finished;
    }

    const Bytes now = ReadBytes(target);
    if (now == files[current]) {
      ++keptOld;
    } else if (now == files[next]) {
      ++tookNew;
      current = next;
    } else {
      FAIL() << "trial " << t << ": the target is neither the old nor the new file (" << now.size() << " bytes)";
    }
    ASSERT_FALSE(WIFEXITED(status) && current != next) << "a finished save left the old file";
  }

  // A killed save may leave its temporary file behind; the target is never affected.
  int leftovers = 0;
  for (const auto& e : std::filesystem::directory_iterator(folder.Path()))
    if (e.path().filename() != "channels.qdb") ++leftovers;

  std::printf("crash during save: %d saves killed at random points over %ld us; the target was the old file %d "
              "times, the new file %d times (%d saves finished first); %d temporary files left beside it\n",
              trials, saveUs, keptOld, tookNew, finished, leftovers);
  EXPECT_GT(keptOld, 0) << "no kill landed before the rename";
  EXPECT_GT(tookNew, 0) << "no save got as far as the rename";
}

// The first save of a new file, killed: afterwards there is no file, or the whole one.
TEST(CrashDuringSave, NewFileIsAbsentOrWhole) {
  TempDir folder;
  const std::string target = folder.File("new.qdb");
  const std::unique_ptr<CQuelmarDoc> doc = Document(false);
  ASSERT_TRUE(doc->Save(target));
  const Bytes whole = ReadBytes(target);
  std::filesystem::remove(target);

  std::mt19937 random(7);
  std::uniform_int_distribution<long> delay(0, 15000);
  int absent = 0, complete = 0;
  for (int t = 0; t < Trials() / 4; ++t) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(doc->Save(target) ? 0 : 1);
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(child, SIGKILL);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    if (!std::filesystem::exists(target)) {
      ++absent;
      continue;
    }
    ASSERT_EQ(ReadBytes(target), whole) << "trial " << t << ": a partial file appeared under the target's name";
    ++complete;
    std::filesystem::remove(target);
  }
  std::printf("crash during a first save: %d kills, no file %d times, the whole file %d times\n", absent + complete,
              absent, complete);
}

// The first save of a session keeps the old file as NAME.bak. Killed at any moment, the
// target is the whole old or the whole new file, the backup the whole older backup or
// the whole old file, and never is the new file in place without the old one kept.
TEST(CrashDuringSave, BackupIsAlwaysAWholeFile) {
  TempDir folder;
  const std::string target = folder.File("channels.qdb");
  const std::string bak = target + ".bak";
  const std::unique_ptr<CQuelmarDoc> doc = Document(true);
  const Bytes older(DatabaseImage::kImageSize, 0x11);
  const Bytes old(DatabaseImage::kImageSize, 0x22);
  // Removed first: after a kill the target and its backup may be two names of one file.
  const auto reset = [&] {
    std::filesystem::remove(target);
    std::filesystem::remove(bak);
    testkit::WriteBytes(target, old);
    testkit::WriteBytes(bak, older);
  };

  // Every child is a new session: the parent's document never saves.
  const auto saveInChild = [&] {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(doc->Save(target, true) ? 0 : 1);
    return child;
  };
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < 4; ++i) {
    reset();
    const pid_t child = saveInChild();
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
  }
  const auto saveUs = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0).count() / 4;
  reset();
  const pid_t once = saveInChild();
  ASSERT_EQ(::waitpid(once, nullptr, 0), once);
  const Bytes saved = ReadBytes(target);
  ASSERT_EQ(ReadBytes(bak), old);

  std::mt19937 random(20261208);
  std::uniform_int_distribution<long> delay(0, saveUs + saveUs / 10 + 1);
  int oldAndOlder = 0, oldAndKept = 0, newAndKept = 0;
  for (int t = 0; t < Trials(); ++t) {
    reset();
    const pid_t child = saveInChild();
    ASSERT_GE(child, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(child, SIGKILL);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const Bytes nowTarget = ReadBytes(target), nowBak = ReadBytes(bak);
    ASSERT_TRUE(nowTarget == old || nowTarget == saved) << "trial " << t << ": target is a partial file";
    ASSERT_TRUE(nowBak == older || nowBak == old) << "trial " << t << ": backup is a partial file";
    ASSERT_FALSE(nowTarget == saved && nowBak != old) << "trial " << t << ": the new file replaced the old unkept";
    if (nowTarget == old) {
      ++(nowBak == older ? oldAndOlder : oldAndKept);
    } else {
      ++newAndKept;
    }
  }
  std::printf("crash during a save that keeps a backup: %d kills over %ld us; old file and older backup %d times, "
              "old file already kept %d times, new file with the old kept %d times\n",
              Trials(), saveUs, oldAndOlder, oldAndKept, newAndKept);
  EXPECT_GT(oldAndOlder, 0) << "no kill landed before the backup";
  EXPECT_GT(newAndKept, 0) << "no save got as far as the rename";
}
