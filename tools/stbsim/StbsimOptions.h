#pragma once
// Command line of stbsim, the simulated receiver. Its --help is written to be read as
// the manual page too (the build turns it into one with help2man).
#include <optional>
#include <string>

#include "sim/SimReceiver.h"

struct StbsimOptions {
  SimRole role = SimRole::Serve;
  std::string file;        // serve: the image to send; accept: where the received image goes
  std::string device;      // empty: open a pseudo-terminal and print its path
  int baud = 115200;
  bool pace = false;       // every byte costs its 8N1 line time at `baud`
  std::string logFile;     // empty: stderr
  bool quiet = false;
  long timeoutSeconds = 600;  // 0: wait for ever
  SimFaults faults;
  SimTiming timing;
};

// Exit statuses.
enum StbsimExit { kStbsimOk = 0, kStbsimFailed = 1, kStbsimUsage = 2, kStbsimTimedOut = 3, kStbsimIoError = 4 };

// Fills `options` from the arguments. Returns the status to exit with when the program
// should end at once: 0 after --help or --version (printed on stdout), kStbsimUsage
// after arguments it cannot use (said on stderr); nothing when the simulator should run.
std::optional<int> ParseStbsimOptions(int argc, char** argv, StbsimOptions& options);
