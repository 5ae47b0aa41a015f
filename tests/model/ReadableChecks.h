// What the readable pass must keep, checked on any pair by the property test and the fuzz target:
// it gives what the plain reference gives, both texts come back from its pieces, no piece is
// empty, no two shared pieces stand side by side, and nothing is left that would fold.
#pragma once

#include "ReadablePieces.h"
#include "ReadableReference.h"
#include "VDiff.h"

#include <string>

inline TRefPieces RefPiecesOf(const TVKindStringList &list) {
  TRefPieces out;
  for (int k = 0; k < list.Count(); ++k)
    out.push_back({list.GetKind(k), std::string(list.Text(k))});
  return out;
}

// Empty when every property holds; else what failed.
inline std::string ReadablePiecesFault(const std::string &first, const std::string &second) {
  TVDiff diff;
  diff.RunOn(first, second);
  const TVSlidPieces slid(diff);
  const TVFoldedPieces folded(slid);
  const TRefPieces got = RefPiecesOf(folded);
  if (RefPiecesOf(slid) != ReadableReference::Slide(RefPiecesOf(diff)))
    return "the slides differ from the reference's";
  if (got != ReadableReference::Fold(RefPiecesOf(slid)))
    return "the folds differ from the reference's";
  std::string joinedFirst, joinedSecond;
  for (std::size_t k = 0; k < got.size(); ++k) {
    if (got[k].Text.empty())
      return "an empty piece at " + std::to_string(k);
    if (k > 0 && got[k].Kind == 0 && got[k - 1].Kind == 0)
      return "shared pieces side by side at " + std::to_string(k);
    if (got[k].Kind != 2)
      joinedFirst += got[k].Text;
    if (got[k].Kind != 1)
      joinedSecond += got[k].Text;
  }
  if (joinedFirst != first || joinedSecond != second)
    return "the pieces do not give the texts back";
  if (RefPiecesOf(TVFoldedPieces(folded)) != got)
    return "something is left to fold";
  return {};
}
