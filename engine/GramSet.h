// The 4-byte grams of a text as a set of hashed bits, for ruling short blocks out cheaply.
#pragma once

#include "Gram.h"

#include <cstdint>
#include <string_view>
#include <vector>

// A needle with a gram that the text lacks cannot occur in the text; a "maybe" can still be a
// miss. Costs one pass over the text and a few kilobytes.
class TGramSet {
public:
  static constexpr std::size_t kGram = kGramLength;

  explicit TGramSet(std::string_view text);

  // False only when needle (kGram bytes or more) surely does not occur in the text.
  bool MayContain(std::string_view needle) const;

private:
  int FBits = 0;
  std::vector<std::uint64_t> FSet;
};
