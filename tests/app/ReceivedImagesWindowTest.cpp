// The window keeps every accepted received image and opens a kept one as an untitled
// document; a copy that cannot be kept is told in the status bar and the receive goes on.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <cstdlib>

#include "AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/CQuelmarApp.h"
#include "app/CReceivedDlg.h"
#include "db/image/DatabaseImage.h"
#include "support/Stbsim.h"
#include "ui/transfer/CFileRcvDlg.h"

using testkit::PumpUntil;

namespace {

class ReceivedImagesWindowTest : public apptest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    const char* was = std::getenv("XDG_DATA_HOME");
    saved_ = was ? std::optional<std::string>(was) : std::nullopt;
  }
  void TearDown() override {
    if (saved_) {
      ::setenv("XDG_DATA_HOME", saved_->c_str(), 1);
    } else {
      ::unsetenv("XDG_DATA_HOME");
    }
    WindowTest::TearDown();
  }

  // How the finished receive dialog is closed.
  enum class Close { Ok, Escape, CancelButton };

  // Receives `image` from stbsim through the window's dialog.
  CMainFrame& Receive(const QString& image, Close close = Close::Ok) {
    sim_ = std::make_unique<testkit::Stbsim>(std::vector<std::string>{
        "serve", QFile::encodeName(image).toStdString(), "--quiet", "--timeout", "120"});
    EXPECT_TRUE(sim_->Ready());
    Start();
    AppSettings s = app_->Settings();
    s.link.comPortIndex = 4;
    s.link.portDevice = QString::fromStdString(sim_->Device());
    app_->SetSettings(s);
    Prompt::QueueDialog([&](QDialog& d) {
      auto& dlg = static_cast<CFileRcvDlg&>(d);
      EXPECT_TRUE(PumpUntil([&] { return dlg.OkButton()->isEnabled() && !Prompt::TakeMessages().isEmpty(); }));
      if (close == Close::Ok) dlg.OkButton()->click();
      if (close == Close::Escape) QTest::keyClick(&dlg, Qt::Key_Escape);
      if (close == Close::CancelButton) dlg.CancelButton()->click();
      return d.result();
    });
    apptest::Trigger(*app_->MainFrame(), "receiveFromStb");
    EXPECT_EQ(sim_->Wait(), 0);
    return *app_->MainFrame();
  }

  std::optional<std::string> saved_;
  std::unique_ptr<testkit::Stbsim> sim_;
};

}  // namespace

TEST_F(ReceivedImagesWindowTest, KeptOnReceiveAndOpenedAsUntitled) {
  ::setenv("XDG_DATA_HOME", dir_.File("data").c_str(), 1);
  const QString image = Path("served.qdb");
  apptest::WriteSample(image);
  CMainFrame& frame = Receive(image);
  ASSERT_TRUE(app_->Doc().HasData());

  const std::string folder = dir_.File("data/Quelmar/received");
  const auto kept = received::List(folder);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(apptest::ReadAll(QString::fromStdString(kept[0].path)), apptest::ReadAll(image)) << "exactly as received";
  EXPECT_TRUE(frame.MessagePane()->text().startsWith(QStringLiteral("Received image kept as ")))
      << frame.MessagePane()->text().toStdString();

  // Saved under a name, then the kept image opened again: untitled and unmodified.
  ASSERT_TRUE(app_->Doc().Save(dir_.File("mine.qdb")).ok);
  int rows = -1;
  QString variant;
  Prompt::QueueDialog([&](QDialog& d) {
    auto& dlg = static_cast<CReceivedDlg&>(d);
    rows = dlg.List()->topLevelItemCount();
    variant = dlg.List()->topLevelItem(0)->text(4);
    dlg.findChild<QPushButton*>(QStringLiteral("open"))->click();
    return d.result();
  });
  apptest::Trigger(frame, "openReceived");
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(variant, QStringLiteral("TypeC"));
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled[*] - Quelmar"));
  EXPECT_FALSE(app_->Doc().IsModified());
  std::vector<std::uint8_t> built(DatabaseImage::kImageSize);
  ASSERT_EQ(app_->Doc().BuildImage(built.data()), DatabaseImage::kImageSize);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(built.data()), int(built.size())), apptest::ReadAll(image));
}

// A completed receive is kept however its dialog is closed; Esc loads it as OK does, and
// the Cancel button leaves it unloaded with the status bar naming the kept copy.
TEST_F(ReceivedImagesWindowTest, AWholeImageIsKeptHoweverTheDialogCloses) {
  ::setenv("XDG_DATA_HOME", dir_.File("data").c_str(), 1);
  const std::string folder = dir_.File("data/Quelmar/received");
  const QString image = Path("served.qdb");
  apptest::WriteSample(image);
  const struct Row {
    const char* what;
    Close close;
    bool loaded;
    const char* notice;
  } rows[] = {
      {"OK", Close::Ok, true, "Received image kept as "},
      {"Esc", Close::Escape, true, "Received image kept as "},
      {"the Cancel button", Close::CancelButton, false, "The received image was not loaded; it is kept as "},
  };
  std::size_t kept = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    CMainFrame& frame = Receive(image, row.close);
    EXPECT_EQ(app_->Doc().HasData(), row.loaded);
    const auto list = received::List(folder);
    ASSERT_EQ(list.size(), ++kept);
    EXPECT_EQ(apptest::ReadAll(QString::fromStdString(list.front().path)), apptest::ReadAll(image));
    EXPECT_TRUE(frame.MessagePane()->text().startsWith(QLatin1String(row.notice)))
        << frame.MessagePane()->text().toStdString();
    if (!row.loaded) {
      EXPECT_TRUE(frame.MessagePane()->text().contains(QString::fromStdString(list.front().path)));
    }
  }
}

TEST_F(ReceivedImagesWindowTest, ACopyThatCannotBeKeptDoesNotStopTheReceive) {
  testkit::WriteBytes(dir_.File("blocked"), {1});
  ::setenv("XDG_DATA_HOME", dir_.File("blocked").c_str(), 1);
  const QString image = Path("served.qdb");
  apptest::WriteSample(image);
  CMainFrame& frame = Receive(image);
  EXPECT_TRUE(app_->Doc().HasData());
  EXPECT_TRUE(app_->Doc().IsModified());
  EXPECT_TRUE(frame.MessagePane()->text().startsWith(QStringLiteral("Cannot keep a copy of the received image")))
      << frame.MessagePane()->text().toStdString();
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty()) << "no message box for it";
}
