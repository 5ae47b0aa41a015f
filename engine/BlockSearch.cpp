#include "BlockSearch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

namespace {

// Needles this long are searched by their 4-byte grams; shorter ones by the C library.
constexpr std::size_t kGramSearchFrom = 64;
// Second ranges this long get a gram filter before their blocks are looked up.
constexpr std::size_t kFilterFrom = 1u << 20;
constexpr int kMissesBeforeFilter = 4;
constexpr std::size_t kGram = 4;

std::uint32_t GramHash(const char *p) {
  std::uint32_t g;
  std::memcpy(&g, p, kGram);
  return (g * 2654435761u) >> 16; // 16 bits
}

// Horspool's search on 4-byte grams: the gram under the end of the window says how far the
// needle can move without passing a place it could match. A block of text rarely shares its
// grams' positions with the text it is looked up in, so a miss moves on by hundreds of bytes at
// a time instead of a few, and the leftmost occurrence is still the first one verified.
std::size_t GramSearch(std::string_view haystack, std::string_view needle) {
  const std::size_t m = needle.size(), n = haystack.size();
  if (n < m)
    return std::string_view::npos;
  const std::size_t last = m - kGram; // where the needle's final gram starts
  const auto cap = [](std::size_t shift) {
    return static_cast<std::uint16_t>(std::min<std::size_t>(shift, UINT16_MAX));
  };
  std::vector<std::uint16_t> shift(1u << 16, cap(last + 1));
  for (std::size_t i = 0; i < last; ++i)
    shift[GramHash(needle.data() + i)] = cap(last - i); // the rightmost earlier place wins
  const std::uint32_t final = GramHash(needle.data() + last);
  const std::size_t onMismatch = std::max<std::size_t>(1, shift[final]);
  shift[final] = 0;

  const char *h = haystack.data();
  for (std::size_t pos = 0; pos <= n - m;) {
    const std::uint16_t s = shift[GramHash(h + pos + last)];
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

} // namespace

std::size_t FindLeftmost(std::string_view haystack, std::string_view needle) {
  if (needle.size() >= kGramSearchFrom)
    return GramSearch(haystack, needle);
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

std::size_t BlockWidth(std::size_t lengthA) {
  return lengthA <= 200 ? 1 : lengthA / 200;
}

namespace {

// i × 90 / n rounded to the nearest integer, halves away from zero.
std::int32_t ScanPercent(std::size_t i, std::size_t n) {
  return static_cast<std::int32_t>((i * 180 + n) / (2 * n));
}

} // namespace

TGramFilter::TGramFilter(std::string_view text) {
  // About four bits per sampled gram keeps false alarms rare.
  const std::size_t samples = text.size() / kStride + 1;
  FBits = 10;
  while ((std::size_t{1} << FBits) < 4 * samples && FBits < 30)
    ++FBits;
  FSet.assign((std::size_t{1} << FBits) / 64 + 1, 0);
  for (std::size_t p = 0; p + kGramLength <= text.size(); p += kStride) {
    const std::size_t h = Hash(text.data() + p);
    FSet[h / 64] |= std::uint64_t{1} << (h % 64);
  }
}

std::size_t TGramFilter::Hash(const char *p) const {
  std::uint64_t g;
  std::memcpy(&g, p, kGramLength);
  return static_cast<std::size_t>((g * 0x9E3779B97F4A7C15ull) >> (64 - FBits));
}

bool TGramFilter::MayContain(std::string_view needle) const {
  if (needle.size() < kGramLength + kStride)
    return true;
  // An occurrence at q puts the sampled positions of the text under the needle offsets of one
  // residue class, (-q) mod stride; every gram of that class must then be in the set.
  for (std::size_t r = 0; r < kStride; ++r) {
    bool all = true;
    for (std::size_t j = r; j + kGramLength <= needle.size() && all; j += kStride) {
      const std::size_t h = Hash(needle.data() + j);
      all = (FSet[h / 64] >> (h % 64)) & 1;
    }
    if (all)
      return true;
  }
  return false;
}

TMatch FindBestMatch(std::string_view a, std::string_view b,
                     const std::function<void(std::int32_t)> &onStep, bool allowFilter) {
  const std::size_t width = BlockWidth(a.size());
  const std::size_t blocks = a.size() / width;
  // On a large second range where blocks keep missing, the gram filter rules most of the next
  // misses out without a scan; the blocks it lets through are searched as before. A level
  // whose blocks are found at once (identical or nearly identical texts) never pays for it.
  const bool mayFilter = allowFilter && b.size() >= kFilterFrom && width >= kGramSearchFrom;
  std::optional<TGramFilter> filter;
  int misses = 0;
  TMatch best;
  std::size_t i = 0;
  while (i < blocks) {
    const std::string_view block = a.substr(i * width, width);
    if (mayFilter && !filter && misses >= kMissesBeforeFilter)
      filter.emplace(b);
    const std::size_t q = filter && !filter->MayContain(block) ? std::string_view::npos
                                                                : FindLeftmost(b, block);
    misses += q == std::string_view::npos;
    if (q != std::string_view::npos) {
      const TMatch hit = ExtendMatch(a, b, {i * width, q, width});
      if (hit.L > best.L)
        best = hit;
      // Resume at the last block that ends inside the run just found.
      i = std::max(i + 1, (hit.P + hit.L - width) / width);
    } else {
      ++i;
    }
    if (onStep)
      onStep(ScanPercent(i, blocks));
  }
  return best;
}
