// One input split into two texts, compared and snapped to UTF-8 characters: both texts come back,
// shared text is only the engine's, the counters add up, and valid UTF-8 stays valid in every
// piece.
#include "../model/CharacterChecks.h"

#include "TwoTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  return CheckTwoTexts(data, size, CharacterPiecesFault);
}
