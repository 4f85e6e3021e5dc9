// The send engine against the simulated receiver: whole sends, the receiver's rejections
// and refusals, the endless connect loop, and stopping it from another thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "SimRigs.h"
#include "link/LinkCodes.h"
#include "link/LinkTexts.h"

namespace {

using Field = TransferObserver::Field;

TEST(JTxThread, FullImageForTypeAGoesOutByteExact) {
  TxRig rig;
  ASSERT_EQ(rig.Prepare(0), 1);
  // Shown as soon as the dialog is, before the receiver says anything.
  EXPECT_EQ(rig.observer.Text(Field::Total), "458752");
  EXPECT_EQ(rig.observer.Text(Field::Expected), "00:57");
  EXPECT_EQ(rig.observer.RangeHigh(), 450);
  ASSERT_TRUE(WaitUntil([&] { return rig.engine.IsIdle(); }));
  rig.engine.Finish();

  EXPECT_TRUE(rig.engine.Succeeded());
  EXPECT_TRUE(rig.sim.Done());
  EXPECT_EQ(rig.Taken(), rig.Data());
  ASSERT_EQ(rig.Headers().size(), 1u);
  const LinkHeader h(rig.Headers()[0].data());
  EXPECT_EQ(h.ImageTypeWord(), 0x7FF70000u);
  EXPECT_EQ(h.DataLength(), 458752u);
  EXPECT_EQ(h.ValidFlag(), 1u);
  EXPECT_EQ(h.DataSum(), LinkHeader::DataSum(rig.image.data() + 64, 458752));
  EXPECT_TRUE(h.HeaderSumValid());
  EXPECT_EQ(std::memcmp(h.Bytes() + 4, "Velto\0\0\0\0\0\0\0\0\0\0\0", 16), 0);
  // 450 packets; the final one carries 323 data bytes and 698 zeros.
  ASSERT_EQ(rig.Packets().size(), 450u);
  const Bytes last = rig.Packets().back();
  EXPECT_EQ(std::memcmp(last.data() + 1, rig.image.data() + 64 + 449 * 1021, 323), 0);
  EXPECT_TRUE(std::all_of(last.begin() + 1 + 323, last.begin() + 1022, [](auto b) { return b == 0; }));

  EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadOk});
  EXPECT_EQ(rig.observer.Text(Field::Status), LinkTexts::kDownloadOk);
  EXPECT_EQ(rig.observer.CancelCaption(), "OK");
  EXPECT_EQ(rig.observer.ClockRestarts(), 1);
  EXPECT_FALSE(rig.observer.ClockRunning());
  // After the final packet the counters fall back to 0.
  EXPECT_EQ(rig.observer.Text(Field::Packets), "0");
  EXPECT_EQ(rig.observer.Text(Field::Sending), "0");
  EXPECT_EQ(rig.observer.Pos(), 0);
  const auto statuses = rig.observer.History(Field::Status);
  const std::vector<std::string> tail(statuses.end() - 5, statuses.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"Waiting data ACK", "Please wait for saving",
                                            "Waiting terminate request", "Sending success terminate ACK",
                                            LinkTexts::kDownloadOk}));
}

TEST(JTxThread, TypeCHeaderCarriesNoDataSum) {
  TxRig rig;
  rig.Run(3);
  ASSERT_FALSE(rig.Headers().empty());
  const LinkHeader h(rig.Headers()[0].data());
  EXPECT_EQ(h.DataSum(), 0u);
  EXPECT_EQ(h.ImageTypeWord(), 0x40180000u);
  EXPECT_EQ(rig.Taken(), rig.Data());
}

TEST(JTxThread, TenByteImageCrossesTheLineInProtocolOrder) {
  TxRig rig(SimFaults(), 64 + 10);
  rig.Run(3);
  const LinkHeader h = LinkHeader::ForSend(3, rig.image.data() + 64, 10);
  std::vector<std::uint8_t> expected = {0xE1, 0xE2, 0xEF, 0xE3};
  expected.insert(expected.end(), h.Bytes(), h.Bytes() + 64);
  expected.insert(expected.end(), {0xE4, 0xE6, 0xE7});
  const DataPacket packet = DataPacket::Build(rig.image.data() + 64, 10, 0);
  expected.insert(expected.end(), packet.Bytes(), packet.Bytes() + 1024);
  expected.insert(expected.end(), {0xE8, 0xEA, 0xEB, 0xED});
  std::vector<std::uint8_t> line;
  for (const auto& b : rig.port->LineLog()) line.push_back(b.value);
  EXPECT_EQ(line, expected);
}

TEST(JTxThread, RejectedHeaderIsSentAgainUnchanged) {
  TxRig rig({.nackHeaders = 2}, 64 + 3000);
  rig.Run();
  ASSERT_EQ(rig.Headers().size(), 3u);
  EXPECT_EQ(rig.Headers()[0], rig.Headers()[2]);
  EXPECT_EQ(rig.Taken(), rig.Data());
  EXPECT_TRUE(rig.engine.Succeeded());
  const auto statuses = rig.observer.History(Field::Status);
  EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Sending header transfer NACK"), statuses.end());
}

TEST(JTxThread, RejectedPacketsStepBackIncludingTheFinalOne) {
  // 4 is the final packet of 5000 bytes.
  for (auto [bad, times] : std::initializer_list<std::pair<int, int>>{{0, 1}, {2, 1}, {4, 1}, {4, 2}}) {
    TxRig rig({.nackPacket = bad, .nackTimes = times}, 64 + 5000);
    rig.Run();
    EXPECT_TRUE(rig.engine.Succeeded()) << bad;
    EXPECT_EQ(rig.Taken(), rig.Data()) << bad;
    ASSERT_EQ(rig.Packets().size(), 5u + static_cast<std::size_t>(times));
    for (int t = 1; t <= times; ++t) EXPECT_EQ(rig.Packets()[bad], rig.Packets()[bad + t]);
    const auto statuses = rig.observer.History(Field::Status);
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Please wait for saving"), statuses.end());
  }
}

TEST(JTxThread, ReceiverGivingUpEndsInDownloadFail) {
  TxRig rig({.failTerminate = 1}, 64 + 5000);
  rig.Run();
  EXPECT_FALSE(rig.engine.Succeeded());
  EXPECT_TRUE(rig.sim.Done());
  EXPECT_EQ(rig.observer.Messages(),
            std::vector<std::string>{std::string(LinkTexts::kDownloadFail) + "\n" + LinkTexts::kReceiverFailed});
  EXPECT_EQ(rig.observer.CancelCaption(), "Cancel");
  const auto statuses = rig.observer.History(Field::Status);
  ASSERT_GE(statuses.size(), 2u);
  EXPECT_EQ(statuses[statuses.size() - 2], "Sending fail terminate ACK");
  EXPECT_EQ(statuses.back(), LinkTexts::kDownloadFail);
}

TEST(JTxThread, SilentReceiverMeansConnectRequestsUntilCancel) {
  TxRig rig({.silentAfterUnits = 0}, 64 + 5000);
  ASSERT_EQ(rig.Prepare(3), 1);
  // Far more waits than the retry limit, in virtual time.
  ASSERT_TRUE(WaitUntil([&] { return rig.port->AllWritten().size() > 3000; }));
  const Bytes written = rig.port->AllWritten();
  EXPECT_TRUE(std::all_of(written.begin(), written.end(), [](auto b) { return b == LinkCode::CONNECT_REQ; }));
  EXPECT_FALSE(rig.engine.IsIdle());
  rig.engine.Finish();
  EXPECT_TRUE(rig.engine.IsIdle());
  EXPECT_TRUE(rig.observer.Messages().empty());
  const auto retries = rig.observer.History(Field::Retry);
  ASSERT_GE(retries.size(), 2u);
  for (const auto& r : retries) EXPECT_TRUE(r == "0" || r == "1") << r;
  const auto statuses = rig.observer.History(Field::Status);
  EXPECT_EQ(statuses[0], "Sending connect request");
  EXPECT_EQ(statuses[1], "Waiting connect request ack");
  EXPECT_EQ(statuses[2], "Sending connect request");
  EXPECT_EQ(rig.observer.ClockRestarts(), 0);
}

TEST(JTxThread, ReceiverQuietAfterConnectRunsIntoTheRetryLimit) {
  TxRig rig({.silentAfterUnits = 1}, 64 + 5000);
  rig.Run();
  EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kNoResponse});
  EXPECT_EQ(rig.observer.History(Field::Retry).back(), "1001");
  EXPECT_EQ(rig.observer.ClockRestarts(), 1);
  EXPECT_FALSE(rig.observer.ClockRunning());
}

TEST(JTxThread, AckFieldShowsEveryByteEvenStrayOnes) {
  // A noise byte before every code the receiver sends, none of them in the code table.
  TxRig rig({.junkBytes = 1}, 64 + 100);
  rig.Run();
  EXPECT_TRUE(rig.engine.Succeeded());
  const auto acks = rig.observer.History(Field::Ack);
  EXPECT_EQ(acks.front(), "0x00");
  for (const char* ack : {"0xe2", "0x55", "0xaa", "0xff"})
    EXPECT_NE(std::find(acks.begin(), acks.end(), ack), acks.end()) << ack;
  EXPECT_EQ(acks.back(), "0xeb");
}

TEST(JTxThread, NothingToSendOrABusyEngineSendsNothing) {
  {
    TxRig rig(SimFaults(), 64 + 100);
    struct : ImageSource {
      std::size_t BuildImage(std::uint8_t*) override { return 0; }
      int GetDbType() const override { return 3; }
    } nothing;
    EXPECT_EQ(rig.engine.PrepareSend(nothing), 0);
    EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kNoData});
    EXPECT_TRUE(rig.engine.IsIdle());
    rig.engine.Finish();
    EXPECT_EQ(rig.observer.Messages().size(), 1u);
    EXPECT_TRUE(rig.port->AllWritten().empty());
  }
  {
    TxRig rig({.silentAfterUnits = 0}, 64 + 100);
    ASSERT_EQ(rig.Prepare(3), 1);
    EXPECT_EQ(rig.Prepare(3), 0);
    EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kNowTransfering});
  }
}

TEST(JTxThread, ExpectedTimeFollowsTheLengthNotTheLine) {
  EXPECT_EQ(JTxThread::ExpectedSeconds(458752), 57u);
  EXPECT_EQ(JTxThread::ExpectedSeconds(0), 2u);
  EXPECT_EQ(JTxThread::FormatMinutes(57), "00:57");
  EXPECT_EQ(JTxThread::FormatMinutes(61 * 60 + 5), "61:05");
}

TEST(JTxThread, StopsPromptlyMidTransferAndWhileAMessageBoxIsOpen) {
  {
    TxRig rig;
    rig.far->SlowFrom(20);
    ASSERT_EQ(rig.Prepare(3), 1);
    ASSERT_TRUE(WaitUntil([&] { return rig.observer.MaxPos() >= 20; }));
    const auto t0 = std::chrono::steady_clock::now();
    rig.engine.Finish();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2));
    EXPECT_TRUE(rig.observer.Messages().empty());
    EXPECT_FALSE(rig.observer.ClockRunning());
  }
  {
    // The box after success is open; Cancel releases it and shows nothing twice.
    TxRig rig(SimFaults(), 64 + 3000);
    rig.observer.HoldMessages();
    ASSERT_EQ(rig.Prepare(3), 1);
    ASSERT_TRUE(rig.observer.WaitForMessages(1));
    rig.engine.Finish();
    EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadOk});
    EXPECT_TRUE(rig.engine.IsIdle());
  }
  {
    TxRig rig({.silentAfterUnits = 1}, 64 + 3000);
    rig.observer.HoldMessages();
    ASSERT_EQ(rig.Prepare(3), 1);
    ASSERT_TRUE(rig.observer.WaitForMessages(1));
    rig.engine.Finish();
    EXPECT_EQ(rig.observer.Messages(), std::vector<std::string>{LinkTexts::kNoResponse});
  }
  {
    // Destroyed without Finish while it asks to connect on a line with nobody at the far end.
    RecordingObserver observer;
    struct : ImageSource {
      std::size_t BuildImage(std::uint8_t* out) override {
        std::memset(out, 0x5A, 64 + 100);
        return 64 + 100;
      }
      int GetDbType() const override { return 3; }
    } source;
    auto port = std::make_unique<MemoryPort>();
    MemoryPort& line = *port;
    {
      JTxThread engine;
      ASSERT_EQ(engine.Start(observer, std::move(port)), 1);
      ASSERT_EQ(engine.PrepareSend(source), 1);
      ASSERT_TRUE(WaitUntil([&] { return line.ReadByteTimeouts() > 10; }));
    }  // the destructor ends the connect loop
    EXPECT_TRUE(observer.Messages().empty());
  }
}

}  // namespace
