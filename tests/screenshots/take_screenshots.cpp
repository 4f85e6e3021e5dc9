// Pictures of the main window and its dialogs for the documentation, taken from the real
// window on a display; scripts/screenshots.sh runs it under virtual ones:
//   take_screenshots OUT_FOLDER [dialogs|maximised|scale2]
// The window opens the demo database. "dialogs" (the default) shoots the window as it
// opens and each dialog, the transfer dialogs halfway through a paced transfer with stbsim;
// "maximised" shoots each page of the maximised window (the display needs a window
// manager for that); "scale2" shoots each page on a screen at twice the scale (the script
// sets QT_SCALE_FACTOR). Settings go to a private folder, not the user's. The window
// speaks the desktop's language, as the program does (LANGUAGE=de for the German shots).
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QFile>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QWindow>
#include <QtTest/QTest>
#include <cstdio>
#include <memory>

#include "app/AppLanguage.h"
#include "app/CMainFrame.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarApp.h"
#include "app/CQuelmarView.h"
#include "db/document/CQuelmarDoc.h"
#include "db/operations/SampleDatabase.h"
#include "support/QtWait.h"
#include "support/Stbsim.h"
#include "support/TempDir.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/GroupChListView.h"
#include "ui/satellites/CPageSatTP.h"
#include "ui/transfer/CFileRcvDlg.h"
#include "ui/transfer/CFileSndDlg.h"
#include "widgets/Prompt.h"

namespace {

QString outFolder;
bool failed = false;

// Grabs what the display shows of a top-level window into OUT_FOLDER/<name>.png.
void Shoot(QWidget& w, const char* name) {
  const QString file = QDir(outFolder).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  if (!QTest::qWaitForWindowExposed(&w)) {
    std::fprintf(stderr, "take_screenshots: %s never showed\n", name);
    failed = true;
    return;
  }
  QTest::qWait(300);
  QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
  const QPixmap shot = screen->grabWindow(w.winId());
  if (shot.isNull() || !shot.save(file)) {
    std::fprintf(stderr, "take_screenshots: cannot write %s\n", qPrintable(file));
    failed = true;
    return;
  }
  std::printf("%s\n", qPrintable(file));
}

// The next dialog is shot once it has shown `ready`, then closed.
template <typename Dlg, typename Ready>
void ShootNextDialog(const char* name, Ready ready) {
  Prompt::QueueDialog([name, ready](QDialog& d) {
    testkit::PumpUntil([&] { return ready(static_cast<Dlg&>(d)); });
    Shoot(d, name);
    d.reject();
    return d.result();
  });
}

void ShootNextDialog(const char* name) {
  ShootNextDialog<QDialog>(name, [](QDialog&) { return true; });
}

// stbsim pacing bytes at line speed, so that a transfer can be seen halfway.
std::unique_ptr<testkit::Stbsim> PacedSim(const char* mode, const QString& file) {
  return std::make_unique<testkit::Stbsim>(std::vector<std::string>{
      mode, QFile::encodeName(file).toStdString(), "--pace", "--quiet", "--timeout", "60"});
}

// Grabs what the display shows inside a window's frame, with any window over it (the drag
// image is one of its own).
void ShootScreenArea(QWidget& w, const char* name) {
  const QString file = QDir(outFolder).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  QTest::qWait(300);
  QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
  const QRect area = w.frameGeometry();
  const QPixmap shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  if (shot.isNull() || !shot.save(file)) {
    std::fprintf(stderr, "take_screenshots: cannot write %s\n", qPrintable(file));
    failed = true;
    return;
  }
  std::printf("%s\n", qPrintable(file));
}

// The "Group/Channel" page: a favourite member chosen, then a TV program, so that the
// favourite list shows its selection in grey; a member dragged halfway down the
// favourite list; several TV programs selected; a search narrowing the TV list.
void ShootGroupChannel(CMainFrame& frame) {
  CMainSheet* sheet = frame.View()->Sheet();
  sheet->setCurrentIndex(1);
  QTest::qWait(200);
  CPageGroupCh& page = *sheet->GroupChPage();
  auto* services = page.findChild<GroupChListView*>(QStringLiteral("serviceList"));
  auto* favorites = page.findChild<GroupChListView*>(QStringLiteral("groupList"));
  QWindow* window = frame.windowHandle();
  auto at = [&frame](GroupChListView* list, int row, QPoint offset = {}) {
    return list->viewport()->mapTo(&frame, list->RowRect(row).center() + offset);
  };
  QTest::mouseClick(window, Qt::LeftButton, {}, at(favorites, 2));
  QTest::mouseClick(window, Qt::LeftButton, {}, at(services, 4));
  Shoot(frame, "group-channel-inactive-selection");

  const QPoint from = at(favorites, 1);
  QTest::mousePress(window, Qt::LeftButton, {}, from);
  for (int i = 1; i <= 8; ++i) {
    QTest::qWait(30);
    QTest::mouseMove(window, from + QPoint(i, 10 * i));
  }
  QTest::mouseMove(window, at(favorites, 6));
  if (!page.Dragging()) {
    std::fprintf(stderr, "take_screenshots: the drag did not start\n");
    failed = true;
  }
  ShootScreenArea(frame, "favourite-drag");
  // Let go outside the list: the drag ends with nothing moved.
  QTest::mouseRelease(window, Qt::LeftButton, {}, at(services, 1));

  // Several TV programs chosen with Ctrl and Shift clicks, their numbers beside them.
  QTest::mouseClick(window, Qt::LeftButton, {}, at(services, 1));
  QTest::mouseClick(window, Qt::LeftButton, Qt::ShiftModifier, at(services, 3));
  QTest::mouseClick(window, Qt::LeftButton, Qt::ControlModifier, at(services, 6));
  Shoot(frame, "group-channel-multi-selection");

  // The selected block dragged: the drag image says how many, a line where they land.
  const QPoint block = at(services, 3);
  QTest::mousePress(window, Qt::LeftButton, {}, block);
  for (int i = 1; i <= 8; ++i) {
    QTest::qWait(30);
    QTest::mouseMove(window, block + QPoint(i, 6 * i));
  }
  QTest::mouseMove(window, at(services, 9, QPoint(0, -3)));
  ShootScreenArea(frame, "group-channel-block-drag");
  QTest::mouseRelease(window, Qt::LeftButton, {}, at(favorites, 1));

  // A search narrowing the TV list: the rows keep their channel numbers.
  auto* search = page.findChild<QLineEdit*>(QStringLiteral("serviceSearch"));
  search->setFocus();
  QTest::keyClicks(search, QStringLiteral("kino"));
  QTest::qWait(100);
  Shoot(frame, "group-channel-search");
  search->clear();

  // The satellite filter: the TV list narrowed to one satellite's programs.
  if (auto* satellites = page.findChild<QComboBox*>(QStringLiteral("serviceSatellites"));
      satellites && satellites->count() > 2) {
    satellites->setCurrentIndex(2);
    QTest::qWait(100);
    Shoot(frame, "group-channel-satellite-filter");
    satellites->setCurrentIndex(0);
  }
  sheet->setCurrentIndex(0);
}

void UsePort(CQuelmarApp& app, const std::string& device) {
  AppSettings s = app.Settings();
  s.link.comPortIndex = 4;
  s.link.portDevice = QString::fromStdString(device);
  app.SetSettings(s);
}

// Each page of the window in turn, into <prefix>-satellite-transponder.png and
// <prefix>-group-channel.png.
void ShootPages(CMainFrame& frame, const char* prefix) {
  CMainSheet* sheet = frame.View()->Sheet();
  if (!sheet) {
    std::fprintf(stderr, "take_screenshots: no sheet to shoot\n");
    failed = true;
    return;
  }
  for (const auto& [page, name] : {std::pair{0, "satellite-transponder"}, {1, "group-channel"}}) {
    sheet->setCurrentIndex(page);
    // The first program of the list, so that the fields show what they hold.
    if (page == 1) {
      if (auto* list = sheet->currentWidget()->findChild<GroupChListView*>(QStringLiteral("serviceList"));
          list && list->RowCount() > 0)
        list->SetCurrentRow(0);
    }
    Shoot(frame, QStringLiteral("%1-%2").arg(QLatin1String(prefix), QLatin1String(name)).toLatin1().constData());
  }
}

void ShootDialogs(CQuelmarApp& app, const QString& demo, const testkit::TempDir& work) {
  CMainFrame& frame = *app.MainFrame();
  Shoot(frame, "main-window");
  ShootGroupChannel(frame);

  ShootNextDialog("config-setting");
  frame.Actions().transfer.config->trigger();
  ShootNextDialog("transponder-info");
  frame.View()->Sheet()->SatTPPage()->Actions().addTransponder->trigger();
  ShootNextDialog("program-info");
  frame.View()->Sheet()->GroupChPage()->Actions().addProgram->trigger();
  ShootNextDialog("about");
  frame.Actions().window.about->trigger();
  {
    const auto sim = PacedSim("serve", demo);
    UsePort(app, sim->Device());
    ShootNextDialog<CFileRcvDlg>("receive-from-stb", [](CFileRcvDlg& d) { return d.Progress()->value() >= 40; });
    frame.Actions().transfer.receive->trigger();
  }
  {
    const auto sim = PacedSim("accept", QString::fromStdString(work.File("out.img")));
    UsePort(app, sim->Device());
    ShootNextDialog<CFileSndDlg>("send-to-stb", [](CFileSndDlg& d) { return d.Progress()->value() >= 30; });
    frame.Actions().transfer.send->trigger();
  }
}

// Maximised by the window manager: the window covers the screen's free area.
bool Maximise(CMainFrame& frame) {
  frame.showMaximized();
  return testkit::PumpUntil(
      [&] {
        const QRect area = frame.screen()->availableGeometry();
        return frame.isMaximized() && frame.frameGeometry().width() >= area.width() - 2 &&
               frame.frameGeometry().height() >= area.height() - 2;
      },
      std::chrono::seconds(10));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  const QString set = argc == 3 ? QString::fromLatin1(argv[2]) : QStringLiteral("dialogs");
  if (argc < 2 || argc > 3 || !QStringList{"dialogs", "maximised", "scale2"}.contains(set)) {
    std::fprintf(stderr, "usage: take_screenshots OUT_FOLDER [dialogs|maximised|scale2]\n");
    return 2;
  }
  if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
    std::fprintf(stderr, "take_screenshots: needs a display (scripts/screenshots.sh gives it one)\n");
    return 2;
  }
  outFolder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(outFolder);
  Prompt::SetScripted(true);
  const testkit::TempDir work;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(work.Path()));

  const QString demo = QString::fromStdString(work.File("demo.qdb"));
  {
    CQuelmarDoc doc;
    auto db = std::make_unique<ChannelDatabase>();
    sample::BuildSampleDatabase(*db);
    doc.LoadDatabase(sample::MakeHeader(3), *db);
    if (!doc.Save(work.File("demo.qdb")).ok) return 1;
  }
  AppLanguage::Install(AppLanguage::Wanted(AppLanguage::Choice::System));
  CQuelmarApp app;
  if (!app.InitInstance({demo})) return 1;
  CMainFrame& frame = *app.MainFrame();
  if (set == QStringLiteral("dialogs")) {
    ShootDialogs(app, demo, work);
  } else if (set == QStringLiteral("maximised")) {
    if (!Maximise(frame)) {
      std::fprintf(stderr, "take_screenshots: the window was not maximised (no window manager?)\n");
      return 1;
    }
    ShootPages(frame, "maximised");
  } else {
    if (frame.devicePixelRatioF() < 2) {
      std::fprintf(stderr, "take_screenshots: the screen is not at twice the scale (QT_SCALE_FACTOR=2)\n");
      return 1;
    }
    ShootPages(frame, "scale2");
  }
  Prompt::TakeMessages();
  return failed ? 1 : 0;
}
