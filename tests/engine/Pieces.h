// The chunk list as values with a readable printer, for the engine's tests and fuzz targets.
#pragma once

#include "VClasses.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

enum : std::int32_t { Equal = 0, First = 1, Second = 2 };

struct Piece {
  std::int32_t kind;
  std::string text;
  bool operator==(const Piece &) const = default;
};

inline std::vector<Piece> Pieces(const TVKindStringList &list) {
  std::vector<Piece> out;
  for (int i = 0; i < list.Count(); ++i)
    out.push_back({list.GetKind(i), std::string(list.Text(i))});
  return out;
}

// Prints «ab\r\n» style, so a failing row shows exactly what came out.
inline void PrintTo(const Piece &p, std::ostream *os) {
  static const char *names[] = {"Equal", "First", "Second"};
  *os << (p.kind >= 0 && p.kind <= 2 ? names[p.kind] : "Kind?") << " \u00ab";
  for (char c : p.text) {
    if (c == '\r')
      *os << "\\r";
    else if (c == '\n')
      *os << "\\n";
    else
      *os << c;
  }
  *os << "\u00bb";
}
