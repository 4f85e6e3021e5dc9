#pragma once
// Runs one of the project's programs with its standard streams put where a careless
// user would put them: a full device, a pipe nobody reads, a closed descriptor, a
// terminal. The status is the shell's: the exit code, or 128 + the signal that ended it.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace hardening {

class ChildProcess {
 public:
  // What one of the child's descriptors 0-2 becomes: a descriptor of ours, or closed.
  struct Stream {
    int childFd;
    int parentFd;  // -1: closed in the child
  };

  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }

  bool Start(const std::vector<std::string>& args, const std::vector<Stream>& streams,
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
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    const int rc = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) pid_ = -1;
    return rc == 0;
  }

  // The shell's status, or -1 when it has not ended within `limit` (it is then killed).
  int Wait(std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    if (pid_ <= 0) return -1;
    const auto end = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) != pid_) {
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

  bool Running() const { return pid_ > 0; }
  void Signal(int sig) {
    if (pid_ > 0) ::kill(pid_, sig);
  }

 private:
  pid_t pid_ = -1;
};

}  // namespace hardening
