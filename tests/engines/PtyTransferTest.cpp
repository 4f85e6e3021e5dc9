// Whole transfers through a real pseudo-terminal against stbsim: the engines over their
// own serial port, and quelmar-cli receive/send as a script would run them.
#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>

#include "DocImages.h"
#include "EngineTestUtil.h"
#include "RecordingObserver.h"
#include "link/JRxThread.h"
#include "link/JTxThread.h"
#include "link/LinkCodes.h"
#include "link/LinkTexts.h"
#include "support/Stbsim.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

using testkit::ReadBytes;
using testkit::TempDir;
using testkit::WaitUntil;
using testkit::WriteBytes;

// stbsim in `mode` on `file`, quiet, giving up after a minute without a PC.
std::unique_ptr<testkit::Stbsim> Sim(const std::string& mode, const std::string& file,
                                     std::vector<std::string> extra = {}) {
  std::vector<std::string> args = {mode, file, "--quiet", "--timeout", "60"};
  args.insert(args.end(), extra.begin(), extra.end());
  return std::make_unique<testkit::Stbsim>(args);
}

// quelmar-cli receive or send at `port`, run to its end.
testkit::Finished Cli(const std::string& command, const std::string& port, const std::string& file) {
  return testkit::Run({testkit::BinaryPath("quelmar-cli"), command, "--type", "0", "--port", port, file});
}

struct PtyReceive {
  TempDir dir;
  std::vector<std::uint8_t> image;
  std::unique_ptr<testkit::Stbsim> sim;
  RecordingObserver observer;
  JRxThread engine;

  explicit PtyReceive(int dbType, std::vector<std::string> faults = {}) : image(FullImage(dbType)) {
    WriteBytes(dir.File("served.qdb"), image);
    sim = Sim("serve", dir.File("served.qdb"), faults);
  }
  ~PtyReceive() { engine.Stop(); }
  void Run() {
    ASSERT_TRUE(sim->Ready());
    ASSERT_EQ(engine.Start(observer, sim->Device(), 115200), 1);
    ASSERT_EQ(engine.BeginReceive(), 1);
    ASSERT_TRUE(WaitUntil([&] { return engine.IsIdle(); }, std::chrono::seconds(60)));
    engine.Stop();
  }
  bool ImageArrived() const {
    return engine.Completed() && engine.ImageSize() == image.size() &&
           std::equal(image.begin(), image.end(), engine.ImageBuffer());
  }
};

struct PtySend {
  TempDir dir;
  std::unique_ptr<testkit::Stbsim> sim;
  RecordingObserver observer;
  std::unique_ptr<CQuelmarDoc> doc;
  JTxThread engine;
  int dbType;

  PtySend(int type, std::vector<std::string> faults = {}) : doc(FullDocument(type)), dbType(type) {
    sim = Sim("accept", dir.File("taken.qdb"), faults);
  }
  ~PtySend() { engine.Finish(); }
  void Run() {
    ASSERT_TRUE(sim->Ready());
    ASSERT_EQ(engine.Start(observer, sim->Device(), 115200), 1);
    ASSERT_EQ(engine.PrepareSend(*doc), 1);
    ASSERT_TRUE(WaitUntil([&] { return engine.IsIdle(); }, std::chrono::seconds(60)));
    engine.Finish();
  }
  // The data part the receiver stored equals the document's image.
  bool DataArrived() {
    const std::vector<std::uint8_t> taken = ReadBytes(dir.File("taken.qdb"));
    const std::vector<std::uint8_t> image = FullImage(dbType);
    return taken.size() == image.size() && std::equal(image.begin() + 64, image.end(), taken.begin() + 64);
  }
};

TEST(PtyTransfer, FullImagesBothWaysByteExactForTypeAAndTypeC) {
  for (int dbType : {0, 3}) {
    {
      PtyReceive rx(dbType);
      rx.Run();
      EXPECT_TRUE(rx.ImageArrived()) << dbType;
      EXPECT_EQ(rx.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadOk});
      EXPECT_EQ(rx.sim->Wait(), 0);
    }
    {
      PtySend tx(dbType);
      tx.Run();
      EXPECT_TRUE(tx.engine.Succeeded()) << dbType;
      EXPECT_EQ(tx.sim->Wait(), 0);
      EXPECT_TRUE(tx.DataArrived()) << dbType;
      const std::vector<std::uint8_t> taken = ReadBytes(tx.dir.File("taken.qdb"));
      ASSERT_GE(taken.size(), 64u);
      const LinkHeader h(taken.data());
      EXPECT_EQ(h.ImageTypeWord(), dbType == 0 ? 0x7FF70000u : 0x40180000u);
      EXPECT_TRUE(h.HeaderSumValid());
    }
  }
}

TEST(PtyTransfer, ReceiveRecoversFromBadMagicAndDamagedPackets) {
  for (const std::vector<std::string>& faults :
       {std::vector<std::string>{"--bad-magic", "1"}, std::vector<std::string>{"--corrupt-packet", "5:2"},
        std::vector<std::string>{"--bad-start-packet", "449"}}) {
    PtyReceive rx(3, faults);
    rx.Run();
    EXPECT_TRUE(rx.ImageArrived()) << faults[0];
  }
}

TEST(PtyTransfer, ReceiveFailsOnBadHeaderSumAndEarlyTerminate) {
  {
    PtyReceive rx(3, {"--bad-header-sum"});
    rx.Run();
    EXPECT_FALSE(rx.engine.Completed());
    EXPECT_TRUE(rx.observer.Messages().empty());
    EXPECT_EQ(rx.observer.Text(TransferObserver::Field::Status), "STATUS_RCV_END");
  }
  {
    PtyReceive rx(3, {"--early-terminate-ack", "3"});
    rx.Run();
    EXPECT_FALSE(rx.engine.Completed());
    EXPECT_EQ(rx.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadFail});
  }
}

TEST(PtyTransfer, SendFollowsNackOfTheFinalPacketAndFailTerminate) {
  {
    PtySend tx(0, {"--nack-packet", "449", "--nack-header", "1"});
    tx.Run();
    EXPECT_TRUE(tx.engine.Succeeded());
    EXPECT_EQ(tx.sim->Wait(), 0);
    EXPECT_TRUE(tx.DataArrived());
  }
  {
    PtySend tx(3, {"--fail-terminate", "10"});
    tx.Run();
    EXPECT_FALSE(tx.engine.Succeeded());
    EXPECT_EQ(tx.observer.Messages(), std::vector<std::string>{LinkTexts::kDownloadFail});
  }
}

TEST(PtyTransfer, SendKeepsAskingASilentLineUntilStopped) {
  int master = -1, slave = -1;
  char name[256] = {};
  ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
  ::close(slave);
  {
    auto doc = FullDocument(3);
    RecordingObserver observer;
    JTxThread engine;
    ASSERT_EQ(engine.Start(observer, name, 115200), 1);
    ASSERT_EQ(engine.PrepareSend(*doc), 1);
    // About every 50 ms another CONNECT_REQ; collect a few, answer none.
    int requests = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (requests < 4 && std::chrono::steady_clock::now() < end) {
      std::uint8_t b = 0;
      if (::read(master, &b, 1) == 1 && b == LinkCode::CONNECT_REQ) ++requests;
    }
    EXPECT_EQ(requests, 4);
    const auto t0 = std::chrono::steady_clock::now();
    engine.Finish();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(500));
    EXPECT_TRUE(observer.Messages().empty());
  }
  ::close(master);
}

TEST(PtyTransfer, StopMidTransferOnAPacedLineIsPrompt) {
  PtyReceive rx(3, {"--pace", "--baud", "115200"});
  ASSERT_TRUE(rx.sim->Ready());
  ASSERT_EQ(rx.engine.Start(rx.observer, rx.sim->Device(), 115200), 1);
  ASSERT_EQ(rx.engine.BeginReceive(), 1);
  ASSERT_TRUE(WaitUntil([&] { return rx.observer.MaxPos() >= 3; }, std::chrono::seconds(20)));
  const auto t0 = std::chrono::steady_clock::now();
  rx.engine.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(500));
  EXPECT_FALSE(rx.engine.Completed());
}

TEST(QuelmarCliTransfer, ReceiveWritesOnlyAfterSuccessAndSendReportsTheOutcome) {
  TempDir dir;
  const std::vector<std::uint8_t> image = FullImage(0);
  WriteBytes(dir.File("stb.qdb"), image);
  {
    auto sim = Sim("serve", dir.File("stb.qdb"));
    ASSERT_TRUE(sim->Ready());
    const auto cli = Cli("receive", sim->Device(), dir.File("got.qdb"));
    EXPECT_EQ(cli.status, 0);
    EXPECT_EQ(ReadBytes(dir.File("got.qdb")), image);
    EXPECT_NE(cli.err.find(LinkTexts::kDownloadOk), std::string::npos);
  }
  {
    auto sim = Sim("serve", dir.File("stb.qdb"), {"--early-terminate-ack", "2"});
    ASSERT_TRUE(sim->Ready());
    const auto cli = Cli("receive", sim->Device(), dir.File("failed.qdb"));
    EXPECT_EQ(cli.status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("failed.qdb")));
    EXPECT_NE(cli.err.find(LinkTexts::kDownloadFail), std::string::npos);
  }
  {
    auto sim = Sim("accept", dir.File("taken.qdb"));
    ASSERT_TRUE(sim->Ready());
    EXPECT_EQ(Cli("send", sim->Device(), dir.File("got.qdb")).status, 0);
    EXPECT_EQ(sim->Wait(), 0);
    const std::vector<std::uint8_t> taken = ReadBytes(dir.File("taken.qdb"));
    ASSERT_EQ(taken.size(), image.size());
    EXPECT_TRUE(std::equal(image.begin() + 64, image.end(), taken.begin() + 64));
  }
  {
    auto sim = Sim("accept", dir.File("refused.qdb"), {"--fail-terminate", "0"});
    ASSERT_TRUE(sim->Ready());
    EXPECT_EQ(Cli("send", sim->Device(), dir.File("got.qdb")).status, 2);
  }
  {
    // Complete receives of something that is no whole, valid database: nothing written.
    std::vector<std::uint8_t> shortImage(image.begin(), image.begin() + 64 + 5000);
    WriteBytes(dir.File("short.qdb"), shortImage);
    std::vector<std::uint8_t> invalid = image;
    invalid[20] = 0;  // validFlag
    WriteBytes(dir.File("invalid.qdb"), invalid);
    for (const char* served : {"short.qdb", "invalid.qdb"}) {
      auto sim = Sim("serve", dir.File(served));
      ASSERT_TRUE(sim->Ready());
      const auto cli = Cli("receive", sim->Device(), dir.File("refused.qdb"));
      EXPECT_EQ(cli.status, 2) << served;
      EXPECT_FALSE(std::filesystem::exists(dir.File("refused.qdb"))) << served;
      EXPECT_NE(cli.err.find("nothing written"), std::string::npos) << served;
    }
  }
  {
    // A port that is not there ends the command at once.
    const auto cli = testkit::Run({testkit::BinaryPath("quelmar-cli"), "receive", "--port",
                                   dir.File("no-such-tty"), dir.File("none.qdb")},
                                  std::chrono::seconds(5));
    EXPECT_EQ(cli.status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.qdb")));
    EXPECT_NE(cli.err.find(" Open Error!"), std::string::npos);
  }
}

}  // namespace
