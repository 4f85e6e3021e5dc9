// stbsim: a simulated receiver for trying transfers without hardware. It opens a
// pseudo-terminal (printing the path the editor should open) or a given serial device,
// and plays the receiver's side of one transfer in either direction.
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "link/SerialPort.h"
#include "sim/SimReceiver.h"
#include "tools/stbsim/LineRunner.h"
#include "tools/stbsim/StbsimOptions.h"

namespace {

enum Exit { kOk = 0, kTransferFailed = 1, kUsage = 2, kTimedOut = 3, kIoError = 4 };

bool ReadWhole(const std::string& path, std::vector<std::uint8_t>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// Written beside the target and renamed over it, so OUT is never left half written.
bool WriteWhole(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::remove(temp.c_str());
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) std::remove(temp.c_str());
  return !ec;
}

}  // namespace

int main(int argc, char** argv) {
  StbsimOptions options;
  std::string error;
  if (!ParseStbsimOptions(argc, argv, options, error)) {
    std::cerr << "stbsim: " << error << "\n" << kStbsimUsage;
    return kUsage;
  }

  std::ofstream logFile;
  if (!options.logFile.empty()) {
    logFile.open(options.logFile, std::ios::trunc);
    if (!logFile) {
      std::cerr << "stbsim: cannot write the log " << options.logFile << "\n";
      return kIoError;
    }
  }
  std::ostream& logOut = options.logFile.empty() ? std::cerr : logFile;
  SimReceiver::Log log;
  if (!options.quiet) log = [&logOut](const std::string& line) { logOut << line << std::endl; };

  SimReceiver sim(options.role, options.faults, options.timing);
  if (options.role == SimRole::Serve) {
    std::vector<std::uint8_t> image;
    if (!ReadWhole(options.file, image) || image.size() < LinkHeader::kSize) {
      std::cerr << "stbsim: cannot read an image from " << options.file << "\n";
      return kIoError;
    }
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
      return kIoError;
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
    return kIoError;
  }

  const LineRunResult result = RunOnLine(port, sim, run, log);
  port.Close();
  if (ptySlave >= 0) ::close(ptySlave);

  if (result == LineRunResult::TimedOut) return kTimedOut;
  if (result == LineRunResult::Failed) return kTransferFailed;
  if (options.role == SimRole::Accept && !WriteWhole(options.file, sim.ReceivedImage())) {
    std::cerr << "stbsim: cannot write " << options.file << "\n";
    return kIoError;
  }
  return kOk;
}
