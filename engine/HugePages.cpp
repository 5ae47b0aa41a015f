#include "HugePages.h"

#include <cstdint>
#include <sys/mman.h>

namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
constexpr std::size_t kWorthFrom = std::size_t{8} << 20;

} // namespace

void AdviseHugePages(const void *data, std::size_t bytes) {
  if (bytes < kWorthFrom)
    return;
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t last = (begin + bytes) & ~(kHugePage - 1);
  if (first < last) // advice only: where it is refused the pages are ordinary ones
    ::madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
}
