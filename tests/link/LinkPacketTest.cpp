#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "link/DataPacket.h"
#include "link/LinkCodes.h"
#include "link/LinkHeader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(DataPacket, ChecksumOfAbcIsSentHighByteFirst) {
  const std::uint8_t abc[] = {'a', 'b', 'c'};
  const DataPacket p = DataPacket::Build(abc, 3, 0);
  EXPECT_EQ(p.Bytes()[0], 0x47);
  EXPECT_EQ(p.Bytes()[1022], 0x01);
  EXPECT_EQ(p.Bytes()[1023], 0x26);
  EXPECT_EQ(p.Verify(), DataPacket::Check::Ok);
}

TEST(DataPacket, SumWrapsAt16BitsOverTheWholePayload) {
  Bytes data(1021, 0xFF);  // 1021 * 255 = 260355 = 0x3F903 -> 0xF903
  const DataPacket p = DataPacket::Build(data.data(), 1021, 0);
  EXPECT_EQ(p.StoredSum(), 0xF903);
}

TEST(DataPacket, FinalPacketOfAFullImageCarries323BytesThenZeros) {
  const std::uint32_t n = LinkHeader::kFullDataLength;
  Bytes data(n);
  for (std::size_t i = 0; i < n; ++i) data[i] = static_cast<std::uint8_t>(i * 7 + 1);
  EXPECT_EQ(DataPacket::Count(n), 450u);
  EXPECT_EQ(DataPacket::LastIndex(n), 449u);
  EXPECT_EQ(DataPacket::PayloadLength(n, 448), 1021u);
  ASSERT_EQ(DataPacket::PayloadLength(n, 449), 323u);

  const DataPacket last = DataPacket::Build(data.data(), n, 449);
  EXPECT_EQ(0, std::memcmp(last.Payload(), data.data() + 449 * 1021, 323));
  for (std::size_t i = 323; i < 1021; ++i) ASSERT_EQ(last.Payload()[i], 0) << i;
  unsigned sum = 0;
  for (std::size_t i = 0; i < 323; ++i) sum += data[449 * 1021 + i];
  EXPECT_EQ(last.StoredSum(), static_cast<std::uint16_t>(sum));

  const DataPacket middle = DataPacket::Build(data.data(), n, 3);
  EXPECT_EQ(0, std::memcmp(middle.Payload(), data.data() + 3 * 1021, 1021));
}

TEST(DataPacket, ExactMultipleOf1021EndsWithAnEmptyPacket) {
  Bytes data(2042, 0x11);
  EXPECT_EQ(DataPacket::Count(2042), 3u);
  EXPECT_EQ(DataPacket::PayloadLength(2042, 2), 0u);
  const DataPacket third = DataPacket::Build(data.data(), 2042, 2);
  EXPECT_EQ(third.Bytes()[0], 0x47);
  EXPECT_EQ(third.StoredSum(), 0);
  EXPECT_EQ(DataPacket::Count(0), 1u);  // even no data travels as one packet
  EXPECT_EQ(DataPacket::PayloadLength(2042, 3), 0u);
}

TEST(DataPacket, VerifyChecksStartByteBeforeSum) {
  const std::uint8_t abc[] = {'a', 'b', 'c'};
  DataPacket p = DataPacket::Build(abc, 3, 0);
  p.Bytes()[0] = 0x48;
  EXPECT_EQ(p.Verify(), DataPacket::Check::BadStart);
  p.Bytes()[500] ^= 1;  // both wrong: the start byte is reported
  EXPECT_EQ(p.Verify(), DataPacket::Check::BadStart);
  p.Bytes()[0] = 0x47;
  EXPECT_EQ(p.Verify(), DataPacket::Check::BadSum);
  p.Bytes()[1023] ^= 1;  // a damaged sum byte is caught too
  p.Bytes()[500] ^= 1;
  EXPECT_EQ(p.Verify(), DataPacket::Check::BadSum);
}

TEST(LinkHeader, SentHeaderHasTheIdentificationTextsAndFreshSums) {
  Bytes data(LinkHeader::kFullDataLength, 2);
  const LinkHeader h = LinkHeader::ForSend(0, data.data(), LinkHeader::kFullDataLength);
  const std::uint8_t* b = h.Bytes();
  EXPECT_EQ(Bytes(b, b + 4), (Bytes{0x10, 0x25, 0x21, 0x04}));
  const Bytes maker = {'V', 'e', 'l', 't', 'o', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(Bytes(b + 4, b + 20), maker);
  EXPECT_EQ(h.ValidFlag(), 1u);
  EXPECT_EQ(h.ImageTypeWord(), 0x7FF70000u);
  EXPECT_EQ(h.DataLength(), 458752u);
  EXPECT_EQ(Bytes(b + 32, b + 38), (Bytes{'V', 'L', 'S', '1', 0, 0}));
  EXPECT_EQ(Bytes(b + 38, b + 48), (Bytes{'K', '4', '2', '0', 'D', 'U', 'O', 0, 0, 0}));
  EXPECT_EQ(h.DataSum(), 458752u * 2);
  EXPECT_EQ(Bytes(b + 52, b + 60), (Bytes{'A', 'A', 'A', 'A', 'A', 'A', 'A', 0}));
  unsigned sum = 0;
  for (int i = 0; i < 60; ++i) sum += b[i];
  EXPECT_EQ(h.HeaderSum(), sum);
  EXPECT_TRUE(h.HeaderSumValid());
  EXPECT_TRUE(h.MagicValid());
}

TEST(LinkHeader, VariantDecidesImageTypeWordAndTypeCCarriesNoDataSum) {
  Bytes data(100, 0xAB);
  EXPECT_EQ(LinkHeader::ForSend(1, data.data(), 100).ImageTypeWord(), 0x40170000u);
  EXPECT_EQ(LinkHeader::ForSend(2, data.data(), 100).ImageTypeWord(), 0x40180000u);
  EXPECT_EQ(LinkHeader::ForSend(2, data.data(), 100).DataSum(), 100u * 0xAB);
  const LinkHeader c = LinkHeader::ForSend(3, data.data(), 100);
  EXPECT_EQ(c.ImageTypeWord(), 0x40180000u);
  EXPECT_EQ(c.DataSum(), 0u);
  EXPECT_TRUE(c.HeaderSumValid());
}

TEST(LinkHeader, SumsAreUnsigned32BitAndFieldsKeepTheirNeighbours) {
  LinkHeader h;
  std::memset(h.Bytes(), 0xFF, LinkHeader::kSize);
  EXPECT_EQ(h.ComputeHeaderSum(), 60u * 255);
  EXPECT_FALSE(h.HeaderSumValid());
  h.SetDataLength(0x01020304);
  EXPECT_EQ(h.Bytes()[27], 0xFF);
  EXPECT_EQ(Bytes(h.Bytes() + 28, h.Bytes() + 32), (Bytes{4, 3, 2, 1}));
  EXPECT_EQ(h.Bytes()[32], 0xFF);
  h.UpdateHeaderSum();
  EXPECT_TRUE(h.HeaderSumValid());
  const LinkHeader copy(h.Bytes());
  EXPECT_EQ(0, std::memcmp(copy.Bytes(), h.Bytes(), LinkHeader::kSize));
  // A wrong magic alone does not spoil the sum check and the reverse.
  h.SetMagic(0x04212511);
  EXPECT_FALSE(h.MagicValid());
  h.UpdateHeaderSum();
  EXPECT_TRUE(h.HeaderSumValid());
  Bytes big(70000, 0xFF);
  EXPECT_EQ(LinkHeader::DataSum(big.data(), big.size()), 70000u * 255);
}

TEST(LinkCodes, ValuesAndNames) {
  EXPECT_EQ(LinkCode::CONNECT_REQ, 0xE1);
  EXPECT_EQ(LinkCode::CONNECT_RE_ACK, 0xEF);
  EXPECT_EQ(LinkCode::TERMINATE_ACK, 0xED);
  int named = 0;
  for (int c = 0; c < 256; ++c)
    if (LinkCode::Name(static_cast<std::uint8_t>(c)) != nullptr) ++named;
  EXPECT_EQ(named, 14);
  EXPECT_EQ(LinkCode::Name(0xEE), nullptr);
  EXPECT_STREQ(LinkCode::Name(0xEC), "FAIL_TERMINATE_REQ");
}

}  // namespace
