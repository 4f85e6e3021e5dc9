// The page's panels each keep what they show: the group panel its combo's slots, a list
// panel its rows' programs (a damaged entry read safely), the Info area its program.
#include "GroupChFixture.h"
#include "ui/channels/FavoriteGroupPanel.h"
#include "ui/channels/ProgramInfoArea.h"
#include "ui/channels/ServiceListPanel.h"

namespace {

constexpr int kPastTable = 65000;  // an entry naming no program slot

std::unique_ptr<ChannelDatabase> Damaged() {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutTransponder(*db, 0, 0, 11000);
  for (int p = 0; p < 4; ++p) PutProgram(*db, p, "P" + std::to_string(p));
  PutList(db->channelLists.tvList, {2, kPastTable, 0, 2});
  PutGroup(*db, 1, "News", {3, 1});
  PutGroup(*db, 5, "Films", {0});
  return db;
}

class GroupChPanelsTest : public GroupChPageTest {
 protected:
  template <typename P>
  P& Panel() {
    auto* panel = page->findChild<P*>();
    EXPECT_NE(panel, nullptr);
    return *panel;
  }
};

TEST_F(GroupChPanelsTest, TheGroupPanelListsUsedGroupsAndKnowsTheirSlots) {
  Load(*Damaged());
  auto& groups = Panel<FavoriteGroupPanel>();
  EXPECT_EQ(ComboRows(GroupCombo()), (QStringList{"News", "Films"}));
  const struct {
    int slot, comboRow;
  } cases[] = {{1, 0}, {5, 1}, {0, -1}, {7, -1}, {-1, -1}};
  for (const auto& c : cases) EXPECT_EQ(groups.ComboRowOf(c.slot), c.comboRow) << c.slot;
  EXPECT_EQ(groups.CurrentGroup(), 1);
  GroupCombo()->setCurrentIndex(1);
  EXPECT_EQ(groups.CurrentGroup(), 5);
  EXPECT_EQ(page->State().CurrentGroup(), 5);
  EXPECT_EQ(Rows(GroupList()).size(), 1);
}

TEST_F(GroupChPanelsTest, AListPanelReadsADamagedEntrySafely) {
  Load(*Damaged());
  auto& services = Panel<ServiceListPanel>();
  ASSERT_EQ(services.Count(), 4);
  const struct {
    int row, program;
  } rows[] = {{0, 2}, {1, kPastTable}, {2, 0}, {3, 2}, {4, -1}, {-1, -1}};
  for (const auto& r : rows) EXPECT_EQ(services.ProgramAt(r.row), r.program) << r.row;
  EXPECT_EQ(services.RowOf(2), 0) << "the first row showing it";
  EXPECT_EQ(services.RowOf(3), -1);
  EXPECT_EQ(ServiceList()->RowText(1), "?");
  EXPECT_TRUE(services.SearchKeys(1).row->name.empty());
  EXPECT_EQ(services.SearchKeys(2).row->name, U"P0");
}

// A row naming no program empties the area and turns "Update" off:
// GroupChListsTest.DamagedTablesAreShownWithoutReadingOrWritingPastThem.
TEST_F(GroupChPanelsTest, TheInfoAreaKnowsItsProgram) {
  Load(*Damaged());
  auto& info = Panel<ProgramInfoArea>();
  ServiceList()->SetCurrentRow(2);
  EXPECT_TRUE(info.Valid());
  EXPECT_EQ(info.Program(), 0);
  EXPECT_TRUE(info.Resolve()) << "nothing typed: nothing to ask";
  ServiceList()->SetCurrentRow(1);
  EXPECT_FALSE(info.Valid());
}

}  // namespace
