// Helpers shared by the engine tests: the invariants every finished list keeps, and pairs of a
// given shape.
#pragma once

#include "Pieces.h"
#include "VDiff.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// Joining the pieces gives both texts back, a stretch of differing text puts the second text's
// piece first, no entry is empty, and the counters add up.
inline void ExpectInvariants(const std::string &first, const std::string &second,
                             const TVDiff &diff) {
  std::string joinedFirst, joinedSecond;
  int seconds = 0, firsts = 0; // pieces since the last shared one
  std::int64_t sumEqual = 0, sumFirst = 0, sumSecond = 0;
  for (int i = 0; i < diff.Count(); ++i) {
    const auto text = diff.Text(i);
    switch (diff.GetKind(i)) {
    case Equal:
      joinedFirst += text;
      joinedSecond += text;
      sumEqual += static_cast<std::int64_t>(text.size());
      seconds = firsts = 0;
      break;
    case First:
      joinedFirst += text;
      sumFirst += static_cast<std::int64_t>(text.size());
      ++firsts;
      break;
    case Second:
      joinedSecond += text;
      sumSecond += static_cast<std::int64_t>(text.size());
      ASSERT_EQ(firsts, 0) << "a second-text piece after a first-text piece at " << i;
      ++seconds;
      break;
    default:
      FAIL() << "unexpected kind at " << i;
    }
    ASSERT_LE(seconds, 1) << "two second-text pieces in one stretch at " << i;
    ASSERT_LE(firsts, 1) << "two first-text pieces in one stretch at " << i;
    ASSERT_FALSE(text.empty()) << "empty entry at " << i;
  }
  EXPECT_EQ(joinedFirst, first);
  EXPECT_EQ(joinedSecond, second);
  EXPECT_EQ(sumEqual, diff.EqualChars);
  EXPECT_EQ(sumFirst, diff.FirstChars);
  EXPECT_EQ(sumSecond, diff.SecondChars);
  EXPECT_EQ(diff.EqualChars + diff.FirstChars, static_cast<std::int32_t>(first.size()));
  EXPECT_EQ(diff.EqualChars + diff.SecondChars, static_cast<std::int32_t>(second.size()));
}

// A pair of texts of about 48-byte lines of random words, the second with one character changed
// on every k-th line: edits spread evenly, so that at a small k no block of a level's first
// width is free of them.
struct EvenEdits {
  std::string First, Second;
  int Changes = 0;
};

inline EvenEdits EveryKthLineChanged(std::size_t lines, std::size_t k, std::string_view lineEnd,
                                     unsigned seed) {
  std::mt19937 rng(seed);
  EvenEdits pair;
  for (std::size_t n = 0; n < lines; ++n) {
    std::string line;
    while (line.size() < 40) {
      for (unsigned letters = 2 + rng() % 7; letters > 0; --letters)
        line += static_cast<char>('a' + rng() % 26);
      line += ' ';
    }
    pair.First += line;
    if (n % k == k / 2) {
      line[line.size() / 2] = '#';
      ++pair.Changes;
    }
    pair.Second += line;
    pair.First += lineEnd;
    pair.Second += lineEnd;
  }
  return pair;
}
