#include "BlockSearch.h"

#include <algorithm>
#include <cstring>
#include <functional>

std::size_t FindLeftmost(std::string_view haystack, std::string_view needle) {
  if (needle.size() == 1) {
    const void *hit = std::memchr(haystack.data(), needle[0], haystack.size());
    return hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - haystack.data())
               : std::string_view::npos;
  }
#ifdef __GLIBC__
  // glibc's memmem is a two-way search with a shift table: linear, and fast on long needles.
  const void *hit = memmem(haystack.data(), haystack.size(), needle.data(), needle.size());
  return hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - haystack.data())
             : std::string_view::npos;
#else
  auto it = std::search(haystack.begin(), haystack.end(),
                        std::boyer_moore_horspool_searcher(needle.begin(), needle.end()));
  return it == haystack.end() ? std::string_view::npos
                              : static_cast<std::size_t>(it - haystack.begin());
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

TMatch FindBestMatch(std::string_view a, std::string_view b,
                     const std::function<void(std::int32_t)> &onStep) {
  const std::size_t width = BlockWidth(a.size());
  const std::size_t blocks = a.size() / width;
  TMatch best;
  std::size_t i = 0;
  while (i < blocks) {
    const std::size_t q = FindLeftmost(b, a.substr(i * width, width));
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
