// The receive engine against an in-memory receiver: whole receives, the faults a line
// or a receiver produces, and stopping it from another thread.
#include <gtest/gtest.h>

#include <memory>

#include "EngineTestUtil.h"
#include "Peers.h"
#include "RecordingObserver.h"
#include "link/JRxThread.h"
#include "link/LinkTexts.h"

namespace {

using Field = TransferObserver::Field;

// The rig is also the document's storage for the receive: it records every request.
struct RxRig : ReceiveStorage {
  RecordingObserver observer;
  JRxThread engine;
  MemoryPort* port = nullptr;
  std::unique_ptr<SendingPeer> peer;
  std::vector<std::uint32_t> prepared;  // validFlag of each PrepareStorage call
  int storageAnswer = 1;

  RxRig(std::uint32_t dataLength, SendingPeer::Faults faults = SendingPeer::Faults(), int dbType = 0)
      : data(PatternData(dataLength)) {
    header = LinkHeader::ForSend(dbType, data.data(), dataLength);
    Build(faults);
  }
  RxRig(const LinkHeader& h, std::vector<std::uint8_t> d, SendingPeer::Faults faults = SendingPeer::Faults())
      : header(h), data(std::move(d)) {
    Build(faults);
  }
  void Build(SendingPeer::Faults faults) {
    peer = std::make_unique<SendingPeer>(header, data, faults);
    auto owned = std::make_unique<MemoryPort>();
    port = owned.get();
    port->SetPeer(peer.get());
    EXPECT_EQ(engine.Start(observer, std::move(owned), *this), 1);
  }
  bool PrepareStorage(std::uint32_t validFlag) override {
    prepared.push_back(validFlag);
    return storageAnswer != 0;
  }
  // Runs the receive to its end (the engine idle again).
  void Run() {
    ASSERT_EQ(engine.BeginReceive(), 1);
    ASSERT_TRUE(WaitUntil([&] { return engine.IsIdle(); }));
    engine.Stop();
  }
  std::vector<std::uint8_t> Expected() const {
    std::vector<std::uint8_t> v(header.Bytes(), header.Bytes() + LinkHeader::kSize);
    v.insert(v.end(), data.begin(), data.end());
    return v;
  }
  std::vector<std::uint8_t> Received() const {
    return std::vector<std::uint8_t>(engine.ImageBuffer(), engine.ImageBuffer() + engine.ImageSize());
  }
  // The codes the engine wrote, in order.
  std::vector<std::uint8_t> Written() const { return port->AllWritten(); }

  LinkHeader header;
  std::vector<std::uint8_t> data;
};

bool Contains(const std::vector<std::uint8_t>& v, std::uint8_t b) {
  return std::find(v.begin(), v.end(), b) != v.end();
}

TEST(JRxThread, FullImageArrivesByteExactWithProgressAndSuccess) {
  RxRig rig(0x70000);
  rig.Run();
  EXPECT_TRUE(rig.engine.Completed());
  ASSERT_EQ(rig.engine.ImageSize(), 0x70040u);
  EXPECT_EQ(rig.Received(), rig.Expected());
  EXPECT_EQ(rig.prepared, std::vector<std::uint32_t>{1});
  EXPECT_EQ(rig.observer.RangeLow(), 0);
  EXPECT_EQ(rig.observer.RangeHigh(), 450);
  // The final packet leaves the position where the 449th put it.
  EXPECT_EQ(rig.observer.MaxPos(), 449);
  EXPECT_EQ(rig.observer.Pos(), 449);
  EXPECT_EQ(rig.observer.OkEnabled(), 1);
  EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadOk});
  EXPECT_EQ(rig.observer.Text(Field::Status), LinkTexts::kDownloadOk);
  EXPECT_EQ(rig.peer->packetsSent, 450);
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
  EXPECT_EQ(rig.peer->packetsSent, 3);
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
  // Storage is prepared for the good header only.
  EXPECT_EQ(rig.prepared.size(), 1u);
}

TEST(JRxThread, TwentiethWrongMagicOfTheRunFailsAndRestartsTheCount) {
  const int before = JRxThread::BadHeaderCount();
  const int needed = JRxThread::kBadHeaderLimit - before;
  RxRig rig(5000, {.badMagicHeaders = 100});
  rig.Run();
  EXPECT_FALSE(rig.engine.Completed());
  EXPECT_EQ(rig.peer->headersSent, needed);
  EXPECT_EQ(JRxThread::BadHeaderCount(), 0);
  EXPECT_TRUE(rig.observer.Messages().empty());
  EXPECT_EQ(rig.observer.OkEnabled(), 0);
  EXPECT_EQ(rig.observer.Text(Field::Status), "STATUS_RCV_END");
}

TEST(JRxThread, WrongHeaderSumFailsWithoutAnswerAfterStorageWasPrepared) {
  RxRig rig(5000, {.badHeaderSum = true});
  rig.Run();
  EXPECT_FALSE(rig.engine.Completed());
  EXPECT_EQ(rig.prepared.size(), 1u);
  const auto w = rig.Written();
  EXPECT_EQ(w, (std::vector<std::uint8_t>{0xE2, 0xE3}));  // no HEADER_ACK, no NACK
  EXPECT_TRUE(rig.observer.Messages().empty());
  EXPECT_EQ(rig.observer.OkEnabled(), 0);
  EXPECT_EQ(rig.observer.Text(Field::Status), "STATUS_RCV_END");
  EXPECT_EQ(rig.observer.RangeHigh(), 5000 / 1021 + 1);
}

TEST(JRxThread, RefusedStorageOrOversizedLengthFailsTheReceive) {
  {
    RxRig rig(5000);
    rig.storageAnswer = 0;
    rig.Run();
    EXPECT_FALSE(rig.engine.Completed());
    EXPECT_EQ(rig.engine.ImageBuffer(), nullptr);
    EXPECT_FALSE(Contains(rig.Written(), 0xE4));
  }
  {
    // A header claiming more than a full image must not size an allocation.
    LinkHeader h = LinkHeader::ForSend(3, nullptr, 0xFFFFFFC0u);
    RxRig rig(h, PatternData(5000));
    rig.Run();
    EXPECT_FALSE(rig.engine.Completed());
    EXPECT_EQ(rig.engine.ImageBuffer(), nullptr);
    EXPECT_FALSE(Contains(rig.Written(), 0xE4));
    EXPECT_TRUE(rig.observer.Messages().empty());
  }
}

TEST(JRxThread, DamagedPacketsAreAskedForAgain) {
  for (SendingPeer::Faults faults : {SendingPeer::Faults{.badSumPacket = 3},
                                     SendingPeer::Faults{.badStartPacket = 3},
                                     SendingPeer::Faults{.badSumPacket = 4}}) {
    RxRig rig(5000, faults);  // 5 packets, index 4 the final one
    rig.Run();
    EXPECT_TRUE(rig.engine.Completed());
    EXPECT_EQ(rig.Received(), rig.Expected());
    EXPECT_EQ(rig.peer->dataNacks, 1);
    const int bad = faults.badSumPacket >= 0 ? faults.badSumPacket : faults.badStartPacket;
    std::vector<int> order;
    for (int i = 0; i < 5; ++i) {
      order.push_back(i);
      if (i == bad) order.push_back(i);
    }
    EXPECT_EQ(rig.peer->requested, order);
  }
}

TEST(JRxThread, EarlyTerminateAckEndsInDownloadFail) {
  RxRig rig(5000, {.terminateAfter = 1});
  rig.Run();
  EXPECT_FALSE(rig.engine.Completed());
  EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadFail});
  EXPECT_EQ(rig.observer.Text(Field::Status), LinkTexts::kDownloadFail);
  EXPECT_EQ(rig.observer.OkEnabled(), 0);
}

TEST(JRxThread, SilentReceiverRunsIntoTheRetryLimit) {
  RxRig rig(5000, {.silent = true});
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
    RxRig rig(0x70000, {.slowFrom = 20});
    ASSERT_EQ(rig.engine.BeginReceive(), 1);
    ASSERT_TRUE(WaitUntil([&] { return rig.observer.MaxPos() >= 20; }));
    const auto t0 = std::chrono::steady_clock::now();
    rig.engine.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2));
    EXPECT_FALSE(rig.engine.Completed());
    EXPECT_TRUE(rig.observer.Messages().empty());
  }
  {
    RxRig rig(5000, {.silent = true});
    rig.observer.HoldMessages();
    ASSERT_EQ(rig.engine.BeginReceive(), 1);
    ASSERT_TRUE(rig.observer.WaitForMessages(1));
    rig.engine.Stop();  // returns although nobody dismissed the box
    EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kNoResponse});
  }
  {
    // Stopped before it was ever woken, and destroyed without an explicit Stop.
    RxRig rig(10);
    rig.engine.Stop();
    EXPECT_EQ(rig.engine.BeginReceive(), 0);
  }
  {
    RxRig rig(10);
    ASSERT_EQ(rig.engine.BeginReceive(), 1);
  }  // destructor stops it mid-run
}

}  // namespace
