// A representative part of the fault matrix again, over a real pseudo-terminal with the
// stbsim program at the far end and the engines opening the line as a serial port. Each
// cell also names its in-memory twin; the two must end the same way, which is what lets
// the full matrix run in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "hardening/FaultMatrix.h"
#include "link/JRxThread.h"
#include "link/JTxThread.h"
#include "link/LinkHeader.h"
#include "link/LinkTexts.h"
#include "support/RecordingObserver.h"
#include "support/Stbsim.h"
#include "support/TempDir.h"
#include "support/Wait.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

using testkit::Stbsim;
using testkit::TempDir;
using testkit::WaitUntil;

// Ends stbsim (it may be waiting on a line the PC has left) and reaps it.
void Stop(Stbsim& sim) { sim.Wait(std::chrono::seconds(1)); }

Ending Failure(const testkit::RecordingObserver& o) {
  const auto m = o.Messages();
  // A message that is `t`, or says it first with its cause below.
  auto has = [&](const char* t) {
    return std::any_of(m.begin(), m.end(),
                       [t](const std::string& s) { return s == t || s.starts_with(std::string(t) + '\n'); });
  };
  if (has(LinkTexts::kNoResponse)) return Ending::NoResponse;
  if (has(LinkTexts::kDownloadFail)) return Ending::DownloadFail;
  if (has(LinkTexts::kDownloadOk)) return Ending::Wrong;
  return o.Status() == LinkTexts::kRxStatus[JRxThread::STATUS_RCV_END] ? Ending::QuietEnd : Ending::Unexpected;
}

Ending ReceiveOverPty(const std::vector<std::string>& flags) {
  TempDir dir;
  const auto& image = MatrixImage();
  testkit::WriteBytes(dir.File("served.qdb"), image);
  std::vector<std::string> args = {"serve", (dir / "served.qdb").string(), "--quiet", "--timeout", "120"};
  args.insert(args.end(), flags.begin(), flags.end());
  Stbsim sim(args);
  const std::string device = sim.Device();
  if (device.empty()) return Ending::Unexpected;

  testkit::RecordingObserver observer;
  JRxThread rx;
  if (rx.Start(observer, device, 115200) != 1 || rx.BeginReceive() != 1) return Ending::Unexpected;
  const bool ended = WaitUntil([&] { return rx.IsIdle(); }, std::chrono::seconds(90));
  rx.Stop();
  Stop(sim);
  if (!ended) return Ending::Hang;
  if (!rx.Completed()) return Failure(observer);
  const bool same = rx.ImageSize() == image.size() && std::memcmp(rx.ImageBuffer(), image.data(), image.size()) == 0;
  return same ? Ending::Completed : Ending::Wrong;
}

Ending SendOverPty(const std::vector<std::string>& flags) {
  TempDir dir;
  const fs::path taken = dir / "taken.qdb";
  std::vector<std::string> args = {"accept", taken.string(), "--quiet", "--timeout", "120"};
  args.insert(args.end(), flags.begin(), flags.end());
  Stbsim sim(args);
  const std::string device = sim.Device();
  if (device.empty()) return Ending::Unexpected;

  const auto doc = MatrixDocument();
  testkit::RecordingObserver observer;
  JTxThread tx;
  if (tx.Start(observer, device, 115200) != 1 || tx.PrepareSend(*doc) != 1) return Ending::Unexpected;
  const bool ended = WaitUntil([&] { return tx.IsIdle(); }, std::chrono::seconds(90));
  const bool succeeded = tx.Succeeded();
  tx.Finish();
  Stop(sim);
  if (!ended) return Ending::Hang;

  // Whatever the PC says, a file the receiver stored must be the image sent.
  const auto& image = MatrixImage();
  const Bytes data(image.begin() + LinkHeader::kSize, image.end());
  const LinkHeader header = LinkHeader::ForSend(3, data.data(), static_cast<std::uint32_t>(data.size()));
  Bytes expected(header.Bytes(), header.Bytes() + LinkHeader::kSize);
  expected.insert(expected.end(), data.begin(), data.end());
  const bool stored = fs::exists(taken);
  if (stored && testkit::ReadBytes(taken) != expected) return Ending::Wrong;
  if (succeeded) return stored ? Ending::Completed : Ending::Wrong;
  return Failure(observer);
}

struct PtyCell {
  Direction direction;
  const char* what;
  std::vector<std::string> flags;
  LineFault twin;  // the same fault in the in-memory matrix; step 0 for the clean line
};

}  // namespace

TEST(StbsimFaults, RepresentativeCellsOverARealLineEndAsInMemory) {
  if (!fs::exists(fs::path(QUELMAR_BINARY_DIR) / "stbsim")) GTEST_SKIP() << "stbsim was not built";
  const std::vector<PtyCell> cells = {
      {Direction::Receive, "clean line", {}, {}},
      {Direction::Receive, "header with a wrong magic", {"--bad-magic", "1"}, {6, false, FaultKind::Nack}},
      {Direction::Receive, "first packet damaged", {"--corrupt-packet", "0"}, {9, false, FaultKind::Corrupt}},
      {Direction::Receive, "final packet starts 0x48", {"--bad-start-packet", "449"}, {10, true, FaultKind::Nack}},
      {Direction::Receive, "TERMINATE_ACK after packet 0", {"--early-terminate-ack", "0"}, {11, false, FaultKind::EarlyTerminate}},
      {Direction::Receive, "header sum wrong", {"--bad-header-sum"}, {}},
      {Direction::Receive, "junk before every code", {"--junk", "3"}, {}},
      {Direction::Send, "clean line", {}, {}},
      {Direction::Send, "header answered NACK", {"--nack-header", "1"}, {6, false, FaultKind::Nack}},
      {Direction::Send, "final packet answered NACK", {"--nack-packet", "449"}, {10, true, FaultKind::Nack}},
      {Direction::Send, "FAIL_TERMINATE_REQ for packet 0", {"--fail-terminate", "0"}, {10, false, FaultKind::EarlyTerminate}},
      {Direction::Send, "junk before every code", {"--junk", "3"}, {}},
  };
  std::printf("\nover a pseudo-terminal with stbsim:\n%-8s %-34s %-30s %-6s %s\n", "", "fault", "stbsim", "pty", "memory");
  for (const PtyCell& c : cells) {
    const Ending pty = c.direction == Direction::Receive ? ReceiveOverPty(c.flags) : SendOverPty(c.flags);
    std::string flags;
    for (const auto& f : c.flags) flags += f + " ";
    std::string twin = "-";
    if (c.twin.step != 0 || c.flags.empty()) {
      const Ending memory = RunCell(c.direction, c.twin).ending;
      twin = EndingCode(memory);
      EXPECT_EQ(EndingCode(pty), twin) << c.what;
    }
    std::printf("%-8s %-34s %-30s %-6s %s\n", c.direction == Direction::Receive ? "receive" : "send", c.what,
                flags.c_str(), EndingCode(pty), twin.c_str());
    EXPECT_TRUE(AcceptableEnding(c.direction, pty)) << c.what << ": " << EndingCode(pty);
  }
}
