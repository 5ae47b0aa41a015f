// The line builder on any chunk list, any width (1 included), both layouts, the three views and
// both line-end rules: line starts never decrease, lengths add up, no line of a text layout holds
// a line break of its rule, and the running text is counted whole.
#include "FuzzSupport.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t mode = in.Byte();
  const bool hex = mode & 1;
  const std::int32_t view = (mode >> 1) % 3;
  const std::int32_t width = (mode >> 3) == 31 ? INT32_MAX : 1 + (mode >> 3);
  const bool lf = in.Byte() & 1;
  TVKindStringList list;
  std::deque<std::string> texts;
  in.Chunks(list, texts);

  TVLineModel model;
  model.SetSource(&list);
  model.SetViewFilter(view);
  model.SetLfBreaks(lf);
  model.BuildLines(width, hex);

  std::int64_t shown = 0;
  for (int k = 0; k < list.Count(); ++k)
    if (model.KindVisible(list.GetKind(k)))
      shown += static_cast<std::int64_t>(list.Text(k).size());
  std::int64_t previous = -1, characters = 0;
  for (int i = 0; i < model.LineCount(); ++i) {
    const TVMemoLine &line = model.GetLine(i);
    if (line.FStart < previous || line.FStart > shown || line.FKind < 0 || line.FKind > 3)
      std::abort();
    previous = line.FStart;
    std::int64_t length = 0;
    for (const TVMemoLineZone &zone : model.LineZones(i)) {
      length += zone.Length;
      if (!hex && zone.Text().find_first_of(lf ? "\r\n" : "\r") != std::string_view::npos)
        std::abort();
    }
    if (length != line.FLength || line.FLength > width)
      std::abort();
    characters += length;
  }
  if (characters > shown || (hex && characters != shown))
    std::abort();
  return 0;
}
