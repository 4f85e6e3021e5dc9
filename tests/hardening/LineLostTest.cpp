// The far end vanishing mid-transfer (a USB adapter pulled, on a pseudo-terminal the peer
// closing) ends the transfer within two seconds with the message a dead line gives,
// the reason in the status line and on quelmar-cli's stderr. A receiver that is merely
// slow or silent still gets the whole retry limit. And a receive whose output cannot be
// written fails before it touches the port.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "link/JRxThread.h"
#include "link/LinkHeader.h"
#include "link/LinkTexts.h"
#include "sim/MemoryPort.h"
#include "sim/SimReceiver.h"
#include "support/FarEnd.h"
#include "support/LinkImages.h"
#include "support/Pty.h"
#include "support/RecordingObserver.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"
#include "support/Wait.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using testkit::FaultScript;
using testkit::Pty;
using testkit::RecordingObserver;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool Has(const std::vector<std::string>& messages, const char* text) {
  return std::find(messages.begin(), messages.end(), text) != messages.end();
}

TEST(LineLost, ReceiveEndsWithinTwoSecondsWhenTheFarEndHangsUp) {
  Pty line;
  RecordingObserver observer;
  JRxThread rx;
  ASSERT_EQ(rx.Start(observer, line.Path(), 115200), 1);
  ASSERT_EQ(rx.BeginReceive(), 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // waiting for CONNECT_REQ
  ASSERT_FALSE(rx.IsIdle());
  const auto lost = Clock::now();
  line.HangUp();
  ASSERT_TRUE(testkit::WaitUntil([&] { return rx.IsIdle(); }, std::chrono::seconds(30)));
  EXPECT_LT(Clock::now() - lost, std::chrono::seconds(2));
  EXPECT_TRUE(Has(observer.Messages(), LinkTexts::kNoResponse));
  EXPECT_EQ(observer.Status(), std::string(LinkTexts::kLineLost) + LinkTexts::kHungUp);
  EXPECT_FALSE(rx.Completed());
}

TEST(LineLost, SilentReceiverStillGetsTheRetryLimit) {
  Pty line;  // open, but nothing ever comes
  RecordingObserver observer;
  JRxThread rx;
  ASSERT_EQ(rx.Start(observer, line.Path(), 115200), 1);
  ASSERT_EQ(rx.BeginReceive(), 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(2500));
  EXPECT_FALSE(rx.IsIdle()) << "a quiet line is not a lost one";
  EXPECT_TRUE(observer.Messages().empty());
  rx.Stop();
}

// A receiver that says its last word and hangs up at once has still served the image:
// the receive ends complete, not as a lost line. The same cut one word earlier fails.
TEST(LineLost, HangingUpAfterTheLastWordLeavesTheReceiveComplete) {
  const std::vector<std::uint8_t> image = testkit::PatternImage(3000);

  // Runs the receive against the simulator, the line hanging up after unit `hangUpAfter`
  // (none when negative); returns the units the simulator sent.
  const auto run = [&](long hangUpAfter, bool& completed, std::string& status) {
    SimReceiver sim(SimRole::Serve);
    sim.SetImage(image);
    RecordingObserver observer;
    JRxThread rx;
    auto port = std::make_unique<MemoryPort>();
    FaultScript faults;
    if (hangUpAfter >= 0) faults.actions = {{FaultScript::HangUp, static_cast<std::uint16_t>(hangUpAfter), 0}};
    testkit::FarEnd far(*port, sim, faults);
    EXPECT_EQ(rx.Start(observer, std::move(port)), 1);
    EXPECT_EQ(rx.BeginReceive(), 1);
    EXPECT_TRUE(testkit::WaitUntil([&] { return rx.IsIdle(); }, std::chrono::seconds(30)));
    rx.Stop();
    completed = rx.Completed();
    status = observer.Status();
    return sim.Stats().unitsSent;
  };
  bool completed = false;
  std::string status;
  const std::size_t units = run(-1, completed, status);
  ASSERT_TRUE(completed);
  ASSERT_GE(units, 2u);
  run(static_cast<long>(units - 1), completed, status);
  EXPECT_TRUE(completed) << status;
  run(static_cast<long>(units - 2), completed, status);
  EXPECT_FALSE(completed);
  EXPECT_EQ(status, std::string(LinkTexts::kLineLost) + LinkTexts::kHungUp);
}

// quelmar-cli against stbsim at line pace; stbsim is killed once the data flows.
class VanishingReceiver : public ::testing::Test {
 protected:
  testkit::TempDir dir;
  const std::string image = dir.File("image.qdb");
  const std::string out = dir.File("out.qdb");
  const std::string err = dir.File("err");

  void SetUp() override {
    ASSERT_EQ(testkit::Run({testkit::BinaryPath("quelmar-cli"), "sample", image}).status, 0);
  }

  // Runs `cliArgs` against `stbsimArgs`; kills stbsim at the first sight of `cue` on the
  // program's stderr and returns how long the program took to end after that.
  Clock::duration RunAndPull(const std::vector<std::string>& stbsimArgs, std::vector<std::string> cliArgs,
                             const std::string& cue, int& status) {
    testkit::Subprocess stbsim;
    std::vector<std::string> s{testkit::BinaryPath("stbsim")};
    s.insert(s.end(), stbsimArgs.begin(), stbsimArgs.end());
    EXPECT_TRUE(stbsim.Start(s));
    const std::string device = stbsim.ReadLine();
    EXPECT_FALSE(device.empty());
    cliArgs.insert(cliArgs.begin() + 1, {"--port", device});
    cliArgs.insert(cliArgs.begin(), testkit::BinaryPath("quelmar-cli"));
    testkit::Subprocess cli;
    EXPECT_TRUE(cli.Start(cliArgs, err));
    EXPECT_TRUE(testkit::WaitUntil([&] { return Contains(testkit::ReadText(err), cue); }, std::chrono::seconds(30),
                                   std::chrono::milliseconds(10)))
        << testkit::ReadText(err);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    stbsim.Signal(SIGKILL);
    const auto pulled = Clock::now();
    status = cli.Wait(std::chrono::seconds(90));
    const auto took = Clock::now() - pulled;
    stbsim.Wait();
    return took;
  }
};

TEST_F(VanishingReceiver, ReceiveReportsTheLostLineAtOnce) {
  int status = -1;
  const auto took = RunAndPull({"serve", image, "--pace", "--quiet"}, {"receive", out}, "STATUS_WAIT_DATA", status);
  EXPECT_LT(took, std::chrono::seconds(2));
  EXPECT_EQ(status, 2);
  const std::string shown = testkit::ReadText(err);
  EXPECT_TRUE(Contains(shown, LinkTexts::kNoResponse)) << shown;
  // What to check comes on the line below.
  EXPECT_TRUE(Contains(shown, std::string(LinkTexts::kNoResponse) + "\n" + LinkTexts::kNoResponseAdvice)) << shown;
  EXPECT_TRUE(Contains(shown, "quelmar-cli: Line lost: the other end hung up")) << shown;
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(VanishingReceiver, SendReportsTheLostLineAtOnce) {
  int status = -1;
  const auto took =
      RunAndPull({"accept", out, "--pace", "--quiet"}, {"send", image}, "Sendig data packet", status);
  EXPECT_LT(took, std::chrono::seconds(2));
  EXPECT_EQ(status, 2);
  const std::string shown = testkit::ReadText(err);
  EXPECT_TRUE(Contains(shown, LinkTexts::kNoResponse)) << shown;
  EXPECT_TRUE(Contains(shown, "quelmar-cli: Line lost: the other end hung up")) << shown;
}

// ---- an output that cannot be written -------------------------------------------------

TEST(ReceiveOutput, UnwritableOutputFailsAtOnceWithoutOpeningThePort) {
  testkit::TempDir dir;
  Pty line;
  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, line.Path().c_str(), IN_OPEN), 0);
  const std::string readOnly = dir.File("kept.qdb");
  testkit::WriteBytes(readOnly, std::vector<std::uint8_t>(10, 1));
  ::chmod(readOnly.c_str(), 0444);
  const std::string fifo = dir.File("fifo.qdb");
  ::mkfifo(fifo.c_str(), 0644);

  for (const auto& [out, reason] : std::vector<std::pair<std::string, std::string>>{
           {dir.File("missing/out.qdb"), "No such file or directory"},
           {readOnly, "Permission denied"},
           {fifo, "is not a regular file"}}) {
    SCOPED_TRACE(out);
    const auto start = Clock::now();
    const testkit::Finished r = testkit::Run(
        {testkit::BinaryPath("quelmar-cli"), "receive", "--timeout", "5", "--port", line.Path(), out},
        std::chrono::seconds(20));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, out)) << r.err;
    EXPECT_TRUE(Contains(r.err, reason)) << r.err;
    alignas(inotify_event) char buf[1024];
    EXPECT_LE(::read(watch, buf, sizeof buf), 0) << "the port was opened";
  }
  ::close(watch);
  EXPECT_EQ(testkit::ReadBytes(readOnly), std::vector<std::uint8_t>(10, 1));
  EXPECT_TRUE(fs::is_fifo(fifo));
}

}  // namespace
