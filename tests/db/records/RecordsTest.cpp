// Record layouts: fields at their offsets, and every setter touching only its own bits.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>

#include "db/image/ImageHeader.h"
#include "db/records/ChannelDatabase.h"
#include "support/RandomBytes.h"

namespace {

// Runs `change` on a record filled with random bytes and checks that only the bits of
// `mask` (bytes at `offset`, 32-bit little-endian) changed, and that they now hold `expected`.
template <typename Record>
void ExpectOnlyBits(std::size_t offset, std::uint32_t mask, std::uint32_t expected,
                    const std::function<void(Record&)>& change) {
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    Record r;
    testdata::FillRandom(r.Bytes(), sizeof r, seed);
    Record before = r;
    change(r);
    for (std::size_t i = 0; i < sizeof r; ++i) {
      if (i >= offset && i < offset + 4) continue;
      EXPECT_EQ(r.Bytes()[i], before.Bytes()[i]) << "byte " << i << " changed";
    }
    const std::uint32_t was = bytes::LoadU32(before.Bytes() + offset);
    const std::uint32_t now = bytes::LoadU32(r.Bytes() + offset);
    EXPECT_EQ(now & ~mask, was & ~mask) << "bits outside the field changed";
    EXPECT_EQ(now & mask, expected & mask);
  }
}

TEST(Records, SizesAndSectionOffsets) {
  EXPECT_EQ(sizeof(ChannelDatabase), 232700u);
  EXPECT_EQ(offsetof(ChannelDatabase, satellites), 168u);
  EXPECT_EQ(offsetof(ChannelDatabase, transponders), 5288u);
  EXPECT_EQ(offsetof(ChannelDatabase, programs), 38888u);
  EXPECT_EQ(offsetof(ChannelDatabase, channelLists), 214888u);
  EXPECT_EQ(offsetof(ChannelDatabase, trailerWord), 232696u);
  EXPECT_EQ(offsetof(ChannelListBlock, radioList), 8008u);
  EXPECT_EQ(offsetof(ChannelListBlock, favoriteGroups), 16016u);
}

TEST(Records, SatelliteFieldsTouchOnlyTheirBits) {
  using S = SatelliteRecord;
  ExpectOnlyBits<S>(0, 0x3, 2, [](S& s) { s.SetState(SlotState::Deleted); });
  ExpectOnlyBits<S>(0, 0x3FF0, 159u << 4, [](S& s) { s.SetSelfIndex(159); });
  ExpectOnlyBits<S>(0, 1u << 16, 0, [](S& s) { s.SetSelected(false); });
  ExpectOnlyBits<S>(0, 1u << 16, 1u << 16, [](S& s) { s.SetSelected(true); });
  ExpectOnlyBits<S>(20, 0xFu << 18, 1u << 18, [](S& s) { s.SetLnbType(1); });
  ExpectOnlyBits<S>(20, 1u << 22, 1u << 22, [](S& s) { s.SetTone22k(true); });
  ExpectOnlyBits<S>(20, 1u << 23, 0, [](S& s) { s.SetLnbPower(false); });
  ExpectOnlyBits<S>(20, 7u << 24, 6u << 24, [](S& s) { s.SetDiseqcPort(6); });
  ExpectOnlyBits<S>(24, 0x3, 1, [](S& s) { s.SetMotor(1); });
  ExpectOnlyBits<S>(28, 0xFFFF, 9750, [](S& s) { s.SetLnbFreqHigh(9750); });
  ExpectOnlyBits<S>(28, 0xFFFF0000u, 10600u << 16, [](S& s) { s.SetLnbFreqLow(10600); });
}

TEST(Records, TransponderFieldsTouchOnlyTheirBits) {
  using T = TransponderRecord;
  ExpectOnlyBits<T>(0, 0x30, 0x30, [](T& t) { t.SetHiddenBits(3); });
  ExpectOnlyBits<T>(0, 0xFFC0, 1023u << 6, [](T& t) { t.SetSatelliteIndex(1023); });
  ExpectOnlyBits<T>(8, 0xFFFF, 12188, [](T& t) { t.SetFrequency(12188); });
  ExpectOnlyBits<T>(12, 0xFFFF, 27500, [](T& t) { t.SetSymbolRate(27500); });
  ExpectOnlyBits<T>(12, 1u << 16, 1u << 16, [](T& t) { t.SetPolarization(1); });
}

TEST(Records, ProgramFieldsTouchOnlyTheirBits) {
  using P = ProgramRecord;
  ExpectOnlyBits<P>(0, 0x3FFFC, 2099u << 2, [](P& p) { p.SetTransponderIndex(2099); });
  ExpectOnlyBits<P>(40, 0x3, 2, [](P& p) { p.SetServiceType(2); });
  ExpectOnlyBits<P>(40, 1u << 8, 1u << 8, [](P& p) { p.SetLocked(true); });
  ExpectOnlyBits<P>(20, 0xFFFF, 0xBEEF, [](P& p) { p.SetServiceId(0xBEEF); });
  ExpectOnlyBits<P>(36, 0xFFFF, 0, [](P& p) { p.SetReserved36(0); });
}

TEST(Records, GroupAndListFieldsTouchOnlyTheirBits) {
  using G = FavoriteGroupRecord;
  ExpectOnlyBits<G>(0, 0x3FFFC, 100u << 2, [](G& g) { g.SetMemberCount(100); });
  ExpectOnlyBits<G>(24 + 2 * 98, 0xFFFF0000u, 3999u << 16, [](G& g) { g.SetMember(99, 3999); });
  ExpectOnlyBits<ServiceList>(8 + 2 * 3998, 0xFFFF0000u, 7u << 16, [](ServiceList& l) { l.SetEntry(3999, 7); });
}

TEST(Records, PidWidthFollowsDbType) {
  ProgramRecord p;
  p.SetRawPid(PidField::Video, 0xE100);
  EXPECT_EQ(p.VideoPid(3), 0x0100);
  for (int t = 0; t < 3; ++t) EXPECT_EQ(p.VideoPid(t), 0xE100) << "DbType " << t;
  // Writing under TypeC clears the top three bits; other variants keep all 16.
  p.SetVideoPid(0xE100, 3);
  EXPECT_EQ(p.RawPid(PidField::Video), 0x0100);
  p.SetVideoPid(0xE100, 2);
  EXPECT_EQ(p.RawPid(PidField::Video), 0xE100);
  // Each PID at its own offset.
  const std::pair<PidField, std::size_t> offsets[] = {
      {PidField::Pmt, 18}, {PidField::Audio, 22}, {PidField::Video, 24}, {PidField::Pcr, 26}, {PidField::Ttext, 28}};
  for (auto [field, off] : offsets) {
    ProgramRecord q;
    q.SetPid(field, 0x1ABC, 0);
    EXPECT_EQ(bytes::LoadU16(q.Bytes() + off), 0x1ABC);
  }
  // serviceId is never masked.
  p.SetServiceId(0xFFFF);
  EXPECT_EQ(p.ServiceId(), 0xFFFF);
}

TEST(Records, NamesAreFixedWidthAndNeverOverrun) {
  struct Guarded {
    ProgramRecord p;
    std::uint8_t after = 0xA5;
  } g;
  static_assert(offsetof(Guarded, after) == ProgramRecord::kSize);
  testdata::FillRandom(g.p.Bytes(), ProgramRecord::kSize, 9);
  const std::uint16_t pmt = bytes::LoadU16(g.p.Bytes() + 18);

  g.p.SetName("ABCDEFGHIJKLMNOPQRS");  // longer than 14: cut, no terminator
  EXPECT_EQ(g.p.Name(), "ABCDEFGHIJKLMN");
  EXPECT_EQ(bytes::LoadU16(g.p.Bytes() + 18), pmt) << "name wrote into the PMT PID";

  g.p.SetName("BBC");
  EXPECT_EQ(g.p.Name(), "BBC");
  EXPECT_EQ(g.p.NameField()[3], 0);
  EXPECT_EQ(g.after, 0xA5);

  SatelliteRecord s;
  s.SetName("0123456789ABCDEF");
  EXPECT_EQ(s.Name(), "0123456789ABCDEF");
  EXPECT_EQ(bytes::LoadU32(s.Bytes() + 20), 0u) << "a full name must not touch lnbWord";
  EXPECT_TRUE(s.NameIs("0123456789ABCDEF"));
  EXPECT_TRUE(s.NameIs("0123456789ABCDEFXYZ")) << "compared on at most 16 bytes";
  EXPECT_FALSE(s.NameIs("0123456789ABCDE"));

  // An all-zero slot has an empty name, and an empty name matches it.
  SatelliteRecord empty;
  EXPECT_EQ(empty.Name(), "");
  EXPECT_TRUE(empty.NameIs(""));
}

TEST(Records, HeaderFieldsAndSum) {
  ImageHeader h;
  h.SetMagic(ImageHeader::kMagic);
  h.SetValidFlag(1);
  h.SetDataLength(0x70000);
  h.SetMakerName("MAKER");
  h.SetModelName("MODEL-1234567");  // cut to 10
  h.UpdateHeaderSum();
  const std::uint8_t* b = h.Bytes();
  EXPECT_EQ(b[0], 0x10);
  EXPECT_EQ(b[3], 0x04);
  EXPECT_EQ(bytes::LoadU32(b + 28), 0x70000u);
  EXPECT_EQ(h.ModelName(), "MODEL-1234");
  EXPECT_EQ(b[48], 0) << "model name ran into dataSum";
  std::uint32_t sum = 0;
  for (int i = 0; i < 60; ++i) sum += b[i];
  EXPECT_EQ(h.HeaderSum(), sum);
  EXPECT_TRUE(h.HeaderSumMatches());
}

}  // namespace
