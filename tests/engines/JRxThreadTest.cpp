// The receive engine against the simulated receiver: whole receives, the faults a line
// or a receiver produces, and stopping it from another thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "SimRigs.h"
#include "link/LinkTexts.h"

namespace {

using Field = TransferObserver::Field;

bool Contains(const std::vector<std::uint8_t>& v, std::uint8_t b) {
  return std::find(v.begin(), v.end(), b) != v.end();
}

TEST(JRxThread, FullImageArrivesByteExactWithProgressAndSuccess) {
  RxRig rig(0x70000);
  rig.Run();
  EXPECT_TRUE(rig.engine.Completed());
  ASSERT_EQ(rig.engine.ImageSize(), 0x70040u);
  EXPECT_EQ(rig.Received(), rig.Expected());
  EXPECT_EQ(rig.observer.RangeLow(), 0);
  EXPECT_EQ(rig.observer.RangeHigh(), 450);
  // The final packet leaves the position where the 449th put it.
  EXPECT_EQ(rig.observer.MaxPos(), 449);
  EXPECT_EQ(rig.observer.Pos(), 449);
  EXPECT_EQ(rig.observer.OkEnabled(), 1);
  EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadOk});
  EXPECT_EQ(rig.observer.Text(Field::Status), LinkTexts::kDownloadOk);
  EXPECT_EQ(rig.Stats().packetsSent, 450u);
  // Terminate states leave the status line as it was, and the end shows STATUS_RCV_END.
  const auto statuses = rig.observer.History(Field::Status);
  ASSERT_GE(statuses.size(), 3u);
  EXPECT_EQ(statuses[statuses.size() - 3], "STATUS_WAIT_DATA_RCV_ACK");
  EXPECT_EQ(statuses[statuses.size() - 2], "STATUS_RCV_END");
}

TEST(JRxThread, TenByteImageCrossesTheLineInProtocolOrder) {
  RxRig rig(10);
  rig.Run();
  std::vector<std::uint8_t> expected = {0xE1, 0xE2, 0xEF, 0xE3};
  expected.insert(expected.end(), rig.header.Bytes(), rig.header.Bytes() + 64);
  expected.insert(expected.end(), {0xE4, 0xE6, 0xE7});
  const DataPacket packet = DataPacket::Build(rig.data.data(), 10, 0);
  expected.insert(expected.end(), packet.Bytes(), packet.Bytes() + 1024);
  expected.insert(expected.end(), {0xE8, 0xEA, 0xEB, 0xED});
  std::vector<std::uint8_t> line;
  for (const auto& b : rig.port->LineLog()) line.push_back(b.value);
  EXPECT_EQ(line, expected);
  EXPECT_EQ(rig.Received(), rig.Expected());
}

TEST(JRxThread, ExactMultipleOfPayloadEndsWithAnEmptyThirdPacket) {
  RxRig rig(2042);
  rig.Run();
  EXPECT_TRUE(rig.engine.Completed());
  EXPECT_EQ(rig.Stats().packetsSent, 3u);
  EXPECT_EQ(rig.observer.RangeHigh(), 3);
  EXPECT_EQ(rig.Received(), rig.Expected());
}

TEST(JRxThread, WrongMagicIsRefusedThenTheGoodHeaderTaken) {
  const int before = JRxThread::BadHeaderCount();
  ASSERT_LT(before, JRxThread::kBadHeaderLimit - 1);
  RxRig rig(5000, {.badMagicHeaders = 1});
  rig.Run();
  EXPECT_TRUE(rig.engine.Completed());
  EXPECT_EQ(rig.Received(), rig.Expected());
  EXPECT_EQ(JRxThread::BadHeaderCount(), before + 1);
  const auto w = rig.Written();
  // E2, E3, NACK, E3 again, ACK.
  const std::vector<std::uint8_t> opening(w.begin(), w.begin() + 5);
  EXPECT_EQ(opening, (std::vector<std::uint8_t>{0xE2, 0xE3, 0xE5, 0xE3, 0xE4}));
}

TEST(JRxThread, TwentiethWrongMagicOfTheRunFailsAndRestartsTheCount) {
  const int before = JRxThread::BadHeaderCount();
  const int needed = JRxThread::kBadHeaderLimit - before;
  RxRig rig(5000, {.badMagicHeaders = 100});
  rig.Run();
  EXPECT_FALSE(rig.engine.Completed());
  EXPECT_EQ(rig.Stats().headersSent, static_cast<std::size_t>(needed));
  EXPECT_EQ(JRxThread::BadHeaderCount(), 0);
  EXPECT_TRUE(rig.observer.Messages().empty());
  EXPECT_EQ(rig.engine.HeaderRefusal(), LinkTexts::kBadMagicHeaders);
  EXPECT_EQ(rig.observer.OkEnabled(), 0);
  EXPECT_EQ(rig.observer.Text(Field::Status), "STATUS_RCV_END");
}

TEST(JRxThread, WrongHeaderSumFailsWithoutAnswer) {
  RxRig rig(5000, {.badHeaderSum = true});
  rig.Run();
  EXPECT_FALSE(rig.engine.Completed());
  const auto w = rig.Written();
  EXPECT_EQ(w, (std::vector<std::uint8_t>{0xE2, 0xE3}));  // no HEADER_ACK, no NACK
  EXPECT_TRUE(rig.observer.Messages().empty());
  EXPECT_EQ(rig.engine.HeaderRefusal(), LinkTexts::kBadHeaderSum);
  EXPECT_EQ(rig.observer.OkEnabled(), 0);
  EXPECT_EQ(rig.observer.Text(Field::Status), "STATUS_RCV_END");
  EXPECT_EQ(rig.observer.RangeHigh(), 5000 / 1021 + 1);
}

TEST(JRxThread, OversizedLengthFailsTheReceive) {
  // A header claiming more than a full image must not size an allocation.
  RxRig rig(5000, {.claimedDataLength = 0xFFFFFFC0});
  rig.Run();
  EXPECT_FALSE(rig.engine.Completed());
  EXPECT_EQ(rig.engine.ImageBuffer(), nullptr);
  EXPECT_FALSE(Contains(rig.Written(), 0xE4));
  EXPECT_TRUE(rig.observer.Messages().empty());
  EXPECT_EQ(rig.engine.HeaderRefusal(),
            "The receiver's header gives a data length of 4294967232 bytes, more than a whole database (458752).");
}

// Junk before every code costs nothing; a damaged packet is asked for again as often as
// it comes damaged.
TEST(JRxThread, DamagedPacketsAreAskedForAgain) {
  struct Case {
    SimFaults faults;
    int bad;    // the damaged packet, -1: none
    int times;  // how often it comes damaged
  };
  for (const Case& c : {Case{{.corruptPacket = 3}, 3, 1}, Case{{.badStartPacket = 3}, 3, 1},
                        Case{{.corruptPacket = 4}, 4, 1}, Case{{.corruptPacket = 2, .corruptTimes = 3}, 2, 3},
                        Case{{.badStartPacket = 4, .badStartTimes = 2}, 4, 2}, Case{{.junkBytes = 2}, -1, 0}}) {
    RxRig rig(5000, c.faults);  // 5 packets, index 4 the final one
    rig.Run();
    EXPECT_TRUE(rig.engine.Completed()) << c.bad;
    EXPECT_EQ(rig.Received(), rig.Expected()) << c.bad;
    EXPECT_EQ(rig.Stats().nacksReceived, static_cast<std::size_t>(c.times));
    std::vector<int> order;
    for (int i = 0; i < 5; ++i) order.insert(order.end(), i == c.bad ? c.times + 1 : 1, i);
    EXPECT_EQ(rig.Served(), order) << c.bad;
  }
}

TEST(JRxThread, EarlyTerminateAckEndsInDownloadFail) {
  RxRig rig(5000, {.earlyTerminateAck = 1});
  rig.Run();
  EXPECT_FALSE(rig.engine.Completed());
  // The cause goes below the message the dialog always showed.
  EXPECT_EQ(rig.observer.Messages(),
            std::vector<std::string>{std::string(LinkTexts::kDownloadFail) + "\n" + LinkTexts::kClosedEarly});
  EXPECT_EQ(rig.observer.Text(Field::Status), LinkTexts::kDownloadFail);
  EXPECT_EQ(rig.observer.OkEnabled(), 0);
  EXPECT_EQ(rig.engine.HeaderRefusal(), "");
}

TEST(JRxThread, SilentReceiverRunsIntoTheRetryLimit) {
  RxRig rig(5000, {.silentAfterUnits = 0});
  rig.Run();
  EXPECT_FALSE(rig.engine.Completed());
  EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kNoResponse});
  EXPECT_EQ(rig.observer.OkEnabled(), 0);
  EXPECT_EQ(rig.observer.History(Field::Status),
            (std::vector<std::string>{"STATUS_WAIT_CONNECT_REQ", "STATUS_RCV_END"}));
  const auto retries = rig.observer.History(Field::Retry);
  ASSERT_EQ(retries.size(), 1001u);
  EXPECT_EQ(retries.front(), "1");
  EXPECT_EQ(retries.back(), "1001");
  EXPECT_EQ(rig.port->ReadByteTimeouts(), 1001u);
  EXPECT_TRUE(rig.Written().empty());
}

TEST(JRxThread, SecondBeginIsRefused) {
  RxRig rig(10);
  rig.Run();
  EXPECT_EQ(rig.engine.BeginReceive(), 0);
  EXPECT_EQ(rig.observer.Messages().back(), LinkTexts::kNowTransfering);
}

TEST(JRxThread, StopsPromptlyMidTransferAndWhileAMessageBoxIsOpen) {
  {
    RxRig rig(0x70000);
    rig.far->SlowFrom(20);
    ASSERT_EQ(rig.engine.BeginReceive(), 1);
    ASSERT_TRUE(WaitUntil([&] { return rig.observer.MaxPos() >= 20; }));
    const auto t0 = std::chrono::steady_clock::now();
    rig.engine.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2));
    EXPECT_FALSE(rig.engine.Completed());
    EXPECT_TRUE(rig.observer.Messages().empty());
  }
  {
    RxRig rig(5000, {.silentAfterUnits = 0});
    rig.observer.HoldMessages();
    ASSERT_EQ(rig.engine.BeginReceive(), 1);
    ASSERT_TRUE(rig.observer.WaitForMessages(1));
    rig.engine.Stop();  // returns although nobody dismissed the box
    EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kNoResponse});
  }
  {
    // Stopped before it was ever woken: it never runs.
    RxRig rig(10);
    rig.engine.Stop();
    EXPECT_EQ(rig.engine.BeginReceive(), 0);
  }
  {
    // Destroyed without a Stop while its box is open, on a line with nobody at the far end.
    RecordingObserver observer;
    observer.HoldMessages();
    {
      JRxThread engine;
      ASSERT_EQ(engine.Start(observer, std::make_unique<MemoryPort>()), 1);
      ASSERT_EQ(engine.BeginReceive(), 1);
      ASSERT_TRUE(observer.WaitForMessages(1));
    }  // the destructor releases the box and ends the worker
    EXPECT_EQ(observer.Messages(), std::vector<std::string>{LinkTexts::kNoResponse});
  }
}

}  // namespace
