// quelmar-cli where scripts and careless users put it: outputs that are not files,
// inputs that never end, names that carry terminal escapes, standard streams that fail,
// and Ctrl+C in the middle of a transfer.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "db/image/DatabaseImage.h"
#include "db/image/ImageHeader.h"
#include "support/Pty.h"
#include "support/Subprocess.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using testkit::Subprocess;
using Bytes = std::vector<std::uint8_t>;

struct CliRun {
  int status = -1;
  std::string out, err;
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class CliStreams : public ::testing::Test {
 protected:
  testkit::TempDir dir;
  const std::string sample = dir.File("sample.qdb");

  void SetUp() override { ASSERT_EQ(Cli({"sample", sample}).status, 0); }

  // Runs quelmar-cli with stdout on `stdoutFd` (a file of ours when -2, closed when -1)
  // and stderr in a file.
  CliRun Cli(const std::vector<std::string>& args, int stdoutFd = -2,
          std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const std::string outFile = dir.File("stdout"), errFile = dir.File("stderr");
    const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    std::vector<std::string> argv{testkit::BinaryPath("quelmar-cli")};
    argv.insert(argv.end(), args.begin(), args.end());
    Subprocess child;
    CliRun r;
    if (child.StartWith(argv, {{STDOUT_FILENO, stdoutFd == -2 ? out : stdoutFd}, {STDERR_FILENO, err}}))
      r.status = child.Wait(limit);
    ::close(out);
    ::close(err);
    r.out = testkit::ReadText(outFile);
    r.err = testkit::ReadText(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return r;
  }
};

// ---- outputs and inputs that are not regular files -------------------------------------

TEST_F(CliStreams, OutputsThatAreNotRegularFilesAreRefusedAndLeftAlone) {
  const std::string fifo = dir.File("fifo.qdb");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  // A name for the program's own stdout (here a pipe), as /dev/stdout is.
  const std::string toStdout = dir.File("stdout.qdb");
  fs::create_symlink("/dev/stdout", toStdout);
  int pipeFds[2];
  ASSERT_EQ(::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK), 0);

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"new", fifo}, {"sample", fifo}, {"resave", sample, fifo}, {"sample", toStdout}}) {
    SCOPED_TRACE(args[0] + " " + args.back());
    const CliRun r = Cli(args, pipeFds[1], std::chrono::seconds(10));
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(Contains(r.err, " is not a regular file")) << r.err;
    char buf[16];
    EXPECT_LE(::read(pipeFds[0], buf, sizeof buf), 0) << "nothing went down the pipe";
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_symlink(toStdout));
  ::close(pipeFds[0]);
  ::close(pipeFds[1]);
}

TEST_F(CliStreams, InputsThatAreNotRegularFilesAreRefusedWithoutWaiting) {
  const std::string fifo = dir.File("fifo.qdb");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"info", fifo}, {"check", fifo}, {"resave", fifo, dir.File("out.qdb")}, {"info", "/dev/zero"}}) {
    SCOPED_TRACE(args[0] + " " + args[1]);
    const auto start = std::chrono::steady_clock::now();
    const CliRun r = Cli(args, -2, std::chrono::seconds(5));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    // Every command ends 2 when it cannot read its file (1 is only for what it found).
    EXPECT_EQ(r.status, 2) << "-1: still waiting after 5 s";
    EXPECT_TRUE(Contains(r.err, args[1] + " is not a regular file")) << r.err;
  }
  EXPECT_FALSE(fs::exists(dir / "out.qdb"));
}

// ---- names that carry terminal escapes --------------------------------------------------

TEST_F(CliStreams, ControlCharactersFromTheFileAreEscapedInTextAndExactInJson) {
  Bytes image = testkit::ReadBytes(sample);
  ImageHeader h(image.data());
  const std::string title = "\x1b]0;owned\x07";  // retitles the terminal
  const std::string clear = "\x1b[2J\x1b[H";     // clears it
  h.SetMakerName(title);
  h.SetModelName(clear);
  h.CopyTo(image.data());
  const std::string file = dir.File("escapes\x1b[1m.qdb");
  testkit::WriteBytes(file, image);

  const CliRun text = Cli({"info", file});
  ASSERT_EQ(text.status, 0) << text.err;
  for (char c : text.out) {
    const auto u = static_cast<unsigned char>(c);
    ASSERT_TRUE(u >= 0x20 || c == '\n') << "raw control character " << int(u) << " in:\n" << text.out;
  }
  EXPECT_TRUE(Contains(text.out, "makerName: \\x1b]0;owned\\x07")) << text.out;
  EXPECT_TRUE(Contains(text.out, "modelName: \\x1b[2J\\x1b[H")) << text.out;
  EXPECT_TRUE(Contains(text.out, "escapes\\x1b[1m.qdb")) << text.out;

  const CliRun json = Cli({"info", "--json", file});
  ASSERT_EQ(json.status, 0) << json.err;
  const auto j = nlohmann::json::parse(json.out);
  EXPECT_EQ(j["header"]["makerName"], title);
  EXPECT_EQ(j["header"]["modelName"], clear);

  const CliRun missing = Cli({"check", dir.File("gone\x1b[2J.qdb")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_FALSE(Contains(missing.err, "\x1b")) << "errors are escaped too";
}

// ---- standard streams that fail ----------------------------------------------------------

TEST_F(CliStreams, WriteErrorsOnStdoutFailTheCommand) {
  const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0);
  const CliRun toFull = Cli({"info", sample}, full);
  ::close(full);
  EXPECT_EQ(toFull.status, 2);
  EXPECT_TRUE(Contains(toFull.err, "write error")) << toFull.err;

  // `| head` that has already gone: SIGPIPE used to kill the program (status 141).
  int pipeFds[2];
  ASSERT_EQ(::pipe2(pipeFds, O_CLOEXEC), 0);
  ::close(pipeFds[0]);
  const CliRun toGone = Cli({"info", sample}, pipeFds[1]);
  ::close(pipeFds[1]);
  EXPECT_EQ(toGone.status, 2);
  EXPECT_TRUE(Contains(toGone.err, "write error")) << toGone.err;

  const CliRun toClosed = Cli({"check", sample}, -1);
  EXPECT_EQ(toClosed.status, 2);
  EXPECT_TRUE(Contains(toClosed.err, "write error")) << toClosed.err;

  // A closed stdout never becomes the file the command writes.
  const std::string out = dir.File("new.qdb");
  const CliRun newWithClosed = Cli({"new", out}, -1);
  EXPECT_EQ(newWithClosed.status, 0) << newWithClosed.err;
  EXPECT_EQ(testkit::ReadBytes(out).size(), DatabaseImage::kImageSize);
}

// ---- Ctrl+C during a transfer ---------------------------------------------------------------

TEST_F(CliStreams, InterruptedTransferEndsItsProgressLineAndExitsAsTheSignalSays) {
  for (const auto& [sig, expected] : std::vector<std::pair<int, int>>{{SIGINT, 130}, {SIGTERM, 143}}) {
    SCOPED_TRACE(sig);
    testkit::Pty line;      // the receiver's end: nobody answers
    testkit::Pty terminal;  // the user's terminal, where the progress bar is drawn
    ASSERT_FALSE(line.Path().empty());
    Subprocess cli;
    ASSERT_TRUE(cli.StartWith({testkit::BinaryPath("quelmar-cli"), "receive", "--port", line.Path(), dir.File("r.qdb")},
                          {{STDERR_FILENO, terminal.Slave()}}));
    std::string shown;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!Contains(shown, "STATUS_WAIT_CONNECT_REQ") && std::chrono::steady_clock::now() < until) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      shown += terminal.Drain();
    }
    ASSERT_TRUE(Contains(shown, "STATUS_WAIT_CONNECT_REQ")) << "no progress line: " << shown;
    cli.Signal(sig);
    EXPECT_EQ(cli.Wait(std::chrono::seconds(10)), expected);
    shown += terminal.Drain();
    const std::size_t message = shown.find("quelmar-cli: receive stopped");
    ASSERT_NE(message, std::string::npos) << shown;
    EXPECT_EQ(shown[message - 1], '\n') << "glued to the progress line: " << shown.substr(message > 80 ? message - 80 : 0);
    EXPECT_FALSE(fs::exists(dir / "r.qdb"));
  }
}

}  // namespace
