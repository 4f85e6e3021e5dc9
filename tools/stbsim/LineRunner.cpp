#include "tools/stbsim/LineRunner.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// One byte on an 8N1 line is ten bit times.
std::chrono::nanoseconds ByteTime(int baud) {
  return std::chrono::nanoseconds(10'000'000'000LL / std::max(baud, 1));
}

class PacedLine {
 public:
  PacedLine(SerialPort& port, const LineRunSettings& s) : port_(port), s_(s) {}

  void Write(const std::uint8_t* data, std::size_t count) {
    if (!s_.pace) {
      port_.Write(data, count);
      return;
    }
    // Small chunks keep the bytes spread over their line time.
    constexpr std::size_t kChunk = 16;
    for (std::size_t done = 0; done < count;) {
      const std::size_t n = std::min(kChunk, count - done);
      freeAt_ = std::max(freeAt_, Clock::now());
      std::this_thread::sleep_until(freeAt_);
      port_.Write(data + done, n);
      freeAt_ += ByteTime(s_.baud) * static_cast<long>(n);
      done += n;
    }
  }

  // Bytes that came in also spent their time on the line before we could have them.
  void Received(std::size_t count) {
    if (s_.pace) std::this_thread::sleep_for(ByteTime(s_.baud) * static_cast<long>(count));
  }

 private:
  SerialPort& port_;
  const LineRunSettings& s_;
  Clock::time_point freeAt_{};
};

int Queued(int fd) {
  int n = 0;
  return ::ioctl(fd, FIONREAD, &n) == 0 ? n : 0;
}

}  // namespace

LineRunResult RunOnLine(SerialPort& port, SimReceiver& sim, const LineRunSettings& settings,
                        const SimReceiver::Log& log) {
  PacedLine line(port, settings);
  sim.SetOutput([&line](const std::uint8_t* data, std::size_t count) { line.Write(data, count); });
  sim.SetLog(log);
  const auto start = Clock::now();
  auto elapsedMs = [&] {
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
  };
  const std::uint64_t limitMs =
      settings.timeoutSeconds > 0 ? static_cast<std::uint64_t>(settings.timeoutSeconds) * 1000
                                  : SimReceiver::kNoDeadline;

  sim.Start(elapsedMs());
  std::uint8_t buf[4096];
  while (!sim.Done()) {
    if (elapsedMs() >= limitMs) {
      if (log) log("timed out");
      return LineRunResult::TimedOut;
    }
    // Until the PC answers, nobody may be reading the pseudo-terminal yet: drop our own
    // unread connect requests so they do not pile up and fill its buffer.
    if (settings.ptySlave >= 0 && sim.AwaitingConnectAck() && Queued(settings.ptySlave) >= 16)
      ::tcflush(settings.ptySlave, TCIFLUSH);

    const std::size_t n = port.Read(buf, sizeof buf);
    if (n > 0) {
      line.Received(n);
      sim.OnReceived(buf, n, elapsedMs());
      continue;
    }
    const std::uint64_t now = elapsedMs();
    const std::uint64_t due = std::min(sim.NextDeadlineMs(), limitMs);
    const int wait = static_cast<int>(std::min<std::uint64_t>(due > now ? due - now : 0, 20));
    pollfd p{port.Descriptor(), POLLIN, 0};
    const int ready = ::poll(&p, 1, wait);
    if (ready > 0 && (p.revents & POLLIN) == 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));  // hung up: don't spin
    sim.OnTime(elapsedMs());
  }

  // Let the PC take the last answer before the line goes away. Bytes cross a
  // pseudo-terminal asynchronously, so an empty queue right after the write proves
  // nothing: linger a moment before trusting it.
  const auto lingerUntil = Clock::now() + std::chrono::milliseconds(200);
  const auto drainUntil = Clock::now() + std::chrono::seconds(2);
  if (port.Descriptor() >= 0) ::tcdrain(port.Descriptor());
  while (Clock::now() < drainUntil &&
         (Clock::now() < lingerUntil || (settings.ptySlave >= 0 && Queued(settings.ptySlave) > 0)))
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return sim.Outcome() == SimOutcome::Succeeded ? LineRunResult::Succeeded : LineRunResult::Failed;
}
