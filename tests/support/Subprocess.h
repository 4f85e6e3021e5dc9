#pragma once
// Runs the project's own programs (stbsim, quelmar-cli) from tests and benchmarks:
// started without a shell, stdout on a pipe read with a time limit, stderr to a file,
// waited for with a time limit, and killed if a test leaves them behind. Run() is the
// short form for a program run to its end.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "support/Wait.h"

extern char** environ;

namespace testkit {

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
  // (or is inherited when empty), `extraEnv` ("NAME=value") added to the environment.
  bool Start(const std::vector<std::string>& args, const std::string& errFile = "",
             const std::vector<std::string>& extraEnv = {}) {
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
    std::vector<std::string> env = Environment(extraEnv);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    const int rc = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    out_ = pipeFds[0];
    if (rc != 0) pid_ = -1;
    return rc == 0;
  }

  // What one of the child's descriptors becomes: a descriptor of ours, or closed (-1).
  struct Stream {
    int childFd;
    int parentFd;
  };

  // Starts `args` with its standard streams where a careless user would put them (a full
  // device, a pipe nobody reads, a closed descriptor, a terminal) and `extraEnv`
  // ("NAME=value") added to the environment. Nothing comes to this object; descriptors
  // not named are inherited.
  bool StartWith(const std::vector<std::string>& args, const std::vector<Stream>& streams,
                 const std::vector<std::string>& extraEnv = {}) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const Stream& s : streams) {
      if (s.parentFd < 0) {
        posix_spawn_file_actions_addclose(&actions, s.childFd);
      } else {
        posix_spawn_file_actions_adddup2(&actions, s.parentFd, s.childFd);
      }
    }
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> env = Environment(extraEnv);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    const int rc = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) pid_ = -1;
    return rc == 0;
  }

  // The next line on stdout, without its newline; empty when none came in time.
  std::string ReadLine(std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    std::string line;
    const bool ended = Read(limit, [&](char c) {
      if (c == '\n') return true;
      line += c;
      return false;
    });
    return ended ? line : std::string();
  }

  // Everything on stdout until the program closes it (or `limit` passes).
  std::string ReadAll(std::chrono::milliseconds limit = std::chrono::seconds(60)) {
    std::string all;
    Read(limit, [&](char c) {
      all += c;
      return false;
    });
    return all;
  }

  // Exit status, or -1 when it has not ended within `limit` (it is then killed).
  int Wait(std::chrono::milliseconds limit = std::chrono::seconds(60)) {
    if (pid_ <= 0) return -1;
    int status = 0;
    const bool ended = WaitUntil([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; }, limit,
                                 std::chrono::milliseconds(5));
    if (!ended) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
    if (!ended) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  void Signal(int sig) {
    if (pid_ > 0) ::kill(pid_, sig);
  }

  // The read end of the program's stdout, for a test that reads it at its own pace.
  int OutFd() const { return out_; }

 private:
  // Ours with `extra` added; a name given there replaces ours.
  static std::vector<std::string> Environment(const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
      const std::string entry(*e);
      const std::string name = entry.substr(0, entry.find('=') + 1);
      bool replaced = false;
      for (const auto& x : extra) replaced = replaced || x.rfind(name, 0) == 0;
      if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
  }

  // Hands stdout's bytes to `take` until it returns true (then true), the pipe closes
  // or `limit` passes (then false).
  template <typename Take>
  bool Read(std::chrono::milliseconds limit, Take take) {
    if (out_ < 0) return false;
    bool taken = false;
    WaitUntil(
        [&] {
          pollfd p{out_, POLLIN, 0};
          while (::poll(&p, 1, 0) > 0) {
            char c = 0;
            if (::read(out_, &c, 1) != 1) return true;  // closed
            if (take(c)) return taken = true;
          }
          return false;
        },
        limit, std::chrono::milliseconds(2));
    return taken;
  }

  pid_t pid_ = -1;
  int out_ = -1;
};

// What a program that ran to its end left: exit status (-1 when it did not start or end
// in time), stdout and stderr.
struct Finished {
  int status = -1;
  std::string out, err;
};

// Runs `args` (args[0] a path) to its end.
inline Finished Run(const std::vector<std::string>& args,
                    std::chrono::milliseconds limit = std::chrono::seconds(60)) {
  const TempDir dir;
  const std::string errFile = dir.File("stderr");
  Subprocess p;
  Finished f;
  if (!p.Start(args, errFile)) return f;
  f.out = p.ReadAll(limit);
  f.status = p.Wait(limit);
  f.err = ReadText(errFile);
  return f;
}

// Where the build put one of our programs (the build defines QUELMAR_BINARY_DIR for the
// test and benchmark programs).
inline std::string BinaryPath(const std::string& name) {
  return (std::filesystem::path(QUELMAR_BINARY_DIR) / name).string();
}

}  // namespace testkit
