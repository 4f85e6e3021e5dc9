// The window's offer to restore what a stopped window left: the wiring from the journal
// in the recovery folder to the document, the undo stack and the title; No keeps the
// journal aside, an unreadable one is kept apart with a message.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/AppTestSupport.h"
#include "app/AppTexts.h"
#include "app/TestEditDriver.h"
#include "app/RecoveryChoiceDlg.h"
#include "db/document/JournalFormat.h"
#include "db/document/JournalRestore.h"
#include "db/document/JournalTexts.h"
#include "db/document/RecoveryJournal.h"
#include "db/document/RecoveryFolder.h"
#include "db/image/Crc32.h"
#include "db/image/VariantDetection.h"
#include "db/records/ByteOrder.h"
#include "support/SampleDocs.h"
#include "support/SmallFileSystem.h"

namespace {

class RecoveryOffer : public apptest::WindowTest {
 protected:
  void TearDown() override {
    app_.reset();
    WindowTest::TearDown();
  }

  // A window on the full database makes `steps` of the driver's steps, undoes `undone`
  // of them and stops without closing: its journal stays behind. Returns the file.
  QString LeaveJournal(int steps, int undone) {
    const QString file = Path("channels.qdb");
    EXPECT_TRUE(testkit::FullDocument(dbtype::kDefault)->Save(QFile::encodeName(file).toStdString()).ok);
    Start({file});
    for (int k = 1; k <= steps; ++k) TestEditDriver::EditStep(Doc(), k);
    for (int i = 0; i < undone; ++i) Stack().undo();
    app_.reset();
    return file;
  }
  std::vector<std::string> Files(const char* suffix) const {
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(recovery::Folder()))
      if (e.path().string().ends_with(suffix)) found.push_back(e.path().string());
    return found;
  }
};

TEST_F(RecoveryOffer, YesPutsBackTheDocumentTheStepsAndThePlaceTheUserStood) {
  const QString file = LeaveJournal(5, 2);
  ASSERT_EQ(recovery::Orphans(recovery::Folder()).size(), 1u);
  auto model = testkit::FullDocument(dbtype::kDefault);
  for (int k = 1; k <= 3; ++k) TestEditDriver::EditStep(*model, k);

  Start();
  Prompt::TakeMessages();
  Prompt::QueueMessageAnswer(QMessageBox::Yes);
  Frame().OfferRecovery();
  const QStringList messages = Prompt::TakeMessages();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("channels.qdb"))) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains(QString::fromStdString(TestEditDriver::StepName(3))))
      << "names the last step done: " << messages[0].toStdString();

  EXPECT_EQ(testkit::ImageOf(Doc()), testkit::ImageOf(*model));
  ASSERT_EQ(Stack().count(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Stack().text(i), QString::fromStdString(TestEditDriver::StepName(i + 1)));
  EXPECT_EQ(Stack().index(), 3);
  EXPECT_TRUE(Doc().IsModified());
  EXPECT_EQ(QFileInfo(QString::fromStdString(Doc().FilePath())), QFileInfo(file));
  EXPECT_TRUE(Frame().windowTitle().startsWith(QStringLiteral("channels.qdb"))) << Frame().windowTitle().toStdString();
  EXPECT_TRUE(Files(".journal").empty() || recovery::Orphans(recovery::Folder()).empty())
      << "the restored journal is gone; only the window's own may be there";

  // The steps are real steps: redoing the two undone ones gives the file after five.
  for (int k = 4; k <= 5; ++k) TestEditDriver::EditStep(*model, k);
  Stack().redo();
  Stack().redo();
  EXPECT_EQ(testkit::ImageOf(Doc()), testkit::ImageOf(*model));

  // Save writes the file the document belongs to, asking for no name.
  apptest::Trigger(Frame(), "fileSave");
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_FALSE(Doc().IsModified());
  CQuelmarDoc saved;
  ASSERT_TRUE(saved.Open(QFile::encodeName(file).toStdString(), model->GetDbType()).ok);
  EXPECT_EQ(testkit::ImageOf(saved), testkit::ImageOf(*model));
}

TEST_F(RecoveryOffer, NoKeepsTheJournalAsideAndAnUnreadableOneIsKeptApartWithAMessage) {
  LeaveJournal(2, 0);
  const std::vector<std::string> left = Files(".journal");
  ASSERT_EQ(left.size(), 1u);
  Start();
  const std::vector<std::uint8_t> before = testkit::ImageOf(Doc());
  Prompt::TakeMessages();
  Prompt::QueueMessageAnswer(QMessageBox::No);
  Frame().OfferRecovery();
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_EQ(Files(".aside"), std::vector<std::string>{left[0] + ".aside"});
  EXPECT_TRUE(recovery::Orphans(recovery::Folder()).empty());
  EXPECT_EQ(testkit::ImageOf(Doc()), before);
  EXPECT_EQ(Stack().count(), 0);

  const std::string garbage = recovery::Folder() + "/1-1-1.journal";
  std::ofstream(garbage) << "not a journal";
  Frame().OfferRecovery();
  const QStringList messages = Prompt::TakeMessages();
  ASSERT_EQ(messages.size(), 1);
  const QString unreadable = QString::fromLatin1(AppTexts::kRecoverUnreadable);
  EXPECT_TRUE(messages[0].startsWith(unreadable.left(unreadable.indexOf(QLatin1Char('%')))))
      << messages[0].toStdString();
  EXPECT_EQ(Files(".unreadable"), std::vector<std::string>{garbage + ".unreadable"});
  EXPECT_FALSE(Doc().IsModified());
}

// A journal is in the folder, and the window is started on another file, as a user does
// who double-clicks the next file after a crash. Restored content never takes that
// file's name: it is titled by the journal's own file while that is unchanged, else
// untitled; the other file opens only when nothing is restored, and the status bar says
// what became of it. A journal that fails leaves the window as the file alone would.
TEST_F(RecoveryOffer, ARestoreNeverTakesTheNameOfTheFileTheWindowWasStartedOn) {
  enum class Journal { Whole, FileChangedSince, Damaged };
  const struct Row {
    const char* what;
    Journal journal;
    QMessageBox::StandardButton answer;
    const char* title;  // of the window afterwards
    bool argumentOpened;
  } rows[] = {
      {"restored, its file unchanged", Journal::Whole, QMessageBox::Yes, "channels.qdb", false},
      {"restored, its file changed since", Journal::FileChangedSince, QMessageBox::Yes, "Untitled", false},
      {"declined", Journal::Whole, QMessageBox::No, "victim.qdb", true},
      {"a step that does not fit", Journal::Damaged, QMessageBox::Yes, "victim.qdb", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::filesystem::remove_all(recovery::Folder());
    const QString file = LeaveJournal(2, 0);
    if (row.journal == Journal::FileChangedSince) {
      ASSERT_TRUE(testkit::FullDocument(dbtype::kDefault, 77)->Save(QFile::encodeName(file).toStdString()).ok);
    }
    if (row.journal == Journal::Damaged) {
      // The second step's first range is moved past the end of the database, CRC and all.
      const std::string journalPath = recovery::Orphans(recovery::Folder()).at(0);
      std::ifstream in(journalPath, std::ios::binary);
      std::vector<std::uint8_t> whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      in.close();
      // Head: magic, length, body, CRC. A record: length, then type, time, name ("Test
      // Step 2"), range count and the ranges, then CRC.
      const std::size_t firstRecord = 8 + 4 + bytes::LoadU32(&whole[8]) + 4;
      const std::size_t secondRecord = firstRecord + 8 + bytes::LoadU32(&whole[firstRecord]);
      const std::uint32_t length = bytes::LoadU32(&whole[secondRecord]);
      bytes::StoreU32(&whole[secondRecord + 4 + 1 + 8 + 4 + 11 + 4], 0x7FFFFFF0u);
      bytes::StoreU32(&whole[secondRecord + 4 + length], crc32::Checksum(&whole[secondRecord + 4], length));
      std::ofstream(journalPath, std::ios::binary | std::ios::trunc)
          .write(reinterpret_cast<const char*>(whole.data()), std::streamsize(whole.size()));
    }
    const QString victim = Path("victim.qdb");
    ASSERT_TRUE(testkit::SampleDocument()->Save(QFile::encodeName(victim).toStdString()).ok);
    const QByteArray victimBytes = apptest::ReadAll(victim);

    Start({victim});
    Prompt::TakeMessages();
    Prompt::QueueMessageAnswer(row.answer);
    ASSERT_TRUE(app_->OfferRecovery());
    Prompt::TakeMessages();
    EXPECT_TRUE(Frame().windowTitle().startsWith(QString::fromLatin1(row.title))) << Frame().windowTitle().toStdString();
    const QString notice = Frame().MessagePane()->text();
    EXPECT_EQ(notice.contains(QStringLiteral("victim.qdb")), !row.argumentOpened) << notice.toStdString();
    if (row.argumentOpened) {
      EXPECT_EQ(testkit::ImageOf(Doc()), testkit::ImageOf(*testkit::SampleDocument()));
      EXPECT_FALSE(Doc().IsModified());
      EXPECT_EQ(Stack().count(), 0);
    }

    // Whatever was restored, Ctrl+S never writes it over the file named at start.
    TestEditDriver::EditStep(Doc(), 4);
    apptest::Trigger(Frame(), "fileSave");  // an untitled one asks a name: none given
    if (!row.argumentOpened) {
      EXPECT_EQ(apptest::ReadAll(victim), victimBytes);
    }
    app_.reset();
  }
}

// Variant and bytes travel together through a restore: a TypeA file opened (the switch
// accepted), edited and left by a killed window is restored as TypeA, Config Setting shows
// it, and OK there and Ctrl+S write a file that holds under TypeA.
TEST_F(RecoveryOffer, ARestoredJournalBringsItsVariant) {
  const QString file = Path("typea.qdb");
  ASSERT_TRUE(testkit::FullDocument(0)->Save(QFile::encodeName(file).toStdString()).ok);
  Prompt::QueueMessageAnswer(QMessageBox::Yes);  // read it as TypeA
  Start({file});
  ASSERT_EQ(Doc().GetDbType(), 0);
  TestEditDriver::EditStep(Doc(), 1);
  app_.reset();

  Start();
  ASSERT_EQ(app_->Settings().dbType, dbtype::kDefault);
  Prompt::QueueMessageAnswer(QMessageBox::Yes);
  ASSERT_TRUE(app_->OfferRecovery());
  EXPECT_EQ(app_->Settings().dbType, 0);
  QString shown;
  Prompt::QueueDialog([&shown](QDialog& d) {
    shown = d.findChild<QComboBox*>(QStringLiteral("dbType"))->currentText();
    d.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    return d.result();
  });
  apptest::Trigger(Frame(), "configSetting");
  EXPECT_EQ(shown, QStringLiteral("TypeA"));
  apptest::Trigger(Frame(), "fileSave");
  EXPECT_FALSE(Doc().IsModified());
  const QByteArray saved = apptest::ReadAll(file);
  ASSERT_EQ(std::size_t(saved.size()), DatabaseImage::kImageSize);
  EXPECT_FALSE(variant::Detect(reinterpret_cast<const std::uint8_t*>(saved.constData()), 0).Mismatch());
}

// Many stopped windows: one question, newest first; Restore takes the one chosen and sets
// the others aside.
TEST_F(RecoveryOffer, SeveralJournalsAreOfferedInOneListNewestFirst) {
  const QString older = LeaveJournal(1, 0);
  const QString newer = Path("newer.qdb");
  ASSERT_TRUE(testkit::FullDocument(dbtype::kDefault, 9)->Save(QFile::encodeName(newer).toStdString()).ok);
  Start();
  ASSERT_TRUE(Frame().OpenDocumentFile(newer));
  TestEditDriver::EditStep(Doc(), 1);
  app_.reset();
  std::ofstream(recovery::Folder() + "/2-2-2.journal") << "not a journal";
  ASSERT_EQ(recovery::Orphans(recovery::Folder()).size(), 3u);

  Start();
  Prompt::TakeMessages();
  QStringList rows;
  Prompt::QueueDialog([&rows](QDialog& d) {
    auto& dlg = static_cast<RecoveryChoiceDlg&>(d);
    for (int i = 0; i < dlg.List()->count(); ++i) rows << dlg.List()->item(i)->text();
    dlg.List()->setCurrentRow(1);
    d.findChild<QPushButton*>(QStringLiteral("restore"))->click();
    return d.result();
  });
  ASSERT_TRUE(app_->OfferRecovery());
  const QStringList messages = Prompt::TakeMessages();
  ASSERT_EQ(messages.size(), 1) << "the unreadable one is said once";
  ASSERT_EQ(rows.size(), 2);
  EXPECT_TRUE(rows[0].startsWith(QStringLiteral("newer.qdb"))) << rows[0].toStdString();
  EXPECT_TRUE(rows[1].startsWith(QStringLiteral("channels.qdb"))) << rows[1].toStdString();
  EXPECT_TRUE(Frame().windowTitle().startsWith(QStringLiteral("channels.qdb")));
  EXPECT_EQ(QFileInfo(QString::fromStdString(Doc().FilePath())), QFileInfo(older));
  EXPECT_EQ(Files(".aside").size(), 1u);
  EXPECT_EQ(Files(".unreadable").size(), 1u);
  EXPECT_TRUE(recovery::Orphans(recovery::Folder()).empty());
}

// The recovery folder fills up while the user edits: the status bar says recovery is off,
// with its reason in view; once there is room again the next step starts a journal that
// holds everything done so far, and the status bar says so.
TEST_F(RecoveryOffer, RecoveryOffOnAFullDiskComesBackAtTheNextStep) {
  std::filesystem::create_directories(recovery::Folder());
  const testkit::SmallFileSystem small(recovery::Folder(), "size=600k,mode=0700", false);
  if (!small.Unmounted().empty()) GTEST_SKIP() << small.Unmounted();
  const std::string filler = recovery::Folder() + "/filler";
  {
    std::ofstream out(filler, std::ios::binary);
    out << std::string(400 * 1024, 'x');
  }
  const QString file = Path("channels.qdb");
  ASSERT_TRUE(testkit::FullDocument(dbtype::kDefault)->Save(QFile::encodeName(file).toStdString()).ok);
  Start({file});
  RecoveryJournal& journal = *Frame().Steps()->Journal();
  TestEditDriver::EditStep(Doc(), 1);
  journal.Flush();
  const QString off = QString::fromLatin1(JournalTexts::kRecoveryOff).section(QLatin1Char('%'), 0, 0);
  ASSERT_TRUE(testkit::PumpUntil([&] { return Frame().MessagePane()->text().startsWith(off); }));
  EXPECT_TRUE(Frame().MessagePane()->text().contains(QStringLiteral("No space left on device")));

  std::filesystem::remove(filler);
  TestEditDriver::EditStep(Doc(), 2);
  journal.Flush();
  EXPECT_TRUE(testkit::PumpUntil(
      [&] { return Frame().MessagePane()->text() == QString::fromLatin1(JournalTexts::kRecoveryOn); }));
  journal::Contents contents;
  ASSERT_TRUE(journal::Read(journal.Path(), contents).ok);
  CQuelmarDoc restored;
  journal::Restored how;
  ASSERT_TRUE(journal::Restore(contents, restored, true, how).ok);
  EXPECT_EQ(testkit::ImageOf(restored), testkit::ImageOf(Doc())) << "both steps are in it";
  app_.reset();
}

}  // namespace
