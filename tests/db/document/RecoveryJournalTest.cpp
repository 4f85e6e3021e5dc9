// The recovery journal: what a killed window leaves restores the database the user had,
// whole records of a torn or damaged journal restore, undo and redo (also past a save)
// land where the user stood, and a journal that cannot be written never stops editing.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <atomic>
#include <filesystem>
#include <thread>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/document/JournalFormat.h"
#include "db/document/JournalRestore.h"
#include "db/document/RecoveryFolder.h"
#include "db/document/RecoveryJournal.h"
#include "db/image/Crc32.h"
#include "db/operations/ChannelOrder.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/GroupOperations.h"
#include "tests/support/JournalSession.h"
#include "tests/support/SampleDocs.h"
#include "tests/support/SmallFileSystem.h"
#include "tests/support/TempDir.h"

namespace {

using testkit::ImageOf;

using Session = testkit::JournalSession;

// What a journal restores to, without a history: the image and the steps it says.
struct Outcome {
  bool ok = false;
  std::vector<std::uint8_t> image;
  journal::Summary summary;
  int lost = 0;
};

Outcome RestoreBytes(const std::vector<std::uint8_t>& bytes) {
  Outcome o;
  journal::Contents contents;
  if (!journal::Decode(bytes.data(), bytes.size(), contents)) return o;
  CQuelmarDoc doc;
  journal::Restored restored;
  o.ok = bool(journal::Restore(contents, doc, false, restored));
  o.image = ImageOf(doc);
  o.summary = journal::Summarize(contents);
  o.lost = contents.lost;
  return o;
}

void MoveFirstRowToEnd(ChannelDatabase& db) {
  const int row[] = {0};
  dbops::MoveRowsTo(db, dbops::ChannelOrder::List(0), row, 3999);
}

struct Action {
  const char* what;
  std::function<void(Session&)> run;
};

// A session with every kind of record: steps, undo and redo inside the journal, a new
// step dropping the redo, a save, then undo and redo past it.
const std::vector<Action>& Script() {
  static const std::vector<Action> script = {
      {"rename", [](Session& s) { s.Edit("Rename", [](ChannelDatabase& db) { dbops::RenameFavoriteGroup(db, 0, "Journal"); }); }},
      {"move", [](Session& s) { s.Edit("Move 1 Program in TV List", MoveFirstRowToEnd); }},
      {"delete", [](Session& s) { s.Edit("Delete Program", [](ChannelDatabase& db) { dbops::DeleteProgram(db, 7); }); }},
      {"undo", [](Session& s) { s.Undo(); }},
      {"undo again", [](Session& s) { s.Undo(); }},
      {"redo", [](Session& s) { s.Redo(); }},
      {"new step drops the redo",
       [](Session& s) { s.Edit("Delete Satellite", [](ChannelDatabase& db) { dbops::DeleteSatellite(db, 2); }); }},
      {"save", [](Session& s) { s.Rebase("box.qdb"); }},
      {"undo past the save", [](Session& s) { s.Undo(); }},
      {"undo past it again", [](Session& s) { s.Undo(); }},
      {"redo past it", [](Session& s) { s.Redo(); }},
      {"step after", [](Session& s) { s.Edit("Delete Group", [](ChannelDatabase& db) { dbops::DeleteFavoriteGroup(db, 5); }); }},
      {"undo it", [](Session& s) { s.Undo(); }},
  };
  return script;
}

TEST(RecoveryJournal, EveryPrefixOfTheJournalRestoresTheStateItsLastWholeRecordLeft) {
  for (const int dbType : {0, 1, 2, 3}) {
    SCOPED_TRACE(dbType);
    const testkit::TempDir dir;
    Session s(dir.File("recovery"), dbType);
    // After each action: the journal's length and the image the user saw.
    struct Mark {
      std::size_t size;
      std::vector<std::uint8_t> image;
    };
    std::vector<Mark> marks;
    std::string path;
    for (const Action& a : Script()) {
      a.run(s);
      s.journal.Flush();
      if (s.journal.Path().empty()) {  // saved: no steps to keep
        marks.clear();
        path.clear();
        continue;
      }
      path = s.journal.Path();
      const std::size_t size = std::filesystem::file_size(path);
      if (!marks.empty()) {
        ASSERT_GT(size, marks.back().size) << a.what << " wrote no record";
      }
      marks.push_back({size, ImageOf(*s.doc)});
    }
    ASSERT_FALSE(path.empty());
    const std::vector<std::uint8_t> bytes = testkit::ReadBytes(path);
    ASSERT_EQ(bytes.size(), marks.back().size);

    const Outcome whole = RestoreBytes(bytes);
    ASSERT_TRUE(whole.ok);
    EXPECT_EQ(whole.image, marks.back().image);
    EXPECT_EQ(whole.lost, 0);

    // A kill mid-write leaves part of the next record: the ones before it restore.
    for (std::size_t i = 0; i + 1 < marks.size(); ++i) {
      for (const std::size_t into : {std::size_t(1), std::size_t(5), (marks[i + 1].size - marks[i].size) / 2}) {
        const std::vector<std::uint8_t> torn(bytes.begin(), bytes.begin() + std::ptrdiff_t(marks[i].size + into));
        const Outcome o = RestoreBytes(torn);
        ASSERT_TRUE(o.ok) << i;
        EXPECT_EQ(o.image, marks[i].image) << "torn after action " << i;
        EXPECT_EQ(o.lost, 1);
      }
      // A flipped byte inside record i+1: it and every record after it are lost.
      std::vector<std::uint8_t> damaged = bytes;
      damaged[marks[i].size + 6] ^= 0x40;
      const Outcome o = RestoreBytes(damaged);
      ASSERT_TRUE(o.ok);
      EXPECT_EQ(o.image, marks[i].image) << "damaged after action " << i;
      EXPECT_EQ(o.lost, int(marks.size() - 1 - i));
    }
  }
}

TEST(RecoveryJournal, RestoreRebuildsTheUndoHistoryWithNamesAndPlace) {
  const testkit::TempDir dir;
  Session s(dir.File("recovery"), 3);
  for (std::size_t i = 0; i < 6; ++i) Script()[i].run(s);  // rename, move, delete, undo, undo, redo
  s.journal.Flush();
  journal::Contents contents;
  ASSERT_TRUE(journal::Read(s.journal.Path(), contents));
  const journal::Summary summary = journal::Summarize(contents);
  EXPECT_EQ(summary.steps, 2u);
  EXPECT_EQ(summary.lastName, "Move 1 Program in TV List");

  Session back(dir.File("other"), 3);
  journal::Restored restored;
  ASSERT_TRUE(journal::Restore(contents, *back.doc, true, restored));
  EXPECT_FALSE(restored.sameFile) << "box.qdb is no file here";
  ASSERT_EQ(back.steps.size(), 3u);
  EXPECT_EQ(back.steps[2].name, "Delete Program");
  EXPECT_EQ(restored.undo, 1u);
  back.Undo();
  EXPECT_EQ(ImageOf(*back.doc), ImageOf(*s.doc));
  back.Redo();
  s.Redo();
  EXPECT_EQ(ImageOf(*back.doc), ImageOf(*s.doc));
  EXPECT_TRUE(back.doc->IsModified());
}

TEST(RecoveryJournal, TheFileBelongsToTheRestoredDocumentOnlyWhileUnchanged) {
  const testkit::TempDir dir;
  const std::string file = dir.File("box.qdb");
  Session s(dir.File("recovery"), 3);
  ASSERT_TRUE(s.doc->Save(file));
  journal::Head head;
  head.origin = journal::Origin::File;
  head.path = file;
  head.stamp = fileio::StampOf(file);
  head.dbType = 3;
  head.image = ImageOf(*s.doc);
  s.journal.Rebase(head);
  Script()[0].run(s);
  s.journal.Flush();
  journal::Contents contents;
  ASSERT_TRUE(journal::Read(s.journal.Path(), contents));

  for (const bool touched : {false, true}) {
    if (touched) testkit::WriteBytes(file, {1, 2, 3});
    CQuelmarDoc doc;
    journal::Restored restored;
    ASSERT_TRUE(journal::Restore(contents, doc, false, restored));
    EXPECT_EQ(restored.sameFile, !touched);
    EXPECT_EQ(doc.FilePath(), touched ? "" : file);
    EXPECT_EQ(ImageOf(doc), ImageOf(*s.doc));
  }
}

TEST(RecoveryJournal, ASaveOrDiscardLeavesNoFileAndAnEndedWindowLeavesAnOrphan) {
  const testkit::TempDir dir;
  const std::string folder = dir.File("recovery");
  {
    Session s(folder, 3);
    EXPECT_TRUE(s.journal.Path().empty()) << "no step, no file";
    Script()[0].run(s);
    s.journal.Flush();
    const std::string path = s.journal.Path();
    ASSERT_TRUE(std::filesystem::exists(path));
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(recovery::Orphans(folder).empty()) << "its window holds it";
    s.Rebase("box.qdb");
    s.journal.Flush();
    EXPECT_FALSE(std::filesystem::exists(path)) << "saved";
    Script()[1].run(s);
    s.journal.Discard();
    s.journal.Flush();
    EXPECT_EQ(dir.EntryCount(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << "discarded";
    Script()[2].run(s);
  }
  const std::vector<std::string> orphans = recovery::Orphans(folder);
  ASSERT_EQ(orphans.size(), 1u) << "the window ended without a clean exit";

  // Set aside: the newest ten are kept; one that cannot be read is never removed.
  for (int i = 0; i < 12; ++i) testkit::WriteBytes(folder + "/old" + std::to_string(i) + ".journal", {1});
  testkit::WriteBytes(folder + "/bad.journal", {9});
  // An empty journal is one a window has made and not yet locked: nobody's orphan.
  testkit::WriteBytes(folder + "/new.journal", {});
  EXPECT_EQ(recovery::Orphans(folder).size(), 14u);
  for (const std::string& j : recovery::Orphans(folder)) recovery::SetAside(j, j.ends_with("bad.journal"));
  std::size_t aside = 0, unreadable = 0;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    aside += e.path().string().ends_with(recovery::kAsideSuffix);
    unreadable += e.path().string().ends_with(recovery::kUnreadableSuffix);
  }
  EXPECT_EQ(aside, 10u);
  EXPECT_EQ(unreadable, 1u);
}

// A window starting while another makes its journal: the journal is never taken for an
// orphan, and the window making it keeps its lock (the other's look holds it an instant).
TEST(RecoveryJournal, AJournalBeingMadeIsNeverAnOrphan) {
  const testkit::TempDir dir;
  const std::string folder = dir.File("recovery");
  Session s(folder, 0);
  std::atomic<bool> done = false;
  std::vector<std::string> taken;
  std::thread looker([&] {
    while (!done)
      for (std::string& o : recovery::Orphans(folder)) taken.push_back(std::move(o));
  });
  for (int i = 0; i < 300 && taken.empty(); ++i) {
    Script()[1].run(s);  // the first step after a base makes a new file
    s.journal.Flush();
    s.Rebase("box.qdb");
  }
  done = true;
  looker.join();
  EXPECT_TRUE(taken.empty()) << "a live window's journal was taken for an orphan: " << taken.front();
  EXPECT_TRUE(s.failure.empty()) << s.failure;
}

TEST(RecoveryJournal, AJournalThatCannotBeWrittenSaysWhyOnceAndEditingGoesOn) {
  const testkit::TempDir dir;
  testkit::WriteBytes(dir.File("file"), {1});
  const struct {
    const char* what;
    std::string folder;
    const char* reason;
  } cases[] = {
      {"a file where the folder goes", dir.File("file"), "is not a folder"},
      {"a folder under a file", dir.File("file") + "/recovery", "Not a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Session s(c.folder, 3);
    for (const Action& a : Script()) a.run(s);
    s.journal.Flush();
    EXPECT_TRUE(s.journal.Failed());
    EXPECT_NE(s.failure.find(c.reason), std::string::npos) << s.failure;
    EXPECT_TRUE(s.journal.Path().empty());
  }
}

// The journal's head is the whole image (about 450 KB); a moved row is some 60 bytes, so
// a couple of thousand steps fill what is left of 600 KB.
TEST(RecoveryJournal, AFolderThatFillsUpOrIsReadOnlyTurnsRecoveryOffLeavesNoFileAndTriesAgainAtTheNextBase) {
  const struct {
    const char* what;
    const char* options;
    bool readOnly;
    const char* reason;
    bool roomAfterwards;  // once the short journal is gone, a new one fits
  } cases[] = {
      {"the steps fill the file system", "size=600k,mode=0700", false, "No space left on device", true},
      {"the head does not fit", "size=200k,mode=0700", false, "No space left on device", false},
      {"a read-only file system", "size=600k,mode=0700", true, "Read-only file system", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const testkit::TempDir dir;
    const std::string folder = dir.File("recovery");
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const testkit::SmallFileSystem fs(folder, c.options, c.readOnly);
    if (!fs.Unmounted().empty()) GTEST_SKIP() << fs.Unmounted();
    {
      Session s(folder, 3);
      const std::vector<std::uint8_t> base = ImageOf(*s.doc);
      int steps = 0;
      while (!s.journal.Failed() && steps < 10000) {
        s.Edit("Move 1 Program in TV List", MoveFirstRowToEnd);
        ++steps;
        s.journal.Flush();
      }
      ASSERT_TRUE(s.journal.Failed()) << steps << " steps went in";
      EXPECT_NE(s.failure.find(c.reason), std::string::npos) << s.failure;
      EXPECT_TRUE(s.journal.Path().empty());
      EXPECT_TRUE(std::filesystem::is_empty(folder)) << "a journal that stopped short would restore an older state";

      // The document does not notice: more steps, undo to the base and redo to the end.
      s.Edit("Delete Program", [](ChannelDatabase& db) { dbops::DeleteProgram(db, 7); });
      s.Edit("Rename", [](ChannelDatabase& db) { dbops::RenameFavoriteGroup(db, 0, "Full"); });
      const std::vector<std::uint8_t> last = ImageOf(*s.doc);
      ASSERT_EQ(s.steps.size(), std::size_t(steps + 2));
      while (s.place > 0) s.Undo();
      EXPECT_EQ(ImageOf(*s.doc), base);
      while (s.place < s.steps.size()) s.Redo();
      EXPECT_EQ(ImageOf(*s.doc), last);

      // A save after the failure tries again: where there is room once more the journal
      // works and says so, else the failure is told again; a close leaves nothing.
      s.Rebase("box.qdb");
      Script()[0].run(s);
      s.journal.Flush();
      EXPECT_EQ(s.failures, c.roomAfterwards ? 1 : 2);
      EXPECT_EQ(s.resumed, c.roomAfterwards ? 1 : 0);
      EXPECT_EQ(std::filesystem::is_empty(folder), !c.roomAfterwards);
      s.journal.Discard();
      s.journal.Flush();
      EXPECT_TRUE(std::filesystem::is_empty(folder));
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder)) << "the window's end leaves nothing either";
  }
}

TEST(RecoveryJournal, AFolderWithoutWritePermissionTurnsRecoveryOff) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes whatever the permissions say; the read-only file system case covers it";
  const testkit::TempDir dir;
  const std::string folder = dir.File("recovery");
  ASSERT_TRUE(std::filesystem::create_directory(folder));
  ASSERT_EQ(::chmod(folder.c_str(), 0500), 0);
  Session s(folder, 3);
  for (const Action& a : Script()) a.run(s);
  s.journal.Flush();
  EXPECT_TRUE(s.journal.Failed());
  EXPECT_EQ(s.failures, 1);
  EXPECT_NE(s.failure.find("Permission denied"), std::string::npos) << s.failure;
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

// A step record with `name`, framed and checked as the window frames it.
std::vector<std::uint8_t> StepRecord(const std::string& name) {
  std::vector<std::uint8_t> body{std::uint8_t(journal::RecordType::Step)};
  auto u32 = [](std::vector<std::uint8_t>& to, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) to.push_back(std::uint8_t(v >> (8 * i)));
  };
  body.resize(body.size() + 8, 0);  // time
  u32(body, std::uint32_t(name.size()));
  body.insert(body.end(), name.begin(), name.end());
  u32(body, 0);  // no ranges
  u32(body, 0);  // no bytes
  std::vector<std::uint8_t> out;
  u32(out, std::uint32_t(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  u32(out, crc32::Checksum(body.data(), body.size()));
  return out;
}

// A record larger than any step the window writes is damage, found from its length or its
// name's before anything is copied; the window never writes a longer name than it reads.
TEST(RecoveryJournal, RecordsLargerThanAnyStepAreDamage) {
  const std::vector<std::uint8_t> head = journal::EncodeHead(journal::Head{});
  struct Row {
    const char* what;
    std::size_t nameBytes;
    bool kept;
    int lost;  // a length beyond any record frames nothing after it
  };
  for (const Row& row : {Row{"a program's name", 16, true, 0}, Row{"the longest name", journal::kMaxName, true, 0},
                         Row{"a byte more", journal::kMaxName + 1, false, 2}, Row{"10 MB", 10u << 20, false, 1}}) {
    SCOPED_TRACE(row.what);
    std::vector<std::uint8_t> bytes = head;
    for (const auto& r : {StepRecord("Before"), StepRecord(std::string(row.nameBytes, 'n')), StepRecord("After")})
      bytes.insert(bytes.end(), r.begin(), r.end());
    journal::Contents contents;
    ASSERT_TRUE(journal::Decode(bytes.data(), bytes.size(), contents));
    ASSERT_EQ(contents.records.size(), row.kept ? 3u : 1u);
    EXPECT_EQ(contents.records[0].name, "Before");
    EXPECT_EQ(contents.lost, row.lost);
  }
  // A longer name is cut where it is written, never inside a character.
  const std::string name = std::string(journal::kMaxName - 1, 'a') + "\xC3\xA4 and more";
  const std::vector<std::uint8_t> step = journal::EncodeStep(0, name, ChangeSet{});
  std::vector<std::uint8_t> bytes = head;
  bytes.insert(bytes.end(), step.begin(), step.end());
  journal::Contents contents;
  ASSERT_TRUE(journal::Decode(bytes.data(), bytes.size(), contents));
  ASSERT_EQ(contents.records.size(), 1u);
  EXPECT_EQ(contents.records[0].name, std::string(journal::kMaxName - 1, 'a'));
}

TEST(RecoveryJournal, AFolderOrAFifoIsNoJournalAndTheReasonSaysSo) {
  const testkit::TempDir dir;
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {dir.Path().string(), fifo, std::string("/dev/null")}) {
    journal::Contents contents;
    const Result read = journal::Read(path, contents);
    EXPECT_FALSE(read);
    EXPECT_EQ(read.message, path + " is not a regular file");
  }
}

TEST(RecoveryJournal, WhatIsNoJournalIsRefused) {
  const std::vector<std::vector<std::uint8_t>> cases = {{}, {'Q', 'M'}, std::vector<std::uint8_t>(64, 0)};
  for (const auto& bytes : cases) {
    journal::Contents contents;
    EXPECT_FALSE(journal::Decode(bytes.data(), bytes.size(), contents)) << bytes.size();
  }
}

}  // namespace
