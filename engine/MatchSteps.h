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

// A run found at its leftmost place in b (m.Q), moved to where it stands in b as far through b
// as it stands through a, when it occurs there too: in text that repeats itself the leftmost
// copy is often the wrong one. Of all its occurrences the one at q with |q·|a| − P·|b|| least
// wins, the leftmost of equals; moved, the run is grown again at its new place.
TMatch PlaceAmongRepeats(std::string_view a, std::string_view b, TMatch m);

// Trims the run so that it starts and ends on whole lines of the first text wherever it holds a
// line break; the cut-off parts are compared again around the run.
TMatch SnapToLines(std::string_view a, std::string_view b, TMatch m);
