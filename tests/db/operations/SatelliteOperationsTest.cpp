// Satellite and transponder edits: the Sat. Info "Update", the listed-transponder scan,
// and, for every satellite and transponder operation, that the bits the receiver keeps
// in the words an operation does not name come out as they went in.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "db/operations/DatabaseOperations.h"
#include "db/operations/SatelliteOperations.h"
#include "db/records/ByteOrder.h"
#include "db/records/ListedTransponders.h"
#include "support/DbBuilders.h"
#include "support/RandomBytes.h"

namespace {

using bytes::Mask;

// Bits an operation may change, per record; everything else must be unchanged.
struct SatMask {
  std::uint32_t flags = 0, lnb = 0, motor = 0;
  bool nameAndFrequencies = false;
};
struct TpMask {
  std::uint32_t flags = 0, frequency = 0, symbol = 0;
};

// Every satellite and transponder byte random; satellites 0-3 Used, the rest Deleted;
// transponders 0-9 Used and listed on satellite 1, no other transponder Used there.
class SatelliteBits : public ::testing::Test {
 protected:
  static constexpr int kSatellite = 1;

  void SetUp() override {
    testdata::FillRandom(db, 20261207);
    for (int s = 0; s < 160; ++s) {
      auto& sat = db.satellites[std::size_t(s)];
      sat.SetState(s < 4 ? SlotState::Used : SlotState::Deleted);
      sat.SetName("Sat" + std::to_string(s));
    }
    for (int t = 0; t < 2100; ++t) {
      auto& tp = db.transponders[std::size_t(t)];
      if (t < 10) {
        tp.SetState(SlotState::Used);
        tp.SetHiddenBits(0);
        tp.SetSatelliteIndex(kSatellite);
      } else if (tp.SatelliteIndex() == kSatellite) {
        tp.SetSatelliteIndex(kSatellite + 100);
      }
    }
    *before = db;
  }

  template <class SatFn, class TpFn>
  void ExpectOnlyNamedBitsChanged(SatFn satMask, TpFn tpMask) {
    for (int i = 0; i < 160; ++i) {
      SCOPED_TRACE("satellite " + std::to_string(i));
      const auto& b = before->satellites[std::size_t(i)];
      const auto& a = db.satellites[std::size_t(i)];
      const SatMask m = satMask(i);
      EXPECT_EQ(b.Flags() & ~m.flags, a.Flags() & ~m.flags);
      EXPECT_EQ(b.LnbWord() & ~m.lnb, a.LnbWord() & ~m.lnb);
      EXPECT_EQ(b.MotorWord() & ~m.motor, a.MotorWord() & ~m.motor);
      if (!m.nameAndFrequencies) {
        EXPECT_EQ(std::memcmp(b.Bytes() + 4, a.Bytes() + 4, 16), 0);
        EXPECT_EQ(std::memcmp(b.Bytes() + 28, a.Bytes() + 28, 4), 0);
      }
    }
    for (int i = 0; i < 2100; ++i) {
      SCOPED_TRACE("transponder " + std::to_string(i));
      const auto& b = before->transponders[std::size_t(i)];
      const auto& a = db.transponders[std::size_t(i)];
      const TpMask m = tpMask(i);
      EXPECT_EQ(b.Flags() & ~m.flags, a.Flags() & ~m.flags);
      EXPECT_EQ(b.Reserved4(), a.Reserved4());
      EXPECT_EQ(b.Reserved6(), a.Reserved6());
      EXPECT_EQ(b.FrequencyWord() & ~m.frequency, a.FrequencyWord() & ~m.frequency);
      EXPECT_EQ(b.SymbolWord() & ~m.symbol, a.SymbolWord() & ~m.symbol);
    }
    EXPECT_EQ(std::memcmp(&before->programs, &db.programs, sizeof db.programs), 0);
    EXPECT_EQ(std::memcmp(&before->channelLists, &db.channelLists, sizeof db.channelLists), 0);
  }

  dbops::SatelliteSettings AsStored(int slot) const {
    const SatelliteRecord& s = db.satellites[std::size_t(slot)];
    dbops::SatelliteSettings v;
    v.tone22k = s.Tone22k();
    v.motor = int(s.Motor());
    v.selected = s.Selected();
    v.lnbPower = s.LnbPower();
    v.diseqcPort = int(s.DiseqcPort());
    v.lnbType = int(s.LnbType());
    v.name = s.Name();
    v.lnbFreqHigh = s.LnbFreqHigh();
    v.lnbFreqLow = s.LnbFreqLow();
    return v;
  }

  std::unique_ptr<ChannelDatabase> owned = std::make_unique<ChannelDatabase>();
  ChannelDatabase& db = *owned;
  std::unique_ptr<ChannelDatabase> before = std::make_unique<ChannelDatabase>();
};

TEST_F(SatelliteBits, UpdateChangesOnlyTheSettingsItWrites) {
  dbops::SatelliteSettings v = AsStored(kSatellite);
  v.tone22k = !v.tone22k;
  v.selected = !v.selected;
  v.motor = 1;
  v.lnbType = 1;
  v.diseqcPort = 5;
  v.lnbPower = 1;
  v.name = "Renamed";
  v.lnbFreqHigh = 10600;
  v.lnbFreqLow = 9750;
  EXPECT_TRUE(dbops::UpdateSatellite(db, kSatellite, v));

  const auto& s = db.satellites[kSatellite];
  EXPECT_EQ(s.LnbType(), 1u);
  EXPECT_EQ(s.DiseqcPort(), 5u);
  EXPECT_TRUE(s.LnbPower());
  EXPECT_EQ(s.Motor(), 1u);
  EXPECT_EQ(s.Name(), "Renamed");
  EXPECT_EQ(s.LnbFreqLow(), 9750);
  ExpectOnlyNamedBitsChanged(
      [](int i) {
        return i == kSatellite ? SatMask{Mask(16, 16), Mask(18, 26), Mask(0, 1), true} : SatMask{};
      },
      [](int) { return TpMask{}; });
}

TEST_F(SatelliteBits, EditAndDeleteTransponderChangeOnlyTheirFields) {
  ASSERT_TRUE(dbops::SaveTransponder(db, 12345, 23456, 1, kSatellite, 3));
  EXPECT_EQ(db.transponders[3].Frequency(), 12345);
  EXPECT_EQ(db.transponders[3].SymbolRate(), 23456);
  ExpectOnlyNamedBitsChanged([](int) { return SatMask{}; },
                             [](int i) { return i == 3 ? TpMask{0, Mask(0, 15), Mask(0, 16)} : TpMask{}; });

  *before = db;
  dbops::DeleteTransponder(db, 5);
  EXPECT_EQ(db.transponders[5].State(), SlotState::Deleted);
  ExpectOnlyNamedBitsChanged([](int) { return SatMask{}; },
                             [](int i) { return i == 5 ? TpMask{Mask(0, 1) | Mask(17, 17), 0, 0} : TpMask{}; });
}

TEST_F(SatelliteBits, DeleteSatelliteChangesOnlyStatesAndFlags) {
  dbops::DeleteSatellite(db, kSatellite);
  EXPECT_EQ(db.satellites[kSatellite].State(), SlotState::Deleted);
  ExpectOnlyNamedBitsChanged(
      [](int i) { return i == kSatellite ? SatMask{Mask(0, 1) | Mask(16, 16)} : SatMask{}; },
      [this](int i) {
        const auto& t = before->transponders[std::size_t(i)];
        const bool ours = t.IsUsed() && t.SatelliteIndex() == kSatellite;
        return ours ? TpMask{Mask(0, 1) | Mask(17, 17), 0, 0} : TpMask{};
      });
}

TEST_F(SatelliteBits, AddSatelliteOverAnExistingOneKeepsItsPreservedBits) {
  ASSERT_TRUE(dbops::AddSatellite(db, "Sat2"));
  const auto& s = db.satellites[2];
  EXPECT_EQ(s.SelfIndex(), 2u);
  EXPECT_EQ(s.LnbWord(), 0u);
  ExpectOnlyNamedBitsChanged(
      [](int i) { return i == 2 ? SatMask{Mask(0, 16), 0xFFFFFFFFu, Mask(0, 9), true} : SatMask{}; },
      [](int) { return TpMask{}; });
  EXPECT_EQ(s.Flags() & Mask(17, 31), before->satellites[2].Flags() & Mask(17, 31));
}

TEST_F(SatelliteBits, UpdateKeepsWhatAListCouldNotShowAndMasksTheRest) {
  SatelliteRecord& s = db.satellites[kSatellite];
  s.SetLnbType(9);
  s.SetDiseqcPort(7);
  dbops::SatelliteSettings v = AsStored(kSatellite);
  v.lnbType = -1;
  v.diseqcPort = -1;
  v.lnbPower = -1;
  const bool power = s.LnbPower();
  v.motor = 6;        // only its low two bits fit
  v.tone22k = 2;      // bit 0 only: off
  v.lnbFreqHigh = 70000;
  v.lnbFreqLow = 65536;
  EXPECT_FALSE(dbops::UpdateSatellite(db, kSatellite, v)) << "same name: not renamed";
  EXPECT_EQ(s.LnbType(), 9u);
  EXPECT_EQ(s.DiseqcPort(), 7u);
  EXPECT_EQ(s.LnbPower(), power);
  EXPECT_EQ(s.Motor(), 2u);
  EXPECT_FALSE(s.Tone22k());
  EXPECT_EQ(s.LnbFreqHigh(), 70000 - 65536);
  EXPECT_EQ(s.LnbFreqLow(), 0);
}

TEST_F(SatelliteBits, AnUnchangedNameIsNotRewrittenAndAFullOneStaysInItsField) {
  SatelliteRecord& s = db.satellites[kSatellite];
  // Whatever the receiver keeps after the name's end survives an update of the others.
  std::uint8_t* name = s.Bytes() + 4;
  name[8] = 0x5A;
  dbops::SatelliteSettings v = AsStored(kSatellite);
  v.lnbFreqLow = 1234;
  EXPECT_FALSE(dbops::UpdateSatellite(db, kSatellite, v));
  EXPECT_EQ(name[8], 0x5A);

  const std::uint32_t lnb = s.LnbWord();
  v.name = "ABCDEFGHIJKLMNOPQ";  // one past the field: cut
  EXPECT_TRUE(dbops::UpdateSatellite(db, kSatellite, v));
  EXPECT_EQ(std::memcmp(name, "ABCDEFGHIJKLMNOP", 16), 0);
  EXPECT_EQ(s.LnbWord(), lnb);
}

TEST_F(SatelliteBits, UpdateOfASlotOutsideTheTableWritesNothing) {
  for (int slot : {-1, 160, 1000}) EXPECT_FALSE(dbops::UpdateSatellite(db, slot, AsStored(0)));
  EXPECT_EQ(std::memcmp(&db, before.get(), sizeof db), 0);
}

class Listed : public ::testing::Test {
 protected:
  void Put(int slot, int satellite, SlotState state = SlotState::Used, std::uint32_t hidden = 0) {
    testkit::PutTransponder(db, slot, satellite, 11000, 27500, 0, state, hidden);
  }
  std::vector<int> Rows(int satellite) {
    const ListedTransponders l = dbops::ListTransponders(db, satellite);
    return {l.rows.begin(), l.rows.begin() + l.count};
  }
  std::unique_ptr<ChannelDatabase> owned = std::make_unique<ChannelDatabase>();
  ChannelDatabase& db = *owned;
};

TEST_F(Listed, UsedAndVisibleTranspondersOfTheSatelliteInSlotOrder) {
  Put(0, 3);
  Put(2, 4);
  Put(5, 3, SlotState::Used, 2);  // hidden
  Put(7, 3, SlotState::Deleted);
  Put(9, 3);
  Put(11, 3, SlotState::Empty);
  EXPECT_EQ(Rows(3), (std::vector<int>{0, 9}));
  EXPECT_EQ(Rows(4), std::vector<int>{2});
  // Empty slots are all-zero: they name satellite 0 but are never listed.
  EXPECT_TRUE(Rows(0).empty());
  EXPECT_TRUE(Rows(-1).empty());
}

TEST_F(Listed, StopsAtTheSatellitesNextTransponderAfter150Rows) {
  for (int t = 0; t < 200; ++t) Put(t, 1, t == 3 ? SlotState::Deleted : SlotState::Used);
  const ListedTransponders l = dbops::ListTransponders(db, 1);
  ASSERT_EQ(l.count, 150);
  EXPECT_EQ(l.rows[2], 2);
  EXPECT_EQ(l.rows[3], 4) << "the deleted slot is skipped";
  EXPECT_EQ(l.rows[149], 150);
}

}  // namespace
