// One level of the block search: cut the first range into blocks, look each up in the second
// range, and keep the longest run that a hit grows into.
#pragma once

#include "AnchorIndex.h"
#include "GramSet.h"
#include "MatchSteps.h"
#include "TextScan.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

// Block width for a first range of the given length: one level never searches more than
// 399 blocks, whatever the size of the input.
std::size_t BlockWidth(std::size_t lengthA);

// The block search of one comparison. Every level looks its blocks up in a range of the same
// second text, so what one level learns serves the levels after it: the long runs grown so far
// (a level below meets them again) and, once many blocks have been scanned for in vain, an
// index of the second text. Neither changes a result: a block's place is still its leftmost
// occurrence and a run still grows as far as both ranges agree.
class TBlockSearch {
public:
  // first and second are the whole texts: every range given to FindBestMatch lies inside them.
  // shortcuts = false scans for every block and grows every run afresh (tests compare both).
  TBlockSearch(std::string_view first, std::string_view second, bool shortcuts = true);

  // Whether the scans have cost enough for the index of the second text to be built.
  bool Indexed() const { return FIndex.has_value(); }

  // Called now and then while the index is built, which can take a while on a large text.
  std::function<void()> OnIdle;

  // Scans the blocks of a in order and returns the longest extended hit (the earliest on a tie),
  // or a run of length 0. onStep, when set, receives the scan's percentage (0 to 90) after
  // every examined block of the first pass. When no block of that width occurs in b, the scan
  // runs again with blocks half as wide, down to 256 bytes, until one does.
  TMatch FindBestMatch(std::string_view a, std::string_view b,
                       const std::function<void(std::int32_t)> &onStep);

  // A run found at its leftmost place in b (m.Q), moved to where it stands in b as far through
  // b as it stands through a, when it occurs there too: in text that repeats itself the leftmost
  // copy is often the wrong one. Of all its occurrences the one at q with |q·|a| − P·|b|| least
  // wins, the leftmost of equals; moved, the run is grown again at its new place.
  TMatch PlaceAmongRepeats(std::string_view a, std::string_view b, TMatch m);

private:
  struct TKnownRun {
    const char *A; // in the first text
    const char *B; // in the second text
    std::size_t L;
  };

  TMatch ScanBlocks(std::string_view a, std::string_view b, std::size_t width,
                    const std::function<void(std::int32_t)> &onStep);
  const TGramSet &GramsCovering(std::string_view b);
  std::size_t Locate(std::string_view block, std::string_view b);
  bool ProvenAbsent(std::string_view block) const;
  void CountIndexedMiss();
  std::size_t Search(std::string_view block, std::string_view range);
  std::size_t SearchFrom(std::string_view block, std::string_view b, std::size_t from);
  std::size_t KnownPlace(std::string_view block, std::string_view b) const;
  TMatch Grow(std::string_view a, std::string_view b, TMatch hit);

  std::string_view FFirst, FSecond;
  bool FShortcuts;
  std::vector<TKnownRun> FRuns; // the latest long runs, oldest first
  std::optional<TAnchorIndex> FIndex;
  // FIndex->Missing(FFirst), listed once the index's misses have cost enough
  std::optional<std::vector<std::uint32_t>> FMissing;
  std::size_t FIndexedMisses = 0;
  std::optional<TAnchorIndex> FSecondIndex; // for the blocks FIndex cannot answer
  int FUnanswered = 0;
  std::optional<TGramSet> FGrams; // of FGramsRange, a range of the second text
  std::string_view FGramsRange;
  std::size_t FScanSteps = 0; // what the scans for blocks of indexable width have cost so far
};
