#pragma once
// Why a serial port did not open, said in words a user can act on: the line that goes
// under "<name> Open Error!". Busy ports name the program that holds them when /proc
// tells; tests give a /proc of their own.
#include <sys/types.h>

#include <string>

namespace PortProblem {

enum class Kind {
  System,       // open() or the lock failed with `err`
  NotSerial,    // opened (or looked at) and found not to be a terminal device
  OwnTerminal,  // the terminal this program runs in
};

// The explanation for `path`. EACCES/EPERM name the device's group and the command that
// adds the user to it; ENOENT/ENODEV/ENXIO speak of an unplugged adapter; EBUSY and
// EWOULDBLOCK name the holder; anything else gives the system's words.
std::string Explain(const std::string& path, Kind kind, int err = 0, const std::string& procRoot = "/proc");

// "minicom (process 1234)" for the first other process with `path`'s device open, or "".
std::string Holder(const std::string& path, const std::string& procRoot = "/proc", pid_t self = -1);

}  // namespace PortProblem
