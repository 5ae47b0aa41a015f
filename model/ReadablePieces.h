// The readable pass over a comparison's pieces. The engine's pieces are exact to the byte, but
// merged into one text they read as letter soup: a blank line inserted shows as the end of the
// line above, and a word changed into another as alternating crumbs of both. Two steps, run in
// this order (under UTF-8 the pieces are snapped to whole characters between them):
//
// - Slide: a lone inserted or deleted piece X between two shared pieces E1 and E2 can move right
//   one byte while E2 begins with X's first byte (E1 takes that byte, X rotates), and left one
//   while E1 ends with X's last byte. Where X is not aligned to lines (X ends a line and so does
//   the text before it, or X begins the text) and a reachable position is, X moves to the
//   reachable aligned position nearest to where it was, the right one of two as near. A text
//   ends a line when it ends with LF, or with a CR that no LF follows. Pieces are taken left to
//   right; a shared piece a slide empties is gone at once.
// - Fold: a change is a maximal run of inserted and deleted pieces. Shared text E between two
//   changes C1 and C2 folds into them when it holds no CR and no LF and is no longer than the
//   larger side of either change; folded, C1 E C2 is one change whose deleted text is C1's, E and
//   C2's, and whose inserted text is the same with their inserted texts. Folds repeat until none
//   is left; each change is then one deleted piece followed by one inserted piece, and shared
//   pieces next to each other are one.
//
// Both keep the texts whole: joining the shared and inserted pieces gives the first text, the
// shared and deleted ones the second. Their pieces view the list they are given or its texts, so
// that must outlive them.
#pragma once

#include "VClasses.h"

class TVSlidPieces : public TVKindStringList {
public:
  explicit TVSlidPieces(const TVKindStringList &pieces);
};

class TVFoldedPieces : public TVKindStringList {
public:
  explicit TVFoldedPieces(const TVKindStringList &pieces);

private:
  struct Item;
  std::string_view Joined(const std::vector<std::string_view> &parts);
};
