// The main window: its menus, toolbar and status bar, the File commands and the settings.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <QtTest/QTest>
#include <filesystem>

#include "AppTestSupport.h"
#include "ui/transfer/CCOMPortDlg.h"
#include "ui/transfer/CFileRcvDlg.h"
#include "ui/transfer/CFileSndDlg.h"

namespace {

QStringList MenuTexts(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) {
      out << QStringLiteral("-");
    } else if (a->isVisible()) {
      out << a->text();
    }
  }
  return out;
}

struct ConfigRows {
  QString dbType, port, baud;
};

// Opens "Config Setting", reads what it shows, optionally changes it, then presses a button.
ConfigRows RunConfig(CMainFrame& frame, const char* button, int dbType = -1, int port = -1,
                     int baud = -1) {
  ConfigRows seen;
  Prompt::QueueDialog([&](QDialog& d) {
    auto* db = d.findChild<QComboBox*>(QStringLiteral("dbType"));
    auto* po = d.findChild<QComboBox*>(QStringLiteral("port"));
    auto* ba = d.findChild<QComboBox*>(QStringLiteral("baudRate"));
    seen = {db->currentText(), po->currentText(), ba->currentText()};
    if (dbType >= 0) db->setCurrentIndex(dbType);
    if (port >= 0) po->setCurrentIndex(port);
    if (baud >= 0) ba->setCurrentIndex(baud);
    d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
    return d.result();
  });
  apptest::Trigger(frame, "configSetting");
  return seen;
}

}  // namespace

class MainFrameTest : public apptest::WindowTest {};

TEST_F(MainFrameTest, StartsEmptyUntitledWithDefaultSettings) {
  CMainFrame& frame = Start();
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled[*] - Quelmar"));
  EXPECT_EQ(frame.size(), QSize(673, 605));  // centred: WindowPlacementTest.APlaceOnNoScreenStartsAsFresh
  EXPECT_EQ(frame.View()->Sheet(), nullptr);
  EXPECT_FALSE(Doc().HasData());
  EXPECT_EQ(frame.MessagePane()->text(), QStringLiteral("Ready"));

  const ConfigRows rows = RunConfig(frame, "cancel");
  EXPECT_EQ(rows.dbType, QStringLiteral("TypeC"));
  EXPECT_EQ(rows.port, QStringLiteral("COM1"));
  EXPECT_EQ(rows.baud, QStringLiteral("115200 bps"));
}

TEST_F(MainFrameTest, MenusToolbarAndShortcutsAreAsDesigned) {
  CMainFrame& frame = Start();
  const QList<QAction*> top = frame.menuBar()->actions();
  QStringList titles;
  for (QAction* a : top) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Receive/Send", "&Tools", "&Help"}));
  EXPECT_EQ(MenuTexts(top[0]->menu()),
            (QStringList{"&Open...\tCtrl+O", "Open &Received...", "&Save\tCtrl+S", "Save &As...\tCrtl+A", "-",
                         "Compare With…", "Export…", "Import…", "Apply Order From Database…", "-",
                         "Print Channel List…", "Export PDF…", "-", "Recent File", "-", "&Close", "E&xit"}));
  EXPECT_FALSE(frame.findChild<QAction*>(QStringLiteral("recentFile"))->isEnabled());
  EXPECT_EQ(MenuTexts(top[1]->menu()), (QStringList{"&Undo", "&Redo"}));
  EXPECT_EQ(MenuTexts(top[2]->menu()), (QStringList{"&Toolbar", "&Status Bar", "&Language"}));
  for (QAction* a : top[2]->menu()->actions())
    if (!a->menu()) {
      EXPECT_TRUE(a->isChecked());
    }
  EXPECT_EQ(MenuTexts(top[2]->menu()->actions().back()->menu()), (QStringList{"System", "English", "Deutsch"}));
  EXPECT_EQ(MenuTexts(top[3]->menu()), (QStringList{"Receive from STB", "Send to STB"}));
  EXPECT_EQ(MenuTexts(top[4]->menu()), (QStringList{"Config Setting", "Check Database…", "Find Duplicates",
                                                    "Update Transponders From List…"}));
  EXPECT_EQ(MenuTexts(top[5]->menu()), (QStringList{"&About Quelmar..."}));

  // Ctrl+N, Ctrl+O and Ctrl+S, undo's Ctrl+Z and redo's Ctrl+Shift+Z (and Ctrl+Y), and
  // nothing else.
  QStringList keys;
  for (QAction* a : frame.findChildren<QAction*>()) {
    if (!a->shortcut().isEmpty()) keys << a->shortcut().toString();
  }
  keys.sort();
  EXPECT_EQ(keys, (QStringList{"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+Z", "Ctrl+Z"}));

  // Toolbar: Open, Save, -, Receive, Send, -, About; tips only on three of them.
  QStringList bar;
  for (QAction* a : frame.ToolBar()->actions()) {
    if (a->isSeparator()) {
      bar << QStringLiteral("-");
      continue;
    }
    auto* button = qobject_cast<QToolButton*>(frame.ToolBar()->widgetForAction(a));
    bar << a->objectName();
    EXPECT_FALSE(button->accessibleName().isEmpty());
  }
  EXPECT_EQ(bar, (QStringList{"tool_open", "tool_save", "-", "tool_receive", "tool_send", "-", "tool_about"}));
  EXPECT_EQ(frame.ToolBar()->allowedAreas(), Qt::AllToolBarAreas);
  EXPECT_TRUE(frame.ToolBar()->isMovable());

  // The View items hide the bars and are ticked only while they show.
  apptest::Trigger(frame, "viewToolbar");
  EXPECT_FALSE(frame.ToolBar()->isVisible());
  EXPECT_FALSE(apptest::Action(frame, "viewToolbar")->isChecked());
  apptest::Trigger(frame, "viewStatusBar");
  EXPECT_FALSE(frame.statusBar()->isVisible());

  // Status bar indicators after the message pane.
  QStringList indicators;
  for (QLabel* l : frame.statusBar()->findChildren<QLabel*>()) indicators << l->text();
  EXPECT_EQ(indicators, (QStringList{"Ready", "CAP", "NUM", "SCRL"}));
}

// Tests, tools and a screen reader find a command by its action's name: with both
// pages shown, each command is there once, made by the part that carries it out.
TEST_F(MainFrameTest, EveryCommandIsFoundByANameOfItsOwn) {
  const QString file = Path("names.qdb");
  apptest::WriteSample(file);
  CMainFrame& frame = Start({file});
  QStringList names;
  // Qt's own actions (a search field's clear button) are named "_q_...".
  for (QAction* a : frame.findChildren<QAction*>())
    if (!a->objectName().isEmpty() && !a->objectName().startsWith(QStringLiteral("_q_"))) names << a->objectName();
  for (const char* name :
       {"fileNew", "fileOpen", "openReceived", "fileSave", "fileSaveAs", "fileClose", "recentFile", "recentFile1",
        "editUndo", "editRedo", "viewToolbar", "viewStatusBar", "receiveFromStb", "sendToStb", "configSetting",
        "checkDatabase", "findDuplicates", "compareWith", "exportFile", "importFile", "applyOrder",
        "printChannelList", "exportPdf", "updateTransponders", "appExit", "appAbout", "addSatellite", "deleteSatellite", "addTransponder",
        "deleteTransponder", "editTransponder", "addProgram", "deleteProgram", "moveTo", "sortByName",
        "sortBySatellite", "sortByServiceId", "reverseOrder", "tool_open"})
    EXPECT_EQ(names.count(QString::fromLatin1(name)), 1) << name;
  QStringList once = names;
  once.removeDuplicates();
  EXPECT_EQ(names.size(), once.size()) << names.join(QLatin1Char(' ')).toStdString();
  // The menu bar shows the commands themselves, not copies of them.
  EXPECT_EQ(frame.menuBar()->actions()[0]->menu()->actions()[0], frame.Actions().file.open);
  EXPECT_EQ(frame.Actions().file.open->parent(), frame.Actions().file.save->parent());
}

TEST_F(MainFrameTest, ConfigCancelChangesNothingAndOkStoresAllThree) {
  CMainFrame& frame = Start();
  RunConfig(frame, "cancel", 0, 2, 1);
  EXPECT_EQ(app_->Settings().dbType, dbtype::kDefault);
  EXPECT_EQ(app_->Settings().link.comPortIndex, 0);
  EXPECT_EQ(app_->Settings().link.baudRateIndex, 4);
  EXPECT_EQ(Doc().GetDbType(), dbtype::kDefault);

  RunConfig(frame, "ok", 1, 2, 1);
  EXPECT_EQ(app_->Settings().dbType, 1);
  EXPECT_EQ(app_->Settings().link.comPortIndex, 2);
  EXPECT_EQ(app_->Settings().link.baudRateIndex, 1);
  EXPECT_EQ(app_->Settings().link.PortName(), QStringLiteral("COM3"));
  EXPECT_EQ(app_->Settings().link.BaudRate(), 19200);
  EXPECT_EQ(Doc().GetDbType(), 1);

  const ConfigRows again = RunConfig(frame, "cancel");
  EXPECT_EQ(again.dbType, QStringLiteral("TypeB 7 Block Size"));
  EXPECT_EQ(again.port, QStringLiteral("COM3"));
  EXPECT_EQ(again.baud, QStringLiteral("19200 bps"));
}

TEST_F(MainFrameTest, ConfigAcceptsATypedDevicePath) {
  CMainFrame& frame = Start();
  Prompt::QueueDialog([](QDialog& d) {
    auto* port = d.findChild<QComboBox*>(QStringLiteral("port"));
    port->setEditText(QStringLiteral("/dev/pts/77"));
    d.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    return d.result();
  });
  apptest::Trigger(frame, "configSetting");
  EXPECT_GE(app_->Settings().link.comPortIndex, 4);
  EXPECT_EQ(app_->Settings().link.PortName(), QStringLiteral("/dev/pts/77"));
  EXPECT_EQ(RunConfig(frame, "cancel").port, QStringLiteral("/dev/pts/77"));
}

// The line chosen is kept for the next start, a USB adapter's path included; the DbType
// is not (it follows the document). A kept path that is gone is said and stays chosen.
TEST_F(MainFrameTest, ThePortChosenIsKeptForTheNextStart) {
  const QString adapter = Path("usb-FTDI_FT232R-if00-port0");  // stands for a /dev/serial/by-id/ link
  testkit::WriteBytes(adapter.toStdString(), {0});
  Prompt::QueueDialog([&](QDialog& d) {
    d.findChild<QComboBox*>(QStringLiteral("port"))->setEditText(adapter);
    d.findChild<QComboBox*>(QStringLiteral("baudRate"))->setCurrentIndex(1);
    d.findChild<QComboBox*>(QStringLiteral("dbType"))->setCurrentIndex(0);
    d.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    return d.result();
  });
  apptest::Trigger(Start(), "configSetting");
  struct Restart {
    const char* what;
    bool present;
  };
  for (const Restart& r : {Restart{"the adapter is there", true}, Restart{"the adapter is unplugged", false}}) {
    SCOPED_TRACE(r.what);
    if (!r.present) std::filesystem::remove(adapter.toStdString());
    app_.reset();
    CMainFrame& frame = Start();
    EXPECT_EQ(app_->Settings().link.PortName(), adapter);
    EXPECT_EQ(app_->Settings().link.BaudRate(), 19200);
    EXPECT_EQ(app_->Settings().dbType, dbtype::kDefault);
    EXPECT_EQ(frame.MessagePane()->text(),
              r.present ? QStringLiteral("Ready")
                        : QStringLiteral("The port %1 chosen last time is not there now; it stays chosen "
                                         "(Tools > Config Setting).")
                              .arg(adapter));
    const ConfigRows shown = RunConfig(frame, "cancel");
    EXPECT_EQ(shown.port, adapter);
    EXPECT_EQ(shown.baud, QStringLiteral("19200 bps"));
  }
  // One of the four rows is kept as the row.
  RunConfig(Frame(), "ok", -1, 2);
  app_.reset();
  EXPECT_EQ(RunConfig(Start(), "cancel").port, QStringLiteral("COM3"));
}

TEST_F(MainFrameTest, SendWithoutDataDoesNothing) {
  CMainFrame& frame = Start();
  bool shown = false;
  Prompt::QueueDialog([&](QDialog& d) {
    shown = true;
    d.reject();
    return d.result();
  });
  apptest::Trigger(frame, "sendToStb");
  EXPECT_FALSE(shown);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
}

TEST_F(MainFrameTest, OpenThenSaveWritesTheSameBytes) {
  const QString file = Path("demo.qdb");
  apptest::WriteSample(file);
  const QByteArray before = apptest::ReadAll(file);
  ASSERT_EQ(before.size(), 458816);

  CMainFrame& frame = Start();
  Prompt::QueueFileName(file);
  apptest::Trigger(frame, "fileOpen");
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("demo.qdb[*] - Quelmar"));
  ASSERT_NE(frame.View()->Sheet(), nullptr);
  EXPECT_EQ(frame.View()->Sheet()->currentIndex(), 0);

  // Save writes to the file it came from without asking for a name.
  Doc().SetModifiedFlag(true);
  apptest::Trigger(frame, "fileSave");
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_EQ(apptest::ReadAll(file), before);

  // Save As proposes a name and adds the extension when none is typed.
  Prompt::QueueFileName(Path("copy"));
  apptest::Trigger(frame, "fileSaveAs");
  EXPECT_EQ(apptest::ReadAll(Path("copy.qdb")), before);
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("copy.qdb[*] - Quelmar"));
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
}

// The desktop's modified marker follows the document's modified flag; the title's
// text stays as it was.
TEST_F(MainFrameTest, TheTitleMarksAModifiedDocument) {
  const QString file = Path("demo.qdb");
  apptest::WriteSample(file);
  CMainFrame& frame = Start({file});
  frame.show();
  ASSERT_NE(frame.windowHandle(), nullptr);
  EXPECT_FALSE(frame.isWindowModified());
  Doc().SetModifiedFlag(true);
  EXPECT_TRUE(frame.isWindowModified());
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("demo.qdb[*] - Quelmar"));
  EXPECT_EQ(frame.windowHandle()->title(), QStringLiteral("demo.qdb* - Quelmar"));
  apptest::Trigger(frame, "fileSave");
  EXPECT_FALSE(frame.isWindowModified());
  EXPECT_EQ(frame.windowHandle()->title(), QStringLiteral("demo.qdb - Quelmar"));
}

TEST_F(MainFrameTest, SecondOpenLeavesOneFreshSheet) {
  const QString a = Path("a.qdb");
  const QString b = Path("b.qdb");
  apptest::WriteSample(a);
  apptest::WriteSample(b);
  CMainFrame& frame = Start({a});
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("a.qdb[*] - Quelmar"));
  frame.View()->Sheet()->setCurrentIndex(1);
  Prompt::QueueFileName(b);
  apptest::Trigger(frame, "fileOpen");
  EXPECT_EQ(frame.findChildren<CMainSheet*>().size(), 1);
  EXPECT_EQ(frame.View()->Sheet()->currentIndex(), 1) << "the page the user was on";
  EXPECT_EQ(frame.View()->Sheet()->tabText(0), QStringLiteral("Satellite/Transponder"));
  EXPECT_EQ(frame.View()->Sheet()->tabText(1), QStringLiteral("Group/Channel"));
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("b.qdb[*] - Quelmar"));
  // Both pages were activated once and created their controls.
  EXPECT_FALSE(frame.View()->Sheet()->SatTPPage()->findChildren<QWidget*>().isEmpty());
  EXPECT_FALSE(frame.View()->Sheet()->GroupChPage()->findChildren<QWidget*>().isEmpty());
  // The sheet was built in a window already on screen; its second page still shows
  // its controls.
  frame.View()->Sheet()->setCurrentIndex(1);
  for (const char* name : {"serviceList", "groupList", "update"})
    EXPECT_TRUE(frame.View()->Sheet()->GroupChPage()->findChild<QWidget*>(QString::fromLatin1(name))->isVisible())
        << name;
}

TEST_F(MainFrameTest, RefusedOpenAndFailedSaveKeepTheDocument) {
  const QString good = Path("good.qdb");
  apptest::WriteSample(good);
  QFile shortFile(Path("short.qdb"));
  ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
  shortFile.write(apptest::ReadAll(good).left(1000));
  shortFile.close();

  CMainFrame& frame = Start({good});
  CMainSheet* sheet = frame.View()->Sheet();
  Prompt::QueueFileName(shortFile.fileName());
  apptest::Trigger(frame, "fileOpen");
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_EQ(frame.View()->Sheet(), sheet);
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("good.qdb[*] - Quelmar"));

  // A save into a folder that does not exist: the reason is shown, still modified.
  Doc().SetModifiedFlag(true);
  Prompt::QueueFileName(Path("missing/x.qdb"));
  apptest::Trigger(frame, "fileSaveAs");
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_TRUE(Doc().IsModified());
  EXPECT_EQ(apptest::ReadAll(good).size(), 458816);
}

TEST_F(MainFrameTest, SaveBeforeAnyLoadIsRefusedWithoutAskingAName) {
  CMainFrame& frame = Start();
  Prompt::QueueFileName(Path("never.qdb"));
  apptest::Trigger(frame, "fileSave");
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_FALSE(QFile::exists(Path("never.qdb")));
}

TEST_F(MainFrameTest, CloseAsksThenRemovesTheSheetAndSendStillWorks) {
  CMainFrame& frame = Start();
  AppSettings settings = app_->Settings();
  settings.link.comPortIndex = 4;
  settings.link.portDevice = Path("no-such-port");
  app_->SetSettings(settings);
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  Load(*db);
  Doc().SetModifiedFlag(true);
  ASSERT_NE(frame.View()->Sheet(), nullptr);

  // Cancel stops the command.
  Prompt::QueueMessageAnswer(QMessageBox::Cancel);
  apptest::Trigger(frame, "fileClose");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Save changes to Untitled?"});
  EXPECT_NE(frame.View()->Sheet(), nullptr);
  EXPECT_TRUE(Doc().IsModified());

  Prompt::QueueMessageAnswer(QMessageBox::No);
  apptest::Trigger(frame, "fileClose");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Save changes to Untitled?"});
  EXPECT_EQ(frame.View()->Sheet(), nullptr);
  EXPECT_FALSE(Doc().IsModified());
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled[*] - Quelmar"));

  bool sendShown = false;
  Prompt::QueueDialog([&](QDialog& d) {
    sendShown = d.objectName() == QStringLiteral("CFileSndDlg");
    d.reject();
    return d.result();
  });
  apptest::Trigger(frame, "sendToStb");
  EXPECT_TRUE(sendShown);
}

TEST_F(MainFrameTest, CtrlNKeepsTheSheetAndForgetsTheFile) {
  const QString file = Path("keep.qdb");
  apptest::WriteSample(file);
  CMainFrame& frame = Start({file});
  CMainSheet* sheet = frame.View()->Sheet();
  ASSERT_NE(sheet, nullptr);
  frame.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled[*] - Quelmar"));
  EXPECT_TRUE(frame.DocumentPath().isEmpty());
  EXPECT_EQ(frame.View()->Sheet(), sheet);
  EXPECT_TRUE(Doc().HasData());
}

TEST_F(MainFrameTest, ExitAsksAndCancelKeepsRunning) {
  CMainFrame& frame = Start();
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  Load(*db);
  Doc().SetModifiedFlag(true);
  Prompt::QueueMessageAnswer(QMessageBox::Cancel);
  apptest::Trigger(frame, "appExit");
  EXPECT_TRUE(frame.isVisible());

  // Yes saves first (asking for a name), then the window closes.
  Prompt::QueueMessageAnswer(QMessageBox::Yes);
  Prompt::QueueFileName(Path("exit.qdb"));
  apptest::Trigger(frame, "appExit");
  EXPECT_FALSE(frame.isVisible());
  EXPECT_EQ(apptest::ReadAll(Path("exit.qdb")).size(), 458816);
}

TEST_F(MainFrameTest, RecentFilesAndTheLinePersistAcrossStartsTheDbTypeDoesNot) {
  const QString a = Path("one & only.qdb");
  const QString b = Path("two.qdb");
  apptest::WriteSample(a);
  apptest::WriteSample(b);
  {
    CMainFrame& frame = Start({a});
    Prompt::QueueFileName(b);
    apptest::Trigger(frame, "fileOpen");
    RunConfig(frame, "ok", 0, 3, 0);
    EXPECT_EQ(app_->Settings().dbType, 0);
    // The conversion is a change to the open database, asked about at exit.
    Prompt::QueueMessageAnswer(QMessageBox::No);
    apptest::Trigger(frame, "appExit");
    app_.reset();
    Prompt::TakeMessages();
  }
  CMainFrame& frame = Start();
  ASSERT_EQ(app_->RecentFiles().Files().size(), 2);
  EXPECT_TRUE(app_->RecentFiles().Files()[0].endsWith(QStringLiteral("two.qdb")));
  EXPECT_TRUE(app_->RecentFiles().Files()[1].endsWith(QStringLiteral("one & only.qdb")));
  EXPECT_FALSE(frame.findChild<QAction*>(QStringLiteral("recentFile"))->isVisible());
  EXPECT_TRUE(apptest::Action(frame, "recentFile1")->text().startsWith(QStringLiteral("&1 ")));
  // The "&" of the path shows as itself in the menu.
  EXPECT_TRUE(apptest::Action(frame, "recentFile2")
                  ->text()
                  .endsWith(QStringLiteral("one && only.qdb")));
  EXPECT_EQ(app_->Settings().dbType, dbtype::kDefault);
  EXPECT_EQ(app_->Settings().link.comPortIndex, 3);
  EXPECT_EQ(app_->Settings().link.baudRateIndex, 0);

  // Opening the second entry moves it to the top.
  apptest::Trigger(frame, "recentFile2");
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("one & only.qdb[*] - Quelmar"));
  EXPECT_TRUE(app_->RecentFiles().Files()[0].endsWith(QStringLiteral("one & only.qdb")));

  // A recent file that has gone is reported and leaves the list.
  QFile::remove(b);
  apptest::Trigger(frame, "recentFile2");
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_EQ(app_->RecentFiles().Files().size(), 1);
}

TEST_F(MainFrameTest, RecentListKeepsFourNewestWithoutDuplicates) {
  CRecentFileList list;
  for (const char* name : {"1.qdb", "2.qdb", "3.qdb", "4.qdb", "5.qdb", "3.qdb"}) {
    list.Add(Path(name));
  }
  ASSERT_EQ(list.Files().size(), 4);
  EXPECT_TRUE(list.Files()[0].endsWith(QStringLiteral("3.qdb")));
  EXPECT_TRUE(list.Files()[1].endsWith(QStringLiteral("5.qdb")));
  EXPECT_TRUE(list.Files()[3].endsWith(QStringLiteral("2.qdb")));
  list.Save();
  CRecentFileList again;
  again.Load();
  EXPECT_EQ(again.Files(), list.Files());
}

TEST_F(MainFrameTest, UnopenableCommandLineFileFailsStartUp) {
  CQuelmarApp app;
  EXPECT_FALSE(app.InitInstance({Path("absent.qdb")}));
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
}

// The lists' context menus, their items and a right click reaching the page:
// AccessibleTreeTest. The items of their "Sort" submenu, in order:
TEST_F(MainFrameTest, TheSortSubmenuOffersTheFourOrders) {
  const QString file = Path("ctx.qdb");
  apptest::WriteSample(file);
  CMainFrame& frame = Start({file});
  QStringList sort;
  for (QAction* a : frame.findChild<QMenu*>(QStringLiteral("Sort"))->actions()) sort << a->text();
  EXPECT_EQ(sort, (QStringList{"Sort by Name", "Sort by Satellite and Frequency", "Sort by Service ID",
                               "Reverse Order"}));
}

TEST_F(MainFrameTest, StatusPaneShowsPromptsOfStandardItemsOnly) {
  CMainFrame& frame = Start();
  apptest::Action(frame, "fileOpen")->showStatusText(&frame);
  EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("Open an existing document"));
  apptest::Action(frame, "appExit")->showStatusText(&frame);
  EXPECT_EQ(frame.statusBar()->currentMessage(),
            QStringLiteral("Quit the application; prompts to save documents"));
  // The program's own commands have none: the pane is back to "Ready".
  apptest::Action(frame, "sendToStb")->showStatusText(&frame);
  EXPECT_TRUE(frame.statusBar()->currentMessage().isEmpty());
  EXPECT_TRUE(frame.MessagePane()->isVisibleTo(frame.statusBar()));
  EXPECT_EQ(frame.MessagePane()->text(), QStringLiteral("Ready"));
}

// Every control a person can reach carries a name a screen reader can speak.
TEST_F(MainFrameTest, ControlsHaveAccessibleNames) {
  const QString file = Path("a11y.qdb");
  apptest::WriteSample(file);
  CMainFrame& frame = Start({file});
  auto check = [](QWidget& root) {
    for (QWidget* w : root.findChildren<QWidget*>()) {
      const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QProgressBar*>(w);
      if (!control || qobject_cast<QComboBox*>(w->parentWidget())) continue;
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
      ASSERT_NE(a, nullptr);
      EXPECT_FALSE(a->text(QAccessible::Name).isEmpty())
          << root.objectName().toStdString() << "/" << w->metaObject()->className() << " "
          << w->objectName().toStdString();
    }
  };
  QStringList names;
  for (QToolButton* b : frame.ToolBar()->findChildren<QToolButton*>()) {
    if (b->defaultAction() && !b->defaultAction()->isSeparator()) names << b->accessibleName();
  }
  EXPECT_EQ(names, (QStringList{"Open", "Save", "Receive from STB", "Send to STB", "About"}));
  Prompt::QueueDialog([&](QDialog& d) {
    check(d);
    d.reject();
    return d.result();
  });
  apptest::Trigger(frame, "configSetting");
  CQuelmarDoc doc;
  LinkSettings s;
  CFileRcvDlg rcv(s);
  check(rcv);
  CFileSndDlg snd(s, doc);
  check(snd);
}
