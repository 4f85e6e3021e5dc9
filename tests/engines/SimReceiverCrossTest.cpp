// The engines against the simulated receiver (written apart from them), in virtual
// time: full images of the editor's own documents both ways, and the receiver's faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "DocImages.h"
#include "SimRigs.h"
#include "link/LinkTexts.h"

namespace {

TEST(EnginesWithSimReceiver, FullImagesBothWaysForTypeAAndTypeC) {
  for (int dbType : {0, 3}) {
    const std::vector<std::uint8_t> image = FullImage(dbType);
    {
      RxRig rx(image);
      rx.Run();
      ASSERT_TRUE(rx.engine.Completed()) << dbType;
      ASSERT_EQ(rx.engine.ImageSize(), image.size());
      EXPECT_TRUE(std::equal(image.begin(), image.end(), rx.engine.ImageBuffer())) << dbType;
      // Loaded and built again, the received image is the document it came from.
      CQuelmarDoc doc;
      doc.SetDbType(dbType);
      doc.LoadImage(rx.engine.ImageBuffer());
      std::vector<std::uint8_t> again(image.size());
      ASSERT_EQ(doc.BuildImage(again.data()), image.size());
      EXPECT_EQ(again, image) << dbType;
    }
    {
      auto doc = FullDocument(dbType);
      TxRig tx;
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
    RxRig rx(image, f);
    rx.Run();
    ASSERT_TRUE(rx.engine.Completed());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), rx.engine.ImageBuffer()));
  }
  SimFaults early;
  early.earlyTerminateAck = 5;
  RxRig rx(image, early);
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
    TxRig tx(nacks);
    tx.Run(*doc);
    ASSERT_TRUE(tx.engine.Succeeded());
    EXPECT_TRUE(std::equal(image.begin() + 64, image.end(), tx.sim.ReceivedImage().begin() + 64));
  }
  SimFaults refuse;
  refuse.failTerminate = 100;
  TxRig tx(refuse);
  tx.Run(*doc);
  EXPECT_FALSE(tx.engine.Succeeded());
  EXPECT_EQ(tx.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadFail});
}

}  // namespace
