#include "TextScan.h"

#include "Gram.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Needles this long are searched by their 4-byte grams; shorter ones by the C library.
constexpr std::size_t kGramSearchFrom = 256;
constexpr int kShiftBits = 16; // the shift table has an entry per 16-bit gram hash

// Horspool's search on 4-byte grams: the gram under the end of the window says how far the
// needle can move without passing a place it could match. A block of text rarely shares its
// grams' positions with the text it is looked up in, so a miss moves on by hundreds of bytes at
// a time instead of a few, and the leftmost occurrence is still the first one verified.
std::size_t GramSearch(std::string_view haystack, std::string_view needle, std::size_t &steps) {
  const std::size_t m = needle.size(), n = haystack.size();
  if (n < m)
    return std::string_view::npos;
  const std::size_t last = m - kGramLength; // where the needle's final gram starts
  const auto cap = [](std::size_t shift) {
    return static_cast<std::uint16_t>(std::min<std::size_t>(shift, UINT16_MAX));
  };
  std::vector<std::uint16_t> shift(1u << kShiftBits, cap(last + 1));
  for (std::size_t i = 0; i < last; ++i)
    shift[GramHash(needle.data() + i, kShiftBits)] =
        cap(last - i); // the rightmost earlier place wins
  const std::uint32_t final = GramHash(needle.data() + last, kShiftBits);
  const std::size_t onMismatch = std::max<std::size_t>(1, shift[final]);
  shift[final] = 0;

  const char *h = haystack.data();
  for (std::size_t pos = 0; pos <= n - m; ++steps) {
    const std::uint16_t s = shift[GramHash(h + pos + last, kShiftBits)];
    if (s != 0) {
      pos += s;
    } else if (std::memcmp(h + pos, needle.data(), m) == 0) {
      return pos;
    } else {
      pos += onMismatch;
    }
  }
  return std::string_view::npos;
}

// The same search from the end: the gram under the start of the window says how far the needle
// can move left, and the rightmost occurrence is the first one verified.
std::size_t GramSearchBackward(std::string_view haystack, std::string_view needle) {
  const std::size_t m = needle.size(), n = haystack.size();
  if (n < m)
    return std::string_view::npos;
  const auto cap = [](std::size_t shift) {
    return static_cast<std::uint16_t>(std::min<std::size_t>(shift, UINT16_MAX));
  };
  const std::size_t last = m - kGramLength; // where the needle's final gram starts
  std::vector<std::uint16_t> shift(1u << kShiftBits, cap(last + 1));
  for (std::size_t i = last; i > 0; --i)
    shift[GramHash(needle.data() + i, kShiftBits)] = cap(i); // the leftmost later place wins
  const std::uint32_t first = GramHash(needle.data(), kShiftBits);
  const std::size_t onMismatch = std::max<std::size_t>(1, shift[first]);
  shift[first] = 0;

  const char *h = haystack.data();
  for (std::size_t pos = n - m;;) {
    const std::uint16_t s = shift[GramHash(h + pos, kShiftBits)];
    const std::size_t step = s != 0                                        ? s
                             : std::memcmp(h + pos, needle.data(), m) == 0 ? 0
                                                                           : onMismatch;
    if (step == 0)
      return pos;
    if (pos < step)
      return std::string_view::npos;
    pos -= step;
  }
}

} // namespace

std::size_t FindRightmost(std::string_view haystack, std::string_view needle) {
  if (needle.size() >= kGramSearchFrom)
    return GramSearchBackward(haystack, needle);
  if (needle.empty() || haystack.size() < needle.size())
    return needle.empty() ? haystack.size() : std::string_view::npos;
  // Short needles: the places of their last byte, from the end, each checked whole.
  const char lastByte = needle.back();
  for (std::size_t end = haystack.size(); end >= needle.size();) {
    const void *at =
        memrchr(haystack.data() + needle.size() - 1, lastByte, end - needle.size() + 1);
    if (!at)
      break;
    const auto pos = static_cast<std::size_t>(static_cast<const char *>(at) - haystack.data()) + 1 -
                     needle.size();
    if (std::memcmp(haystack.data() + pos, needle.data(), needle.size()) == 0)
      return pos;
    end = pos + needle.size() - 1;
  }
  return std::string_view::npos;
}

std::size_t FindLeftmost(std::string_view haystack, std::string_view needle, std::size_t *steps) {
  std::size_t ignored = 0;
  if (needle.size() >= kGramSearchFrom)
    return GramSearch(haystack, needle, steps ? *steps : ignored);
  if (needle.size() == 1) {
    const void *hit = std::memchr(haystack.data(), needle[0], haystack.size());
    return hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - haystack.data())
               : std::string_view::npos;
  }
#ifdef __GLIBC__
  // Short needles: glibc's memmem is the fast one.
  const void *hit = memmem(haystack.data(), haystack.size(), needle.data(), needle.size());
  return hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - haystack.data())
             : std::string_view::npos;
#else
  return haystack.find(needle);
#endif
}
