// One input split into two texts: whatever they are, joining the pieces gives both texts back,
// a stretch of differing text puts the second text's piece first, the counters add up, and the
// block search's shortcuts change nothing.
#include "VDiff.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size == 0)
    return 0;
  const std::size_t split = data[0] * (size - 1) / 255;
  const std::string first(reinterpret_cast<const char *>(data + 1), split);
  const std::string second(reinterpret_cast<const char *>(data + 1 + split), size - 1 - split);

  TVDiff diff;
  diff.Run(first, second);
  std::string joinedFirst, joinedSecond;
  int firsts = 0, seconds = 0;
  std::int64_t equal = 0, onlyFirst = 0, onlySecond = 0;
  for (int i = 0; i < diff.Count(); ++i) {
    const auto text = diff.Text(i);
    switch (diff.GetKind(i)) {
    case 0:
      joinedFirst += text, joinedSecond += text, equal += static_cast<std::int64_t>(text.size());
      firsts = seconds = 0;
      break;
    case 1:
      joinedFirst += text, onlyFirst += static_cast<std::int64_t>(text.size());
      ++firsts;
      break;
    case 2:
      if (firsts > 0)
        std::abort(); // the second text's piece comes first
      joinedSecond += text, onlySecond += static_cast<std::int64_t>(text.size());
      ++seconds;
      break;
    default:
      std::abort();
    }
    if (firsts > 1 || seconds > 1)
      std::abort();
  }
  if (joinedFirst != first || joinedSecond != second)
    std::abort();
  if (equal != diff.EqualChars || onlyFirst != diff.FirstChars || onlySecond != diff.SecondChars)
    std::abort();

  TVDiff plain;
  plain.Shortcuts = false;
  plain.Run(first, second);
  if (plain.Count() != diff.Count())
    std::abort();
  for (int i = 0; i < diff.Count(); ++i)
    if (plain.GetKind(i) != diff.GetKind(i) || plain.Text(i) != diff.Text(i))
      std::abort();
  return 0;
}
