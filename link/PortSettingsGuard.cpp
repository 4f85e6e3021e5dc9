#include "link/PortSettingsGuard.h"

#include <sys/ioctl.h>

#include <atomic>
#include <csignal>

namespace PortSettingsGuard {
namespace {

// A handful of ports at most are open at a time; the handler reads the table without
// locks, so each slot publishes its descriptor only after its settings are in place.
constexpr int kSlots = 8;
struct Slot {
  std::atomic<int> fd{-1};
  termios saved{};
};
Slot slots[kSlots];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

extern "C" void OnFatalSignal(int sig) {
  for (Slot& s : slots) {
    const int fd = s.fd.load(std::memory_order_acquire);
    if (fd < 0) continue;
    ::tcsetattr(fd, TCSANOW, &s.saved);
    ::ioctl(fd, TIOCNXCL);
  }
  // SA_RESETHAND put the default action back: the signal ends the program as it would have.
  ::raise(sig);
}

// Checked on every Remember rather than once: the program may have put a signal back
// to its default since (a child after fork, a handler it no longer needs).
void Install() {
  for (int sig : kSignals) {
    struct sigaction old{};
    if (::sigaction(sig, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) != 0 || old.sa_handler != SIG_DFL)
      continue;
    struct sigaction sa{};
    sa.sa_handler = OnFatalSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND | SA_NODEFER;
    ::sigaction(sig, &sa, nullptr);
  }
}

}  // namespace

void Remember(int fd, const termios& saved) {
  Install();
  for (Slot& s : slots) {
    int expected = -1;
    // Claim the slot with a placeholder, fill it, then publish the descriptor.
    if (!s.fd.compare_exchange_strong(expected, -2, std::memory_order_acq_rel)) continue;
    s.saved = saved;
    s.fd.store(fd, std::memory_order_release);
    return;
  }
}

void Forget(int fd) {
  for (Slot& s : slots) {
    int expected = fd;
    if (s.fd.compare_exchange_strong(expected, -1, std::memory_order_acq_rel)) return;
  }
}

}  // namespace PortSettingsGuard
