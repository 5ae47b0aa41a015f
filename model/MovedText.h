// Moved text: what was cut from one place and pasted in another shows in a comparison as a
// deleted piece here and an inserted piece there, with nothing saying they hold the same text.
// The pass that finds it runs last, on the pieces in force:
//
// 1. D is the deleted pieces' bytes joined in order, I the inserted pieces' bytes joined in
//    order; if either is empty, nothing moved.
// 2. The engine (exact, with its own rules and nothing after it) compares I as the first text
//    with D as the second.
// 3. Each shared piece of that is cut wherever a boundary between two pieces of I, or between
//    two pieces of D, falls inside it; both of its sides at all of those places, so the parts
//    pair up. A part then lies inside one inserted and one deleted piece.
// 4. A part is kept when it is at least 32 bytes long and at least 16 of its bytes are ASCII
//    letters, ASCII digits or bytes from 0x80 up: shorter or emptier text (a run of blanks, a
//    closing brace) is shared by chance, not moved.
#pragma once

#include "VClasses.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string_view>
#include <vector>

// One part of moved text, by where it lies in I and in D.
struct TMovedPart {
  std::size_t Here = 0; // offset in I: in the first file, it was moved here
  std::size_t Away = 0; // offset in D: in the second file, it was moved away
  std::size_t Length = 0;
  bool operator==(const TMovedPart &) const = default;
};

inline constexpr std::size_t kMovedMinBytes = 32;     // a kept part's least length
inline constexpr std::size_t kMovedMinWordBytes = 16; // ... and its least letters and digits

// Whether a part of this text is kept as moved.
bool WorthMarking(std::string_view part);

// The kept parts, in order of Here, which is also the order of Away. None after a stop request.
std::optional<std::vector<TMovedPart>> FindMovedParts(const TVKindStringList &pieces,
                                                      const std::stop_token &stop = {});

// A part's place in each file: offsets from 0 in the files' own bytes.
struct TMovedSpot {
  std::size_t First = 0, Second = 0, Length = 0;
  bool operator==(const TMovedSpot &) const = default;
};

// The parts' places, from the pieces that show the first file's shared bytes and those that
// show the second's (the same list unless the comparison looked past something).
std::vector<TMovedSpot> MovedSpots(const std::vector<TMovedPart> &parts,
                                   const TVKindStringList &firstPieces,
                                   const TVKindStringList &secondPieces);

// A list of pieces with the moved parts marked: kind 6 (moved here) inside inserted pieces,
// kind 5 (moved away) inside deleted ones. Under UTF-8 a mark is drawn in to whole characters,
// so no character is split between two marks. Views the list's texts.
class TVMovedPieces : public TVKindStringList {
public:
  TVMovedPieces(const TVKindStringList &pieces, const std::vector<TMovedPart> &parts, bool utf8);

  // The entry at the other end of a marked entry; -1 for an entry that is not marked.
  int OtherEnd(int entry) const;

private:
  // A piece of I (here) or D (away) that begins at `from` there, with the parts inside it marked.
  void AddMarked(std::string_view piece, std::int32_t kind, std::size_t from,
                 const std::vector<TMovedPart> &parts, bool here);

  bool FUtf8 = false;
  std::size_t FNextHere = 0, FNextAway = 0; // the first part not yet passed in I, in D
  std::vector<int> FHereEntry, FAwayEntry;  // per part, its entry at each end; -1 when none
  std::vector<std::pair<int, int>> FMarked; // the marked entries with their parts, in order
};

// The bytes the parts hold, the same in both files.
std::int64_t MovedBytes(const std::vector<TMovedPart> &parts);
