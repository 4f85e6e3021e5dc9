// Pictures of the main window and its dialogs for the documentation. Runs only when
// QUELMAR_SCREENSHOT_DIR names a folder, under a real display:
//   QT_QPA_PLATFORM=xcb QUELMAR_SCREENSHOT_DIR=out xvfb-run -a ./test_app --gtest_filter='Screenshot*'
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QProgressBar>
#include <QScreen>
#include <QWindow>
#include <QtTest/QTest>

#include "AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/CQuelmarApp.h"
#include "widgets/CommandIds.h"
#include "ui/transfer/CFileRcvDlg.h"
#include "ui/transfer/CFileSndDlg.h"

using apptest::WaitFor;

namespace {

QString OutDir() { return qEnvironmentVariable("QUELMAR_SCREENSHOT_DIR"); }

// Grabs what the display shows of a top-level window.
void Shoot(QWidget& w, const char* name) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QTest::qWait(300);
  QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
  const QPixmap shot = screen->grabWindow(w.winId());
  ASSERT_FALSE(shot.isNull());
  ASSERT_TRUE(shot.save(QDir(OutDir()).filePath(QString::fromLatin1(name) + ".png")));
}

class ScreenshotTest : public apptest::AppTest {
 protected:
  void SetUp() override {
    if (OutDir().isEmpty() || QGuiApplication::platformName() == QStringLiteral("offscreen")) {
      GTEST_SKIP() << "set QUELMAR_SCREENSHOT_DIR and run under a display";
    }
    AppTest::SetUp();
    QDir().mkpath(OutDir());
  }
};

// A simulated receiver on a pseudo-terminal, pacing bytes at line speed so that a
// transfer can be seen halfway.
struct PacedSim {
  explicit PacedSim(const QStringList& args) {
    p.start(QStringLiteral(QUELMAR_BINARY_DIR "/stbsim"),
            args + QStringList{"--pace", "--quiet", "--timeout", "60"});
    p.waitForStarted();
    WaitFor([this] { return p.canReadLine(); }, 10000);
    device = QString::fromLocal8Bit(p.readLine()).trimmed();
  }
  ~PacedSim() {
    p.kill();
    p.waitForFinished();
  }
  QProcess p;
  QString device;
};

}  // namespace

TEST_F(ScreenshotTest, MainWindowAndDialogs) {
  const QString demo = Path("demo.qdb");
  apptest::WriteSample(demo);
  CQuelmarApp app;
  ASSERT_TRUE(app.InitInstance({demo}));
  CMainFrame& frame = *app.MainFrame();
  Shoot(frame, "main-window");

  auto shootDialog = [](const char* name) {
    Prompt::QueueDialog([name](QDialog& d) {
      Shoot(d, name);
      d.reject();
      return d.result();
    });
  };
  shootDialog("config-setting");
  frame.OnCommand(CommandId::kConfigSetting);
  shootDialog("about");
  frame.OnCommand(CommandId::kAppAbout);

  {
    PacedSim sim({"serve", demo});
    LinkSettings s = app.Settings();
    s.comPortIndex = 4;
    s.portDevice = sim.device;
    app.SetSettings(s);
    Prompt::QueueDialog([](QDialog& d) {
      auto& dlg = static_cast<CFileRcvDlg&>(d);
      WaitFor([&] { return dlg.Progress()->value() >= 40; });
      Shoot(d, "receive-from-stb");
      d.reject();
      return d.result();
    });
    frame.OnCommand(CommandId::kReceiveFromStb);
  }
  {
    PacedSim sim({"accept", Path("out.img")});
    LinkSettings s = app.Settings();
    s.portDevice = sim.device;
    app.SetSettings(s);
    Prompt::QueueDialog([](QDialog& d) {
      auto& dlg = static_cast<CFileSndDlg&>(d);
      WaitFor([&] { return dlg.Progress()->value() >= 30; });
      Shoot(d, "send-to-stb");
      d.reject();
      return d.result();
    });
    frame.OnCommand(CommandId::kSendToStb);
  }
  Prompt::TakeMessages();
}
