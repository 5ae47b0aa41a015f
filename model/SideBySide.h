// Two pieces of work on both cores: the second on a thread of its own while the first runs here.
#pragma once

#include <exception>
#include <thread>

// Runs first and then second, or, when together, second beside first on another thread. Either
// one's exception comes out here once both have ended, so that an allocation that fails on the
// other thread is reported as one here would be.
template <typename First, typename Second>
void SideBySide(bool together, First &&first, Second &&second) {
  if (!together) {
    first();
    second();
    return;
  }
  std::exception_ptr failure;
  {
    std::jthread beside([&] {
      try {
        second();
      } catch (...) {
        failure = std::current_exception();
      }
    });
    first(); // should it throw, the thread is joined on the way out
  }
  if (failure)
    std::rethrow_exception(failure);
}
