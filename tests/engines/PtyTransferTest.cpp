// Whole transfers through a real pseudo-terminal against stbsim: the engines over their
// own serial port, and quelmar-cli receive/send as a script would run them.
#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "DocImages.h"
#include "EngineTestUtil.h"
#include "RecordingObserver.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"
#include "link/JRxThread.h"
#include "link/JTxThread.h"
#include "link/LinkCodes.h"
#include "link/LinkTexts.h"

namespace {

using testdata::TempDir;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// stbsim on a fresh pseudo-terminal; Device() is the path the PC side opens.
class Sim {
 public:
  Sim(const std::string& mode, const std::string& file, std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {BinaryPath("stbsim"), mode, file, "--quiet", "--timeout", "60"};
    args.insert(args.end(), extra.begin(), extra.end());
    started_ = process_.Start(args);
    if (started_) device_ = process_.ReadLine();
  }
  bool Ready() const { return started_ && !device_.empty(); }
  const std::string& Device() const { return device_; }
  int Wait() { return process_.Wait(std::chrono::seconds(30)); }

 private:
  Subprocess process_;
  bool started_ = false;
  std::string device_;
};

struct PtyReceive {
  TempDir dir;
  std::vector<std::uint8_t> image;
  std::unique_ptr<Sim> sim;
  RecordingObserver observer;
  CQuelmarDoc doc;
  JRxThread engine;

  PtyReceive(int dbType, std::vector<std::string> faults = {}) : image(FullImage(dbType)) {
    doc.SetDbType(dbType);
    WriteFile(dir.File("served.qdb"), image);
    sim = std::make_unique<Sim>("serve", dir.File("served.qdb"), faults);
  }
  ~PtyReceive() { engine.Stop(); }
  void Run() {
    ASSERT_TRUE(sim->Ready());
    ASSERT_EQ(engine.Start(observer, sim->Device(), 115200, doc), 1);
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
  std::unique_ptr<Sim> sim;
  RecordingObserver observer;
  std::unique_ptr<CQuelmarDoc> doc;
  JTxThread engine;
  int dbType;

  PtySend(int type, std::vector<std::string> faults = {}) : doc(FullDocument(type)), dbType(type) {
    sim = std::make_unique<Sim>("accept", dir.File("taken.qdb"), faults);
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
    const std::vector<std::uint8_t> taken = ReadFile(dir.File("taken.qdb"));
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
      const std::vector<std::uint8_t> taken = ReadFile(tx.dir.File("taken.qdb"));
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
  ASSERT_EQ(rx.engine.Start(rx.observer, rx.sim->Device(), 115200, rx.doc), 1);
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
  WriteFile(dir.File("stb.qdb"), image);
  {
    Sim sim("serve", dir.File("stb.qdb"));
    ASSERT_TRUE(sim.Ready());
    Subprocess cli;
    ASSERT_TRUE(cli.Start({BinaryPath("quelmar-cli"), "receive", "--type", "0", "--port", sim.Device(),
                           dir.File("got.qdb")},
                          dir.File("receive.err")));
    EXPECT_EQ(cli.Wait(), 0);
    EXPECT_EQ(ReadFile(dir.File("got.qdb")), image);
    const std::vector<std::uint8_t> err = ReadFile(dir.File("receive.err"));
    EXPECT_NE(std::string(err.begin(), err.end()).find(LinkTexts::kDownloadOk), std::string::npos);
  }
  {
    Sim sim("serve", dir.File("stb.qdb"), {"--early-terminate-ack", "2"});
    ASSERT_TRUE(sim.Ready());
    Subprocess cli;
    ASSERT_TRUE(cli.Start({BinaryPath("quelmar-cli"), "receive", "--type", "0", "--port", sim.Device(),
                           dir.File("failed.qdb")},
                          dir.File("fail.err")));
    EXPECT_EQ(cli.Wait(), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("failed.qdb")));
    const std::vector<std::uint8_t> err = ReadFile(dir.File("fail.err"));
    EXPECT_NE(std::string(err.begin(), err.end()).find(LinkTexts::kDownloadFail), std::string::npos);
  }
  {
    Sim sim("accept", dir.File("taken.qdb"));
    ASSERT_TRUE(sim.Ready());
    Subprocess cli;
    ASSERT_TRUE(cli.Start({BinaryPath("quelmar-cli"), "send", "--type", "0", "--port", sim.Device(),
                           dir.File("got.qdb")},
                          dir.File("send.err")));
    EXPECT_EQ(cli.Wait(), 0);
    EXPECT_EQ(sim.Wait(), 0);
    const std::vector<std::uint8_t> taken = ReadFile(dir.File("taken.qdb"));
    ASSERT_EQ(taken.size(), image.size());
    EXPECT_TRUE(std::equal(image.begin() + 64, image.end(), taken.begin() + 64));
  }
  {
    Sim sim("accept", dir.File("refused.qdb"), {"--fail-terminate", "0"});
    ASSERT_TRUE(sim.Ready());
    Subprocess cli;
    ASSERT_TRUE(cli.Start({BinaryPath("quelmar-cli"), "send", "--type", "0", "--port", sim.Device(),
                           dir.File("got.qdb")},
                          dir.File("refused.err")));
    EXPECT_EQ(cli.Wait(), 1);
  }
  {
    // Complete receives of something that is no whole, valid database: nothing written.
    std::vector<std::uint8_t> shortImage(image.begin(), image.begin() + 64 + 5000);
    WriteFile(dir.File("short.qdb"), shortImage);
    std::vector<std::uint8_t> invalid = image;
    invalid[20] = 0;  // validFlag
    WriteFile(dir.File("invalid.qdb"), invalid);
    for (const char* served : {"short.qdb", "invalid.qdb"}) {
      Sim sim("serve", dir.File(served));
      ASSERT_TRUE(sim.Ready());
      Subprocess cli;
      ASSERT_TRUE(cli.Start({BinaryPath("quelmar-cli"), "receive", "--type", "0", "--port", sim.Device(),
                             dir.File("refused.qdb")},
                            dir.File("refused-receive.err")));
      EXPECT_EQ(cli.Wait(), 1) << served;
      EXPECT_FALSE(std::filesystem::exists(dir.File("refused.qdb"))) << served;
      const std::vector<std::uint8_t> err = ReadFile(dir.File("refused-receive.err"));
      EXPECT_NE(std::string(err.begin(), err.end()).find("nothing written"), std::string::npos) << served;
    }
  }
  {
    // A port that is not there ends the command at once.
    Subprocess cli;
    ASSERT_TRUE(cli.Start({BinaryPath("quelmar-cli"), "receive", "--port", dir.File("no-such-tty"),
                           dir.File("none.qdb")},
                          dir.File("noport.err")));
    EXPECT_EQ(cli.Wait(std::chrono::seconds(5)), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.qdb")));
    const std::vector<std::uint8_t> err = ReadFile(dir.File("noport.err"));
    EXPECT_NE(std::string(err.begin(), err.end()).find(" Open Error!"), std::string::npos);
  }
}

}  // namespace
