// The first save over a file in a session keeps the file's former content as NAME.bak;
// a backup that cannot be written never stops the save.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "db/document/CQuelmarDoc.h"
#include "db/operations/SampleDatabase.h"
#include "hardening/Unprivileged.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using testkit::ReadBytes;
using testkit::WriteBytes;

const Bytes kOld(458816, 0x5A);
const Bytes kOlder(458816, 0xA5);

std::unique_ptr<CQuelmarDoc> Doc(bool full = false) {
  auto doc = std::make_unique<CQuelmarDoc>();
  auto db = std::make_unique<ChannelDatabase>();
  if (full) {
    sample::BuildFullDatabase(*db, 4);
  } else {
    sample::BuildSampleDatabase(*db);
  }
  doc->LoadDatabase(sample::MakeHeader(3), *db);
  return doc;
}

}  // namespace

TEST(SaveBackup, FirstSaveInASessionKeepsTheOldFileLaterSavesLeaveIt) {
  testkit::TempDir dir;
  const std::string target = dir.File("channels.qdb");
  const std::string bak = target + ".bak";
  WriteBytes(bak, kOlder);  // from an earlier session: replaced
  WriteBytes(target, kOld);

  auto doc = Doc();
  const Result first = doc->Save(target);
  ASSERT_TRUE(first.ok) << first.message;
  EXPECT_TRUE(first.notice.empty()) << first.notice;
  EXPECT_EQ(ReadBytes(bak), kOld);
  const Bytes firstSaved = ReadBytes(target);
  EXPECT_NE(firstSaved, kOld);

  ASSERT_TRUE(doc->Save(target, true));
  EXPECT_EQ(ReadBytes(bak), kOld) << "a later save in the same session leaves the backup";

  // A new session (another document) keeps what the file held when it began.
  auto next = Doc(true);
  ASSERT_TRUE(next->Save(target, true));
  EXPECT_EQ(ReadBytes(bak), firstSaved);
  EXPECT_EQ(dir.EntryCount(), 2u) << "the file and its backup, no temporary file";
}

TEST(SaveBackup, ANewFileGetsNoBackupThenOrLater) {
  testkit::TempDir dir;
  const std::string target = dir.File("new.qdb");
  auto doc = Doc();
  ASSERT_TRUE(doc->Save(target));
  ASSERT_TRUE(doc->Save(target));
  EXPECT_FALSE(fs::exists(target + ".bak")) << "the session's own saves need no backup";
}

// Through a link the backup lies beside the name the user gave; the link's folder and
// the file's may lie on different file systems, where the backup is a copy.
TEST(SaveBackup, BesideTheLinkAlsoAcrossFileSystems) {
  testkit::TempDir here;
  testkit::TempDir there(testkit::TempDir::Where::Memory);
  const std::string real = there.File("real.qdb");
  WriteBytes(real, kOld);
  ::chmod(real.c_str(), 0640);
  const std::string link = here.File("channels.qdb");
  fs::create_symlink(real, link);

  ASSERT_TRUE(Doc()->Save(link));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(link + ".bak"), kOld);
  EXPECT_EQ(fs::status(link + ".bak").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_FALSE(fs::exists(real + ".bak"));
}

// Where the backup cannot be written the save still happens, and says so.
TEST(SaveBackup, NoBackupPlaceStillSaves) {
  testkit::TempDir dir;
  const std::string target = dir.File("channels.qdb");

  // A folder in the backup's place, and a read-only backup someone keeps.
  for (const bool folder : {true, false}) {
    SCOPED_TRACE(folder ? "folder" : "read-only file");
    fs::remove_all(target + ".bak");
    WriteBytes(target, kOld);
    if (folder) {
      fs::create_directory(target + ".bak");
    } else {
      WriteBytes(target + ".bak", kOlder);
      ::chmod((target + ".bak").c_str(), 0444);
    }
    auto doc = Doc();
    const Result r = doc->Save(target, true);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_NE(r.notice.find("no backup was kept"), std::string::npos) << r.notice;
    EXPECT_NE(r.notice.find("channels.qdb.bak"), std::string::npos) << r.notice;
    EXPECT_NE(ReadBytes(target), kOld);
    if (folder) {
      EXPECT_TRUE(fs::is_directory(target + ".bak"));
    } else {
      EXPECT_EQ(ReadBytes(target + ".bak"), kOlder);
    }
  }
}

// A link in a folder the user may not write, to a file in one they may: the save goes
// through the link, the backup beside it cannot be made. Run as an ordinary user, as
// the superuser may write any folder.
TEST(SaveBackup, UnwritableFolderOfTheNameStillSaves) {
  testkit::TempDir dir;
  fs::permissions(dir.Path(), fs::perms::all);
  fs::create_directory(dir / "locked");
  fs::create_directory(dir / "open");
  const std::string real = dir.File("open/channels.qdb");
  const std::string link = dir.File("locked/channels.qdb");
  WriteBytes(real, kOld);
  fs::create_symlink(real, link);
  fs::permissions(dir / "open", fs::perms::all);
  fs::permissions(real, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
  fs::permissions(dir / "locked", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                     fs::perms::others_read | fs::perms::others_exec);
  auto doc = Doc();

  const int code = hardening::RunUnprivileged([&] {
    const Result r = doc->Save(link);
    if (!r.ok) return 1;
    if (r.notice.find("no backup was kept") == std::string::npos) return 2;
    if (r.notice.find("Permission denied") == std::string::npos) return 3;
    return 0;
  });
  if (code == 126) GTEST_SKIP() << "cannot run as an ordinary user here";
  ASSERT_EQ(code, 0);
  EXPECT_NE(ReadBytes(real), kOld);
  EXPECT_FALSE(fs::exists(link + ".bak"));
}
