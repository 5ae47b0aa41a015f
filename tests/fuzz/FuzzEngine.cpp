// One input split into two texts: whatever they are, the comparison keeps its invariants and
// agrees with the plain reference.
#include "EngineChecks.h"

#include "TwoTexts.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  const auto [first, second] = TwoTexts(data, size);
  CheckComparison(first, second);
  return 0;
}
