#include "CharacterPieces.h"

#include "Encoding.h"

#include <string>
#include <vector>

namespace {

constexpr std::int32_t kShared = 0, kFirst = 1, kSecond = 2;

} // namespace

struct TVCharacterPieces::Gap {
  std::vector<std::pair<std::int32_t, std::string_view>> pieces; // as the engine gave them
  std::vector<std::string_view> second,
      first; // the same text for each side, snapped parts included
  bool changed = false;

  void AddBoth(std::string_view part) {
    if (part.empty())
      return;
    second.push_back(part);
    first.push_back(part);
    changed = true;
  }
  void Add(std::int32_t kind, std::string_view text) {
    pieces.emplace_back(kind, text);
    (kind == kSecond ? second : first).push_back(text);
  }
};

TVPieceCounts CountPieces(const TVKindStringList &pieces) {
  TVPieceCounts c;
  for (int k = 0; k < pieces.Count(); ++k) {
    const auto size = static_cast<std::int32_t>(pieces.Text(k).size());
    switch (pieces.GetKind(k)) {
    case kShared:
      c.EqualChars += size, ++c.EqualChunks;
      break;
    case kFirst:
      c.FirstChars += size, ++c.FirstChunks;
      break;
    case kSecond:
      c.SecondChars += size, ++c.SecondChunks;
      break;
    default:
      break;
    }
  }
  return c;
}

TVCharacterPieces::TVCharacterPieces(const TVKindStringList &pieces) {
  Gap gap;
  for (int k = 0; k < pieces.Count(); ++k) {
    const std::string_view text = pieces.Text(k);
    if (pieces.GetKind(k) != kShared) {
      gap.Add(pieces.GetKind(k), text);
      continue;
    }
    const std::size_t lead = Utf8LeadingPart(text);
    const std::size_t trail = Utf8TrailingPart(text, lead);
    if (lead + trail >= text.size()) {
      gap.AddBoth(text); // nothing whole is left to share
      continue;
    }
    gap.AddBoth(text.substr(0, lead));
    AddGap(gap);
    AddKind(text.substr(lead, text.size() - lead - trail), kShared);
    gap = {};
    gap.AddBoth(text.substr(text.size() - trail));
  }
  AddGap(gap);
}

void TVCharacterPieces::AddGap(Gap &gap) {
  if (!gap.changed) {
    for (const auto &[kind, text] : gap.pieces)
      AddKind(text, kind);
    return;
  }
  auto join = [](const std::vector<std::string_view> &parts) {
    std::string joined;
    for (const std::string_view part : parts)
      joined += part;
    return joined;
  };
  std::string second = join(gap.second), first = join(gap.first);
  if (!second.empty())
    AddKind(Adopt(std::move(second)), kSecond);
  if (!first.empty())
    AddKind(Adopt(std::move(first)), kFirst);
}
