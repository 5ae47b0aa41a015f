// dorix-diff run as a separate process, the way scripts use it: files written to a temporary
// folder, the command's status and both outputs, and a check that no compared file was touched.
#pragma once

#include "../TempFilesTest.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

// The command speaks the locale's language; the tests expect Russian, the program's own, from it
// and from what it runs under (git starts it with this process's environment).
inline const bool kRussianLocale = [] {
  ::unsetenv("LC_ALL");
  ::unsetenv("LC_MESSAGES");
  ::unsetenv("LANGUAGE");
  return ::setenv("LANG", "ru_RU.UTF-8", 1) == 0;
}();

struct Outcome {
  int status = -1;
  std::string out, err;
};

class CliTest : public TempFilesTest {
protected:
  // The locale the command runs under (LANG; LC_ALL, LC_MESSAGES and LANGUAGE unset), and
  // variables set besides.
  std::string locale = "ru_RU.UTF-8";
  std::vector<std::pair<std::string, std::string>> environment;

  // pendingSignal: sent to the command before it starts, held back until it is listening, so
  // that it arrives while the command works whatever the machine's speed. input: given, the
  // command's standard input is a pipe that holds it.
  Outcome Run(std::vector<std::string> args, rlim_t memoryLimit = 0, int pendingSignal = 0,
              const std::optional<std::string> &input = std::nullopt) {
    int pipeEnds[2] = {-1, -1};
    if (input && ::pipe(pipeEnds) != 0)
      return {};
    const fs::path outPath = dir / ".stdout", errPath = dir / ".stderr";
    sigset_t held, before;
    sigemptyset(&held);
    if (pendingSignal)
      sigaddset(&held, pendingSignal);
    ::sigprocmask(SIG_BLOCK, &held, &before);
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (input) {
        ::dup2(pipeEnds[0], STDIN_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
      }
      if (memoryLimit) {
        const rlimit limit{memoryLimit, memoryLimit};
        ::setrlimit(RLIMIT_AS, &limit);
      }
      ::unsetenv("LC_ALL");
      ::unsetenv("LC_MESSAGES");
      ::unsetenv("LANGUAGE");
      ::setenv("LANG", locale.c_str(), 1);
      for (const auto &[name, value] : environment)
        ::setenv(name.c_str(), value.c_str(), 1);
      std::vector<char *> argv{const_cast<char *>(DORIX_DIFF_PATH)};
      for (auto &a : args)
        argv.push_back(a.data());
      argv.push_back(nullptr);
      std::freopen(outPath.c_str(), "wb", stdout);
      std::freopen(errPath.c_str(), "wb", stderr);
      ::execv(DORIX_DIFF_PATH, argv.data());
      ::_exit(127);
    }
    ::sigprocmask(SIG_SETMASK, &before, nullptr);
    if (input) {
      ::close(pipeEnds[0]);
      for (std::size_t done = 0; done < input->size();) {
        const ssize_t n = ::write(pipeEnds[1], input->data() + done, input->size() - done);
        if (n <= 0)
          break;
        done += static_cast<std::size_t>(n);
      }
      ::close(pipeEnds[1]);
    }
    if (pendingSignal)
      ::kill(pid, pendingSignal);
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(outPath), Slurp(errPath)};
  }
};
