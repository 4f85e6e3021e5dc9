// Kept received images: exact copies under their time's name, the newest 50, listed
// newest first with their counts; a folder that cannot be written is reported.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "db/document/ReceivedImages.h"
#include "db/image/DatabaseImage.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/SampleDatabase.h"
#include "hardening/Unprivileged.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes SampleImage(int dbType) {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  ExtraBlock extra;
  Bytes image(DatabaseImage::kImageSize);
  DatabaseImage::BuildImage(sample::MakeHeader(dbType).Bytes(), *db, &extra, dbType, image.data());
  return image;
}

// 2026-12-08 07:15:00 in the local time zone
std::time_t When(int minute, int second = 0) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 8;
  t.tm_hour = 7;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

}  // namespace

TEST(ReceivedImages, KeepsAnExactCopyUnderItsTimeAndListsIt) {
  testkit::TempDir dir;
  const std::string folder = dir.File("data/Quelmar/received");  // made on first use
  const Bytes image = SampleImage(0);
  const received::KeepResult kept = received::Keep(image.data(), image.size(), When(15), folder);
  ASSERT_TRUE(kept.ok) << kept.message;
  EXPECT_EQ(kept.path, folder + "/2026-12-08_071500.qdb");
  EXPECT_EQ(testkit::ReadBytes(kept.path), image);
  EXPECT_EQ(fs::status(dir / "data").permissions() & fs::perms::all, fs::perms::owner_all);

  // A second one within the same second gets a name of its own.
  const Bytes other = SampleImage(3);
  const received::KeepResult again = received::Keep(other.data(), other.size(), When(15), folder);
  ASSERT_TRUE(again.ok);
  EXPECT_EQ(again.path, folder + "/2026-12-08_071500_2.qdb");

  const auto list = received::List(folder);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].path, again.path) << "newest first";
  EXPECT_EQ(list[0].when, "2026-12-08 07:15:00");
  EXPECT_EQ(list[0].dbType, 3);
  EXPECT_EQ(list[1].dbType, 0);
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  for (const auto& k : list) {
    EXPECT_TRUE(k.readable);
    EXPECT_EQ(k.satellites, dbops::CountSatellites(*db));
    EXPECT_EQ(k.transponders, dbops::CountTransponders(*db));
    EXPECT_EQ(k.programs, dbops::CountPrograms(*db));
  }
}

TEST(ReceivedImages, KeepsTheNewestFiftyAndNothingElseIsTouched) {
  testkit::TempDir dir;
  const std::string folder = dir.File("received");
  fs::create_directories(folder);
  testkit::WriteBytes(folder + "/notes.txt", {1, 2, 3});
  testkit::WriteBytes(folder + "/2026-12-08_0700.qdb", {4});  // not one of ours
  const Bytes image = SampleImage(3);
  for (int i = 0; i < 53; ++i) ASSERT_TRUE(received::Keep(image.data(), image.size(), When(i / 60, i % 60), folder).ok);

  const auto list = received::List(folder);
  ASSERT_EQ(list.size(), received::kKeep);
  EXPECT_EQ(list.front().when, "2026-12-08 07:00:52");
  EXPECT_EQ(list.back().when, "2026-12-08 07:00:03") << "the three oldest went";
  EXPECT_TRUE(fs::exists(folder + "/notes.txt"));
  EXPECT_TRUE(fs::exists(folder + "/2026-12-08_0700.qdb"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 52);
}

// The clock (or the time zone) was set back: fifty kept images are named later than
// now. Each new copy stays, the images that arrived first go, and the user is told.
TEST(ReceivedImages, PrunesByArrivalWhenTheClockWasSetBack) {
  testkit::TempDir dir;
  const std::string folder = dir.File("received");
  const Bytes image = SampleImage(3);
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(received::Keep(image.data(), image.size(), When(30, i), folder).ok);
  const std::string firstToArrive = folder + "/2026-12-08_073000.qdb";
  ASSERT_TRUE(fs::exists(firstToArrive));

  const received::KeepResult early = received::Keep(image.data(), image.size(), When(10), folder);
  ASSERT_TRUE(early.ok) << early.message;
  EXPECT_TRUE(fs::exists(early.path)) << "the copy just kept was removed";
  EXPECT_FALSE(fs::exists(firstToArrive));
  EXPECT_EQ(early.notice, "The clock seems to have been set back: the kept image 2026-12-08_073000.qdb, named later "
                          "than 2026-12-08_071000.qdb, arrived before it and was removed.");

  // The next arrival is named later than the last but earlier than the rest: still the
  // oldest arrivals go, not the one kept a moment ago.
  const received::KeepResult next = received::Keep(image.data(), image.size(), When(11), folder);
  ASSERT_TRUE(next.ok);
  EXPECT_TRUE(fs::exists(early.path));
  EXPECT_TRUE(fs::exists(next.path));
  EXPECT_FALSE(fs::exists(folder + "/2026-12-08_073001.qdb"));
  EXPECT_FALSE(next.notice.empty());

  const auto list = received::List(folder);
  ASSERT_EQ(list.size(), received::kKeep);
  EXPECT_EQ(list[0].path, next.path) << "the last to arrive first";
  EXPECT_EQ(list[1].path, early.path);
  EXPECT_EQ(list[2].when, "2026-12-08 07:30:49");

  // With the clock running forward again nothing unexpected is said.
  const received::KeepResult later = received::Keep(image.data(), image.size(), When(45), folder);
  EXPECT_TRUE(later.notice.empty()) << later.notice;
}

TEST(ReceivedImages, AFolderThatCannotBeWrittenIsReported) {
  testkit::TempDir dir;
  const Bytes image = SampleImage(3);
  // A file where the folder should be.
  testkit::WriteBytes(dir.File("blocked"), {1});
  const received::KeepResult r = received::Keep(image.data(), image.size(), When(1), dir.File("blocked/received"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("Cannot keep a copy"), std::string::npos) << r.message;

  // A folder the user may not write.
  fs::permissions(dir.Path(), fs::perms::all);
  fs::create_directory(dir / "locked");
  fs::permissions(dir / "locked", fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  const std::string locked = dir.File("locked");
  const int code = hardening::RunUnprivileged([&] {
    const received::KeepResult k = received::Keep(image.data(), image.size(), When(2), locked);
    return !k.ok && k.message.find("Permission denied") != std::string::npos ? 0 : 1;
  });
  if (code == 126) GTEST_SKIP() << "cannot run as an ordinary user here";
  EXPECT_EQ(code, 0);
  EXPECT_EQ(std::distance(fs::directory_iterator(locked), {}), 0);
}

TEST(ReceivedImages, FolderFollowsTheDataHome) {
  const char* savedData = std::getenv("XDG_DATA_HOME");
  const char* savedHome = std::getenv("HOME");
  const std::string keepData = savedData ? savedData : "", keepHome = savedHome ? savedHome : "";
  ::setenv("HOME", "/home/ana", 1);
  ::setenv("XDG_DATA_HOME", "/data/ana", 1);
  EXPECT_EQ(received::Folder(), "/data/ana/Quelmar/received");
  ::setenv("XDG_DATA_HOME", "relative", 1);  // not absolute: ignored
  EXPECT_EQ(received::Folder(), "/home/ana/.local/share/Quelmar/received");
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(received::Folder(), "/home/ana/.local/share/Quelmar/received");
  if (savedData) ::setenv("XDG_DATA_HOME", keepData.c_str(), 1);
  if (savedHome) ::setenv("HOME", keepHome.c_str(), 1);
}

TEST(ReceivedImages, OnlyTimeNamesAreOurs) {
  EXPECT_TRUE(received::IsKeptName("2026-12-08_071500.qdb"));
  EXPECT_TRUE(received::IsKeptName("2026-12-08_071500_12.qdb"));
  for (const char* name : {"2026-12-08_0715.qdb", "2026-12-08-071500.qdb", "2026-12-08_071500.qdb.bak",
                           "2026-12-08_071500_.qdb", "x026-12-08_071500.qdb", "channels.qdb"})
    EXPECT_FALSE(received::IsKeptName(name)) << name;
}
