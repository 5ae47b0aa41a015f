#include "GramSet.h"

#include "Gram.h"

TGramSet::TGramSet(std::string_view text) {
  // About eight bits per gram keeps the set sparse, up to a size that stays in the cache.
  FBits = 10;
  while ((std::size_t{1} << FBits) < 8 * text.size() && FBits < 20)
    ++FBits;
  FSet.assign((std::size_t{1} << FBits) / 64, 0);
  for (std::size_t p = 0; p + kGram <= text.size(); ++p) {
    const std::size_t slot = GramHash(text.data() + p, FBits);
    FSet[slot / 64] |= std::uint64_t{1} << (slot % 64);
  }
}

bool TGramSet::MayContain(std::string_view needle) const {
  for (std::size_t p = 0; p + kGram <= needle.size(); ++p) {
    const std::size_t slot = GramHash(needle.data() + p, FBits);
    if (!((FSet[slot / 64] >> (slot % 64)) & 1))
      return false;
  }
  return true;
}
