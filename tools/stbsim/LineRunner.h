#pragma once
// Runs the simulated receiver in real time over an open serial port or the far side of
// a pseudo-terminal, optionally pacing every byte at its 8N1 line time.
#include <string>

#include "link/SerialPort.h"
#include "sim/SimReceiver.h"

struct LineRunSettings {
  int baud = 115200;
  bool pace = false;
  long timeoutSeconds = 600;  // 0: no limit
  // The pseudo-terminal side the PC opens, held open by us; -1 on a real device.
  int ptySlave = -1;
};

enum class LineRunResult { Succeeded, Failed, TimedOut };

LineRunResult RunOnLine(SerialPort& port, SimReceiver& sim, const LineRunSettings& settings,
                        const SimReceiver::Log& log);
