// The steps the engine applies to one candidate run: growing it, and trimming it to lines.
#pragma once

#include <cstddef>
#include <string_view>

// A run on which a[P .. P+L) equals b[Q .. Q+L). Offsets count from 0; L = 0 means no run.
struct TMatch {
  std::size_t P = 0;
  std::size_t Q = 0;
  std::size_t L = 0;
  bool operator==(const TMatch &) const = default;
};

inline bool IsLineBreak(char c) {
  return c == '\r' || c == '\n';
}

// The length of the start both texts share, looked for a memcmp chunk at a time.
std::size_t CommonPrefix(std::string_view a, std::string_view b);

// Grows the run backwards and forwards for as long as both texts agree.
TMatch ExtendMatch(std::string_view a, std::string_view b, TMatch m);

// Trims the run so that it starts and ends on whole lines of the first text wherever it holds a
// line break; the cut-off parts are compared again around the run.
TMatch SnapToLines(std::string_view a, std::string_view b, TMatch m);
