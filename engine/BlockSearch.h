// One level of the block search: cut the first range into blocks, look each up in the second
// range, and keep the longest run that a hit grows into.
#pragma once

#include "MatchSteps.h"

#include <cstdint>
#include <functional>
#include <string_view>

// Position of the leftmost occurrence of needle in haystack, or npos.
std::size_t FindLeftmost(std::string_view haystack, std::string_view needle);

// Block width for a first range of the given length: one level never searches more than
// 399 blocks, whatever the size of the input.
std::size_t BlockWidth(std::size_t lengthA);

// Scans the blocks of a in order and returns the longest extended hit (the earliest on a tie),
// or a run of length 0. onStep, when set, receives the scan's percentage (0 to 90) after
// every examined block.
TMatch FindBestMatch(std::string_view a, std::string_view b,
                     const std::function<void(std::int32_t)> &onStep);
