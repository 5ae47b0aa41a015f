// One input split into two texts, compared and made readable: the pass agrees with the plain
// reference, gives both texts back, leaves no empty piece, no shared pieces side by side and
// nothing that would fold.
#include "../model/ReadableChecks.h"

#include "TwoTexts.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  const auto [first, second] = TwoTexts(data, size);
  const std::string fault = ReadablePiecesFault(first, second);
  if (!fault.empty()) {
    std::fprintf(stderr, "%s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
