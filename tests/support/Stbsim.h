#pragma once
// stbsim, the simulated receiver, run on a pseudo-terminal of its own for a test or a
// benchmark: the arguments are stbsim's own (mode, file, options), Device() the path
// the PC side opens.
#include <chrono>
#include <string>
#include <vector>

#include "support/Subprocess.h"

namespace testkit {

class Stbsim {
 public:
  explicit Stbsim(std::vector<std::string> args) {
    args.insert(args.begin(), BinaryPath("stbsim"));
    started_ = process_.Start(args);
  }
  // The first line stbsim prints, read at the first call: its pseudo-terminal.
  const std::string& Device() {
    if (started_ && !deviceRead_) {
      device_ = process_.ReadLine();
      deviceRead_ = true;
    }
    return device_;
  }
  bool Ready() { return !Device().empty(); }
  // Exit status, or -1 when it does not end within `limit` (it is then killed).
  int Wait(std::chrono::milliseconds limit = std::chrono::seconds(30)) { return process_.Wait(limit); }

 private:
  Subprocess process_;
  bool started_ = false;
  bool deviceRead_ = false;
  std::string device_;
};

}  // namespace testkit
