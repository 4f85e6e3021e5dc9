// The job a fresh rescan asks for, done in the real window as a user does it: twenty
// chosen channels put at the top of a shuffled 350-row TV list, in order. Each channel
// is found by typing its name (or its service ID, for one of fifteen rows named "News";
// on a rescan with look-alike names, its name and satellite) into the search field and
// placed with Ctrl+Enter; the texts typed and the keys and clicks besides are counted.
#include <QLineEdit>
#include <QStatusBar>
#include <QUndoStack>
#include <QtTest/QTest>
#include <algorithm>
#include <array>
#include <cstring>
#include <iostream>
#include <random>
#include <vector>

#include "AppTestSupport.h"
#include "support/DbBuilders.h"
#include "support/PageTest.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/GroupChListView.h"

using testkit::Child;

namespace {

// What the user types to find each chosen channel, in the order wanted. "28106" is the
// service ID of the one "News" wanted among fifteen.
const char* const kWanted[] = {"Das Erste", "ZDF HD", "RTL Television", "SAT.1", "ProSieben", "VOX",
                               "kabel eins", "RTL ZWEI", "3sat", "arte", "phoenix", "KiKA", "ZDFneo",
                               "tagesschau24", "n-tv", "WELT", "Eurosport 1", "DMAX", "Tele 5", "28106"};
constexpr int kRows = 350;
constexpr int kNewsSid = 28106;

// 20 chosen channels, 15 rows named "News" on three satellites and filler, shuffled.
std::unique_ptr<ChannelDatabase> RescanDb() {
  using namespace testkit;
  auto db = EmptyDb();
  for (int s = 0; s < 3; ++s) {
    PutSatellite(*db, s, std::array{"Astra", "Hotbird", "Eutelsat"}[s]);
    PutTransponder(*db, s, s, std::uint16_t(11494 + 20 * s), 27500, std::uint32_t(s % 2));
  }
  int slot = 0;
  const auto put = [&](const std::string& name, int sid) {
    PutProgram(*db, slot, name, slot % 3).SetServiceId(std::uint16_t(sid));
    ++slot;
  };
  for (const char* wanted : kWanted)
    if (std::string(wanted) != std::to_string(kNewsSid)) put(wanted, 500 + slot);
  for (int n = 0; n < 15; ++n) put("News", n == 7 ? kNewsSid : 28000 + n);
  while (slot < kRows) put("Filler " + std::to_string(slot), 1000 + slot);
  std::vector<int> order(kRows);
  for (int i = 0; i < kRows; ++i) order[std::size_t(i)] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(24));
  PutList(db->channelLists.tvList, order);
  return db;
}

// A rescan of look-alike names: "Kino 1", "Kino 10" and "kino 1" (on another satellite),
// three "News 24" on three satellites, "RTL", "RTL II" and "SUPER RTL", and 330 rows of
// filler, shuffled. What the user types for each of the twenty wanted, in order, and the
// slot of the program meant.
struct Wanted {
  const char* typed;
  int program;
};
std::unique_ptr<ChannelDatabase> LookAlikeDb(std::vector<Wanted>& wanted) {
  using namespace testkit;
  auto db = EmptyDb();
  for (int s = 0; s < 3; ++s) {
    PutSatellite(*db, s, std::array{"Astra 19.2E", "Hotbird 13E", "Eutelsat 9E"}[s]);
    PutTransponder(*db, s, s, std::uint16_t(11494 + 20 * s), 27500, std::uint32_t(s % 2));
  }
  int slot = 0;
  const auto put = [&](const std::string& name, int satellite) {
    PutProgram(*db, slot, name, satellite).SetServiceId(std::uint16_t(2000 + slot));
    return slot++;
  };
  // Typed as a person would: the name, and the satellite where the name alone is shared.
  const struct {
    const char* name;
    int satellite;
    const char* typed;  // null: not wanted
  } programs[] = {
      {"Das Erste", 0, "Das Erste"}, {"Kino 10", 0, "Kino 10"},     {"RTL II", 0, "RTL II"},
      {"News 24", 0, nullptr},       {"kino 1", 1, nullptr},         {"RTL", 0, "RTL"},
      {"SUPER RTL", 0, "SUPER RTL"}, {"News 24", 1, "News 24 hotbird"}, {"Kino 1", 0, "Kino 1 astra"},
      {"News 24", 2, "news 24 eutelsat"}, {"ZDF", 0, "ZDF"},     {"ZDF HD", 0, "ZDF HD"},
      {"SAT.1", 0, "SAT.1"},         {"ProSieben", 0, "ProSieben"},  {"VOX", 0, "VOX"},
      {"kabel eins", 0, "kabel eins"}, {"3sat", 0, "3sat"},          {"arte", 0, "arte"},
      {"KiKA", 0, "KiKA"},           {"n-tv", 0, "n-tv"},            {"WELT", 0, "WELT"},
      {"RTL Television", 0, nullptr}, {"Kinowelt", 0, nullptr},     {"ZDFneo", 0, nullptr},
      {"phoenix", 2, "phoenix"},
  };
  for (const auto& p : programs) {
    const int program = put(p.name, p.satellite);
    if (p.typed) wanted.push_back({p.typed, program});
  }
  while (slot < kRows) put("Filler " + std::to_string(slot), slot % 3);
  // The order the user wants: not the order of the scan.
  std::shuffle(wanted.begin(), wanted.end(), std::mt19937(7));
  std::vector<int> order(kRows);
  for (int i = 0; i < kRows; ++i) order[std::size_t(i)] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(35));
  PutList(db->channelLists.tvList, order);
  return db;
}

class OrderJobTest : public apptest::WindowTest {
 protected:
  // Every key press and click the user makes goes through these and is counted; typing a
  // text is one text typed, as a person counts it, whatever its length.
  void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
    ++keys_;
  }
  void Key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(w, key, modifiers);
    ++keys_;
  }
  void Type(QWidget* w, const char* text) {
    QTest::keyClicks(w, QString::fromUtf8(text));
    ++texts_;
    characters_ += int(std::strlen(text));
  }
  void Report() const {
    std::cout << "[ JOB      ] " << texts_ << " texts typed (" << characters_ << " characters), " << keys_
              << " keys and clicks besides\n";
  }

  int keys_ = 0;
  int texts_ = 0;
  int characters_ = 0;
};

TEST_F(OrderJobTest, TwentyChosenChannelsGoToTheTopInOrderInAtMostSixtyActions) {
  const auto db = RescanDb();
  StartWith(*db);
  Sheet().setCurrentWidget(Sheet().GroupChPage());
  CPageGroupCh& page = *Sheet().GroupChPage();
  auto* search = Child<QLineEdit>(page, "serviceSearch");
  auto* list = Child<GroupChListView>(page, "serviceList");
  ASSERT_EQ(list->RowCount(), kRows);
  const std::vector<int> before = testkit::Entries(Doc().Working().channelLists.tvList);

  Click(search);
  for (const char* wanted : kWanted) {
    Type(search, wanted);
    Key(search, Qt::Key_Return, Qt::ControlModifier);
  }

  EXPECT_LE(keys_ + texts_, 60);
  EXPECT_EQ(texts_, 20) << "a name each";
  EXPECT_EQ(keys_, 21) << "a click, then Ctrl+Enter for each channel";
  Report();

  // The twenty at the top in the order wanted, the rest after them as they were.
  const std::vector<int> after = testkit::Entries(Doc().Working().channelLists.tvList);
  ASSERT_EQ(after.size(), std::size_t(kRows));
  for (int i = 0; i < 20; ++i) {
    const ProgramRecord& p = Doc().Working().programs[std::size_t(after[std::size_t(i)])];
    const std::string wanted = kWanted[i];
    if (wanted == std::to_string(kNewsSid))
      EXPECT_EQ(p.ServiceId(), std::uint32_t(kNewsSid)) << "row " << i + 1;
    else
      EXPECT_EQ(p.Name(), wanted) << "row " << i + 1;
  }
  std::vector<int> rest;
  for (int program : before)
    if (std::find(after.begin(), after.begin() + 20, program) == after.begin() + 20) rest.push_back(program);
  EXPECT_TRUE(std::equal(rest.begin(), rest.end(), after.begin() + 20));
  // Each placement is one step, undone one at a time.
  EXPECT_EQ(Stack().count(), 20);
  EXPECT_EQ(search->selectedText(), QString::fromUtf8(kWanted[19]));
}

// The same job where a name found first in the list is not the one typed ("Kino 10" for
// "Kino 1", "SUPER RTL" for "RTL"): the row named as typed goes first, a name shared on
// several satellites takes its satellite typed after it, and no service ID is needed.
// The status bar names each program placed.
TEST_F(OrderJobTest, OnARescanOfLookAlikeNamesEveryChannelIsPlacedRightByName) {
  std::vector<Wanted> wanted;
  const auto db = LookAlikeDb(wanted);
  ASSERT_EQ(wanted.size(), 20u);
  StartWith(*db);
  Sheet().setCurrentWidget(Sheet().GroupChPage());
  CPageGroupCh& page = *Sheet().GroupChPage();
  auto* search = Child<QLineEdit>(page, "serviceSearch");

  Click(search);
  for (const Wanted& w : wanted) {
    Type(search, w.typed);
    Key(search, Qt::Key_Return, Qt::ControlModifier);
  }
  EXPECT_EQ(texts_, 20) << "a name, or a name and its satellite, each";
  EXPECT_EQ(keys_, 21);
  Report();

  const std::vector<int> after = testkit::Entries(Doc().Working().channelLists.tvList);
  for (std::size_t i = 0; i < wanted.size(); ++i)
    EXPECT_EQ(after[i], wanted[i].program) << "No. " << i + 1 << ", typed " << wanted[i].typed;
  const ProgramRecord& last = Doc().Working().programs[std::size_t(wanted.back().program)];
  const QString named = QString::fromStdString(last.Name());
  EXPECT_TRUE(Frame().statusBar()->currentMessage().startsWith(named + QStringLiteral(" ("))) <<
      Frame().statusBar()->currentMessage().toStdString();
  EXPECT_TRUE(Frame().statusBar()->currentMessage().endsWith(QStringLiteral("placed at No. 20; next place No. 21")))
      << Frame().statusBar()->currentMessage().toStdString();
}

}  // namespace
