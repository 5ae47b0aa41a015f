// Positions in the display lines, and a range of them: what the user selected or the search hit.
#pragma once

#include "CellGeometry.h"

#include <compare>
#include <cstdint>
#include <optional>

// A caret or selection position: a column in the unit of a pane, and a display line.
struct TVPosition {
  std::int32_t Col = 0;
  std::int32_t Line = 0;
  bool operator==(const TVPosition &) const = default;
  // Text order: by line, then by column.
  auto operator<=>(const TVPosition &other) const {
    return Line != other.Line ? Line <=> other.Line : Col <=> other.Col;
  }
};

// A range in one pane from Start to End (End not included), grown from Anchor: the end that
// stays where it began while the other one follows the caret.
struct TVTextRange {
  TVPosition Start, End, Anchor;
  TVPane Pane = paneText;
  bool operator==(const TVTextRange &) const = default;

  static TVTextRange At(TVPosition p, TVPane pane) { return {p, p, p, pane}; }
  // Start and End around the anchor and p.
  void ExtendTo(TVPosition p);
  // The columns of a line the range covers, from and up to; the end is INT64_MAX on a line
  // the range goes on beyond. Nothing for a line outside it.
  struct Columns {
    std::int64_t From = 0, To = 0;
  };
  std::optional<Columns> ColumnsOn(std::int32_t line) const;
};

inline void TVTextRange::ExtendTo(TVPosition p) {
  Start = p < Anchor ? p : Anchor;
  End = p < Anchor ? Anchor : p;
}

inline std::optional<TVTextRange::Columns> TVTextRange::ColumnsOn(std::int32_t line) const {
  if (line < Start.Line || line > End.Line)
    return std::nullopt;
  return Columns{line == Start.Line ? Start.Col : 0, line == End.Line ? End.Col : INT64_MAX};
}
