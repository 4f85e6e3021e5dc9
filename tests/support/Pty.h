#pragma once
// A pseudo-terminal as the serial line of port tests: the port or program under test
// opens the slave path, the test is the far end on the master side. The far end can
// hang up (close the master) as an unplugged adapter or a receiver that went away would.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "support/Wait.h"

namespace testkit {

class Pty {
 public:
  // Raw, as a serial line is set up; cooked, as a shell leaves its terminal.
  enum class Mode { Raw, Cooked };

  explicit Pty(Mode mode = Mode::Raw) {
    char name[256] = {};
    termios raw{};
    ::cfmakeraw(&raw);
    if (::openpty(&master_, &slave_, name, mode == Mode::Raw ? &raw : nullptr, nullptr) != 0) return;
    path_ = name;
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  }
  ~Pty() {
    HangUp();
    if (slave_ >= 0) ::close(slave_);
  }
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  bool Ok() const { return !path_.empty(); }
  const std::string& Path() const { return path_; }
  int Master() const { return master_; }
  int Slave() const { return slave_; }

  // The far end goes away.
  void HangUp() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

  void Send(const std::vector<std::uint8_t>& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
      const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
      if (n > 0) done += static_cast<std::size_t>(n);
    }
  }
  // Everything the far end receives until the line has been quiet for `quietMs`.
  std::vector<std::uint8_t> Receive(int quietMs = 100) {
    std::vector<std::uint8_t> out;
    for (;;) {
      pollfd p{master_, POLLIN, 0};
      if (::poll(&p, 1, quietMs) <= 0 || (p.revents & POLLIN) == 0) return out;
      std::uint8_t buf[4096];
      const ssize_t n = ::read(master_, buf, sizeof buf);
      if (n <= 0) return out;
      out.insert(out.end(), buf, buf + n);
    }
  }
  // What the far end has received so far, without waiting.
  std::string Drain() {
    std::string got;
    char buf[4096];
    ssize_t n;
    while (master_ >= 0 && (n = ::read(master_, buf, sizeof buf)) > 0) got.append(buf, static_cast<std::size_t>(n));
    return got;
  }
  // Waits until `count` bytes are queued on the descriptor `fd` (the port's side).
  static bool WaitQueued(int fd, int count) {
    return WaitUntil(
        [&] {
          int queued = 0;
          return ::ioctl(fd, FIONREAD, &queued) == 0 && queued >= count;
        },
        std::chrono::seconds(1), std::chrono::milliseconds(5));
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

}  // namespace testkit
