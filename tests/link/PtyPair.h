#pragma once
// A pseudo-terminal pair for port tests: the test plays the far end on the master side
// and opens the slave path with the port under test.
#include <pty.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "support/Wait.h"

class PtyPair {
 public:
  PtyPair() {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    path_ = name;
    termios tio{};
    ::tcgetattr(slave_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave_, TCSANOW, &tio);
  }
  ~PtyPair() {
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
  }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  bool ok() const { return master_ >= 0; }
  const std::string& path() const { return path_; }
  int master() const { return master_; }

  void Send(const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
      if (n > 0) done += static_cast<std::size_t>(n);
    }
  }

  // Everything the far end receives within `ms` of quiet.
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

  // Waits until `count` bytes are queued on the descriptor `fd` (the port's side).
  static bool WaitQueued(int fd, int count) {
    return testkit::WaitUntil(
        [&] {
          int queued = 0;
          return ::ioctl(fd, FIONREAD, &queued) == 0 && queued >= count;
        },
        std::chrono::seconds(1), std::chrono::milliseconds(5));
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
};
