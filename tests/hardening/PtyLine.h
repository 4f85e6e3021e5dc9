#pragma once
// A pseudo-terminal as the line for port tests: the program under test opens the slave
// path as its serial port, the test is the far end on the master side and can hang up
// (close the master) as an unplugged adapter or a receiver that went away would.
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace hardening {

class PtyLine {
 public:
  PtyLine() {
    char name[128] = {};
    termios raw{};
    ::cfmakeraw(&raw);
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0) return;
    path_ = name;
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  }
  ~PtyLine() {
    HangUp();
    if (slave_ >= 0) ::close(slave_);
  }
  PtyLine(const PtyLine&) = delete;
  PtyLine& operator=(const PtyLine&) = delete;

  const std::string& Path() const { return path_; }
  int Master() const { return master_; }
  int Slave() const { return slave_; }

  // The far end goes away.
  void HangUp() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

  // What the far end has received so far.
  std::string Drain() {
    std::string got;
    char buf[4096];
    ssize_t n;
    while (master_ >= 0 && (n = ::read(master_, buf, sizeof buf)) > 0) got.append(buf, static_cast<std::size_t>(n));
    return got;
  }

  // The terminal's settings as a program would find them, and whether another open is
  // refused (the exclusive-use flag).
  termios Settings() const {
    termios t{};
    ::tcgetattr(slave_, &t);
    return t;
  }
  bool Exclusive() const {
    int on = 0;
    return ::ioctl(slave_, TIOCGEXCL, &on) == 0 && on != 0;
  }
  static bool Same(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && ::cfgetospeed(&a) == ::cfgetospeed(&b) &&
           std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
};

}  // namespace hardening
