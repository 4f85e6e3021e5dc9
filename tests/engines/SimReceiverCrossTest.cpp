// The engines against the simulated receiver (written apart from them), in virtual
// time: full images of the editor's own documents both ways. The receiver's faults are
// met in JRxThreadTest and JTxThreadTest.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "SimRigs.h"
#include "support/SampleDocs.h"

namespace {

using testkit::FullDocument;
using testkit::FullImage;

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

}  // namespace
