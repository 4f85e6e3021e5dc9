// Faults the matrix found in the engines, each pinned down with the exact exchange that
// shows it, so the fix can be checked on its own.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "link/DataPacket.h"
#include "link/JRxThread.h"
#include "link/JTxThread.h"
#include "link/LinkCodes.h"
#include "link/LinkHeader.h"
#include "sim/MemoryPort.h"
#include "support/FarEnd.h"
#include "support/LinkImages.h"
#include "support/RecordingObserver.h"
#include "support/Wait.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using namespace LinkCode;

Bytes Data(std::uint32_t length) { return testkit::PatternData(length); }

Bytes Packet(const Bytes& data, std::uint32_t index) {
  const DataPacket p = DataPacket::Build(data.data(), static_cast<std::uint32_t>(data.size()), index);
  return Bytes(p.Bytes(), p.Bytes() + DataPacket::kSize);
}

// Sends `data` to a receiver that answers with `answers`, one code per wait; returns
// the packets the engine put on the line, in order, as packet indexes (-1: unknown).
std::vector<int> PacketsSent(const Bytes& data, const std::vector<Bytes>& answers, bool& succeeded) {
  testkit::RecordingObserver observer;
  JTxThread tx;
  auto port = std::make_unique<MemoryPort>();
  testkit::FarEnd peer(*port, testkit::FarEnd::Script(answers), 120'000);
  const auto length = static_cast<std::uint32_t>(data.size());
  std::unique_ptr<std::uint8_t[]> owned(new std::uint8_t[length]);
  std::memcpy(owned.get(), data.data(), length);
  EXPECT_EQ(tx.Start(observer, std::move(port)), 1);
  EXPECT_EQ(tx.BeginSend(LinkHeader::ForSend(3, data.data(), length), std::move(owned), length), 1);
  EXPECT_TRUE(testkit::WaitUntil([&] { return tx.IsIdle() || peer.Expired(); },
                                 std::chrono::seconds(60), std::chrono::microseconds(50)));
  tx.Finish();
  succeeded = tx.Succeeded();
  std::vector<int> sent;
  for (const auto& w : peer.Writes()) {
    if (w.size() != DataPacket::kSize) continue;
    int index = -1;
    for (std::uint32_t i = 0; i < DataPacket::Count(length) && index < 0; ++i)
      if (w == Packet(data, i)) index = static_cast<int>(i);
    sent.push_back(index);
  }
  return sent;
}

}  // namespace

// A receiver that did not take a packet (it came incomplete, or not at all) may simply
// ask for it again. DATA_REQ instead of DATA_ACK means the packet just sent was not
// taken: it must go again, not the one after it, or the receiver stores every later
// packet one place too early.
//
// A refusal with no packet on the line (repeated, or sent after the packet was already
// settled) changes nothing: stepping back then would hand the receiver a packet it took
// already in place of the next one, and the receiver counts packets, it does not check
// their numbers.
TEST(SendEngineFaults, EachPacketGoesAgainOnlyWhenTheReceiverAsksForItAgain) {
  struct Case {
    const char* what;
    std::uint32_t length;
    std::vector<Bytes> answers;
    std::vector<int> packets;
  };
  const Case cases[] = {
      {"first packet asked for again", 2500,  // packets 0, 1 and a short final 2
       {{CONNECT_ACK}, {HEADER_REQ}, {HEADER_ACK}, {DATA_REQ}, {DATA_REQ}, {DATA_ACK}, {DATA_REQ}, {DATA_ACK},
        {DATA_REQ}, {DATA_ACK}, {TERMINATE_REQ}},
       {0, 0, 1, 2}},
      {"final packet asked for again", 2500,
       {{CONNECT_ACK}, {HEADER_REQ}, {HEADER_ACK}, {DATA_REQ}, {DATA_ACK}, {DATA_REQ}, {DATA_ACK}, {DATA_REQ},
        {DATA_REQ}, {DATA_ACK}, {TERMINATE_REQ}},
       {0, 1, 2, 2}},
      {"stray NACK after packet 1 was settled", 5000,  // packets 0 to 3 full, 4 the final one
       {{CONNECT_ACK}, {HEADER_REQ}, {HEADER_ACK}, {DATA_REQ}, {DATA_ACK}, {DATA_REQ}, {DATA_ACK}, {DATA_NACK},
        {DATA_REQ}, {DATA_ACK}, {DATA_REQ}, {DATA_ACK}, {DATA_REQ}, {DATA_ACK}, {TERMINATE_REQ}},
       {0, 1, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    bool ok = false;
    EXPECT_EQ(PacketsSent(Data(c.length), c.answers, ok), c.packets) << c.what;
    EXPECT_TRUE(ok) << c.what;
  }
}

// When DATA_REQ is lost on the line, the packet never comes and every byte of the
// packet wait times out. The buffer then still holds the previous packet, whose start
// byte and sum are right: it must not be taken as the next packet. A sender that
// follows the receiver (answers DATA_ACK with DATA_RCV_ACK whatever it waited for, as
// our own send engine does) then completes the transfer with a wrong image.
TEST(ReceiveEngineFaults, PacketThatNeverComesIsNotTakenFromTheOneBefore) {
  const Bytes data = Data(1500);  // packet 0 full, packet 1 the final one
  const LinkHeader header = LinkHeader::ForSend(3, data.data(), 1500);
  std::vector<Bytes> units = {{CONNECT_REQ}, {CONNECT_RE_ACK}, Bytes(header.Bytes(), header.Bytes() + 64),
                              {HEADER_RCV_ACK}, Packet(data, 0), {DATA_RCV_ACK}};
  units.insert(units.end(), DataPacket::kSize, Bytes{});  // silence through the whole packet wait
  units.push_back({DATA_RCV_ACK});  // answers whatever the engine said about it
  units.push_back(Packet(data, 1));  // the packet, once asked for again
  units.push_back({DATA_RCV_ACK});
  units.push_back({TERMINATE_ACK});

  testkit::RecordingObserver observer;
  JRxThread rx;
  auto port = std::make_unique<MemoryPort>();
  testkit::FarEnd peer(*port, testkit::FarEnd::Script(units));
  ASSERT_EQ(rx.Start(observer, std::move(port)), 1);
  ASSERT_EQ(rx.BeginReceive(), 1);
  ASSERT_TRUE(testkit::WaitUntil([&] { return rx.IsIdle() || peer.Expired(); },
                                 std::chrono::seconds(60), std::chrono::microseconds(50)));
  rx.Stop();

  ASSERT_TRUE(rx.Completed()) << "the packet asked for again completes the receive";
  ASSERT_EQ(rx.ImageSize(), 64u + data.size());
  EXPECT_EQ(std::memcmp(rx.ImageBuffer() + 64, data.data(), data.size()), 0)
      << "the final packet was taken from the buffer of the packet before";
}
