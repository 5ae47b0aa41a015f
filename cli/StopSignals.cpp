#include "StopSignals.h"

#include "Texts.h"

#include <csignal>
#include <ctime>
#include <latch>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kTrouble = 2;

} // namespace

std::string_view StoppedWords() {
  return Tr(QT_TRANSLATE_NOOP("Dorix", "остановлено"));
}

TStopSignals::TStopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  std::latch ready(1);
  // Made here: the thread writes it when a signal comes and may do no more than write then.
  const std::string stopped = "dorix-diff: " + std::string(StoppedWords()) + "\n";
  // Detached: it waits for as long as the process lives, and owns what it uses.
  std::thread([signals, &ready, stop = FStop, writing = FWriting, stopped]() mutable {
    const timespec now{};
    if (sigtimedwait(&signals, nullptr, &now) > 0) // sent before we were listening
      stop.request_stop();
    ready.count_down();
    int signal = 0;
    while (sigwait(&signals, &signal) == 0) {
      if (writing->load()) {
        (void)!::write(STDERR_FILENO, stopped.data(), stopped.size());
        ::_exit(kTrouble);
      }
      stop.request_stop();
    }
  }).detach();
  ready.wait();
}
