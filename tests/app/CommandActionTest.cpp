#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "widgets/CommandAction.h"
#include "widgets/Prompt.h"

namespace {

class CommandActionTest : public ::testing::Test {
 protected:
  void SetUp() override { Prompt::Reset(); }
  void TearDown() override { Prompt::Reset(); }

  QWidget owner;
  int runs = 0;
};

TEST_F(CommandActionTest, ACommandCarriesItsNameTextAndPromptAndRunsOncePerTrigger) {
  QAction* plain = CommandAction::Make(owner, "addThing", QStringLiteral("Add Thing"), [this] { ++runs; });
  QAction* prompted = CommandAction::Make(owner, "openThing", QStringLiteral("&Open..."), [this] { runs += 10; },
                                          QStringLiteral("Open an existing document"));
  EXPECT_EQ(plain->parent(), &owner);
  EXPECT_EQ(plain->objectName(), "addThing");
  EXPECT_EQ(plain->text(), "Add Thing");
  EXPECT_TRUE(plain->statusTip().isEmpty()) << "no prompt: the status pane shows Ready";
  EXPECT_EQ(prompted->statusTip(), "Open an existing document");
  plain->trigger();
  prompted->trigger();
  EXPECT_EQ(runs, 11);
}

TEST_F(CommandActionTest, AMenuHoldsTheCommandsInOrderAndIsNamedForAScreenReader) {
  QAction* a = CommandAction::Make(owner, "a", QStringLiteral("A"), [] {});
  QAction* b = CommandAction::Make(owner, "b", QStringLiteral("B"), [] {});
  QMenu* menu = CommandAction::Menu(owner, "ThingMenu", {a, nullptr, b});
  EXPECT_EQ(menu->parent(), &owner);
  EXPECT_EQ(menu->objectName(), "ThingMenu");
  EXPECT_EQ(menu->accessibleName(), "ThingMenu");
  const QList<QAction*> items = menu->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0], a);
  EXPECT_TRUE(items[1]->isSeparator());
  EXPECT_EQ(items[2], b);
}

// A chosen item runs its command once, as a person's choice in the open menu does; a
// dismissed menu runs nothing. Items of a submenu are reached too.
TEST_F(CommandActionTest, APopupRunsTheChosenItemOnce) {
  QAction* add = CommandAction::Make(owner, "add", QStringLiteral("Add"), [this] { ++runs; });
  QAction* sort = CommandAction::Make(owner, "sort", QStringLiteral("Sort by Name"), [this] { runs += 10; });
  QMenu* menu = CommandAction::Menu(owner, "PopMenu", {add});
  menu->addMenu(CommandAction::Menu(*menu, "Sort", {sort}));
  struct Case {
    const char* choice;  // nullptr: no answer queued
    QAction* chosen;
    int runs;
  };
  for (const Case& c : {Case{"Add", add, 1}, Case{"Sort by Name", sort, 10}, Case{"", nullptr, 0},
                        Case{nullptr, nullptr, 0}}) {
    SCOPED_TRACE(c.choice ? c.choice : "(none)");
    runs = 0;
    if (c.choice) Prompt::QueueMenuChoice(QString::fromLatin1(c.choice));
    EXPECT_EQ(Prompt::Popup(*menu, QPoint(3, 4)), c.chosen);
    EXPECT_EQ(runs, c.runs);
    const auto shown = Prompt::TakeMenus();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].first, "PopMenu");
    EXPECT_EQ(shown[0].second, QPoint(3, 4));
  }
}

}  // namespace
