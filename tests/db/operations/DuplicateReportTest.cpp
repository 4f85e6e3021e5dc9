// Finding the programs a rescan doubled, the informational same-name list, and
// deleting the ones the user does not keep.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "db/operations/DuplicateReport.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"

namespace {

using V = std::vector<int>;

V Programs(const dbops::DuplicateSet& set) {
  V out;
  for (const auto& e : set) out.push_back(e.program);
  return out;
}

class Duplicates : public ::testing::Test {
 protected:
  void SetUp() override {
    testkit::PutSatellite(db, 0, "East");
    testkit::PutSatellite(db, 1, "West");
    testkit::PutTransponder(db, 0, 0, 11000, 27500, 0);
    testkit::PutTransponder(db, 1, 0, 11000, 22000,
                            0);                          // the same carrier found again
    testkit::PutTransponder(db, 2, 0, 11000, 27500, 1);  // other polarization
    testkit::PutTransponder(db, 3, 1, 11000, 27500, 0);  // other satellite
    Put(0, "News", 0, 100);
    Put(1, "Sport", 0, 101);
    Put(2, "News", 1, 100);   // duplicate of 0
    Put(3, "News", 2, 100);   // not: polarization differs
    Put(4, "Film", 3, 101);   // not: satellite differs
    Put(5, "Sport", 1, 101);  // duplicate of 1
    Put(6, "Sport", 0, 101);  // and again, unlisted
    Put(7, "Gone", 1, 100);
    db.programs[7].SetState(SlotState::Deleted);
    Put(8, "Lost", 2100, 100);  // transponder past the table
    testkit::PutList(db.channelLists.tvList, {5, 2, 0, 3, 1, 4});
    testkit::PutGroup(db, 3, "Fav", {2, 5});
    testkit::PutGroup(db, 6, "More", {5});
  }
  void Put(int slot, const std::string& name, int tp, std::uint16_t sid) {
    testkit::PutProgram(db, slot, name, tp).SetServiceId(sid);
  }
  std::unique_ptr<ChannelDatabase> owned = testkit::EmptyDb();
  ChannelDatabase& db = *owned;
};

TEST_F(Duplicates, SetsShareSatelliteFrequencyPolarizationAndServiceIdInListOrder) {
  const dbops::DuplicateReport r = dbops::FindDuplicateReport(db);
  ASSERT_EQ(r.duplicates.size(), 2u);
  EXPECT_EQ(Programs(r.duplicates[0]), (V{5, 1, 6})) << "TV list order, the unlisted one last";
  EXPECT_EQ(Programs(r.duplicates[1]), (V{2, 0}));
  const dbops::DuplicateEntry& first = r.duplicates[0][0];
  EXPECT_EQ(first.tvRow, 0);
  EXPECT_EQ(first.radioRow, -1);
  EXPECT_EQ(first.groups, (1u << 3) | (1u << 6));
  EXPECT_EQ(r.duplicates[0][2].tvRow, -1);
  EXPECT_EQ(r.duplicates[1][0].groups, 1u << 3);
}

TEST_F(Duplicates, TheSameNameOnAnotherTransponderIsOnlyReported) {
  testkit::PutList(db.channelLists.radioList, {3});
  const dbops::DuplicateReport r = dbops::FindDuplicateReport(db);
  // "News" lies on two carriers (0/2 share one, 3 another); "Sport" on one
  // only.
  ASSERT_EQ(r.sameName.size(), 1u);
  EXPECT_EQ(Programs(r.sameName[0]), (V{2, 0, 3}));
  EXPECT_EQ(r.sameName[0][2].radioRow, 0);
}

TEST_F(Duplicates, NothingIsFoundInAnEmptyOrFullDatabase) {
  const auto empty = testkit::EmptyDb();
  EXPECT_TRUE(dbops::FindDuplicateReport(*empty).duplicates.empty());
  EXPECT_TRUE(dbops::FindDuplicateReport(*empty).sameName.empty());
  // Every slot Used, every name different, programs on one transponder differ
  // in service id.
  sample::BuildFullDatabase(*empty);
  EXPECT_TRUE(dbops::FindDuplicateReport(*empty).duplicates.empty());
  EXPECT_TRUE(dbops::FindDuplicateReport(*empty).sameName.empty());
}

TEST_F(Duplicates, DeletingTakesEveryOccurrenceOutOfBothListsAndTheGroups) {
  testkit::PutList(db.channelLists.radioList, {1, 5, 3, 5});
  const auto before = std::make_unique<ChannelDatabase>(db);
  EXPECT_EQ(dbops::DeletePrograms(db, V{5, 6, 5, -1, 4000}), 2);
  // Satellites and transponders are not the delete's business.
  EXPECT_EQ(0, std::memcmp(&db.satellites, &before->satellites, sizeof db.satellites));
  EXPECT_EQ(0, std::memcmp(&db.transponders, &before->transponders, sizeof db.transponders));
  EXPECT_EQ(testkit::Entries(db.channelLists.tvList), (V{2, 0, 3, 1, 4}));
  EXPECT_EQ(testkit::Entries(db.channelLists.radioList), (V{1, 3}));
  EXPECT_EQ(db.channelLists.radioList.Entry(2), 0) << "freed places are zeroed";
  EXPECT_EQ(db.channelLists.radioList.Entry(3), 0);
  EXPECT_EQ(testkit::Members(db.channelLists.favoriteGroups[3]), (V{2}));
  EXPECT_TRUE(testkit::Members(db.channelLists.favoriteGroups[6]).empty());
  EXPECT_EQ(db.channelLists.favoriteGroups[6].State(), SlotState::Used) << "an emptied group stays";
  EXPECT_EQ(db.programs[5].State(), SlotState::Deleted);
  EXPECT_EQ(db.programs[6].State(), SlotState::Deleted);
  EXPECT_EQ(Programs(dbops::FindDuplicateReport(db).duplicates.at(0)), (V{2, 0}));
  EXPECT_EQ(dbops::FindDuplicateReport(db).duplicates.size(), 1u);
}

}  // namespace
