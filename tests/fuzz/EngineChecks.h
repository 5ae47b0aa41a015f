// What the engine's fuzz targets check on every pair: joining the pieces gives both texts back,
// no piece is empty, a stretch of differing text puts the second text's piece first, the
// counters add up, the block search's shortcuts change nothing, and the plain reference gives
// the same entries.
#pragma once

#include "../engine/ReferenceDiff.h"
#include "VDiff.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// plain = false leaves out the run without shortcuts, which the reference already covers: on
// large pairs it costs more than the rest together.
inline void CheckComparison(const std::string &first, const std::string &second,
                            bool plain = true) {
  TVDiff diff;
  diff.Run(first, second);
  std::string joinedFirst, joinedSecond;
  int firsts = 0, seconds = 0;
  std::int64_t equal = 0, onlyFirst = 0, onlySecond = 0;
  for (int i = 0; i < diff.Count(); ++i) {
    const auto text = diff.Text(i);
    if (text.empty())
      std::abort(); // no piece is ever empty
    switch (diff.GetKind(i)) {
    case Equal:
      joinedFirst += text, joinedSecond += text, equal += static_cast<std::int64_t>(text.size());
      firsts = seconds = 0;
      break;
    case First:
      joinedFirst += text, onlyFirst += static_cast<std::int64_t>(text.size());
      ++firsts;
      break;
    case Second:
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

  if (plain) {
    TVDiff scans;
    scans.Shortcuts = false;
    scans.Run(first, second);
    if (Pieces(scans) != Pieces(diff))
      std::abort();
  }
  if (ReferenceDiff().Run(first, second) != Pieces(diff))
    std::abort();
}
