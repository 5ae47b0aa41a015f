// One input split into two texts, compared and made readable, then moved text looked for: the
// parts are the reference's, both ends of each hold the same bytes, the marks give both texts
// back, every marked end leads to the other and back, and under UTF-8 no mark splits a
// character of valid text.
#include "../model/MovedReference.h"

#include "Encoding.h"
#include "ReadablePieces.h"
#include "TwoTexts.h"

namespace {

std::string Joined(const TVKindStringList &pieces, std::int32_t other, std::int32_t otherMoved) {
  std::string out;
  for (int k = 0; k < pieces.Count(); ++k)
    if (pieces.GetKind(k) != other && pieces.GetKind(k) != otherMoved)
      out += pieces.Text(k);
  return out;
}

std::string MarksFault(const TVKindStringList &pieces, const std::vector<TMovedPart> &parts,
                       const std::string &first, const std::string &second, bool utf8) {
  const TVMovedPieces marked(pieces, parts, utf8);
  if (Joined(marked, kindDeleted, kindMovedAway) != first ||
      Joined(marked, kindInserted, kindMovedHere) != second)
    return "the marks do not give the texts back";
  for (int k = 0; k < marked.Count(); ++k) {
    const int other = marked.OtherEnd(k);
    if (IsMovedKind(marked.GetKind(k)) != (other >= 0))
      return "entry " + std::to_string(k) + " is marked without an other end, or the reverse";
    if (other >= 0 && (marked.OtherEnd(other) != k || marked.Text(other) != marked.Text(k)))
      return "the ends of entry " + std::to_string(k) + " do not match";
    if (other >= 0 && utf8 && !IsValidUtf8(marked.Text(k)))
      return "a mark splits a character at entry " + std::to_string(k);
  }
  return {};
}

std::string MovesFault(const std::string &first, const std::string &second) {
  TVDiff diff;
  diff.RunOn(first, second);
  const TVSlidPieces slid(diff);
  const TVFoldedPieces folded(slid);
  const auto parts = FindMovedParts(folded);
  if (!parts || *parts != ReferenceMoves(folded))
    return "the parts differ from the reference's";
  for (const TMovedSpot &spot : MovedSpots(*parts, folded, folded))
    if (first.compare(spot.First, spot.Length, second, spot.Second, spot.Length) != 0)
      return "the two ends of a part differ";
  const bool utf8 = IsValidUtf8(first) && IsValidUtf8(second);
  return MarksFault(folded, *parts, first, second, utf8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  return CheckTwoTexts(data, size, MovesFault);
}
