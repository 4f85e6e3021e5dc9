// A receive never costs an edit: a modified document asks first, an accepted receive is
// one undo step over the edits, the next save keeps the file as it was just before, and a
// receive that fails, is cancelled or is refused leaves the next saved file as it was.
#include <QDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QUndoStack>

#include "AppTestSupport.h"
#include "db/document/JournalRestore.h"
#include "db/document/RecoveryJournal.h"
#include "db/image/DatabaseImage.h"
#include "db/image/VariantDetection.h"
#include "db/records/ByteOrder.h"
#include "support/PageTest.h"
#include "support/Stbsim.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/GroupChListView.h"
#include "ui/transfer/CFileRcvDlg.h"

using testkit::PumpUntil;

namespace {

// How the receiver's side ends a receive, and what the user does in the dialog.
enum class Ending { Accept, Fail, Cancel };

class ReceiveKeepsEditsTest : public apptest::WindowTest {
 protected:
  void Start(int dbType) {
    frame_ = &WindowTest::Start();
    AppSettings s = app_->Settings();
    s.dbType = dbType;
    app_->SetSettings(s);
  }

  // Receives `image` from stbsim (with `faults`) through the window's dialog.
  void Receive(const QString& image, Ending ending, const std::vector<std::string>& faults = {}) {
    std::vector<std::string> args = {"serve", QFile::encodeName(image).toStdString(), "--quiet", "--timeout", "120"};
    args.insert(args.end(), faults.begin(), faults.end());
    testkit::Stbsim sim(args);
    ASSERT_TRUE(sim.Ready());
    AppSettings s = app_->Settings();
    s.link.comPortIndex = 4;
    s.link.portDevice = QString::fromStdString(sim.Device());
    app_->SetSettings(s);
    Prompt::QueueDialog([this, ending](QDialog& d) {
      auto& dlg = static_cast<CFileRcvDlg&>(d);
      if (ending == Ending::Cancel) {
        EXPECT_TRUE(PumpUntil([&] { return dlg.Progress()->value() >= 3; }));
        dlg.CancelButton()->click();
        return d.result();
      }
      // The receive's own message ends it ("Download end successfully.", "Download Fail.").
      EXPECT_TRUE(PumpUntil([&] {
        shown_ << Prompt::TakeMessages();
        return !shown_.filter(QStringLiteral("Download")).isEmpty();
      }));
      (ending == Ending::Accept ? dlg.OkButton() : dlg.CancelButton())->click();
      return d.result();
    });
    apptest::Trigger(*frame_, "receiveFromStb");
    shown_ << Prompt::TakeMessages();
  }

  // Deletes the program in `row` of the TV list through the page.
  void DeleteProgram(int row) {
    Sheet().setCurrentIndex(1);
    auto* services = testkit::Child<GroupChListView>(*Sheet().GroupChPage(), "serviceList");
    services->SetCurrentRow(row);
    apptest::Trigger(*frame_, "deleteProgram");
  }

  QByteArray Built() {
    QByteArray out(int(DatabaseImage::kImageSize), '\0');
    EXPECT_EQ(Doc().BuildImage(reinterpret_cast<std::uint8_t*>(out.data())), DatabaseImage::kImageSize);
    return out;
  }

  CMainFrame* frame_ = nullptr;
  QStringList shown_;  // the messages shown during receives
};

// Writes the demo database for `dbType` with programs renamed, so that it differs from
// the one the user opened.
void WriteOtherSample(const QString& path, int dbType) {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  db->programs[0].SetName("Received 0");
  db->programs[5].SetName("Received 5");
  apptest::WriteDatabase(path, *db, dbType);
}

// Writes the demo database the user opens; for the types with an extra block with a word of
// its own, which the document keeps beside the database.
void WriteBox(const QString& path, int dbType) {
  apptest::WriteSample(path, dbType);
  if (!dbtype::HasExtraBlock(dbType)) return;
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  std::uint8_t word[4];
  bytes::StoreU32(word, 0xFEEDC0DE);
  f.seek(0x60040);
  f.write(reinterpret_cast<const char*>(word), 4);
}

}  // namespace

TEST_F(ReceiveKeepsEditsTest, AReceiveIsOneStepOverTheEditsAndTheNextSaveKeepsTheFileBeforeIt) {
  const QString box = Path("box.qdb");
  const QString served = Path("served.qdb");
  apptest::WriteSample(box);
  WriteOtherSample(served, dbtype::kDefault);
  Start(dbtype::kDefault);
  ASSERT_TRUE(frame_->OpenDocumentFile(box));

  DeleteProgram(7);
  apptest::Trigger(*frame_, "fileSave");
  const QByteArray savedOnce = apptest::ReadAll(box);
  DeleteProgram(3);
  const QByteArray edited = Built();
  ASSERT_TRUE(Doc().IsModified());

  // Cancel at the question starts no transfer.
  Prompt::QueueMessageAnswer(QMessageBox::Cancel);
  apptest::Trigger(*frame_, "receiveFromStb");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Save changes to box.qdb?"});
  EXPECT_EQ(Built(), edited);

  Prompt::QueueMessageAnswer(QMessageBox::No);
  Receive(served, Ending::Accept);
  EXPECT_EQ(shown_.value(0), QStringLiteral("Save changes to box.qdb?"));
  EXPECT_EQ(Built(), apptest::ReadAll(served));
  ASSERT_EQ(Stack().count(), 3) << "the edits stay in the history";
  EXPECT_EQ(Stack().text(2), QStringLiteral("Receive from STB"));
  EXPECT_TRUE(frame_->windowTitle().startsWith(QStringLiteral("box.qdb")));
  EXPECT_TRUE(Doc().IsModified());

  apptest::Trigger(*frame_, "editUndo");
  EXPECT_EQ(Built(), edited) << "undo gives back the edited document";
  apptest::Trigger(*frame_, "editUndo");
  EXPECT_EQ(Built(), savedOnce);
  EXPECT_FALSE(Doc().IsModified()) << "the state in the file needs no save";
  apptest::Trigger(*frame_, "editRedo");
  apptest::Trigger(*frame_, "editRedo");
  EXPECT_EQ(Built(), apptest::ReadAll(served)) << "redo gives the received one";

  apptest::Trigger(*frame_, "fileSave");
  EXPECT_EQ(apptest::ReadAll(box), apptest::ReadAll(served));
  EXPECT_EQ(apptest::ReadAll(box + QStringLiteral(".bak")), savedOnce)
      << "the backup holds the file as it was just before the received database replaced it";
}

// For every DbType and every way a receive can end without a database: the next save
// writes what it would have written before the receive, the extra word included.
TEST_F(ReceiveKeepsEditsTest, AReceiveWithoutADatabaseChangesNothingThatIsSaved) {
  const struct Stage {
    const char* name;
    Ending ending;
    std::vector<std::string> faults;
    const char* lastMessage;  // what the user was told last
  } stages[] = {
      {"after the header", Ending::Fail, {"--early-terminate-ack", "header"}, "Download Fail."},
      {"mid-data", Ending::Fail, {"--early-terminate-ack", "200"}, "Download Fail."},
      {"at terminate", Ending::Fail, {"--early-terminate-ack", "449"}, "Download Fail."},
      {"cancelled", Ending::Cancel, {"--pace"}, "Save changes to box.qdb?"},
      {"refused as not valid", Ending::Accept, {}, "Nothing was loaded"},
  };
  for (int dbType = 0; dbType < dbtype::kCount; ++dbType) {
    const QString box = Path("box.qdb");
    const QString served = Path("served.qdb");
    WriteOtherSample(served, dbType);
    // The same image marked as holding no database, which OK refuses.
    const QString invalid = Path("invalid.qdb");
    QByteArray bytes = apptest::ReadAll(served);
    bytes[20] = 0;
    QFile out(invalid);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    for (const Stage& stage : stages) {
      SCOPED_TRACE(std::string("DbType ") + std::to_string(dbType) + ", " + stage.name);
      WriteBox(box, dbType);
      Start(dbType);
      ASSERT_TRUE(frame_->OpenDocumentFile(box));
      DeleteProgram(2);
      const QByteArray before = Built();
      const int steps = Stack().count();

      Prompt::QueueMessageAnswer(QMessageBox::No);
      shown_.clear();
      Receive(stage.faults.empty() ? invalid : served, stage.ending, stage.faults);
      EXPECT_TRUE(shown_.last().contains(QLatin1String(stage.lastMessage))) << shown_.join('|').toStdString();
      EXPECT_EQ(Stack().count(), steps);
      EXPECT_TRUE(Doc().IsModified());
      apptest::Trigger(*frame_, "fileSave");
      EXPECT_EQ(apptest::ReadAll(box), before);
      if (dbtype::HasExtraBlock(dbType)) {
        EXPECT_EQ(apptest::ReadAll(box).mid(0x60040, 4), QByteArray("\xDE\xC0\xED\xFE", 4));
      }
      app_.reset();
    }
  }
}

// A TypeC file open, a TypeA image received and read as TypeA: the variant is part of the
// step. Undo gives back the file's variant with its bytes (its extra word included), in
// the window and in the recovery journal; redo the received one.
TEST_F(ReceiveKeepsEditsTest, UndoingAReceiveThatSwitchedTheVariantGivesTheVariantBack) {
  const QString box = Path("box.qdb");
  const QString served = Path("served.qdb");
  WriteBox(box, dbtype::kDefault);
  WriteOtherSample(served, 0);
  Start(dbtype::kDefault);
  ASSERT_TRUE(frame_->OpenDocumentFile(box));
  const QByteArray opened = Built();

  Prompt::QueueMessageAnswer(QMessageBox::NoButton);  // "Download end successfully."
  Prompt::QueueMessageAnswer(QMessageBox::Yes);       // read it as TypeA
  Receive(served, Ending::Accept);
  ASSERT_EQ(app_->Settings().dbType, 0) << shown_.join('|').toStdString();
  EXPECT_EQ(Built(), apptest::ReadAll(served));

  RecoveryJournal& journal = *frame_->Steps()->Journal();
  const auto restoredVariant = [&journal] {
    journal.Flush();
    journal::Contents contents;
    EXPECT_TRUE(journal::Read(journal.Path(), contents).ok);
    CQuelmarDoc restored;
    journal::Restored how;
    EXPECT_TRUE(journal::Restore(contents, restored, false, how).ok);
    return restored.GetDbType();
  };
  EXPECT_EQ(restoredVariant(), 0);

  apptest::Trigger(*frame_, "editUndo");
  EXPECT_EQ(app_->Settings().dbType, dbtype::kDefault);
  EXPECT_EQ(Built(), opened);
  EXPECT_FALSE(Doc().IsModified());
  apptest::Trigger(*frame_, "editRedo");
  EXPECT_EQ(app_->Settings().dbType, 0) << "redo reads it as TypeA again";
  EXPECT_EQ(Built(), apptest::ReadAll(served));
  EXPECT_EQ(restoredVariant(), 0);

  apptest::Trigger(*frame_, "editUndo");
  DeleteProgram(2);
  EXPECT_EQ(restoredVariant(), dbtype::kDefault);
  apptest::Trigger(*frame_, "fileSave");
  const QByteArray saved = apptest::ReadAll(box);
  EXPECT_FALSE(variant::Detect(reinterpret_cast<const std::uint8_t*>(saved.constData()), dbtype::kDefault).Mismatch());
  EXPECT_EQ(saved.mid(0x60040, 4), QByteArray("\xDE\xC0\xED\xFE", 4)) << "the extra word stays";
}
