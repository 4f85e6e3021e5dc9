// Everything the mouse reaches, the keyboard reaches too: the menus (Alt, a menu's
// letter, F10, the arrow keys), the lists' context menus (the Menu key, or Shift+F10
// where a keyboard has none), and every control of both pages in a sensible Tab order.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "AppTestSupport.h"

namespace {

class KeyboardTest : public apptest::WindowTest {
 protected:
  // The window started (on the demo database `withFile`) and active, as keys need it.
  CMainFrame& StartActive(bool withFile) {
    QStringList files;
    if (withFile) {
      files << Path("demo.qdb");
      apptest::WriteSample(files.front());
    }
    CMainFrame& frame = Start(files);
    QApplication::setActiveWindow(&frame);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
    return frame;
  }
  static QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
};

TEST_F(KeyboardTest, EveryMenuAndItsCommandsAreReachedFromTheKeyboard) {
  CMainFrame& frame = StartActive(false);
  // F10 opens the first menu; the arrow keys go on from there.
  QTest::keyClick(frame.windowHandle(), Qt::Key_F10);
  ASSERT_NE(OpenMenu(), nullptr);
  EXPECT_EQ(OpenMenu()->title(), QStringLiteral("&File"));
  QTest::keyClick(OpenMenu(), Qt::Key_Escape);
  ASSERT_EQ(OpenMenu(), nullptr);

  QTest::keyClick(&frame, Qt::Key_F, Qt::AltModifier);
  ASSERT_NE(OpenMenu(), nullptr);
  QStringList reached;
  for (int i = 0; i < 6; ++i) {
    QMenu* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    reached << menu->title();
    // Every command in it can be stepped to: visible, enabled, not a separator.
    int commands = 0;
    for (QAction* a : menu->actions())
      if (a->isVisible() && a->isEnabled() && !a->isSeparator()) ++commands;
    // Edit's Undo and Redo are greyed while there is nothing to take back.
    if (menu->title() != QStringLiteral("&Edit")) {
      EXPECT_GT(commands, 0) << menu->title().toStdString();
    }
    QTest::keyClick(menu, Qt::Key_Right);
  }
  EXPECT_EQ(reached, (QStringList{"&File", "&Edit", "&View", "&Receive/Send", "&Tools", "&Help"}));
  QTest::keyClick(OpenMenu(), Qt::Key_Escape);
  QTest::keyClick(OpenMenu(), Qt::Key_Escape);
  ASSERT_EQ(OpenMenu(), nullptr);

  // Each menu also opens with Alt and its letter.
  for (const auto& [key, title] : {std::pair{Qt::Key_F, "&File"}, {Qt::Key_E, "&Edit"}, {Qt::Key_V, "&View"},
                                   {Qt::Key_R, "&Receive/Send"}, {Qt::Key_T, "&Tools"}, {Qt::Key_H, "&Help"}}) {
    QTest::keyClick(&frame, key, Qt::AltModifier);
    QMenu* menu = OpenMenu();
    ASSERT_NE(menu, nullptr) << title;
    EXPECT_EQ(menu->title(), QString::fromLatin1(title));
    QTest::keyClick(menu, Qt::Key_Escape);
    if (OpenMenu()) QTest::keyClick(OpenMenu(), Qt::Key_Escape);
  }
}

TEST_F(KeyboardTest, ShiftF10OpensEachListsContextMenu) {
  CMainFrame& frame = StartActive(true);
  CMainSheet* sheet = frame.View()->Sheet();
  ASSERT_NE(sheet, nullptr);
  struct Case {
    int page;
    const char* list;
    const char* item;  // an item that opens a dialog, to see the command arrive
  };
  for (const Case& c : {Case{0, "satelliteList", "Add Satellite"}, Case{0, "transponderList", "Add Transponder"},
                        Case{1, "serviceList", "Add Program"}, Case{1, "groupList", "Add Program"}}) {
    SCOPED_TRACE(c.list);
    sheet->setCurrentIndex(c.page);
    auto* list = sheet->findChild<QAbstractItemView*>(QString::fromLatin1(c.list));
    ASSERT_NE(list, nullptr);
    list->setFocus();
    int dialogs = 0;
    Prompt::QueueMenuChoice(QString::fromLatin1(c.item));
    Prompt::QueueDialog([&](QDialog& d) {
      ++dialogs;
      d.reject();
      return d.result();
    });
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(dialogs, 1);
    Prompt::Reset();
  }
}

// Tab walks each page in the order a reader goes through it: the lists, then the fields
// of the box under them, ending on its Update button; Shift+Tab walks back. Every control
// the page lets Tab reach is in the walk, the page buttons included. Ctrl+Tab changes page.
TEST_F(KeyboardTest, TabWalksEachPageInReadingOrder) {
  CMainFrame& frame = StartActive(true);
  CMainSheet* sheet = frame.View()->Sheet();
  ASSERT_NE(sheet, nullptr);
  struct Case {
    int page;
    QStringList order;
  };
  const Case cases[] = {
      {0,
       {"satelliteList", "transponderList", "name", "lnbType", "lnbFreqHigh", "lnbFreqLow", "selected",
        "diseqcPort", "tone22k", "lnbPower", "motor", "update"}},
      // "type" is never editable, so Tab passes it by.
      {1,
       {"kind", "serviceSearch", "serviceSatellites", "serviceStates", "serviceList", "copyRight", "copyLeft",
        "groupCombo", "addGroup", "renameGroup", "deleteGroup", "groupSearch", "groupSatellites", "groupStates",
        "groupList", "name", "videoPid", "pcrPid", "ttextPid", "audioPid", "serviceId", "pmt",
        "lock", "update"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    sheet->setCurrentIndex(c.page);
    QWidget* page = sheet->currentWidget();
    // A satellite is chosen, so that its settings can be edited.
    if (auto* sats = page->findChild<QTreeWidget*>(QStringLiteral("satelliteList")))
      sats->setCurrentItem(sats->topLevelItem(0));
    QStringList reachable;
    for (QWidget* w : page->findChildren<QWidget*>())
      if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(page) && w->isEnabled() && !w->focusProxy() &&
          !w->objectName().isEmpty())
        reachable << w->objectName();
    reachable.sort();
    QStringList expected = c.order;
    expected.sort();
    EXPECT_EQ(reachable, expected);

    page->findChild<QWidget*>(c.order.front())->setFocus(Qt::TabFocusReason);
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < c.order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, c.order);
    QStringList back{walked.back()};
    for (int i = 1; i < c.order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      back.prepend(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(back, c.order);
  }
  // Ctrl+Tab and Ctrl+Shift+Tab change the page from wherever the focus is on it, a
  // drop-down list included (the new page's first control takes the focus).
  sheet->setCurrentIndex(0);
  sheet->findChild<QWidget*>(QStringLiteral("transponderList"))->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
  ASSERT_EQ(sheet->currentIndex(), 1);
  ASSERT_TRUE(qobject_cast<QComboBox*>(QApplication::focusWidget()));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(sheet->currentIndex(), 0);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(sheet->currentIndex(), 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(sheet->currentIndex(), 0);
}

// A sheet, at start and after each load, takes the window's focus on its page tabs, so the
// keys act on the pages at once: Ctrl+Tab changes the page and Tab leads into it.
TEST_F(KeyboardTest, TheSheetTakesTheFocusWhenItIsBuilt) {
  CMainFrame& frame = StartActive(true);
  for (int load = 0; load < 2; ++load) {
    SCOPED_TRACE(load);
    if (load == 1) {
      // Focus on a control of the old sheet, then a load builds a new one.
      frame.View()->Sheet()->findChild<QWidget*>(QStringLiteral("lnbFreqLow"))->setFocus();
      ASSERT_TRUE(frame.OpenDocumentFile(Path("demo.qdb")));
    }
    CMainSheet* sheet = frame.View()->Sheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), sheet->tabBar());
    // The load keeps the page the first round turned to; Ctrl+Tab turns to the other.
    EXPECT_EQ(sheet->currentIndex(), load);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(sheet->currentIndex(), 1 - load);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), load == 0 ? QStringLiteral("kind") : QStringLiteral("satelliteList"));
  }
}

}  // namespace
