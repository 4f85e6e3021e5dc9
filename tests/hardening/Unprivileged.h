#pragma once
// Runs a check as an ordinary user. The suite runs as root in CI, and root may write
// any file: a refusal the system makes only for ordinary users is proven in a child
// that first gives up root for the "nobody" account. Run by an ordinary user, the
// check runs in the same way, in a child.
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace hardening {

inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNoGroup = 65534;

// The child's exit code from `check` (which returns 0..125), 126 when privileges could
// not be given up, -1 when the child did not end normally.
inline int RunUnprivileged(const std::function<int()>& check) {
  const pid_t pid = ::fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0))
      ::_exit(126);
    if (::geteuid() == 0) ::_exit(126);
    ::_exit(check());
  }
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace hardening
