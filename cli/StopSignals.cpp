#include "StopSignals.h"

#include <csignal>
#include <ctime>
#include <latch>
#include <thread>
#include <unistd.h>

namespace {

constexpr char kStopped[] = "dorix-diff: stopped\n";
constexpr int kTrouble = 2;

} // namespace

TStopSignals::TStopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  std::latch ready(1);
  // Detached: it waits for as long as the process lives, and owns what it uses.
  std::thread([signals, &ready, stop = FStop, writing = FWriting]() mutable {
    const timespec now{};
    if (sigtimedwait(&signals, nullptr, &now) > 0) // sent before we were listening
      stop.request_stop();
    ready.count_down();
    int signal = 0;
    while (sigwait(&signals, &signal) == 0) {
      if (writing->load()) {
        (void)!::write(STDERR_FILENO, kStopped, sizeof kStopped - 1);
        ::_exit(kTrouble);
      }
      stop.request_stop();
    }
  }).detach();
  ready.wait();
}
