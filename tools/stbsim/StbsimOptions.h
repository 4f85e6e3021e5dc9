#pragma once
// Command line of stbsim, the simulated receiver.
#include <cstdint>
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

extern const char* const kStbsimUsage;

// Fills `options` from the arguments; false with `error` set when they are not usable.
bool ParseStbsimOptions(int argc, char** argv, StbsimOptions& options, std::string& error);
