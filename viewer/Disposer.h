// Frees large objects on a thread of its own: the texts and lines of a gigabyte pair take tens
// of milliseconds to give back, longer than the window may stop answering. Whatever is handed
// over is freed in order; nothing waits for it, and the destructor frees the rest.
#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class TDisposer {
public:
  TDisposer();
  ~TDisposer();
  TDisposer(const TDisposer &) = delete;
  TDisposer &operator=(const TDisposer &) = delete;

  // Takes the last owner of an object and frees it later.
  void Dispose(std::shared_ptr<const void> object);

private:
  std::mutex FLock;
  std::condition_variable_any FReady;
  std::deque<std::shared_ptr<const void>> FQueue;
  std::jthread FThread;
};
