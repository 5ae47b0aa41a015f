// One level of the block search: cut the first range into blocks, look each up in the second
// range, and keep the longest run that a hit grows into.
#pragma once

#include "MatchSteps.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Position of the leftmost occurrence of needle in haystack, or npos.
std::size_t FindLeftmost(std::string_view haystack, std::string_view needle);

// Block width for a first range of the given length: one level never searches more than
// 399 blocks, whatever the size of the input.
std::size_t BlockWidth(std::size_t lengthA);

// A set of the 8-byte grams that start at every 8th position of a text. A needle whose grams
// cannot all be in the set for any alignment does not occur in the text: a cheap "no" that
// spares a scan. A "maybe" can still be a miss.
class TGramFilter {
public:
  explicit TGramFilter(std::string_view text);
  bool MayContain(std::string_view needle) const;

private:
  static constexpr std::size_t kGramLength = 8;
  static constexpr std::size_t kStride = 8; // at most the gram length, or changes slip through
  std::size_t Hash(const char *p) const;

  std::vector<std::uint64_t> FSet;
  int FBits;
};

// Scans the blocks of a in order and returns the longest extended hit (the earliest on a tie),
// or a run of length 0. onStep, when set, receives the scan's percentage (0 to 90) after
// every examined block. allowFilter = false leaves the gram filter out (tests compare both).
TMatch FindBestMatch(std::string_view a, std::string_view b,
                     const std::function<void(std::int32_t)> &onStep, bool allowFilter = true);
