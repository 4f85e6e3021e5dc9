// The window's offer to restore what a stopped window left: the wiring from the journal
// in the recovery folder to the document, the undo stack and the title; No keeps the
// journal aside, an unreadable one is kept apart with a message.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/AppTestSupport.h"
#include "app/AppTexts.h"
#include "app/TestEditDriver.h"
#include "db/document/RecoveryFolder.h"
#include "support/SampleDocs.h"

namespace {

class RecoveryOffer : public apptest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (const char* old = std::getenv("XDG_STATE_HOME")) oldState_ = old, hadState_ = true;
    ::setenv("XDG_STATE_HOME", dir_.File("state").c_str(), 1);
  }
  void TearDown() override {
    app_.reset();
    if (hadState_) {
      ::setenv("XDG_STATE_HOME", oldState_.c_str(), 1);
    } else {
      ::unsetenv("XDG_STATE_HOME");
    }
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

  std::string oldState_;
  bool hadState_ = false;
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
  ASSERT_TRUE(saved.Open(QFile::encodeName(file).toStdString()).ok);
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

}  // namespace
