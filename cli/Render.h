// The output formats of dorix-diff.
#pragma once

#include "CharacterPieces.h"
#include "GitExternalDiff.h"
#include "LineModel.h"
#include "MovedText.h"
#include "OriginalPieces.h"
#include "Texts.h"

#include <ostream>

// How the merged text is written: coloured or marked; and, for a terminal, with control bytes
// other than TAB, LF and CR shown as ^X, so that a compared file cannot retitle or clear it.
struct TMergedLook {
  bool Colour = false;
  bool VisibleControls = false;
};

// Every entry in order: Inserted, Deleted and moved text either coloured like the viewer's
// default styles (24-bit terminal colours) or marked {+ +}, [- -], {~ ~} (moved here) and [~ ~]
// (moved away).
void WriteMerged(std::ostream &out, const TVKindStringList &pieces, const TMergedLook &look);

// The merged text of one file of git's diff, under a header naming it and followed by the
// verdict, on the output alone so that git's pager shows them together; a binary pair is only
// said to differ.
void WriteGitDiff(std::ostream &out, const TGitFilePair &pair, const TVKindStringList &pieces,
                  const TMergedLook &look, std::string_view outcome, bool binary = false);

// What a merged text says instead of a binary pair's bytes.
inline constexpr std::string_view kBinaryFilesDiffer =
    QT_TRANSLATE_NOOP("Dorix", "Двоичные файлы различаются.");
// Either text holds a NUL byte in its first 8 KB, as diff and git tell binary files.
bool LooksBinary(std::string_view text);

// One line per entry: kind, TAB, length in bytes.
void WriteChunks(std::ostream &out, const TVKindStringList &pieces);

// One line per piece of a comparison that looked past something: kind, TAB, its length in the
// first file, TAB, its length in the second.
void WriteSpans(std::ostream &out, const std::vector<TVOriginalSpan> &spans);

// One line per part of moved text: its offset in the first file, TAB, in the second, TAB, its
// length.
void WriteMoves(std::ostream &out, const std::vector<TMovedSpot> &spots);

// The six counters on one line.
void WriteCounters(std::ostream &out, const TVPieceCounts &counts);

// One line per display line: kind, start, length and the zones as kind:length, TAB between.
void WriteLines(std::ostream &out, const TVLineModel &model);
