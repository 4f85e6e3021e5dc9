// The search fields above the TV/Radio list and the favourite list: typing narrows the
// rows by name, channel number or service ID, the numbers stay the real positions,
// Escape clears, Ctrl+F reaches the field beside the active list, moving is off while a
// search is on, and deleting, "-->" and "<--" act only on the rows shown.
#include <QLineEdit>
#include <QStatusTipEvent>
#include <QTest>
#include <array>

#include "GroupChFixture.h"
#include "ui/channels/ListFilter.h"

namespace {

// Collects the status-bar messages the page sends to its window.
class StatusTips : public QObject {
 public:
  QStringList tips;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::StatusTip) tips << static_cast<QStatusTipEvent*>(event)->tip();
    return false;
  }
};

class GroupChSearchTest : public GroupChPageTest {
 protected:
  // TV list: "Kino 1", "News", "kino 2", "Sport", "Kinowelt" in slots 10..14 with
  // service IDs 100..104; group 1 "Fav" holds Kino 1, Sport, Kinowelt.
  void SetUp() override {
    GroupChPageTest::SetUp();
    auto db = EmptyDb();
    PutSatellite(*db, 0, "S");
    PutTransponder(*db, 0, 0, 11000);
    const char* names[] = {"Kino 1", "News", "kino 2", "Sport", "Kinowelt"};
    for (int i = 0; i < 5; ++i) PutProgram(*db, 10 + i, names[i]).SetServiceId(std::uint16_t(100 + i));
    PutList(db->channelLists.tvList, {10, 11, 12, 13, 14});
    PutGroup(*db, 1, "Fav", {10, 13, 14});
    Load(*db);
  }
  QLineEdit* Search(const char* name) { return Control<QLineEdit>(name); }
  void Type(const char* field, const QString& text) {
    Search(field)->clear();
    QTest::keyClicks(Search(field), text);
  }
  // The shown rows as "number name".
  static QStringList Shown(GroupChListView* list) {
    QStringList out;
    for (int row = 0; row < list->RowCount(); ++row)
      if (!list->isRowHidden(row))
        out << list->model()->index(row, 0).data().toString() + " " + list->RowText(row);
    return out;
  }
};

TEST_F(GroupChSearchTest, NameNumberAndServiceIdNarrowTheRowsWhichKeepTheirNumbers) {
  Type("serviceSearch", "KINO");
  EXPECT_EQ(Shown(ServiceList()), (QStringList{"1 [Kino 1]", "3 [kino 2]", "5 [Kinowelt]"}));
  Type("serviceSearch", "4");  // channel number 4
  EXPECT_EQ(Shown(ServiceList()), (QStringList{"4 [Sport]"}));
  Type("serviceSearch", "101");  // service ID of News
  EXPECT_EQ(Shown(ServiceList()), (QStringList{"2 [News]"}));
  // Name or number at once, and whole numbers only: ListFilterMatch below.

  // The favourite list counts its own positions.
  Type("groupSearch", "3");
  EXPECT_EQ(Shown(GroupList()), (QStringList{"3 [Kinowelt]"}));
  EXPECT_EQ(Shown(ServiceList()), QStringList{"2 [News]"}) << "each field narrows its own list";

  // Escape clears the field and shows every row again.
  QTest::keyClick(Search("serviceSearch"), Qt::Key_Escape);
  EXPECT_TRUE(Search("serviceSearch")->text().isEmpty());
  EXPECT_EQ(Shown(ServiceList()).size(), 5);
  EXPECT_FALSE(page->Filtered(true));
  EXPECT_TRUE(page->Filtered(false));
}

TEST_F(GroupChSearchTest, TheSearchStaysOnAfterAnEditRefillsTheList) {
  Type("serviceSearch", "kino");
  ServiceList()->SetCurrentRow(2);
  Prompt::QueueMessageAnswer(QMessageBox::Yes);
  page->DeleteSelectedProgram();
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 11, 13, 14}));
  EXPECT_EQ(Shown(ServiceList()), (QStringList{"1 [Kino 1]", "4 [Kinowelt]"}));
}

TEST_F(GroupChSearchTest, CtrlFFocusesTheSearchBesideTheActiveList) {
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  GroupList()->SetCurrentRow(1);  // the favourite list becomes the active one
  QTest::keyClick(GroupList(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), Search("groupSearch"));
  ServiceList()->setFocus();
  ServiceList()->SetCurrentRow(1);
  QTest::keyClick(ServiceList(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), Search("serviceSearch"));
}

// While a search is on, a one-place move is refused (the rows between are hidden) and
// the status bar says why; a move to a place is well defined, and "Place Next" builds an
// order from one search after another, the place moving on with each block.
TEST_F(GroupChSearchTest, OnePlaceMovesWaitForTheSearchToClearMovesToAPlaceDoNot) {
  StatusTips status;
  page->installEventFilter(&status);
  Type("serviceSearch", "kino");
  ServiceList()->SetCurrentRow(2);
  QTest::keyClick(ServiceList(), Qt::Key_Up, Qt::AltModifier);
  EXPECT_FALSE(doc.IsModified());
  ASSERT_EQ(status.tips.size(), 1);
  EXPECT_EQ(status.tips.front(), "Clear the search and the filters to move rows: the list shows only some of them.");

  QTest::keyClick(ServiceList(), Qt::Key_End, Qt::AltModifier);
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{10, 11, 13, 14, 12}));

  // Place Next: "Sport" first, then both "Kino" rows found by one search.
  const struct {
    const char* search;
    std::vector<int> rows;
    std::vector<int> order;
    const char* said;
  } places[] = {
      {"sport", {2}, {13, 10, 11, 14, 12}, "Next place: No. 2"},
      {"kino 1", {1}, {13, 10, 11, 14, 12}, "Next place: No. 3"},
      {"kino", {3, 4}, {13, 10, 14, 12, 11}, "Next place: No. 5"},
  };
  for (const auto& p : places) {
    Type("serviceSearch", p.search);
    ServiceList()->clearSelection();
    ServiceList()->SetCurrentRow(p.rows.front());
    for (int row : p.rows) ServiceList()->SelectRow(row);
    QTest::keyClick(ServiceList(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Entries(Db().channelLists.tvList), p.order) << p.search;
    EXPECT_EQ(status.tips.back(), p.said) << p.search;
  }

  // The other list, with no search, still moves one place.
  GroupList()->SetCurrentRow(0);
  QTest::keyClick(GroupList(), Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[1]), (std::vector<int>{13, 10, 14}));
}

TEST_F(GroupChSearchTest, DeleteAndCopyActOnlyOnTheRowsShown) {
  // Everything selected, then a search hides News and Sport.
  ServiceList()->selectAll();
  Type("serviceSearch", "kino");
  EXPECT_EQ(ServiceList()->SelectedRows(), (std::vector<int>{0, 2, 4}));

  // "-->": Kino 1 and Kinowelt are members already; kino 2 joins.
  Button("copyRight")->click();
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[1]), (std::vector<int>{10, 13, 14, 12}));
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"2 of the selected programs were already in the group."});

  // "<--" on the favourite shown by a search.
  GroupList()->SetCurrentRow(0);  // the favourite list becomes the active one
  GroupList()->selectAll();
  Type("groupSearch", "sport");
  Button("copyLeft")->click();
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[1]), (std::vector<int>{10, 14, 12}));

  // "Delete Program" with the three shown TV rows selected.
  ServiceList()->SetCurrentRow(0);
  ServiceList()->SelectRow(2);
  ServiceList()->SelectRow(4);
  Prompt::QueueMessageAnswer(QMessageBox::Yes);
  page->DeleteSelectedProgram();
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Delete 3 programs?"});
  EXPECT_EQ(Entries(Db().channelLists.tvList), (std::vector<int>{11, 13}));
}

// Ctrl+Enter in the search takes the row named as typed before one that merely starts
// with it or contains it, wherever it stands below the places filled, and the status bar
// names what went where; when several rows share that name, it says how many.
TEST_F(GroupChSearchTest, CtrlEnterPlacesTheRowNamedAsTypedAndSaysWhich) {
  auto db = EmptyDb();
  for (int s = 0; s < 3; ++s) {
    PutSatellite(*db, s, std::array{"Astra", "Hotbird", "Eutelsat"}[s]);
    PutTransponder(*db, s, s, std::uint16_t(11000 + s), 27500, std::uint32_t(s % 2));
  }
  const struct {
    const char* name;
    int satellite;
  } programs[] = {{"Kino 10", 0}, {"News 24", 0}, {"Kino 1", 1}, {"News 24", 1}, {"News 24", 2}, {"SUPER RTL", 0},
                  {"RTL", 2}};
  for (int i = 0; i < 7; ++i) PutProgram(*db, i, programs[i].name, programs[i].satellite).SetServiceId(std::uint16_t(i + 1));
  PutList(db->channelLists.tvList, {0, 1, 2, 3, 4, 5, 6});
  Load(*db);
  StatusTips status;
  page->installEventFilter(&status);
  const struct {
    const char* typed;
    std::vector<int> order;
    const char* said;
  } places[] = {
      {"Kino 1", {2, 0, 1, 3, 4, 5, 6}, "Kino 1 (Hotbird 11001 H, SID 3) placed at No. 1; next place No. 2"},
      {"rtl", {2, 6, 0, 1, 3, 4, 5}, "RTL (Eutelsat 11002 V, SID 7) placed at No. 2; next place No. 3"},
      {"News 24", {2, 6, 1, 0, 3, 4, 5},
       "News 24 (Astra 11000 V, SID 2) placed at No. 3, 1 of 3 named News 24; next place No. 4"},
      {"news 24 eutelsat", {2, 6, 1, 4, 0, 3, 5}, "News 24 (Eutelsat 11002 V, SID 5) placed at No. 4; next place No. 5"},
      {"Ghost", {2, 6, 1, 4, 0, 3, 5}, "News 24 (Eutelsat 11002 V, SID 5) placed at No. 4; next place No. 5"},
  };
  for (const auto& p : places) {
    Type("serviceSearch", p.typed);
    QTest::keyClick(Search("serviceSearch"), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Entries(Db().channelLists.tvList), p.order) << p.typed;
    ASSERT_FALSE(status.tips.isEmpty());
    EXPECT_EQ(status.tips.back(), p.said) << p.typed;
    // Placed, the next name typed replaces the text; nothing found, it stays to be mended.
    EXPECT_EQ(Search("serviceSearch")->hasSelectedText(), std::string(p.typed) != "Ghost") << p.typed;
  }
}

// Down goes from the search into the first row it shows; Escape in the list goes back;
// Ctrl+L in the search locks the rows selected among those shown, or says what it needs.
TEST_F(GroupChSearchTest, TheSearchAndItsRowsAreOneKeyApart) {
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  StatusTips status;
  page->installEventFilter(&status);
  QLineEdit* search = Search("serviceSearch");
  search->setFocus();
  Type("serviceSearch", "kino");
  QTest::keyClick(search, Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(status.tips.size(), 1);
  EXPECT_FALSE(doc.IsModified()) << "nothing selected among the rows shown";

  QTest::keyClick(search, Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), ServiceList());
  EXPECT_EQ(ServiceList()->SelectedRows(), std::vector<int>{0});
  QTest::keyClick(ServiceList(), Qt::Key_Down);
  EXPECT_EQ(ServiceList()->CurrentRow(), 2) << "the next row shown";
  QTest::keyClick(ServiceList(), Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), search);

  ServiceList()->SelectRow(0);
  QTest::keyClick(search, Qt::Key_L, Qt::ControlModifier);
  EXPECT_TRUE(Db().programs[10].Locked());
  EXPECT_TRUE(Db().programs[12].Locked());
  EXPECT_FALSE(Db().programs[14].Locked()) << "Kinowelt was not selected";
  QTest::keyClick(search, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_FALSE(Db().programs[10].Locked());
}

// Which words find a row is the search's own rule (tests/db/operations/ChannelSearchTest);
// here the filters narrow with it.
TEST(ListFilterMatch, TextSatelliteAndStateNarrowTogether) {
  using State = ListFilter::State;
  // Das Erste HD, service ID 28106, on satellite 2 "Astra 19.2E", locked, new since the
  // reference; the same unlocked and not new.
  channelrows::Row row;
  row.number = 1;
  row.program = 5;
  row.name = U"Das Erste HD";
  row.serviceId = 28106;
  row.satellite = 2;
  row.satelliteName = U"Astra 19.2E";
  row.locked = true;
  channelrows::Row unlocked = row;
  unlocked.locked = false;
  const ListFilter::RowKeys keys{&row, true};
  const ListFilter::RowKeys plain{&unlocked, false};
  struct Case {
    const char* what;
    ListFilter::Criteria criteria;
    const ListFilter::RowKeys& keys;
    bool passes;
  };
  const Case cases[] = {
      {"nothing narrows", {}, plain, true},
      {"name, ignoring case", {QStringLiteral("erste")}, keys, true},
      {"name and satellite", {QStringLiteral("erste 19.2")}, keys, true},
      {"its satellite", {{}, 2}, keys, true},
      {"another satellite", {{}, 1}, keys, false},
      {"locked only", {{}, -1, State::Locked}, keys, true},
      {"locked only, unlocked row", {{}, -1, State::Locked}, plain, false},
      {"unlocked only", {{}, -1, State::Unlocked}, plain, true},
      {"unlocked only, locked row", {{}, -1, State::Unlocked}, keys, false},
      {"new only", {{}, -1, State::New}, keys, true},
      {"new only, old row", {{}, -1, State::New}, plain, false},
      {"all three pass", {QStringLiteral("erste"), 2, State::Locked}, keys, true},
      {"text passes, satellite not", {QStringLiteral("erste"), 3, State::Locked}, keys, false},
      {"satellite passes, text not", {QStringLiteral("zdf"), 2}, keys, false},
  };
  for (const Case& c : cases) EXPECT_EQ(ListFilter::Matches(c.criteria, c.keys), c.passes) << c.what;
}

}  // namespace
