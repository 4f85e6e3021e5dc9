#include "link/SerialPort.h"

#include <gtest/gtest.h>
#include <termios.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "link/PortNames.h"
#include "support/Pty.h"
#include "support/TempDir.h"

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

long MsSince(Clock::time_point start) {
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

class SerialPortPty : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.Ok());
    port.SetErrorReporter([this](const std::string& m) { errors.push_back(m); });
    ASSERT_EQ(port.Open(pty.Path(), "115200,N,8,1"), 1);
  }
  testkit::Pty pty;
  SerialPort port;
  std::vector<std::string> errors;
};

TEST_F(SerialPortPty, ReadByteGivesUpAfterItsWaitAndLeavesOutByteAlone) {
  std::uint8_t out = 0x5A;
  const auto start = Clock::now();
  EXPECT_FALSE(port.ReadByte(out));
  EXPECT_GE(MsSince(start), 45);
  EXPECT_EQ(out, 0x5A);
  EXPECT_TRUE(errors.empty());
}

TEST_F(SerialPortPty, ReadByteTakesAQueuedByteAndOneArrivingDuringTheWait) {
  pty.Send({0xE1});
  ASSERT_TRUE(testkit::Pty::WaitQueued(port.Descriptor(), 1));
  std::uint8_t out = 0;
  EXPECT_TRUE(port.ReadByte(out));
  EXPECT_EQ(out, 0xE1);

  // The late byte comes 25 ms into the 50 ms wait; on a loaded machine the sending thread
  // may wake too late for the wait, so a few tries are allowed before it counts as a fault.
  bool got = false;
  long waited = 0;
  for (int attempt = 0; attempt < 5 && !got; ++attempt) {
    std::thread late([this] {
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
      pty.Send({0xED});
    });
    const auto start = Clock::now();
    got = port.ReadByte(out);
    waited = MsSince(start);
    late.join();
    if (!got) {  // the byte came after the wait: take it off the line before the next try
      ASSERT_TRUE(testkit::Pty::WaitQueued(port.Descriptor(), 1));
      std::uint8_t stale = 0;
      ASSERT_TRUE(port.ReadByte(stale));
    }
  }
  EXPECT_TRUE(got);
  EXPECT_EQ(out, 0xED);
  EXPECT_GE(waited, 15);  // it did wait for the byte rather than finding it queued
}

TEST_F(SerialPortPty, ReadTakesOnlyWhatIsAskedAndLeavesTheRestQueued) {
  std::uint8_t buf[16] = {};
  EXPECT_EQ(port.Read(buf, sizeof buf), 0u);  // nothing queued: no wait, nothing read
  pty.Send({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  ASSERT_TRUE(testkit::Pty::WaitQueued(port.Descriptor(), 10));
  ASSERT_EQ(port.Read(buf, 4), 4u);
  EXPECT_EQ(Bytes(buf, buf + 4), (Bytes{1, 2, 3, 4}));
  ASSERT_EQ(port.Read(buf, sizeof buf), 6u);
  EXPECT_EQ(Bytes(buf, buf + 6), (Bytes{5, 6, 7, 8, 9, 10}));
}

TEST_F(SerialPortPty, WritesZeroBytesAndCountZeroStopsAtTheFirstNul) {
  EXPECT_TRUE(port.WriteByte(0));
  EXPECT_EQ(pty.Receive(), Bytes{0});

  const std::uint8_t text[] = {'A', 'B', 0, 'C', 'D'};
  EXPECT_EQ(port.Write(text, 0), 2u);
  EXPECT_EQ(pty.Receive(), (Bytes{'A', 'B'}));
}

TEST_F(SerialPortPty, EveryByteValueCrossesUnchangedBothWays) {
  // Raw line: no echo, no CR/LF translation, XON/XOFF (0x11/0x13) are plain data.
  Bytes all(256);
  for (int i = 0; i < 256; ++i) all[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  EXPECT_EQ(port.Write(all.data(), all.size()), all.size());
  EXPECT_EQ(pty.Receive(), all);

  pty.Send(all);
  ASSERT_TRUE(testkit::Pty::WaitQueued(port.Descriptor(), 256));
  Bytes got(300);
  EXPECT_EQ(port.Read(got.data(), got.size()), 256u);
  got.resize(256);
  EXPECT_EQ(got, all);
}

TEST_F(SerialPortPty, OpenSetsRaw8N1AtTheRequestedSpeedWithoutFlowControl) {
  port.Close();
  ASSERT_EQ(port.Open(pty.Path(), "9600,N,8,1"), 1);
  termios tio{};
  ASSERT_EQ(::tcgetattr(port.Descriptor(), &tio), 0);
  EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B9600));
  EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY), 0u);
  EXPECT_EQ(tio.c_lflag & (ECHO | ICANON), 0u);
}

TEST_F(SerialPortPty, PurgeRxDropsWhatIsQueuedAndASecondOpenIsRefused) {
  pty.Send({1, 2, 3});
  ASSERT_TRUE(testkit::Pty::WaitQueued(port.Descriptor(), 3));
  port.PurgeRx();
  std::uint8_t buf[4];
  EXPECT_EQ(port.Read(buf, 4), 0u);

  SerialPort other;
  std::vector<std::string> otherErrors;
  other.SetErrorReporter([&](const std::string& m) { otherErrors.push_back(m); });
  EXPECT_EQ(other.Open(pty.Path(), "115200,N,8,1"), 0);
  ASSERT_EQ(otherErrors.size(), 1u);
  EXPECT_TRUE(otherErrors[0].starts_with(pty.Path() + " Open Error!\nDevice busy: ")) << otherErrors[0];
}

TEST_F(SerialPortPty, WriteToALineNobodyReadsGivesUpInsteadOfHanging) {
  Bytes big(1 << 20, 0x55);
  const auto start = Clock::now();
  EXPECT_EQ(port.Write(big.data(), big.size()), big.size());
  EXPECT_LT(MsSince(start), 20000);
}

TEST(SerialPort, NeverOpenedPortHasNoLine) {
  SerialPort port;
  port.Close();  // harmless
  const std::uint8_t b = 1;
  EXPECT_EQ(port.Write(&b, 1), 0u);
  EXPECT_FALSE(port.WriteByte(0));
  std::uint8_t buf[2];
  EXPECT_EQ(port.Read(buf, 2), 0u);
}

TEST(SerialPort, FailedOpenReportsThePortNameAndWritesAreStillTaken) {
  SerialPort port;
  std::vector<std::string> errors;
  port.SetErrorReporter([&](const std::string& m) { errors.push_back(m); });
  const std::string missing =
      (std::filesystem::temp_directory_path() / "quelmar-no-such-port").string();
  EXPECT_EQ(port.Open(missing, "115200,N,8,1"), 0);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].starts_with(missing + " Open Error!\nNo such device: ")) << errors[0];
  // The engines find out through missing answers, not through failed writes.
  const std::uint8_t b = 0xE1;
  EXPECT_EQ(port.Write(&b, 1), 1u);
  std::uint8_t out = 7;
  EXPECT_FALSE(port.ReadByte(out));
  EXPECT_EQ(out, 7);
  port.Close();
  EXPECT_EQ(port.Write(&b, 1), 0u);
}

TEST(PortNames, ComNamesMapToOnBoardPortsAndPathsPassThrough) {
  EXPECT_EQ(PortNames::ComName(0), "COM1");
  EXPECT_EQ(PortNames::DevicePath("COM1"), "/dev/ttyS0");
  EXPECT_EQ(PortNames::DevicePath("COM4"), "/dev/ttyS3");
  EXPECT_EQ(PortNames::DevicePath("/dev/ttyUSB0"), "/dev/ttyUSB0");
  EXPECT_EQ(PortNames::DevicePath("COM"), "COM");
  EXPECT_EQ(PortNames::DevicePath("COM0"), "COM0");
  EXPECT_EQ(PortNames::DevicePath("COMx"), "COMx");
}

TEST(PortNames, ListKeepsTheFourComRowsThenFoundAdaptersInNumericOrder) {
  testkit::TempDir folder;
  const std::filesystem::path dir = folder.Path();
  for (const char* name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS5", "ttyUSBx", "ttyUSB"})
    std::ofstream(dir / name).put('x');
  const std::vector<std::string> expected = {
      "COM1", "COM2", "COM3", "COM4", (dir / "ttyUSB2").string(), (dir / "ttyUSB10").string(),
      (dir / "ttyACM0").string()};
  EXPECT_EQ(PortNames::List(dir.string()), expected);
  std::filesystem::remove_all(dir);
  EXPECT_EQ(PortNames::List(dir.string()).size(), 4u);
}

}  // namespace

// The PC's last unit of a transfer is written right before its dialog closes the port;
// closing must not take it back off the line.
TEST_F(SerialPortPty, CloseKeepsWrittenBytesButDropsUnreadInput) {
  pty.Send({0x11, 0x22});
  ASSERT_TRUE(testkit::Pty::WaitQueued(port.Descriptor(), 2));
  ASSERT_TRUE(port.WriteByte(0xEE));
  port.Close();
  EXPECT_EQ(pty.Receive(), std::vector<std::uint8_t>{0xEE});
}
