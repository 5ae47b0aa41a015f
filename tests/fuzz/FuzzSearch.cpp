// A search over any text with any pattern, both directions, with and without whole words (of
// Windows-1251 or of UTF-8 text), in
// the text and the hex-digit forms: a hit lies inside the text, where the rule says, and maps
// to positions on existing lines.
#include "FuzzSupport.h"
#include "TextSearch.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t mode = in.Byte();
  const bool down = mode & 1, wholeWord = mode & 2, hex = mode & 4, utf8 = mode & 8;
  const std::string pattern = in.Bytes(in.Byte() % 8);
  const std::int64_t start = in.Byte();
  TVKindStringList list;
  std::deque<std::string> texts;
  in.Chunks(list, texts);

  TVLineModel model;
  model.SetSource(&list);
  model.SetViewFilter(0);
  model.BuildLines(hex ? 16 : 7, hex);
  std::string text;
  for (int k = 0; k < list.Count(); ++k)
    text += list.Text(k);
  const std::string searched = hex ? HexPairs(text) : text;
  const std::size_t end =
      searched.find('\0') == std::string::npos ? searched.size() : searched.find('\0');

  const auto hit =
      FindOccurrence({searched, pattern, start, down, wholeWord, pattern.size(), utf8});
  if (hit) {
    if (*hit + pattern.size() > end || searched.compare(*hit, pattern.size(), pattern) != 0)
      std::abort();
    if (down ? static_cast<std::int64_t>(*hit) < start : static_cast<std::int64_t>(*hit) >= start)
      std::abort();
    const std::int64_t first =
        hex ? static_cast<std::int64_t>(*hit) / 2 : static_cast<std::int64_t>(*hit);
    const std::int64_t last = hex ? static_cast<std::int64_t>(*hit + pattern.size()) / 2
                                  : static_cast<std::int64_t>(*hit + pattern.size());
    for (const std::int64_t offset : {first, last}) {
      const TVPosition p = model.OffsetToPosition(offset, hex);
      if (p.Line < 0 || p.Line >= model.LineCount() || p.Col < 0)
        std::abort();
      // Inside a line, or at most on its terminator (CR and LF) in the text form.
      const std::int32_t limit = hex ? kHexLastColumn : model.GetLine(p.Line).FLength + 2;
      if (p.Col > limit)
        std::abort();
    }
  } else if (!wholeWord && !pattern.empty() && down &&
             std::string_view(searched).substr(0, end).find(
                 pattern, static_cast<std::size_t>(start)) != std::string_view::npos) {
    std::abort(); // missed an occurrence downwards
  }
  return 0;
}
