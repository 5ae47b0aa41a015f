// SIGINT and SIGTERM end dorix-diff cleanly. Before the output begins they ask the work to stop
// (the engine and the line building look at the request every few milliseconds); once it is
// being written they end the process at once, leaving on standard output only what was flushed.
#pragma once

#include <atomic>
#include <memory>
#include <stop_token>
#include <string_view>

// "stopped", in the command's language.
std::string_view StoppedWords();

class TStopSignals {
public:
  // Blocks both signals in this thread and every thread it starts, and starts the one thread
  // that waits for them. A signal that came before counts too.
  TStopSignals();
  std::stop_token Token() const { return FStop.get_token(); }
  // From here a signal ends the process instead of asking.
  void OutputBegins() { FWriting->store(true); }

private:
  std::stop_source FStop;
  std::shared_ptr<std::atomic<bool>> FWriting = std::make_shared<std::atomic<bool>>(false);
};
