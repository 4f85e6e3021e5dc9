// stbsim driven as a separate program through a pseudo-terminal, in both directions,
// with the PC's side played by the test over the same SerialPort the editor uses.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "link/SerialPort.h"
#include "support/LinkImages.h"
#include "support/Pty.h"
#include "support/ReferencePc.h"
#include "support/Stbsim.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Result = testkit::ReferencePc::Result;
namespace fs = std::filesystem;

Bytes MakeImage(std::uint32_t dataLength) { return testkit::PatternImage(dataLength, 2); }

using testkit::ReadBytes;
using testkit::ReadText;
using testkit::Stbsim;
using testkit::TempDir;
using testkit::WriteBytes;

struct PcPort {
  explicit PcPort(const std::string& path) { opened = port.Open(path, "115200,N,8,1") == 1; }
  SerialPort port;
  bool opened = false;
  testkit::ReferencePc pc{port};
};

TEST(Stbsim, ServesAFullImageThroughAPseudoTerminal) {
  TempDir dir;
  const Bytes image = MakeImage(LinkHeader::kFullDataLength);
  WriteBytes(dir.File("in.qdb"), image);
  Stbsim sim({"serve", (dir / "in.qdb").string(), "--log", (dir / "log").string()});
  const std::string path = sim.Device();
  ASSERT_FALSE(path.empty());
  PcPort pc(path);
  ASSERT_TRUE(pc.opened);
  Bytes got;
  ASSERT_EQ(pc.pc.Receive(got), Result::Done);
  EXPECT_EQ(got, image);
  EXPECT_EQ(sim.Wait(), 0);
  const std::string log = ReadText(dir.File("log"));
  for (const char* unit : {"STB> CONNECT_REQ", "PC>  CONNECT_ACK", "STB> header", "PC>  HEADER_ACK",
                           "STB> packet 449", "PC>  TERMINATE_REQ", "STB> TERMINATE_ACK"})
    EXPECT_NE(log.find(unit), std::string::npos) << unit;
}

TEST(Stbsim, AcceptsAnImageAndWritesItOut) {
  TempDir dir;
  const Bytes image = MakeImage(5000);
  Stbsim sim({"accept", (dir / "out.qdb").string(), "--quiet", "--save-delay", "100"});
  PcPort pc(sim.Device());
  ASSERT_TRUE(pc.opened);
  EXPECT_EQ(pc.pc.SendImage(LinkHeader(image.data()), Bytes(image.begin() + 64, image.end())),
            Result::Done);
  EXPECT_EQ(sim.Wait(), 0);
  EXPECT_EQ(ReadBytes(dir.File("out.qdb")), image);
}

TEST(Stbsim, ServeFaultsAreRepairedByRetriesOnTheLine) {
  TempDir dir;
  const Bytes image = MakeImage(3000);
  WriteBytes(dir.File("in.qdb"), image);
  Stbsim sim({"serve", (dir / "in.qdb").string(), "--log", (dir / "log").string(), "--bad-magic", "1", "--corrupt-packet",
              "1", "--bad-start-packet", "2:2", "--junk", "2"});
  PcPort pc(sim.Device());
  ASSERT_TRUE(pc.opened);
  Bytes got;
  int headerNacks = 0;
  int packetNacks = 0;
  ASSERT_EQ(pc.pc.Receive(got, &headerNacks, &packetNacks), Result::Done) << ReadText(dir.File("log"));
  EXPECT_EQ(got, image);
  EXPECT_EQ(headerNacks, 1);
  EXPECT_EQ(packetNacks, 3);
  EXPECT_EQ(sim.Wait(), 0);
}

TEST(Stbsim, RefusalLeavesNoOutputAndSilenceTimesOut) {
  TempDir dir;
  const Bytes image = MakeImage(3000);
  {
    Stbsim sim({"accept", (dir / "out.qdb").string(), "--quiet", "--fail-terminate", "1"});
    PcPort pc(sim.Device());
    ASSERT_TRUE(pc.opened);
    EXPECT_EQ(pc.pc.SendImage(LinkHeader(image.data()), Bytes(image.begin() + 64, image.end())),
              Result::Refused);
    EXPECT_EQ(sim.Wait(), 1);
    EXPECT_FALSE(fs::exists(dir / "out.qdb"));
  }
  {
    Stbsim sim({"accept", (dir / "out.qdb").string(), "--quiet", "--silent-after", "1",
                "--timeout", "2"});
    PcPort pc(sim.Device());
    ASSERT_TRUE(pc.opened);
    pc.pc.patience = 10;
    EXPECT_EQ(pc.pc.SendImage(LinkHeader(image.data()), Bytes(image.begin() + 64, image.end())),
              Result::NoAnswer);
    EXPECT_EQ(sim.Wait(), 3);
    EXPECT_FALSE(fs::exists(dir / "out.qdb"));
  }
}

TEST(Stbsim, AcceptReplacesAnOldFileWholeAndOnlyOnSuccess) {
  TempDir dir;
  const Bytes image = MakeImage(3000);
  const Bytes old(100, 0x5A);
  WriteBytes(dir.File("out.qdb"), old);
  auto send = [&](std::vector<std::string> faults) {
    std::vector<std::string> args = {"accept", dir.File("out.qdb"), "--quiet"};
    args.insert(args.end(), faults.begin(), faults.end());
    Stbsim sim(args);
    PcPort pc(sim.Device());
    EXPECT_TRUE(pc.opened);
    pc.pc.SendImage(LinkHeader(image.data()), Bytes(image.begin() + 64, image.end()));
    return sim.Wait();
  };
  EXPECT_EQ(send({"--fail-terminate", "2"}), 1);
  EXPECT_EQ(ReadBytes(dir.File("out.qdb")), old);
  EXPECT_EQ(send({}), 0);
  EXPECT_EQ(ReadBytes(dir.File("out.qdb")), image);
  // Nothing of the write is left beside the file.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(Stbsim, RunsOnAGivenDeviceWithPacing) {
  // The test owns the pseudo-terminal: stbsim opens its slave side as a serial device and
  // the PC's side runs on the master.
  TempDir dir;
  testkit::Pty pty;
  ASSERT_TRUE(pty.Ok());
  const Bytes image = MakeImage(2042);
  WriteBytes(dir.File("in.qdb"), image);
  const auto start = std::chrono::steady_clock::now();
  Stbsim sim({"serve", (dir / "in.qdb").string(), "--device", pty.Path(), "--log", (dir / "log").string(), "--pace",
              "--baud", "38400"});
  SerialPort pcPort;
  ASSERT_EQ(pcPort.Adopt(::dup(pty.Master()), "38400,N,8,1"), 1);
  testkit::ReferencePc pc(pcPort);
  Bytes got;
  ASSERT_EQ(pc.Receive(got), Result::Done) << ReadText(dir.File("log"));
  EXPECT_EQ(got, image);
  EXPECT_EQ(sim.Wait(), 0);
  // 3 packets, a header and the codes, ten bit times per byte at 38400 bit/s.
  const double minimum = (3 * 1024 + 64) * 10 / 38400.0;
  EXPECT_GE(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), minimum);
}

TEST(Stbsim, RejectsUnusableArguments) {
  TempDir dir;
  EXPECT_EQ(Stbsim({}).Wait(), 2);
  EXPECT_EQ(Stbsim({"fetch", "x"}).Wait(), 2);
  EXPECT_EQ(Stbsim({"serve", "x", "--corrupt-packet", "header"}).Wait(), 2);
  EXPECT_EQ(Stbsim({"accept", "x", "--baud"}).Wait(), 2);
  EXPECT_EQ(Stbsim({"serve", (dir / "missing.qdb").string()}).Wait(), 4);
  EXPECT_EQ(Stbsim({"accept", "x", "--device", (dir / "no-such-tty").string()}).Wait(), 4);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"serve", "x", "--nack-packet", "3:0"},   // a count of 0
           {"accept", "x", "--fail-terminate", "3:2"},  // no count here
           {"accept", "x", "--timeout", "-1"},
           {"accept", "x", "--baud", "fast"},
           {"accept", "x", "--unheard-of"},
           {"accept", "x", "y"}}) {
    const testkit::Finished run = testkit::Run([&] {
      std::vector<std::string> all = {testkit::BinaryPath("stbsim")};
      all.insert(all.end(), args.begin(), args.end());
      return all;
    }());
    EXPECT_EQ(run.status, 2) << args[2];
    EXPECT_TRUE(run.out.empty()) << "nothing that could pass for a device path";
    EXPECT_NE(run.err.find("stbsim: "), std::string::npos);
  }
}

TEST(Stbsim, ServesOnlyARegularFileThatCanHoldAnImage) {
  TempDir dir;
  WriteBytes(dir.File("short.qdb"), Bytes(LinkHeader::kSize - 1, 0x11));
  // Larger than any header can describe; sparse, and refused before a byte is read.
  const std::string huge = dir.File("huge.qdb");
  WriteBytes(huge, {});
  fs::resize_file(huge, LinkHeader::kSize + std::uintmax_t{UINT32_MAX} + 1);
  const std::string fifo = dir.File("fifo.qdb");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const auto& [path, why] : std::vector<std::pair<std::string, std::string>>{
           {dir.File("short.qdb"), " is not a database image"},
           {huge, " is not a database image"},
           {fifo, " is not a regular file"},  // and the open does not wait for a writer
           {dir.Path().string(), " is not a regular file"}}) {
    const testkit::Finished run = testkit::Run({testkit::BinaryPath("stbsim"), "serve", path});
    EXPECT_EQ(run.status, 4) << path;
    EXPECT_TRUE(run.out.empty()) << "no device is offered for an image that cannot be served";
    EXPECT_NE(run.err.find(path + why), std::string::npos) << run.err;
  }
}

TEST(Stbsim, HelpReadsAsTheManualAndVersionNamesTheRelease) {
  const testkit::Finished help = testkit::Run({testkit::BinaryPath("stbsim"), "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: stbsim serve FILE", 0), 0u) << help.out;
  for (const char* word :
       {"accept FILE", "--device PATH", "--baud BPS", "(default 115200)", "--pace", "--timeout SEC",
        "(default 600)", "--log FILE", "--quiet", "--connect-interval MS", "--block-timeout MS",
        "--save-delay MS", "--bad-magic K", "--bad-header-sum", "--corrupt-packet P[:K]",
        "--bad-start-packet P[:K]", "--early-terminate-ack P", "--claim-length N", "--nack-header K", "--nack-packet P[:K]",
        "--fail-terminate P", "--silent-after N", "--junk N", "Exit status:", "Examples:"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  std::size_t start = 0;
  for (std::size_t end; (end = help.out.find('\n', start)) != std::string::npos; start = end + 1)
    EXPECT_LE(end - start, 80u) << help.out.substr(start, end - start);

  const testkit::Finished version = testkit::Run({testkit::BinaryPath("stbsim"), "--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("stbsim [0-9]+(\\.[0-9]+)*\n"))) << version.out;
}

}  // namespace
