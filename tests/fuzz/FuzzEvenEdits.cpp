// A small input grown into a pair of 60 to 300 KB of lines with an edit every few lines: large
// ranges then often hold a change in every block of their first width, and the finer passes
// run. The pair keeps the invariants of every comparison and agrees with the plain reference.
#include "EngineChecks.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace {

// Input: [size][spacing][line ends][material...]. Lines are cut from the material, numbered so
// that they differ; every few lines one is edited in the first text.
class PairGrower {
public:
  PairGrower(const std::uint8_t *data, std::size_t size)
      : FTarget((60 + data[0] % 241) * std::size_t{1024}), FEvery(1 + data[1] % 16),
        FEnds(data[2] % 3),
        FMaterial(size > 3 ? std::string_view(reinterpret_cast<const char *>(data + 3), size - 3)
                           : std::string_view("line")) {}

  std::pair<std::string, std::string> Grow() const {
    std::string first, second;
    for (std::size_t n = 0; second.size() < FTarget; ++n) {
      std::string line = Line(n);
      const std::string_view end = FEnds == 0 || (FEnds == 2 && Byte(n) % 2) ? "\n" : "\r\n";
      second.append(line).append(end);
      if (n % FEvery == FEvery / 2 && !Edit(n, line))
        continue; // the line is gone from the first text
      first.append(line).append(end);
    }
    return {std::move(first), std::move(second)};
  }

private:
  std::size_t FTarget, FEvery;
  unsigned FEnds;
  std::string_view FMaterial;

  unsigned char Byte(std::size_t k) const {
    return static_cast<unsigned char>(FMaterial[k % FMaterial.size()]);
  }

  std::string Line(std::size_t n) const {
    std::string line = std::to_string(n) + ' ';
    const std::size_t from = n * 31, length = 16 + (n * 7 + Byte(from)) % 64;
    for (std::size_t j = 0; j < length; ++j) {
      const char c = static_cast<char>(Byte(from + j));
      line += c == '\r' || c == '\n' ? ' ' : c;
    }
    return line;
  }

  // One change to the line, chosen by the material; false when the line is deleted.
  bool Edit(std::size_t n, std::string &line) const {
    const unsigned choice = Byte(n * 13);
    const std::size_t at = Byte(n * 17) % line.size(), count = 1 + choice / 4 % 4;
    switch (choice % 4) {
    case 0:
      line[at] = static_cast<char>(line[at] + 1);
      return true;
    case 1:
      line.insert(at, FMaterial.substr(n % FMaterial.size(), count));
      return true;
    case 2:
      line.erase(at, count);
      return true;
    default:
      return false;
    }
  }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 3)
    return 0;
  const auto [first, second] = PairGrower(data, size).Grow();
  CheckComparison(first, second, false);
  return 0;
}
