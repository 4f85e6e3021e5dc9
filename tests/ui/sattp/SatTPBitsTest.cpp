// Bits the receiver keeps in the satellite and transponder words that an operation does
// not name must come out as they went in. Every word starts with random bits.
#include <cstring>
#include <random>
#include <span>

#include "SatTPFixture.h"
#include "widgets/CommandIds.h"
#include "db/ByteOrder.h"

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

class Bits : public SatTPPageTest {
 protected:
  static constexpr int kSatellites = 4;
  static constexpr int kTpSatellite = 1;

  void SetUp() override {
    SatTPPageTest::SetUp();
    std::mt19937 rng(20261207);
    auto db = EmptyDb();
    for (auto& s : db->satellites)
      for (auto& b : std::span(s.Bytes(), SatelliteRecord::kSize)) b = std::uint8_t(rng());
    for (auto& t : db->transponders)
      for (auto& b : std::span(t.Bytes(), TransponderRecord::kSize)) b = std::uint8_t(rng());
    // Make a few satellites and ten transponders of satellite 1 live and listed; the rest
    // stay in random states, never Used for transponders of satellite 1.
    for (int s = 0; s < 160; ++s) {
      auto& sat = db->satellites[std::size_t(s)];
      sat.SetState(s < kSatellites ? SlotState::Used : SlotState::Deleted);
      sat.SetName("Sat" + std::to_string(s));
    }
    for (int t = 0; t < 2100; ++t) {
      auto& tp = db->transponders[std::size_t(t)];
      if (t < 10) {
        tp.SetState(SlotState::Used);
        tp.SetHiddenBits(0);
        tp.SetSatelliteIndex(kTpSatellite);
      } else if (tp.SatelliteIndex() == kTpSatellite) {
        tp.SetSatelliteIndex(kTpSatellite + 100);
      }
    }
    Load(*db);
    SelectRow(SatList(), kTpSatellite);
    before_ = std::make_unique<ChannelDatabase>(Working());
  }

  // Checks every satellite and transponder against the snapshot under the given masks.
  template <class SatFn, class TpFn>
  void ExpectOnlyNamedBitsChanged(SatFn satMask, TpFn tpMask) {
    for (int i = 0; i < 160; ++i) {
      SCOPED_TRACE("satellite " + std::to_string(i));
      const auto& b = before_->satellites[std::size_t(i)];
      const auto& a = Working().satellites[std::size_t(i)];
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
      const auto& b = before_->transponders[std::size_t(i)];
      const auto& a = Working().transponders[std::size_t(i)];
      const TpMask m = tpMask(i);
      EXPECT_EQ(b.Flags() & ~m.flags, a.Flags() & ~m.flags);
      EXPECT_EQ(b.Reserved4(), a.Reserved4());
      EXPECT_EQ(b.Reserved6(), a.Reserved6());
      EXPECT_EQ(b.FrequencyWord() & ~m.frequency, a.FrequencyWord() & ~m.frequency);
      EXPECT_EQ(b.SymbolWord() & ~m.symbol, a.SymbolWord() & ~m.symbol);
    }
    EXPECT_EQ(std::memcmp(&before_->programs, &Working().programs, sizeof Working().programs), 0);
  }

  std::unique_ptr<ChannelDatabase> before_;
};

TEST_F(Bits, UpdateChangesOnlyTheSettingsItShows) {
  Control<QCheckBox>("tone22k")->setChecked(!Control<QCheckBox>("tone22k")->isChecked());
  Control<QCheckBox>("selected")->setChecked(!Control<QCheckBox>("selected")->isChecked());
  Control<QCheckBox>("motor")->setTristate(false);
  Control<QCheckBox>("motor")->setChecked(true);
  Control<QComboBox>("lnbType")->setCurrentIndex(1);
  Control<QComboBox>("diseqcPort")->setCurrentIndex(5);
  Control<QComboBox>("lnbPower")->setCurrentIndex(1);
  Control<QLineEdit>("name")->setText("Renamed");
  Control<QLineEdit>("lnbFreqHigh")->setText("10600");
  Control<QLineEdit>("lnbFreqLow")->setText("9750");
  Control<QPushButton>("update")->click();

  const auto& s = Working().satellites[kTpSatellite];
  EXPECT_EQ(s.LnbType(), 1u);
  EXPECT_EQ(s.DiseqcPort(), 5u);
  EXPECT_TRUE(s.LnbPower());
  EXPECT_EQ(s.Motor(), 1u);
  EXPECT_EQ(s.LnbFreqLow(), 9750);
  ExpectOnlyNamedBitsChanged(
      [](int i) {
        return i == kTpSatellite
                   ? SatMask{Mask(16, 16), Mask(18, 26), Mask(0, 1), true}
                   : SatMask{};
      },
      [](int) { return TpMask{}; });
}

TEST_F(Bits, EditAndDeleteTransponderChangeOnlyTheirFields) {
  SelectRow(TpList(), 3);
  AnswerTransponder("12345", "23456", 1);
  page->OnCommand(CommandId::kEditTransponder);
  EXPECT_EQ(Working().transponders[3].Frequency(), 12345);
  EXPECT_EQ(Working().transponders[3].SymbolRate(), 23456);
  ExpectOnlyNamedBitsChanged([](int) { return SatMask{}; },
                             [](int i) {
                               return i == 3 ? TpMask{0, Mask(0, 15), Mask(0, 16)} : TpMask{};
                             });

  *before_ = Working();
  SelectRow(TpList(), 5);
  page->OnCommand(CommandId::kDeleteTransponder);
  EXPECT_EQ(Working().transponders[5].State(), SlotState::Deleted);
  ExpectOnlyNamedBitsChanged([](int) { return SatMask{}; },
                             [](int i) {
                               return i == 5 ? TpMask{Mask(0, 1) | Mask(17, 17), 0, 0} : TpMask{};
                             });
}

TEST_F(Bits, DeleteSatelliteChangesOnlyStatesAndFlags) {
  page->OnCommand(CommandId::kDeleteSatellite);
  EXPECT_EQ(Working().satellites[kTpSatellite].State(), SlotState::Deleted);
  ExpectOnlyNamedBitsChanged(
      [](int i) { return i == kTpSatellite ? SatMask{Mask(0, 1) | Mask(16, 16)} : SatMask{}; },
      [this](int i) {
        const auto& t = before_->transponders[std::size_t(i)];
        const bool ours = t.IsUsed() && t.SatelliteIndex() == kTpSatellite;
        return ours ? TpMask{Mask(0, 1) | Mask(17, 17), 0, 0} : TpMask{};
      });
}

TEST_F(Bits, AddSatelliteOverAnExistingOneKeepsItsPreservedBits) {
  AnswerName("Sat2");
  page->OnCommand(CommandId::kAddSatellite);
  const auto& s = Working().satellites[2];
  EXPECT_EQ(s.SelfIndex(), 2u);
  EXPECT_EQ(s.LnbWord(), 0u);
  ExpectOnlyNamedBitsChanged(
      [](int i) {
        return i == 2 ? SatMask{Mask(0, 16), 0xFFFFFFFFu, Mask(0, 9), true} : SatMask{};
      },
      [](int) { return TpMask{}; });
  EXPECT_EQ(s.Flags() & Mask(17, 31), before_->satellites[2].Flags() & Mask(17, 31));
}

}  // namespace
