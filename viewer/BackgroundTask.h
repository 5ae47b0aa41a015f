// One piece of long work on a thread of its own, its end handed back to the thread of the object
// that started it. The work must leave alone whatever that thread reads meanwhile, and look at
// its stop token often: Stop waits for it.
#pragma once

#include <QObject>

#include <cstdint>
#include <exception>
#include <functional>
#include <stop_token>
#include <thread>

// Lowers the calling thread's priority a little below the process's own, so that background work
// yields to the window's thread when the cores are all busy (threads it starts inherit it).
void YieldToTheWindow();

class TBackgroundTask {
public:
  using TWork = std::function<void(std::stop_token)>;
  // Runs on the owner's thread once the work has returned; failure is what it threw, if anything.
  using TDone = std::function<void(std::exception_ptr failure)>;

  explicit TBackgroundTask(QObject *owner) : FOwner(owner) {}
  ~TBackgroundTask() { Stop(); }
  TBackgroundTask(const TBackgroundTask &) = delete;
  TBackgroundTask &operator=(const TBackgroundTask &) = delete;

  // Starts the work after stopping any still running.
  void Start(TWork work, TDone done);
  // Asks the work to stop and waits until it has returned; its done is never called.
  void Stop();
  // Started and its done not called yet.
  bool Running() const { return FThread.joinable(); }

private:
  QObject *FOwner;
  std::jthread FThread;
  std::uint64_t FGeneration = 0; // tells a stopped work's late end from the current one's
};
