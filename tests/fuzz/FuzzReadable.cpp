// One input split into two texts, compared and made readable: the pass agrees with the plain
// reference, gives both texts back, leaves no empty piece, no shared pieces side by side and
// nothing that would fold.
#include "../model/ReadableChecks.h"

#include "TwoTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  return CheckTwoTexts(data, size, ReadablePiecesFault);
}
