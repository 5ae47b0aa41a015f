// Objects handed to the disposer are freed on its thread, in order, and none is left behind.
#include "Disposer.h"

#include <gtest/gtest.h>

#include <QTest>

#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Freed {
  std::mutex lock;
  std::vector<int> ids;
  std::vector<std::thread::id> threads;

  std::size_t Count() {
    const std::lock_guard guard(lock);
    return ids.size();
  }
};

struct Watched {
  Freed &freed;
  int id;
  Watched(Freed &f, int i) : freed(f), id(i) {}
  Watched(const Watched &) = delete;
  ~Watched() {
    const std::lock_guard guard(freed.lock);
    freed.ids.push_back(id);
    freed.threads.push_back(std::this_thread::get_id());
  }
};

TEST(Disposer, FreesInOrderOnItsOwnThreadAndLeavesNothing) {
  Freed freed;
  {
    TDisposer disposer;
    disposer.Dispose(std::make_shared<Watched>(freed, 1));
    disposer.Dispose(std::make_shared<Watched>(freed, 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return freed.Count() == 2; }));
    for (int id = 3; id < 200; ++id) // more than it frees before it is destroyed
      disposer.Dispose(std::make_shared<Watched>(freed, id));
  }
  ASSERT_EQ(freed.Count(), 199u);
  for (int i = 0; i < 199; ++i)
    EXPECT_EQ(freed.ids[static_cast<std::size_t>(i)], i + 1);
  EXPECT_NE(freed.threads[0], std::this_thread::get_id());
}

} // namespace
