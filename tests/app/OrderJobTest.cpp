// The job a fresh rescan asks for, done in the real window as a user does it: twenty
// chosen channels put at the top of a shuffled 350-row TV list, in order. Each channel
// is found by typing its name (or its service ID, for one of fifteen rows named "News")
// into the search field and placed with Ctrl+Enter; the keys and clicks are counted.
#include <QLineEdit>
#include <QUndoStack>
#include <QtTest/QTest>
#include <algorithm>
#include <array>
#include <cstring>
#include <iostream>
#include <random>

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

class OrderJobTest : public apptest::WindowTest {
 protected:
  // Every key press and click the user makes goes through these, and is counted; typing a
  // name is one action, as a person counts it.
  void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
    ++actions_;
  }
  void Key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(w, key, modifiers);
    ++actions_;
  }
  void Type(QWidget* w, const char* text) {
    QTest::keyClicks(w, QString::fromUtf8(text));
    ++actions_;
    typed_ += int(std::strlen(text));
  }

  int actions_ = 0;
  int typed_ = 0;
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

  EXPECT_LE(actions_, 60);
  EXPECT_EQ(actions_, 41) << "a click, then a name and Ctrl+Enter for each channel";
  std::cout << "[ JOB      ] " << actions_ << " keys and clicks (" << typed_ << " characters typed)\n";

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

}  // namespace
