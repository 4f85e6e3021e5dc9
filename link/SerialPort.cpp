#include "link/SerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "link/LinkTexts.h"
#include "link/PortNames.h"
#include "link/PortProblem.h"
#include "link/PortSettingsGuard.h"

namespace {

using Clock = std::chrono::steady_clock;

bool SpeedFor(int baud, speed_t& speed) {
  switch (baud) {
    case 1200: speed = B1200; return true;
    case 2400: speed = B2400; return true;
    case 4800: speed = B4800; return true;
    case 9600: speed = B9600; return true;
    case 19200: speed = B19200; return true;
    case 38400: speed = B38400; return true;
    case 57600: speed = B57600; return true;
    case 115200: speed = B115200; return true;
    case 230400: speed = B230400; return true;
    default: return false;
  }
}

int MsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() <= 0 ? 0 : static_cast<int>(left.count()) + 1;
}

}  // namespace

SerialPort::~SerialPort() { Close(); }

int SerialPort::Open(const std::string& portName, const std::string& settings) {
  Close();
  state_ = State::Failed;
  lost_ = false;
  lostReason_.clear();
  const std::string path = PortNames::DevicePath(portName);
  // A file named by mistake (the arguments swapped), a FIFO or a folder is not opened at
  // all: writing link bytes over a database file destroys it, and a FIFO waits for ever.
  struct stat st{};
  if (::stat(path.c_str(), &st) == 0 && !S_ISCHR(st.st_mode))
    return Refuse(-1, portName, PortProblem::Explain(path, PortProblem::Kind::NotSerial));
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    return Refuse(-1, portName, PortProblem::Explain(path, PortProblem::Kind::System, err));
  }
  // /dev/null and /dev/zero are character devices too; only a terminal is a line.
  termios before{};
  if (::tcgetattr(fd, &before) != 0)
    return Refuse(fd, portName, PortProblem::Explain(path, PortProblem::Kind::NotSerial));
  // The terminal this program runs in (/dev/tty, or its own name): making it raw would
  // leave the user's shell without echo, and the user's keys would go to the receiver.
  const pid_t session = ::tcgetsid(fd);
  if (session >= 0 && session == ::getsid(0))
    return Refuse(fd, portName, PortProblem::Explain(path, PortProblem::Kind::OwnTerminal));
  // The port is ours alone while a transfer runs: a second program on the same line
  // would steal bytes.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int err = errno;
    return Refuse(fd, portName, PortProblem::Explain(path, PortProblem::Kind::System, err));
  }
  ::ioctl(fd, TIOCEXCL);  // refuses further opens; not every device supports it
  fd_ = fd;
  state_ = State::Open;
  saved_ = before;
  haveSaved_ = true;
  PortSettingsGuard::Remember(fd_, saved_);
  Configure(fd_, settings);
  ::tcflush(fd_, TCIOFLUSH);
  return 1;
}

int SerialPort::Refuse(int fd, const std::string& portName, const std::string& reason) {
  if (fd >= 0) ::close(fd);
  state_ = State::Failed;
  Report(portName + LinkTexts::kOpenError + "\n" + reason);
  return 0;
}

int SerialPort::Adopt(int fd, const std::string& settings) {
  Close();
  if (fd < 0) return 0;
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
  fd_ = fd;
  state_ = State::Open;
  Configure(fd_, settings);
  return 1;
}

void SerialPort::Close() {
  if (state_ == State::Open) {
    // Unread input is dropped, but what was written stays on its way: the last unit of
    // a transfer (the PC's TERMINATE_ACK) is written just before the dialog closes the
    // port, and flushing output on a pseudo-terminal throws away the bytes the receiver
    // has not read yet.
    ::tcflush(fd_, TCIFLUSH);
    if (haveSaved_) {
      // The old speed must not cut into bytes still leaving; a line that does not drain
      // (nobody reading a pseudo-terminal) is not waited for long.
      const auto deadline = Clock::now() + std::chrono::milliseconds(kRestoreDrainMs);
      int pending = 0;
      while (::ioctl(fd_, TIOCOUTQ, &pending) == 0 && pending > 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      ::tcsetattr(fd_, TCSANOW, &saved_);
    }
    ::ioctl(fd_, TIOCNXCL);
    PortSettingsGuard::Forget(fd_);
    ::close(fd_);  // also drops the lock
  }
  fd_ = -1;
  haveSaved_ = false;
  state_ = State::NoHandle;
}

bool SerialPort::Configure(int fd, const std::string& settings) {
  int baud = 0;
  char parity = 0;
  int dataBits = 0;
  int stopBits = 0;
  if (std::sscanf(settings.c_str(), "%d,%c,%d,%d", &baud, &parity, &dataBits, &stopBits) != 4)
    return false;
  speed_t speed{};
  if (!SpeedFor(baud, speed) || dataBits < 5 || dataBits > 8 || (stopBits != 1 && stopBits != 2))
    return false;
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return false;
  ::cfmakeraw(&tio);
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  tio.c_cflag |= CLOCAL | CREAD;
  static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
  tio.c_cflag |= kSizes[dataBits - 5];
  switch (parity) {
    case 'N': case 'n': break;
    case 'E': case 'e': tio.c_cflag |= PARENB; break;
    case 'O': case 'o': tio.c_cflag |= PARENB | PARODD; break;
    default: return false;
  }
  if (stopBits == 2) tio.c_cflag |= CSTOPB;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  ::cfsetispeed(&tio, speed);
  ::cfsetospeed(&tio, speed);
  return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

std::size_t SerialPort::Write(const std::uint8_t* data, std::size_t count) {
  if (state_ == State::NoHandle || data == nullptr) return 0;
  if (count == 0) count = std::strlen(reinterpret_cast<const char*>(data));
  if (state_ == State::Failed) return count;
  std::size_t done = 0;
  auto stallDeadline = Clock::now() + std::chrono::milliseconds(kWriteStallMs);
  while (done < count) {
    const ssize_t n = ::write(fd_, data + done, count - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      stallDeadline = Clock::now() + std::chrono::milliseconds(kWriteStallMs);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) break;  // line error: dropped
    const int wait = MsUntil(stallDeadline);
    if (wait == 0) {
      ::tcflush(fd_, TCOFLUSH);
      break;
    }
    pollfd p{fd_, POLLOUT, 0};
    if (::poll(&p, 1, wait) > 0 && (p.revents & POLLOUT) == 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));  // hung up: don't spin
  }
  return count;
}

std::size_t SerialPort::Read(std::uint8_t* buffer, std::size_t max) {
  if (state_ != State::Open || max == 0) return 0;
  int queued = 0;
  if (::ioctl(fd_, FIONREAD, &queued) != 0) {
    NoteLost(errno);
    return 0;
  }
  if (queued <= 0) return 0;
  const std::size_t want = std::min(max, static_cast<std::size_t>(queued));
  ssize_t n;
  do {
    n = ::read(fd_, buffer, want);
  } while (n < 0 && errno == EINTR);
  if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) NoteLost(errno);
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

bool SerialPort::ReadByte(std::uint8_t& out) {
  std::uint8_t b = 0;
  if (Read(&b, 1) == 1) {
    out = b;
    return true;
  }
  const auto deadline = Clock::now() + std::chrono::milliseconds(kReadByteWaitMs);
  for (int wait = MsUntil(deadline); wait > 0; wait = MsUntil(deadline)) {
    if (state_ != State::Open) {
      // No device: spend the wait anyway so a caller's retry loop keeps its pace.
      std::this_thread::sleep_until(deadline);
      break;
    }
    pollfd p{fd_, POLLIN, 0};
    const int ready = ::poll(&p, 1, wait);
    if (ready > 0 && (p.revents & POLLIN) != 0 && Read(&b, 1) == 1) {
      out = b;
      return true;
    }
    if (ready > 0) {
      NotePollResult(p.revents);
      // Nothing will come from a line that is gone; the caller hears of it at once.
      if (LineLost()) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));  // don't spin
    }
  }
  if (Read(&b, 1) == 1) {
    out = b;
    return true;
  }
  return false;
}

void SerialPort::NotePollResult(short revents) {
  if ((revents & (POLLHUP | POLLERR | POLLNVAL)) == 0) return;
  // A hang-up may still leave bytes to read; only a line with nothing left is gone.
  int queued = 0;
  if (::ioctl(fd_, FIONREAD, &queued) == 0 && queued > 0) return;
  NoteLost((revents & POLLHUP) != 0 ? 0 : EIO);
}

void SerialPort::NoteLost(int err) {
  if (lost_) return;
  lost_ = true;
  // A pseudo-terminal whose far side closed answers reads with EIO, an unplugged USB
  // adapter with EIO or ENODEV: both mean the other end is gone.
  if (err == 0 || err == EIO) lostReason_ = LinkTexts::kHungUp;
  else if (err == ENODEV || err == ENXIO) lostReason_ = LinkTexts::kDeviceGone;
  else lostReason_ = std::strerror(err);
}

std::string SerialPort::LineLostReason() const { return lostReason_; }

void SerialPort::PurgeRx() {
  if (state_ == State::Open) ::tcflush(fd_, TCIFLUSH);
}

void SerialPort::PurgeTx() {
  if (state_ == State::Open) ::tcflush(fd_, TCOFLUSH);
}

void SerialPort::Report(const std::string& message) const {
  if (reporter_) reporter_(message);
}
