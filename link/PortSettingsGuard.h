#pragma once
// A serial port changes its terminal: raw mode, our speed, the exclusive-use flag. Close
// puts all of that back; this guard does the same when a signal ends the program while a
// port is open (Ctrl+C, kill, a closed terminal), so a terminal used as the port is never
// left raw, silent and locked against other programs.
//
// While a port is remembered, SIGINT, SIGTERM, SIGHUP and SIGQUIT that would end the
// program anyway (their action is the default one) first restore every remembered port;
// the program then ends by the same signal. A program that handles a signal itself
// (quelmar-cli stops its transfer and closes the port) keeps its own handler.
#include <termios.h>

namespace PortSettingsGuard {

// `saved` is what the terminal had before the port changed it.
void Remember(int fd, const termios& saved);
void Forget(int fd);

}  // namespace PortSettingsGuard
