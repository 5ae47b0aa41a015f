#include "BackgroundTask.h"

#include <sys/resource.h>
#include <unistd.h>

void YieldToTheWindow() {
  constexpr int kNicer = 4;
  const auto self = static_cast<id_t>(::gettid());
  ::setpriority(PRIO_PROCESS, self, ::getpriority(PRIO_PROCESS, self) + kNicer);
}

void TBackgroundTask::Start(TWork work, TDone done) {
  Stop();
  const std::uint64_t generation = ++FGeneration;
  FThread = std::jthread(
      [this, generation, work = std::move(work), done = std::move(done)](std::stop_token stop) {
        YieldToTheWindow();
        std::exception_ptr failure;
        try {
          work(stop);
        } catch (...) {
          failure = std::current_exception();
        }
        // Queued to the owner, which drops it if the owner goes first.
        QMetaObject::invokeMethod(
            FOwner,
            [this, generation, done, failure] {
              if (generation != FGeneration)
                return; // stopped meanwhile
              FThread.join();
              done(failure);
            },
            Qt::QueuedConnection);
      });
}

void TBackgroundTask::Stop() {
  if (!FThread.joinable())
    return;
  FThread.request_stop();
  FThread.join();
  ++FGeneration;
}
