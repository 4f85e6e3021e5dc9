#include "sim/MemoryPort.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(MemoryPort, EmptyWaitsCostVirtualTimeOnlyAndLeaveTheOutByteAlone) {
  MemoryPort port;
  std::uint8_t out = 0x33;
  for (int i = 0; i < 1001; ++i) ASSERT_FALSE(port.ReadByte(out));
  EXPECT_EQ(out, 0x33);
  EXPECT_EQ(port.NowMs(), 1001u * 50);
  EXPECT_EQ(port.ReadByteTimeouts(), 1001u);
}

TEST(MemoryPort, ByteArrivingInsideTheWaitEndsItAtItsArrival) {
  MemoryPort port;
  const std::uint8_t a = 0xE1;
  const std::uint8_t b = 0xE2;
  port.FeedAt(49, &a, 1);
  port.FeedAt(49 + 51, &b, 1);
  std::uint8_t out = 0;
  ASSERT_TRUE(port.ReadByte(out));
  EXPECT_EQ(out, 0xE1);
  EXPECT_EQ(port.NowMs(), 49u);
  EXPECT_FALSE(port.ReadByte(out));  // b is due 51 ms later: one wait misses it
  EXPECT_EQ(port.NowMs(), 99u);
  ASSERT_TRUE(port.ReadByte(out));
  EXPECT_EQ(out, 0xE2);
}

TEST(MemoryPort, ReadTakesOnlyArrivedBytesAndPurgeKeepsFutureOnes) {
  MemoryPort port;
  port.Feed({1, 2, 3, 4, 5});
  const std::uint8_t later = 9;
  port.FeedAt(10, &later, 1);
  std::uint8_t buf[8] = {};
  EXPECT_EQ(port.Read(buf, 2), 2u);
  EXPECT_EQ(Bytes(buf, buf + 2), (Bytes{1, 2}));
  EXPECT_EQ(port.PendingForEngine(), 4u);
  port.PurgeRx();
  EXPECT_EQ(port.Read(buf, 8), 0u);
  EXPECT_EQ(port.PendingForEngine(), 1u);  // not yet on the line, so not purged
  port.AdvanceMs(10);
  EXPECT_EQ(port.Read(buf, 8), 1u);
  EXPECT_EQ(buf[0], 9);
}

struct EchoPeer : MemoryPort::Peer {
  int waits = 0;
  void OnWrite(MemoryPort& port) override {
    for (std::uint8_t b : port.TakeWritten()) port.Feed({static_cast<std::uint8_t>(b + 1)});
  }
  void OnWait(MemoryPort& port, std::uint64_t deadline) override {
    if (++waits == 2) {
      const std::uint8_t late = 0x77;
      port.FeedAt(deadline, &late, 1);
    }
  }
};

TEST(MemoryPort, PeerAnswersWritesAndWaitsAndTheLineLogKeepsTheOrder) {
  MemoryPort port;
  EchoPeer peer;
  port.SetPeer(&peer);
  EXPECT_TRUE(port.WriteByte(0x10));
  std::uint8_t out = 0;
  ASSERT_TRUE(port.ReadByte(out));
  EXPECT_EQ(out, 0x11);
  EXPECT_FALSE(port.ReadByte(out));  // first wait: the peer says nothing
  ASSERT_TRUE(port.ReadByte(out));   // second wait: a byte right at the deadline
  EXPECT_EQ(out, 0x77);
  const auto log = port.LineLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_TRUE(log[0].fromEngine);
  EXPECT_EQ(log[0].value, 0x10);
  EXPECT_FALSE(log[1].fromEngine);
  EXPECT_EQ(log[2].value, 0x77);
  EXPECT_EQ(port.AllWritten(), Bytes{0x10});
  port.SetPeer(nullptr);
}

TEST(MemoryPort, ClosedPortHasNoLine) {
  MemoryPort port;
  port.Feed({5});
  port.SetOpen(false);
  const std::uint8_t b = 1;
  EXPECT_EQ(port.Write(&b, 1), 0u);
  std::uint8_t out = 0;
  EXPECT_FALSE(port.ReadByte(out));
  EXPECT_EQ(port.NowMs(), 50u);
  port.SetOpen(true);
  EXPECT_TRUE(port.ReadByte(out));
  EXPECT_EQ(out, 5);
}

}  // namespace
