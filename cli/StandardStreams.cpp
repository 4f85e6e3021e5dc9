#include "cli/StandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/CliCommon.h"

namespace cli {

void GuardStandardStreams() {
  std::signal(SIGPIPE, SIG_IGN);
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // Opened read-only, so every write to it fails and is reported as a write error.
    const int stand = ::open("/dev/null", O_RDONLY);
    if (stand >= 0 && stand != fd) {
      ::dup2(stand, fd);
      ::close(stand);
    }
  }
}

int FinishStandardStreams(int exitCode) {
  // std::cout writes through stdout's buffer: flushing that first keeps the reason.
  errno = 0;
  const bool flushFailed = std::fflush(stdout) != 0;
  const int err = errno;
  std::cout.flush();
  const bool outFailed = flushFailed || std::ferror(stdout) != 0 || std::cout.fail();
  const bool errFailed = std::ferror(stderr) != 0 || std::cerr.fail();
  if (!outFailed && !errFailed) return exitCode;
  if (outFailed && !errFailed) {
    std::string what = "write error";
    if (flushFailed && err != 0) what += std::string(": ") + std::strerror(err);
    Fail(what);
  }
  // A failure already reported (an interrupted transfer's 130) keeps its own status.
  return exitCode != kExitOk ? exitCode : kExitTrouble;
}

}  // namespace cli
