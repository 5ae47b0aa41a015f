// One input split into two texts: whatever they are, the comparison keeps its invariants and
// agrees with the plain reference.
#include "EngineChecks.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  const std::size_t split = data[0] * (size - 1) / 255;
  const std::string first(reinterpret_cast<const char *>(data + 1), split);
  const std::string second(reinterpret_cast<const char *>(data + 1 + split), size - 1 - split);
  CheckComparison(first, second);
  return 0;
}
