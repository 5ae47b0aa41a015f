// Looking a needle up in a text by scanning it.
#pragma once

#include <string_view>

// Position of the leftmost occurrence of needle in haystack, or npos. steps, when given, grows
// by the number of places a scan of long needles looked at: a measure of what it cost.
std::size_t FindLeftmost(std::string_view haystack, std::string_view needle,
                         std::size_t *steps = nullptr);

// Position of the rightmost occurrence of needle in haystack, or npos.
std::size_t FindRightmost(std::string_view haystack, std::string_view needle);
