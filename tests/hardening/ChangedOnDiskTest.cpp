// A file another program wrote after we opened it (a sync tool, a second window) is not
// overwritten without a question; our own saves never raise it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/document/DbTexts.h"
#include "db/image/DatabaseImage.h"
#include "support/SampleDocs.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class ChangedOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testkit::SampleDocument()->Save(path).ok);
    ASSERT_TRUE(doc.Open(path).ok);
    doc.Edit([](ChannelDatabase& db) { db.satellites[0].SetName("Edited here"); });
    doc.SetModifiedFlag(true);
  }

  // Another program's save: the same bytes but one, written with a later time.
  Bytes TheirEdit() {
    Bytes theirs = testkit::ReadBytes(path);
    theirs[200] ^= 0xFF;
    return theirs;
  }
  void LaterTime(const std::string& file) {
    struct stat st{};
    ::stat(file.c_str(), &st);
    const timespec times[2] = {st.st_atim, {st.st_mtim.tv_sec + 2, st.st_mtim.tv_nsec}};
    ::utimensat(AT_FDCWD, file.c_str(), times, 0);
  }

  testkit::TempDir dir;
  const std::string path = dir.File("channels.qdb");
  CQuelmarDoc doc;
};

TEST_F(ChangedOnDisk, RewrittenInPlaceAsksAndKeepsTheirFileUntilTold) {
  const Bytes theirs = TheirEdit();
  testkit::WriteBytes(path, theirs);  // same file, rewritten
  LaterTime(path);

  const Result asked = doc.Save(path);
  EXPECT_FALSE(asked.ok);
  EXPECT_TRUE(asked.Is(ResultCode::ChangedOnDisk));
  EXPECT_EQ(asked.message, DbTexts::kChangedOnDisk);
  EXPECT_EQ(testkit::ReadBytes(path), theirs) << "nothing written before the answer";
  EXPECT_TRUE(doc.IsModified());

  const Result told = doc.Save(path, true);
  ASSERT_TRUE(told.ok) << told.message;
  CQuelmarDoc check;
  ASSERT_TRUE(check.Open(path).ok);
  EXPECT_EQ(check.Working().satellites[0].Name(), "Edited here");
  EXPECT_TRUE(doc.Save(path).ok) << "after our own save the file is ours again";
}

TEST_F(ChangedOnDisk, ReplacedByAnotherFileAsks) {
  // The way editors and sync tools save: a new file renamed over the name.
  const std::string other = dir.File("incoming");
  testkit::WriteBytes(other, TheirEdit());
  fs::rename(other, path);
  const Result asked = doc.Save(path);
  EXPECT_TRUE(asked.Is(ResultCode::ChangedOnDisk)) << asked.message;
}

TEST_F(ChangedOnDisk, OurOwnSavesAndAnUntouchedFileDoNotAsk) {
  EXPECT_TRUE(doc.Save(path).ok);
  doc.SetModifiedFlag(true);
  EXPECT_TRUE(doc.Save(path).ok);
  // A removed file is simply written again; another name is not ours to guard.
  fs::remove(path);
  EXPECT_TRUE(doc.Save(path).ok);
  const std::string elsewhere = dir.File("other.qdb");
  testkit::WriteBytes(elsewhere, Bytes(10, 1));
  EXPECT_TRUE(doc.Save(elsewhere).ok);
}

// However the user named the file when it was opened (relative to the folder the window
// started in, through ".." or a link), another program's replacement is seen: the file is
// known by what it is, not by the words that led to it. The window saves through the
// absolute path it shows; a caller may also save through the name it was given.
TEST(ChangedOnDiskByName, AFileOpenedByAnyNameIsGuardedAgainstAnotherProgramsReplacement) {
  struct Row {
    const char* opened;
    const char* savedAs;  // null: the document's own (absolute) path
  };
  const Row rows[] = {{"box.qdb", nullptr},        {"box.qdb", "box.qdb"},          {"./box.qdb", nullptr},
                      {"sub/../box.qdb", nullptr}, {"sub/../box.qdb", "./box.qdb"}, {"link.qdb", nullptr},
                      {"link.qdb", "box.qdb"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.opened) + " saved as " + (row.savedAs ? row.savedAs : "its own path"));
    const testkit::TempDir dir;
    fs::create_directory(dir.File("sub"));
    ASSERT_TRUE(testkit::SampleDocument()->Save(dir.File("box.qdb")).ok);
    fs::create_symlink("box.qdb", dir.File("link.qdb"));
    const fs::path started = fs::current_path();
    fs::current_path(dir.Path());
    CQuelmarDoc doc;
    const Result opened = doc.Open(row.opened);
    fs::current_path(started);
    ASSERT_TRUE(opened.ok) << opened.message;
    EXPECT_EQ(doc.FilePath(), (fs::path(dir.Path()) / row.opened).lexically_normal().string());

    // A second program writes a new file and renames it over the name, as editors and
    // sync tools save.
    const testkit::Finished replaced = testkit::Run(
        {"/bin/sh", "-c", "cd \"$0\" && cp box.qdb incoming && printf x >> incoming && mv incoming box.qdb",
         dir.Path().string()});
    ASSERT_EQ(replaced.status, 0) << replaced.err;

    doc.SetModifiedFlag(true);
    fs::current_path(dir.Path());
    const Result asked = doc.Save(row.savedAs ? std::string(row.savedAs) : doc.FilePath());
    fs::current_path(started);
    EXPECT_TRUE(asked.Is(ResultCode::ChangedOnDisk)) << asked.message;
  }
}

}  // namespace
