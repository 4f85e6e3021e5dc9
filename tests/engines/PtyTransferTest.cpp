// Transfers through a real pseudo-terminal in real time: the engines over their own
// serial port, and quelmar-cli receive/send against stbsim as a script would run them.
// What the receiver's faults do to a transfer is proven on the in-memory line
// (JRxThreadTest, JTxThreadTest) and over a pseudo-terminal by hardening/StbsimFaultTest.
#include <gtest/gtest.h>

#include "EngineTestUtil.h"
#include "link/JRxThread.h"
#include "link/JTxThread.h"
#include "link/LinkCodes.h"
#include "link/LinkTexts.h"
#include "support/Pty.h"
#include "support/SampleDocs.h"
#include "support/Stbsim.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

using testkit::FullDocument;
using testkit::FullImage;
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

TEST(PtyTransfer, SendKeepsAskingASilentLineUntilStopped) {
  testkit::Pty line;
  ASSERT_TRUE(line.Ok());
  auto doc = FullDocument(3);
  RecordingObserver observer;
  JTxThread engine;
  ASSERT_EQ(engine.Start(observer, line.Path(), 115200), 1);
  ASSERT_EQ(engine.PrepareSend(*doc), 1);
  // About every 50 ms another CONNECT_REQ; collect a few, answer none.
  int requests = 0;
  EXPECT_TRUE(WaitUntil(
      [&] {
        for (std::uint8_t b : line.Receive(10)) requests += b == LinkCode::CONNECT_REQ;
        return requests >= 4;
      },
      std::chrono::seconds(5)));
  const auto t0 = std::chrono::steady_clock::now();
  engine.Finish();
  EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(500));
  EXPECT_TRUE(observer.Messages().empty());
}

TEST(PtyTransfer, StopMidTransferOnAPacedLineIsPrompt) {
  TempDir dir;
  WriteBytes(dir.File("served.qdb"), FullImage(3));
  const auto sim = Sim("serve", dir.File("served.qdb"), {"--pace", "--baud", "115200"});
  RecordingObserver observer;
  JRxThread engine;
  ASSERT_TRUE(sim->Ready());
  ASSERT_EQ(engine.Start(observer, sim->Device(), 115200), 1);
  ASSERT_EQ(engine.BeginReceive(), 1);
  ASSERT_TRUE(WaitUntil([&] { return observer.MaxPos() >= 3; }, std::chrono::seconds(20)));
  const auto t0 = std::chrono::steady_clock::now();
  engine.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(500));
  EXPECT_FALSE(engine.Completed());
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
    const auto cli = Cli("send", sim->Device(), dir.File("got.qdb"));
    EXPECT_EQ(cli.status, 2);
    EXPECT_NE(cli.err.find(std::string(LinkTexts::kDownloadFail) + "\n" + LinkTexts::kReceiverFailed),
              std::string::npos)
        << cli.err;
  }
  {
    // A receive that ends on the receiver's header says why; the dialog shows only its
    // status line then.
    auto sim = Sim("serve", dir.File("stb.qdb"), {"--bad-header-sum"});
    ASSERT_TRUE(sim->Ready());
    const auto cli = Cli("receive", sim->Device(), dir.File("refused.qdb"));
    EXPECT_EQ(cli.status, 2);
    EXPECT_NE(cli.err.find(LinkTexts::kBadHeaderSum), std::string::npos) << cli.err;
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
