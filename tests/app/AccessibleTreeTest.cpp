// What a screen reader reads from the window through Qt's accessibility interfaces:
// drop-down lists named by their labels, and the lists' context menus as children of
// the window, whose items can be pressed from there. tests/a11y/ reads the same over
// the accessibility bus from the real window.
#include <algorithm>

#include <QAccessible>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>

#include "AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarApp.h"
#include "app/CQuelmarView.h"
#include "db/document/CQuelmarDoc.h"
#include "db/operations/DatabaseOperations.h"
#include "widgets/Prompt.h"


namespace {

class AccessibleTreeTest : public apptest::WindowTest {
 protected:
  CMainFrame& Start() {
    const QString file = Path("tree.qdb");
    apptest::WriteSample(file);
    return WindowTest::Start({file});
  }
  QComboBox* Combo(const char* name) { return app_->MainFrame()->findChild<QComboBox*>(QString::fromLatin1(name)); }

  // Children of an interface as (role, name).
  static QList<QPair<QAccessible::Role, QString>> Children(QAccessibleInterface* a) {
    QList<QPair<QAccessible::Role, QString>> out;
    for (int i = 0; i < a->childCount(); ++i)
      if (QAccessibleInterface* c = a->child(i)) out.append({c->role(), c->text(QAccessible::Name)});
    return out;
  }
};

TEST_F(AccessibleTreeTest, DropDownListsAreNamedByTheirLabelsAndTellTheirRowAsValueAndText) {
  Start();
  for (auto [objectName, label] : {std::pair{"lnbType", "LNB Type"}, std::pair{"diseqcPort", "Diseqc Port"},
                                   std::pair{"lnbPower", "0/12 V"}, std::pair{"type", "Type"}}) {
    QComboBox* combo = Combo(objectName);
    ASSERT_NE(combo, nullptr) << objectName;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(combo);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::ComboBox) << objectName;
    EXPECT_EQ(a->text(QAccessible::Name), QString::fromLatin1(label));
    EXPECT_EQ(a->text(QAccessible::Value), combo->currentText()) << objectName;
    // The row is also its text, which a screen reader reads with the name.
    QAccessibleTextInterface* text = a->textInterface();
    ASSERT_NE(text, nullptr) << objectName;
    EXPECT_EQ(text->text(0, text->characterCount()), combo->currentText()) << objectName;
    // The rows stay reachable below it.
    ASSERT_EQ(a->childCount(), 1);
    EXPECT_EQ(a->child(0)->object(), static_cast<QObject*>(combo->view()));
    EXPECT_EQ(a->indexOfChild(a->child(0)), 0);
  }
  // The satellite's LNB type is a row of the list, not the list's name.
  QComboBox* lnbType = Combo("lnbType");
  lnbType->setCurrentIndex(1);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(lnbType);
  int start = -1, end = -1;
  EXPECT_EQ(a->text(QAccessible::Name), "LNB Type");
  EXPECT_EQ(a->text(QAccessible::Value), "Universal");
  EXPECT_EQ(a->textInterface()->text(0, -1), "Universal");
  EXPECT_EQ(a->textInterface()->textAtOffset(0, QAccessible::LineBoundary, &start, &end), "Universal");
}

TEST_F(AccessibleTreeTest, ContextMenusAreChildrenOfTheirPagesWithTheirItems) {
  CMainFrame& frame = Start();
  using Item = QPair<QAccessible::Role, QString>;
  struct Case {
    QWidget* page;
    QList<Item> menus;
    QList<QStringList> items;
  };
  CMainSheet* sheet = frame.View()->Sheet();
  const Case cases[] = {
      {sheet->SatTPPage(),
       {{QAccessible::PopupMenu, "SatMenu"}, {QAccessible::PopupMenu, "TpMenu"}},
       {{"Add Satellite", "Delete Satellite"}, {"Add Transponder", "Delete Transponder", "Edit Transponder"}}},
      {sheet->GroupChPage(),
       {{QAccessible::PopupMenu, "PopMenu"}},
       {{"Add Program", "Delete Program", QString::fromUtf8("Move To\u2026"), "Move Up", "Move Down", "Move to Top",
         "Move to Bottom", "Place Next", "Set Next Place Here", "Sort", "Lock", "Unlock", "Copy"}}},
  };
  for (const Case& c : cases) {
    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(c.page);
    ASSERT_NE(page, nullptr);
    const auto children = Children(page);
    const int count = int(c.menus.size());
    ASSERT_GE(children.size(), count);
    EXPECT_EQ(children.mid(children.size() - count), c.menus);
    // Everything the page held before is still there, ahead of the menus: its lists in
    // their boxes.
    const auto holdsList = [](auto& self, QAccessibleInterface* a) -> bool {
      const QAccessible::Role role = a->role();
      if (role == QAccessible::Tree || role == QAccessible::List || role == QAccessible::Table) return true;
      for (int i = 0; i < a->childCount(); ++i)
        if (QAccessibleInterface* c = a->child(i); c && c->role() != QAccessible::PopupMenu && self(self, c)) return true;
      return false;
    };
    bool listed = false;
    for (int i = 0; i < int(children.size()) - count; ++i) listed = listed || holdsList(holdsList, page->child(i));
    EXPECT_TRUE(listed);
    const int first = int(children.size()) - count;
    for (int m = 0; m < count; ++m) {
      QAccessibleInterface* menu = page->child(first + m);
      EXPECT_EQ(page->indexOfChild(menu), first + m);
      QStringList names;
      for (const auto& [role, name] : Children(menu)) {
        EXPECT_EQ(role, QAccessible::MenuItem);
        names << name;
      }
      EXPECT_EQ(names, c.items[m]);
    }
  }
}

TEST_F(AccessibleTreeTest, PressingAMenuItemInTheTreeGivesItsCommandOnce) {
  CMainFrame& frame = Start();
  CPageSatTP* satTP = frame.View()->Sheet()->SatTPPage();
  QAccessibleInterface* page = QAccessible::queryAccessibleInterface(satTP);
  QAccessibleInterface* satMenu = page->child(page->childCount() - 2);
  QAccessibleInterface* add = satMenu->child(0);
  ASSERT_EQ(add->text(QAccessible::Name), "Add Satellite");
  QAccessibleActionInterface* action = add->actionInterface();
  ASSERT_NE(action, nullptr);

  const int before = dbops::CountSatellites(Doc().Working());
  int asked = 0;
  Prompt::QueueDialog([&asked](QDialog& d) {
    ++asked;
    d.findChild<QLineEdit*>()->setText(QStringLiteral("FROMTREE"));
    d.accept();
    return d.result();
  });
  action->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(dbops::CountSatellites(Doc().Working()), before + 1);

  // Chosen from the open popup, the command still runs once.
  Prompt::QueueMenuChoice(QStringLiteral("Add Satellite"));
  Prompt::QueueDialog([&asked](QDialog& d) {
    ++asked;
    d.findChild<QLineEdit*>()->setText(QStringLiteral("FROMMENU"));
    d.accept();
    return d.result();
  });
  auto* list = satTP->findChild<QAbstractItemView*>(QStringLiteral("satelliteList"));
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(10, 10), list->viewport()->mapToGlobal(QPoint(10, 10)));
  QApplication::sendEvent(list->viewport(), &rightClick);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(dbops::CountSatellites(Doc().Working()), before + 2);
}

}  // namespace
