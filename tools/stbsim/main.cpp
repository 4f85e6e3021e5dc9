// stbsim: a simulated receiver for trying transfers without hardware. It opens a
// pseudo-terminal (printing the path the editor should open) or a given serial device,
// and plays the receiver's side of one transfer in either direction.
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "db/document/FileIo.h"
#include "link/SerialPort.h"
#include "sim/SimReceiver.h"
#include "tools/stbsim/LineRunner.h"
#include "tools/stbsim/StbsimOptions.h"

namespace {

// The largest image a header can describe: its 64 bytes and 2^32 - 1 data bytes.
constexpr std::uint64_t kLargestImage = LinkHeader::kSize + std::uint64_t{UINT32_MAX};

// The image to serve: the whole file, which must hold at least a header. A file larger
// than any header can describe is refused before a byte of it is read.
bool ReadImage(const std::string& path, std::vector<std::uint8_t>& image) {
  const fileio::FileStamp stamp = fileio::StampOf(path);
  if (stamp.Exists() && static_cast<std::uint64_t>(stamp.size) > kLargestImage) {
    std::cerr << "stbsim: " << path << " is not a database image\n";
    return false;
  }
  const std::size_t size = stamp.Exists() ? static_cast<std::size_t>(stamp.size) : 0;
  const Result read = fileio::ReadPrefix(path, size, image);
  if (!read.ok) {
    std::cerr << "stbsim: " << fileio::Describe(read, path, "cannot read an image from %1: %2") << "\n";
    return false;
  }
  if (image.size() < LinkHeader::kSize) {
    std::cerr << "stbsim: " << path << " is not a database image\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  StbsimOptions options;
  if (const std::optional<int> status = ParseStbsimOptions(argc, argv, options)) return *status;

  std::ofstream logFile;
  if (!options.logFile.empty()) {
    logFile.open(options.logFile, std::ios::trunc);
    if (!logFile) {
      std::cerr << "stbsim: cannot write the log " << options.logFile << "\n";
      return kStbsimIoError;
    }
  }
  std::ostream& logOut = options.logFile.empty() ? std::cerr : logFile;
  SimReceiver::Log log;
  if (!options.quiet) log = [&logOut](const std::string& line) { logOut << line << std::endl; };

  SimReceiver sim(options.role, options.faults, options.timing);
  if (options.role == SimRole::Serve) {
    std::vector<std::uint8_t> image;
    if (!ReadImage(options.file, image)) return kStbsimIoError;
    sim.SetImage(image);
  }

  const std::string settings = std::to_string(options.baud) + ",N,8,1";
  SerialPort port;
  port.SetErrorReporter([](const std::string& message) { std::cerr << "stbsim: " << message << "\n"; });
  LineRunSettings run;
  run.baud = options.baud;
  run.pace = options.pace;
  run.timeoutSeconds = options.timeoutSeconds;
  int ptySlave = -1;
  if (options.device.empty()) {
    int master = -1;
    char name[256] = {};
    if (::openpty(&master, &ptySlave, name, nullptr, nullptr) != 0) {
      std::perror("stbsim: openpty");
      return kStbsimIoError;
    }
    // Raw before anyone opens it: no echo of what the PC writes, no line editing.
    termios tio{};
    ::tcgetattr(ptySlave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(ptySlave, TCSANOW, &tio);
    port.Adopt(master, settings);
    run.ptySlave = ptySlave;
    std::cout << name << std::endl;
  } else if (port.Open(options.device, settings) != 1) {
    return kStbsimIoError;
  }

  const LineRunResult result = RunOnLine(port, sim, run, log);
  port.Close();
  if (ptySlave >= 0) ::close(ptySlave);

  if (result == LineRunResult::TimedOut) return kStbsimTimedOut;
  if (result == LineRunResult::Failed) return kStbsimFailed;
  if (options.role == SimRole::Accept) {
    // Written beside FILE and renamed over it, so FILE is never left half written.
    const std::vector<std::uint8_t>& image = sim.ReceivedImage();
    const Result written = fileio::WriteAtomically(options.file, image.data(), image.size());
    if (!written.ok) {
      std::cerr << "stbsim: " << fileio::Describe(written, options.file, "cannot write %1: %2") << "\n";
      return kStbsimIoError;
    }
  }
  return kStbsimOk;
}
