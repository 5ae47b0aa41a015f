#include "GramSet.h"

#include <cstring>

TGramSet::TGramSet(std::string_view text) {
  // About eight bits per gram keeps the set sparse, up to a size that stays in the cache.
  FBits = 10;
  while ((std::size_t{1} << FBits) < 8 * text.size() && FBits < 20)
    ++FBits;
  FSet.assign((std::size_t{1} << FBits) / 64, 0);
  for (std::size_t p = 0; p + kGram <= text.size(); ++p) {
    const std::size_t slot = Slot(text.data() + p);
    FSet[slot / 64] |= std::uint64_t{1} << (slot % 64);
  }
}

std::size_t TGramSet::Slot(const char *p) const {
  std::uint32_t g;
  std::memcpy(&g, p, kGram);
  return (g * 2654435761u) >> (32 - FBits);
}

bool TGramSet::MayContain(std::string_view needle) const {
  for (std::size_t p = 0; p + kGram <= needle.size(); ++p) {
    const std::size_t slot = Slot(needle.data() + p);
    if (!((FSet[slot / 64] >> (slot % 64)) & 1))
      return false;
  }
  return true;
}
