// One input split into two texts, compared and snapped to UTF-8 characters: both texts come back,
// shared text is only the engine's, the counters add up, and valid UTF-8 stays valid in every
// piece.
#include "../model/CharacterChecks.h"

#include "TwoTexts.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  const auto [first, second] = TwoTexts(data, size);
  const std::string fault = CharacterPiecesFault(first, second);
  if (!fault.empty()) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
