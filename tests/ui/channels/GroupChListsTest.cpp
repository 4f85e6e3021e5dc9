// The TV/Radio list, the Info area, "Update" and deleting programs.
#include <QTest>

#include "GroupChFixture.h"
#include "db/document/StepSubject.h"
#include "ui/channels/ProgramInfoArea.h"

namespace {

constexpr int kTypeA = dbtype::Index(DbType::TypeA);
constexpr int kTypeB6 = dbtype::Index(DbType::TypeB6);
constexpr int kTypeC = dbtype::Index(DbType::TypeC);

// Satellite 1 "Astra" with transponder 4; TV programs 0..11 in the TV list, radio
// programs 20..24 in the radio list; group 0 "Fav" with 2, 3, 21 and group 1 "Kids"
// with 3.
std::unique_ptr<ChannelDatabase> Standard() {
  auto db = EmptyDb();
  PutSatellite(*db, 1, "Astra");
  PutTransponder(*db, 4, 1, 11000);
  std::vector<int> tv, radio;
  for (int p = 0; p < 12; ++p) {
    PutProgram(*db, p, "TV " + std::to_string(p), 4);
    tv.push_back(p);
  }
  for (int p = 20; p < 25; ++p) {
    PutProgram(*db, p, "Radio " + std::to_string(p), 4, ProgramRecord::kRadio);
    radio.push_back(p);
  }
  PutList(db->channelLists.tvList, tv);
  PutList(db->channelLists.radioList, radio);
  PutGroup(*db, 0, "Fav", {2, 3, 21});
  PutGroup(*db, 1, "Kids", {3});
  return db;
}

using GroupChListsTest = GroupChPageTest;

// A record a check or a comparison points at is selected as a click would select it,
// where it first appears: the TV list, the radio list, then the groups. Its list becomes
// the active one.
TEST_F(GroupChListsTest, RevealSelectsARecordWhereItFirstAppears) {
  using K = StepSubject::Kind;
  const struct {
    StepSubject record;
    bool shown;
    int kind = 0, groupRow = 0;  // the TV/Radio choice and the favourite combo row shown
    ActiveList list = ActiveList::Services;
    int row = -1;  // selected in that list; -1 none
  } cases[] = {
      {{K::Program, 5, -1}, true, 0, 0, ActiveList::Services, 5},
      {{K::Program, 21, -1}, true, 1, 0, ActiveList::Services, 1},
      {{K::Program, 30, -1}, true, 0, 1, ActiveList::Favorites, 1},
      {{K::RadioList, -1, 4}, true, 1, 0, ActiveList::Services, 4},
      {{K::RadioList, -1, -1}, true, 1, 0, ActiveList::Services, -1},
      {{K::Group, 1, -1}, true, 0, 1, ActiveList::Services, -1},
      {{K::Program, 40, -1}, false},
      {{K::TvList, -1, 12}, false},
      {{K::Group, 5, 0}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.record.kind) << " " << c.record.slot << " " << c.record.position);
    auto db = Standard();
    PutProgram(*db, 30, "Only Kids", 4);
    PutGroup(*db, 1, "Kids", {3, 30});
    Load(*db);
    ASSERT_EQ(page->Reveal(c.record), c.shown);
    if (!c.shown) continue;
    EXPECT_EQ(Kind()->currentIndex(), c.kind);
    EXPECT_EQ(GroupCombo()->currentIndex(), c.groupRow);
    if (c.row < 0) {
      EXPECT_EQ(ServiceList()->SingleSelectedRow(), -1);
      continue;
    }
    EXPECT_EQ(page->State().activeList, c.list);
    EXPECT_EQ((c.list == ActiveList::Services ? ServiceList() : GroupList())->SingleSelectedRow(), c.row);
  }
}

TEST_F(GroupChListsTest, RefreshFillsBothCombosAndListsInStoredOrder) {
  auto db = Standard();
  PutList(db->channelLists.tvList, {5, 1, 9});
  Load(*db);
  EXPECT_EQ(ComboRows(Kind()), (QStringList{"TV", "RADIO"}));
  EXPECT_EQ(ComboRows(GroupCombo()), (QStringList{"Fav", "Kids"}));
  EXPECT_EQ(Rows(ServiceList()), (QStringList{"[TV 5]", "[TV 1]", "[TV 9]"}));
  EXPECT_EQ(Rows(GroupList()), (QStringList{"[TV 2]", "[TV 3]", "[Radio 21]"}));
  // A refill never selects row 0 by itself.
  EXPECT_EQ(ServiceList()->SingleSelectedRow(), -1);
  EXPECT_FALSE(page->Info().Valid());
  EXPECT_FALSE(doc.IsModified());

  GroupCombo()->setCurrentIndex(1);
  EXPECT_EQ(Rows(GroupList()), QStringList{"[TV 3]"});
  Kind()->setCurrentIndex(1);
  EXPECT_EQ(Rows(ServiceList()).size(), 5);
}

TEST_F(GroupChListsTest, RememberedRowIsClampedAndReselectedOnKindSwitch) {
  Load(*Standard());
  ServiceList()->SetCurrentRow(10);
  EXPECT_EQ(Text("name"), "TV 10");
  Kind()->setCurrentIndex(1);
  EXPECT_EQ(page->State().serviceSelection, 4);
  EXPECT_EQ(ServiceList()->SingleSelectedRow(), 4);
  EXPECT_EQ(Text("name"), "Radio 24");
  EXPECT_TRUE(page->Info().Valid());
}

TEST_F(GroupChListsTest, AnEmptyListLeavesInfoShownButUpdateWritesNothing) {
  auto db = Standard();
  PutList(db->channelLists.radioList, {});
  Load(*db);
  ServiceList()->SetCurrentRow(3);
  const std::vector<std::uint8_t> before(Db().programs[0].Bytes(), Db().programs[0].Bytes() + 44);
  Kind()->setCurrentIndex(1);
  EXPECT_EQ(ServiceList()->RowCount(), 0);
  EXPECT_EQ(Text("name"), "TV 3");
  // The row map is empty now; "Update" must not write into slot 0 through it.
  Child<QLineEdit>(*page, "name")->setText("Changed");
  Button("update")->click();
  EXPECT_EQ(std::vector<std::uint8_t>(Db().programs[0].Bytes(), Db().programs[0].Bytes() + 44), before);
  EXPECT_EQ(Db().programs[3].Name(), "TV 3");
}

TEST_F(GroupChListsTest, InfoShowsPidsByWidthRuleAndSatelliteName) {
  auto db = Standard();
  ProgramRecord& p = db->programs[2];
  p.SetRawPid(PidField::Video, 0xE100);
  p.SetRawPid(PidField::Audio, 0x1FFF);
  p.SetServiceId(0xFFFF);
  p.SetLocked(true);
  for (int dbType : {kTypeC, kTypeA}) {
    Load(*db, dbType);
    ServiceList()->SetCurrentRow(2);
    EXPECT_EQ(Text("videoPid"), dbType == kTypeC ? "256" : "57600");
    EXPECT_EQ(Text("audioPid"), "8191");
    EXPECT_EQ(Text("serviceId"), "65535");
    EXPECT_EQ(Child<QComboBox>(*page, "type")->currentText(), "TV");
    EXPECT_FALSE(Child<QComboBox>(*page, "type")->isEnabled());
    EXPECT_TRUE(Child<QCheckBox>(*page, "lock")->isChecked());
    EXPECT_EQ(Child<QLabel>(*page, "satellite")->text(), "Astra");
  }
}

TEST_F(GroupChListsTest, UpdateWritesTheProgramAndRenamesItsRowInBothLists) {
  Load(*Standard());
  ServiceList()->SetCurrentRow(3);
  Child<QLineEdit>(*page, "name")->setText("Renamed");
  SetField(*page, "videoPid", "8191");
  SetField(*page, "pcrPid", "0");
  SetField(*page, "serviceId", "65535");
  Child<QCheckBox>(*page, "lock")->setChecked(true);
  Button("update")->click();
  const ProgramRecord& p = Db().programs[3];
  EXPECT_EQ(p.Name(), "Renamed");
  EXPECT_EQ(p.RawPid(PidField::Video), 8191);
  EXPECT_EQ(p.RawPid(PidField::Pcr), 0);
  EXPECT_EQ(p.ServiceId(), 65535);
  EXPECT_TRUE(p.Locked());
  EXPECT_EQ(p.ServiceType(), ProgramRecord::kTv);
  EXPECT_EQ(ServiceList()->RowText(3), "[Renamed]");
  EXPECT_EQ(GroupList()->RowText(1), "[Renamed]");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(GroupChListsTest, UpdateKeepsFullWidthPidsOutsideTypeC) {
  Load(*Standard(), kTypeA);
  GroupList()->SetCurrentRow(2);  // Radio 21, through the favourite list
  SetField(*page, "videoPid", "8192");
  SetField(*page, "audioPid", "65535");
  Button("update")->click();
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_EQ(Db().programs[21].RawPid(PidField::Video), 8192);
  EXPECT_EQ(Db().programs[21].RawPid(PidField::Audio), 65535);
}

// A number too wide for its field, or no number at all, is refused: the message names the
// range, the reading stops there, and "Update" goes on with what was read; the Info area
// then shows the program as stored.
TEST_F(GroupChListsTest, UpdateRefusesBadNumbersAndStopsReadingThereButStillWrites) {
  struct Case {
    int dbType;
    const char* field;
    const char* text;
    const char* message;
  };
  for (const Case& c : {Case{kTypeC, "audioPid", "8192", "Please enter an integer between 0 and 8191."},
                        Case{kTypeC, "serviceId", "65536", "Please enter an integer between 0 and 65535."},
                        Case{kTypeA, "audioPid", "65536", "Please enter an integer between 0 and 65535."},
                        Case{kTypeB6, "serviceId", "-1", "Please enter an integer between 0 and 65535."},
                        Case{kTypeC, "audioPid", "x", "Please enter a positive integer."}}) {
    SCOPED_TRACE(std::string(c.field) + " " + c.text + " in DbType " + std::to_string(c.dbType));
    Load(*Standard(), c.dbType);
    ServiceList()->SetCurrentRow(1);
    const ProgramRecord before = Db().programs[1];
    Child<QLineEdit>(*page, "name")->setText("New");
    SetField(*page, "videoPid", "100");  // read before the failing field
    SetField(*page, c.field, c.text);
    SetField(*page, "ttextPid", "300");  // read after it
    Child<QCheckBox>(*page, "lock")->setChecked(true);
    Button("update")->click();
    EXPECT_EQ(Prompt::TakeMessages(), QStringList{QString::fromLatin1(c.message)});
    const ProgramRecord& p = Db().programs[1];
    EXPECT_EQ(p.Name(), "New");
    EXPECT_EQ(p.RawPid(PidField::Video), 100);
    EXPECT_EQ(p.RawPid(PidField::Audio), before.RawPid(PidField::Audio));
    EXPECT_EQ(p.ServiceId(), before.ServiceId());
    EXPECT_EQ(p.RawPid(PidField::Ttext), before.RawPid(PidField::Ttext));
    EXPECT_FALSE(p.Locked());
    EXPECT_TRUE(doc.IsModified());
    // What the fields show is what is stored.
    EXPECT_EQ(Text(c.field), c.field == std::string("serviceId") ? QString::number(before.ServiceId())
                                                                   : QString::number(before.RawPid(PidField::Audio)));
    EXPECT_EQ(Text("ttextPid"), QString::number(before.RawPid(PidField::Ttext)));
    EXPECT_EQ(Text("videoPid"), "100");
  }
}

TEST_F(GroupChListsTest, DeletingFromTheTvListRemovesTheProgramEverywhere) {
  Load(*Standard());
  ServiceList()->SetCurrentRow(3);
  page->Actions().deleteProgram->trigger();
  // Which lists and groups it leaves: Programs.DeletingAListedProgramTakesItOutOfTheListShownAndEveryGroup.
  EXPECT_EQ(Db().programs[3].State(), SlotState::Deleted);
  EXPECT_EQ(Rows(GroupList()), (QStringList{"[TV 2]", "[Radio 21]"}));
  // The remembered row is kept: row 3 now shows the next program.
  EXPECT_EQ(ServiceList()->SingleSelectedRow(), 3);
  EXPECT_EQ(Text("name"), "TV 4");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(GroupChListsTest, DeletingFromTheFavouriteListOnlyLeavesTheCurrentGroup) {
  Load(*Standard());
  GroupList()->SetCurrentRow(1);  // program 3
  Button("copyLeft")->click();
  EXPECT_EQ(triggered, QStringList{"deleteProgram"});
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[0]), (std::vector<int>{2, 21}));
  EXPECT_EQ(Members(Db().channelLists.favoriteGroups[1]), std::vector<int>{3});
  EXPECT_EQ(Db().programs[3].State(), SlotState::Used);
  EXPECT_EQ(Entries(Db().channelLists.tvList).size(), 12u);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(GroupChListsTest, DeleteWithoutASelectionDoesNothing) {
  Load(*Standard());
  page->Actions().deleteProgram->trigger();
  EXPECT_EQ(Entries(Db().channelLists.tvList).size(), 12u);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(GroupChListsTest, KeysAndRightClickTriggerThePagesCommands) {
  Load(*Standard());
  page->show();
  ServiceList()->SetCurrentRow(0);
  QTest::keyClick(ServiceList(), Qt::Key_Delete);
  EXPECT_EQ(triggered, QStringList{"deleteProgram"});
  EXPECT_EQ(Db().programs[0].State(), SlotState::Deleted);
  QTest::keyClick(GroupList(), Qt::Key_Insert);  // "Add Program", cancelled
  EXPECT_EQ(triggered.back(), "addProgram");
  QTest::keyClick(GroupList(), Qt::Key_A);
  EXPECT_EQ(triggered.size(), 2);

  QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(105, 205));
  QApplication::sendEvent(GroupList()->viewport(), &menu);
  const auto menus = Prompt::TakeMenus();
  ASSERT_EQ(menus.size(), 1);
  EXPECT_EQ(menus[0].first, "PopMenu");
  EXPECT_EQ(menus[0].second, QPoint(105, 205));
}

TEST_F(GroupChListsTest, DamagedTablesAreShownWithoutReadingOrWritingPastThem) {
  auto db = Standard();
  db->channelLists.radioList.SetCount(5000);
  db->channelLists.radioList.SetEntry(0, 4321);  // past the program table
  db->channelLists.favoriteGroups[1].SetMemberCount(300);
  db->programs[5].SetTransponderIndex(0xFFFF);
  db->transponders[7].SetSatelliteIndex(1000);
  db->transponders[7].SetState(SlotState::Used);
  db->programs[6].SetTransponderIndex(7);
  Load(*db);
  ServiceList()->SetCurrentRow(5);
  EXPECT_EQ(Child<QLabel>(*page, "satellite")->text(), "?");
  ServiceList()->SetCurrentRow(6);
  EXPECT_EQ(Child<QLabel>(*page, "satellite")->text(), "?");

  Kind()->setCurrentIndex(1);
  EXPECT_EQ(ServiceList()->RowCount(), 4000);
  EXPECT_EQ(ServiceList()->RowText(0), "?");
  ServiceList()->SetCurrentRow(1);
  ASSERT_TRUE(page->Info().Valid());
  ASSERT_FALSE(Child<QLineEdit>(*page, "name")->text().isEmpty());
  // The "?" row shows nothing of the program selected before it, and Update is off.
  ServiceList()->SetCurrentRow(0);
  EXPECT_FALSE(page->Info().Valid());
  for (const char* name : {"name", "videoPid", "audioPid", "pcrPid", "ttextPid", "serviceId", "pmt"})
    EXPECT_TRUE(Child<QLineEdit>(*page, name)->text().isEmpty()) << name;
  EXPECT_EQ(Child<QLabel>(*page, "satellite")->text(), "");
  EXPECT_FALSE(Button("update")->isEnabled());
  ServiceList()->SetCurrentRow(1);
  EXPECT_TRUE(Button("update")->isEnabled());
  ServiceList()->SetCurrentRow(0);

  GroupCombo()->setCurrentIndex(1);
  EXPECT_EQ(GroupList()->RowCount(), 100);
  // A group claiming more than 100 members counts as full.
  ServiceList()->SetCurrentRow(1);
  Button("copyRight")->click();
  EXPECT_EQ(Db().channelLists.favoriteGroups[1].MemberCount(), 300u);
}

TEST_F(GroupChListsTest, ControlsCarryTheirLabelsForScreenReaders) {
  Load(*Standard());
  for (const char* name : {"name", "videoPid", "audioPid", "pcrPid", "ttextPid", "serviceId", "pmt"})
    EXPECT_FALSE(Child<QLineEdit>(*page, name)->accessibleName().isEmpty()) << name;
  EXPECT_EQ(Child<QComboBox>(*page, "type")->accessibleName(), "Type");
  EXPECT_EQ(Button("copyRight")->text(), "-->");
  EXPECT_FALSE(Child<QComboBox>(*page, "ageLimit")->isVisibleTo(page.get()));
  EXPECT_FALSE(Child<QCheckBox>(*page, "cas")->isVisibleTo(page.get()));
  EXPECT_EQ(CPageGroupCh::Title(), "Group/Channel");
}

}  // namespace

// Which edits made elsewhere the page heeds (the rows show satellites and transponders
// too), and which of them make it rebuild itself.
TEST(GroupChConcerns, ListsGroupsProgramsAndWhatTheRowsShow) {
  using Kind = StepSubject::Kind;
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");  // slot 1 stays unused: a deleted satellite
  struct Case {
    const char* what;
    unsigned touched;
    StepSubject subject;
    bool concerns;
    bool rebuilds;
  };
  const auto bit = [](Kind k) { return DocChange::KindBit(k); };
  const Case cases[] = {
      {"program", bit(Kind::Program), {Kind::Program, 3, -1}, true, false},
      {"group", bit(Kind::Group), {Kind::Group, 1, 2}, true, false},
      {"TV list", bit(Kind::TvList), {Kind::TvList, -1, 0}, true, false},
      {"radio list", bit(Kind::RadioList), {Kind::RadioList, -1, 0}, true, false},
      {"satellite renamed", bit(Kind::Satellite), {Kind::Satellite, 0, -1}, true, false},
      {"satellite deleted", bit(Kind::Satellite) | bit(Kind::Transponder), {Kind::Satellite, 1, -1}, true, true},
      {"transponder", bit(Kind::Transponder), {Kind::Transponder, 4, -1}, true, false},
      {"nothing the page shows", 0, {}, false, false},
  };
  for (const Case& c : cases) {
    DocChange change;
    change.touched = c.touched;
    change.subject = c.subject;
    EXPECT_EQ(CPageGroupCh::SatelliteDeleted(change, *db), c.rebuilds) << c.what;
    EXPECT_EQ(CPageGroupCh::Concerns(change, *db), c.concerns) << c.what;
  }
}
