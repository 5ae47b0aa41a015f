#include "Disposer.h"

#include "BackgroundTask.h"

TDisposer::TDisposer() {
  FThread = std::jthread([this](std::stop_token stop) {
    YieldToTheWindow();
    std::unique_lock lock(FLock);
    while (FReady.wait(lock, stop, [this] { return !FQueue.empty(); })) {
      std::shared_ptr<const void> object = std::move(FQueue.front());
      FQueue.pop_front();
      lock.unlock();
      object.reset(); // freed without the lock held
      lock.lock();
    }
  });
}

TDisposer::~TDisposer() {
  FThread.request_stop();
  FThread.join();
  FQueue.clear();
}

void TDisposer::Dispose(std::shared_ptr<const void> object) {
  {
    const std::lock_guard lock(FLock);
    FQueue.push_back(std::move(object));
  }
  FReady.notify_one();
}
