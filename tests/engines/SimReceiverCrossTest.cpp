// The engines against the simulated receiver (written apart from them), in virtual
// time: full images of the editor's own documents both ways, and the receiver's faults.
#include <gtest/gtest.h>

#include <memory>

#include "DocImages.h"
#include "EngineTestUtil.h"
#include "RecordingObserver.h"
#include "link/JRxThread.h"
#include "link/JTxThread.h"
#include "link/LinkTexts.h"
#include "sim/SimReceiver.h"

namespace {

struct RxWithSim {
  RecordingObserver observer;
  JRxThread engine;
  SimReceiver sim;
  std::unique_ptr<SimReceiverPeer> peer;
  CQuelmarDoc doc;

  RxWithSim(const std::vector<std::uint8_t>& image, int dbType, SimFaults faults = {})
      : sim(SimRole::Serve, faults) {
    doc.SetDbType(dbType);
    sim.SetImage(image);
    auto port = std::make_unique<MemoryPort>();
    peer = std::make_unique<SimReceiverPeer>(*port, sim);
    sim.Start(port->NowMs());
    EXPECT_EQ(engine.Start(observer, std::move(port), doc), 1);
  }
  ~RxWithSim() { engine.Stop(); }
  void Run() {
    ASSERT_EQ(engine.BeginReceive(), 1);
    ASSERT_TRUE(WaitUntil([&] { return engine.IsIdle(); }));
    engine.Stop();
  }
};

struct TxWithSim {
  RecordingObserver observer;
  JTxThread engine;
  SimReceiver sim;
  std::unique_ptr<SimReceiverPeer> peer;

  explicit TxWithSim(SimFaults faults = {}) : sim(SimRole::Accept, faults) {
    auto port = std::make_unique<MemoryPort>();
    peer = std::make_unique<SimReceiverPeer>(*port, sim);
    sim.Start(port->NowMs());
    EXPECT_EQ(engine.Start(observer, std::move(port)), 1);
  }
  ~TxWithSim() { engine.Finish(); }
  void Run(CQuelmarDoc& doc) {
    ASSERT_EQ(engine.PrepareSend(doc), 1);
    ASSERT_TRUE(WaitUntil([&] { return engine.IsIdle(); }));
    engine.Finish();
  }
};

TEST(EnginesWithSimReceiver, FullImagesBothWaysForTypeAAndTypeC) {
  for (int dbType : {0, 3}) {
    const std::vector<std::uint8_t> image = FullImage(dbType);
    {
      RxWithSim rx(image, dbType);
      rx.Run();
      ASSERT_TRUE(rx.engine.Completed()) << dbType;
      ASSERT_EQ(rx.engine.ImageSize(), image.size());
      EXPECT_TRUE(std::equal(image.begin(), image.end(), rx.engine.ImageBuffer())) << dbType;
      // Loaded and built again, the received image is the document it came from.
      rx.doc.LoadImage(rx.engine.ImageBuffer());
      std::vector<std::uint8_t> again(image.size());
      ASSERT_EQ(rx.doc.BuildImage(again.data()), image.size());
      EXPECT_EQ(again, image) << dbType;
    }
    {
      auto doc = FullDocument(dbType);
      TxWithSim tx;
      tx.Run(*doc);
      ASSERT_TRUE(tx.engine.Succeeded()) << dbType;
      ASSERT_EQ(tx.sim.Outcome(), SimOutcome::Succeeded);
      const auto& got = tx.sim.ReceivedImage();
      ASSERT_EQ(got.size(), image.size());
      EXPECT_TRUE(std::equal(image.begin() + 64, image.end(), got.begin() + 64)) << dbType;
      const LinkHeader h(got.data());
      EXPECT_EQ(h.DataLength(), 0x70000u);
      EXPECT_EQ(h.DataSum(), dbType == 3 ? 0u : LinkHeader::DataSum(image.data() + 64, 0x70000));
    }
  }
}

TEST(EnginesWithSimReceiver, ReceiveSurvivesTheServersFaults) {
  const std::vector<std::uint8_t> image = FullImage(3);
  SimFaults corrupt;
  corrupt.corruptPacket = 17;
  corrupt.corruptTimes = 3;
  SimFaults badStart;
  badStart.badStartPacket = 449;
  SimFaults badMagic;
  badMagic.badMagicHeaders = 1;
  SimFaults junk;
  junk.junkBytes = 2;
  for (const SimFaults& f : {corrupt, badStart, badMagic, junk}) {
    RxWithSim rx(image, 3, f);
    rx.Run();
    ASSERT_TRUE(rx.engine.Completed());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), rx.engine.ImageBuffer()));
  }
  SimFaults early;
  early.earlyTerminateAck = 5;
  RxWithSim rx(image, 3, early);
  rx.Run();
  EXPECT_FALSE(rx.engine.Completed());
  EXPECT_EQ(rx.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadFail});
}

TEST(EnginesWithSimReceiver, SendFollowsTheAcceptorsRejectionsAndRefusal) {
  auto doc = FullDocument(0);
  const std::vector<std::uint8_t> image = FullImage(0);
  SimFaults nacks;
  nacks.nackHeaders = 2;
  nacks.nackPacket = 449;
  nacks.nackTimes = 2;
  {
    TxWithSim tx(nacks);
    tx.Run(*doc);
    ASSERT_TRUE(tx.engine.Succeeded());
    EXPECT_TRUE(std::equal(image.begin() + 64, image.end(), tx.sim.ReceivedImage().begin() + 64));
  }
  SimFaults refuse;
  refuse.failTerminate = 100;
  TxWithSim tx(refuse);
  tx.Run(*doc);
  EXPECT_FALSE(tx.engine.Succeeded());
  EXPECT_EQ(tx.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadFail});
}

}  // namespace
