#include "sim/SimReceiver.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/LinkCodes.h"
#include "support/LinkImages.h"
#include "support/ReferencePc.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Result = testkit::ReferencePc::Result;

Bytes MakeImage(std::uint32_t dataLength) { return testkit::PatternImage(dataLength, 0); }

struct Rig {
  explicit Rig(SimRole role, SimFaults faults = {}) : sim(role, faults), peer(port, sim) {
    sim.SetLog([this](const std::string& line) { log.push_back(line); });
  }
  MemoryPort port;
  SimReceiver sim;
  SimReceiverPeer peer;
  testkit::ReferencePc pc{port};
  std::vector<std::string> log;
};

TEST(SimReceiverServe, FullImageArrivesWholeInVirtualTime) {
  const Bytes image = MakeImage(LinkHeader::kFullDataLength);
  Rig rig(SimRole::Serve);
  rig.sim.SetImage(image);
  rig.sim.Start(rig.port.NowMs());
  Bytes got;
  ASSERT_EQ(rig.pc.Receive(got), Result::Done);
  EXPECT_EQ(got, image);
  EXPECT_EQ(rig.sim.Outcome(), SimOutcome::Succeeded);
  EXPECT_EQ(rig.sim.Stats().packetsSent, 450u);
  EXPECT_EQ(rig.sim.Stats().strayBytes, 0u);
}

TEST(SimReceiverServe, TenByteTransferIsTheExchangeCodeForCode) {
  Rig rig(SimRole::Serve);
  const Bytes image = MakeImage(10);
  rig.sim.SetImage(image);
  rig.sim.Start(0);
  Bytes got;
  ASSERT_EQ(rig.pc.Receive(got), Result::Done);

  using namespace LinkCode;
  Bytes expected = {CONNECT_REQ, CONNECT_ACK, CONNECT_RE_ACK, HEADER_REQ};
  expected.insert(expected.end(), image.begin(), image.begin() + 64);
  expected.insert(expected.end(), {HEADER_ACK, HEADER_RCV_ACK, DATA_REQ, 0x47});
  expected.insert(expected.end(), image.begin() + 64, image.end());
  expected.resize(expected.size() + 1011, 0);
  unsigned sum = 0;
  for (std::size_t i = 64; i < image.size(); ++i) sum += image[i];
  expected.insert(expected.end(), {static_cast<std::uint8_t>(sum >> 8), static_cast<std::uint8_t>(sum),
                                   DATA_ACK, DATA_RCV_ACK, TERMINATE_REQ, TERMINATE_ACK});
  Bytes line;
  for (const auto& b : rig.port.LineLog()) line.push_back(b.value);
  EXPECT_EQ(line, expected);
}

TEST(SimReceiverServe, HeaderFaultsAreWrongMagicTimesThenAWrongSum) {
  SimFaults faults;
  faults.badMagicHeaders = 2;
  Rig rig(SimRole::Serve, faults);
  rig.sim.SetImage(MakeImage(3000));
  rig.sim.Start(0);
  Bytes got;
  int headerNacks = 0;
  EXPECT_EQ(rig.pc.Receive(got, &headerNacks), Result::Done);
  EXPECT_EQ(headerNacks, 2);
  EXPECT_EQ(rig.sim.Stats().headersSent, 3u);
  EXPECT_EQ(rig.sim.Stats().nacksReceived, 2u);

  SimFaults sumFault;
  sumFault.badHeaderSum = true;
  Rig bad(SimRole::Serve, sumFault);
  bad.sim.SetImage(MakeImage(3000));
  bad.sim.Start(0);
  EXPECT_EQ(bad.pc.Receive(got), Result::BadHeaderSum);
  EXPECT_FALSE(bad.sim.Done());  // left waiting for an answer, as a real receiver would be
}

TEST(SimReceiverServe, DamagedPacketsAreResentAndTheImageStillArrivesWhole) {
  SimFaults faults;
  faults.corruptPacket = 1;
  faults.corruptTimes = 2;
  faults.badStartPacket = 2;  // the final packet of 2500 bytes
  const Bytes image = MakeImage(2500);
  Rig rig(SimRole::Serve, faults);
  rig.sim.SetImage(image);
  rig.sim.Start(0);
  Bytes got;
  int packetNacks = 0;
  ASSERT_EQ(rig.pc.Receive(got, nullptr, &packetNacks), Result::Done);
  EXPECT_EQ(packetNacks, 3);
  EXPECT_EQ(got, image);
  EXPECT_EQ(rig.sim.Stats().packetsSent, 6u);
}

TEST(SimReceiverServe, EarlyTerminateAckSilenceAndJunk) {
  SimFaults early;
  early.earlyTerminateAck = 0;
  Rig a(SimRole::Serve, early);
  a.sim.SetImage(MakeImage(3000));
  a.sim.Start(0);
  Bytes got;
  EXPECT_EQ(a.pc.Receive(got), Result::EndedEarly);
  EXPECT_EQ(a.sim.Outcome(), SimOutcome::Failed);

  SimFaults silent;
  silent.silentAfterUnits = 3;  // CONNECT_REQ, CONNECT_RE_ACK, header: then nothing
  Rig b(SimRole::Serve, silent);
  b.sim.SetImage(MakeImage(3000));
  b.sim.Start(0);
  EXPECT_EQ(b.pc.Receive(got), Result::NoAnswer);
  EXPECT_EQ(b.sim.Stats().unitsSent, 3u);
  EXPECT_EQ(b.sim.Stats().headersSent, 1u);

  SimFaults junk;
  junk.junkBytes = 3;
  const Bytes image = MakeImage(3000);
  Rig c(SimRole::Serve, junk);
  c.sim.SetImage(image);
  c.sim.Start(0);
  EXPECT_EQ(c.pc.Receive(got), Result::Done);
  EXPECT_EQ(got, image);
  EXPECT_FALSE(c.pc.unexpected.empty());
  for (std::uint8_t b : c.pc.unexpected) EXPECT_EQ(LinkCode::Name(b), nullptr) << int(b);
}

TEST(SimReceiverServe, ConnectRequestRepeatsUntilAnswered) {
  Rig rig(SimRole::Serve);
  rig.sim.SetImage(MakeImage(100));
  rig.sim.Start(0);
  std::uint8_t out = 0;
  // A PC that only listens for a second hears one CONNECT_REQ per interval.
  int heard = 0;
  while (rig.port.NowMs() < 1000)
    if (rig.port.ReadByte(out) && out == LinkCode::CONNECT_REQ) ++heard;
  EXPECT_EQ(heard, 6);  // at 0, 200, ..., 1000 ms
}

TEST(SimReceiverAccept, TakesTheImageThePcSends) {
  const Bytes image = MakeImage(LinkHeader::kFullDataLength);
  Rig rig(SimRole::Accept);
  rig.sim.Start(0);
  const LinkHeader h(image.data());
  ASSERT_EQ(rig.pc.SendImage(h, Bytes(image.begin() + 64, image.end())), Result::Done);
  EXPECT_EQ(rig.sim.Outcome(), SimOutcome::Succeeded);
  EXPECT_EQ(rig.sim.ReceivedImage(), image);
  EXPECT_EQ(rig.sim.Stats().packetsReceived, 450u);
}

TEST(SimReceiverAccept, NackedHeaderAndPacketAreTakenOnTheirRetry) {
  SimFaults faults;
  faults.nackHeaders = 2;
  faults.nackPacket = 2;  // the final, empty packet of 2042 bytes
  faults.nackTimes = 2;
  faults.junkBytes = 2;
  const Bytes image = MakeImage(2042);
  Rig rig(SimRole::Accept, faults);
  rig.sim.Start(0);
  ASSERT_EQ(rig.pc.SendImage(LinkHeader(image.data()), Bytes(image.begin() + 64, image.end())),
            Result::Done);
  EXPECT_EQ(rig.sim.ReceivedImage(), image);
  EXPECT_EQ(rig.sim.Stats().nacksSent, 4u);
  EXPECT_EQ(rig.sim.Stats().headersReceived, 3u);
  EXPECT_EQ(rig.sim.Stats().packetsReceived, 5u);
}

TEST(SimReceiverAccept, RefusesWithFailTerminateAtAChosenPointOrOnABadHeader) {
  const Bytes image = MakeImage(3000);
  const Bytes data(image.begin() + 64, image.end());
  for (long point : {SimFaults::kAtHeader, 0L, 2L}) {
    SimFaults faults;
    faults.failTerminate = point;
    Rig rig(SimRole::Accept, faults);
    rig.sim.Start(0);
    EXPECT_EQ(rig.pc.SendImage(LinkHeader(image.data()), data), Result::Refused) << point;
    EXPECT_EQ(rig.sim.Outcome(), SimOutcome::Failed);
    EXPECT_EQ(rig.sim.Stats().packetsReceived, static_cast<std::size_t>(point + 1));
  }

  LinkHeader badSum(image.data());
  badSum.SetHeaderSum(badSum.HeaderSum() + 1);
  Rig sum(SimRole::Accept);
  sum.sim.Start(0);
  EXPECT_EQ(sum.pc.SendImage(badSum, data), Result::Refused);

  LinkHeader tooLong(image.data());
  tooLong.SetDataLength(LinkHeader::kFullDataLength + 1);
  tooLong.UpdateHeaderSum();
  Rig big(SimRole::Accept);
  big.sim.Start(0);
  EXPECT_EQ(big.pc.SendImage(tooLong, data), Result::Refused);
  EXPECT_TRUE(big.sim.ReceivedImage().empty());
}

TEST(SimReceiverAccept, IncompleteHeaderIsAskedForAgainAfterTheBlockTimeout) {
  Rig rig(SimRole::Accept);
  rig.sim.Start(0);
  using namespace LinkCode;
  rig.pc.Send(CONNECT_REQ);
  ASSERT_TRUE(rig.pc.Expect(CONNECT_ACK));
  rig.pc.Send(CONNECT_RE_ACK);
  ASSERT_TRUE(rig.pc.Expect(HEADER_REQ));
  const Bytes half(30, 0x10);
  rig.port.Write(half.data(), half.size());
  rig.pc.patience = 100;  // 5 s of virtual waiting covers the 2 s block timeout
  ASSERT_TRUE(rig.pc.Expect(HEADER_REQ));
  EXPECT_GE(rig.port.NowMs(), 2000u);
  const Bytes image = MakeImage(10);
  rig.port.Write(image.data(), 64);
  EXPECT_TRUE(rig.pc.Expect(HEADER_ACK));
}

}  // namespace
