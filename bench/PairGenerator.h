// Generated pairs of source-like text (CR LF lines, some Windows-1251 Cyrillic) and of evenly
// edited word lines for the benchmarks and the peer comparison.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

enum class PairShape {
  Identical, // the same bytes twice
  Clustered, // one rewritten block of about 100 lines and a few lines added and removed near it
  Scattered, // 200 single-line edits spread evenly
  Unrelated, // two texts generated independently
  // LF lines of about 48 bytes of words, one character changed on every 100th, 300th or 700th
  // line: no block of the engine's first width is free of changes
  Every100,
  Every300,
  Every700,
};

std::string_view ShapeName(PairShape shape);
bool ShapeFromName(std::string_view name, PairShape &shape);

// The first text (new version) and the second (old version), each about size bytes.
std::pair<std::string, std::string> MakePair(PairShape shape, std::size_t size);
