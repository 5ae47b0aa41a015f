// Work on both cores: both pieces run, and a failure on either thread reaches the caller.
#include "SideBySide.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

TEST(SideBySide, BothRunAndEitherFailureComesOutHere) {
  for (const bool together : {false, true}) {
    int first = 0, second = 0;
    SideBySide(
        together, [&] { first = 1; }, [&] { second = 2; });
    EXPECT_EQ(first + second, 3) << together;
    // A failed allocation on the other thread is the caller's, not the end of the program.
    EXPECT_THROW(SideBySide(
                     together, [] {}, [] { throw std::bad_alloc(); }),
                 std::bad_alloc);
    bool secondRan = false;
    EXPECT_THROW(
        SideBySide(
            together, [] { throw std::runtime_error("first"); }, [&] { secondRan = true; }),
        std::runtime_error);
    EXPECT_EQ(secondRan, together) << "together, the other thread ends before the failure leaves";
  }
}

} // namespace
