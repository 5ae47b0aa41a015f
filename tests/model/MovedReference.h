// Moved text found the slow, obvious way, for the tests and the fuzz target: every byte of the
// inserted text I and of the deleted text D tagged with the piece it came from, and a shared run
// of the engine's comparison of I with D cut wherever either tag changes.
#pragma once

#include "LineModel.h"
#include "MovedText.h"
#include "VDiff.h"

#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const TMovedPart &p, std::ostream *os) {
  *os << "{here " << p.Here << ", away " << p.Away << ", " << p.Length << " bytes}";
}

inline bool ReferenceKeeps(std::string_view part) {
  int words = 0;
  for (const unsigned char b : part)
    words += (b >= 0x80 || (b >= '0' && b <= '9') || ((b | 0x20) >= 'a' && (b | 0x20) <= 'z'));
  return part.size() >= 32 && words >= 16;
}

inline std::vector<TMovedPart> ReferenceMoves(const TVKindStringList &pieces) {
  std::string I, D;
  std::vector<int> iTag, dTag;
  for (int k = 0; k < pieces.Count(); ++k) {
    const std::string_view text = pieces.Text(k);
    if (pieces.GetKind(k) == kindInserted) {
      I += text;
      iTag.insert(iTag.end(), text.size(), k);
    } else if (pieces.GetKind(k) == kindDeleted) {
      D += text;
      dTag.insert(dTag.end(), text.size(), k);
    }
  }
  std::vector<TMovedPart> parts;
  if (I.empty() || D.empty())
    return parts;
  TVDiff engine;
  engine.RunOn(I, D);
  std::size_t x = 0, y = 0;
  for (int k = 0; k < engine.Count(); ++k) {
    const std::size_t length = engine.Text(k).size();
    if (engine.GetKind(k) == 0) {
      std::size_t start = 0;
      for (std::size_t t = 1; t <= length; ++t) {
        if (t < length && iTag[x + t] == iTag[x + t - 1] && dTag[y + t] == dTag[y + t - 1])
          continue;
        if (ReferenceKeeps(std::string_view(I).substr(x + start, t - start)))
          parts.push_back({x + start, y + start, t - start});
        start = t;
      }
    }
    x += engine.GetKind(k) != 2 ? length : 0;
    y += engine.GetKind(k) != 1 ? length : 0;
  }
  return parts;
}
