#pragma once
// Runs the project's own programs (stbsim, quelmar-cli) from tests: started with their
// stdout on a pipe, the first line read with a time limit, waited for with a time
// limit, and killed if a test leaves them behind.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

class Subprocess {
 public:
  Subprocess() = default;
  Subprocess(const Subprocess&) = delete;
  Subprocess& operator=(const Subprocess&) = delete;
  ~Subprocess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) ::close(out_);
  }

  // Starts `args` (args[0] a path); stdout comes to this object, stderr to `errFile`
  // (or is inherited when empty).
  bool Start(const std::vector<std::string>& args, const std::string& errFile = "") {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    if (!errFile.empty())
      posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const int rc = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    out_ = pipeFds[0];
    if (rc != 0) pid_ = -1;
    return rc == 0;
  }

  // The next line on stdout, without its newline; empty when none came in time.
  std::string ReadLine(std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    std::string line;
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      pollfd p{out_, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      char c = 0;
      if (::read(out_, &c, 1) != 1) break;
      if (c == '\n') return line;
      line += c;
    }
    return {};
  }

  // Exit status, or -1 when it has not ended within `limit` (it is then killed).
  int Wait(std::chrono::milliseconds limit = std::chrono::seconds(60)) {
    if (pid_ <= 0) return -1;
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (true) {
      const pid_t r = ::waitpid(pid_, &status, WNOHANG);
      if (r == pid_) break;
      if (std::chrono::steady_clock::now() > end) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
        return -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  void Signal(int sig) {
    if (pid_ > 0) ::kill(pid_, sig);
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
};

#ifdef QUELMAR_BINARY_DIR
inline std::string BinaryPath(const std::string& name) {
  return (std::filesystem::path(QUELMAR_BINARY_DIR) / name).string();
}
#endif
