// The output formats of dorix-diff.
#pragma once

#include "LineModel.h"
#include "VDiff.h"

#include <ostream>

// Every entry in order: Inserted and Deleted text either coloured like the viewer's default
// styles (24-bit terminal colours) or marked {+ +} and [- -].
void WriteMerged(std::ostream &out, const TVDiff &diff, bool colour);

// One line per entry: kind, TAB, length in bytes.
void WriteChunks(std::ostream &out, const TVDiff &diff);

// The six counters on one line.
void WriteCounters(std::ostream &out, const TVDiff &diff);

// One line per display line: kind, start, length and the zones as kind:length, TAB between.
void WriteLines(std::ostream &out, const TVLineModel &model);
