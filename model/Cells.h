// How many cells of the text grid each character takes. In a single-byte code page every byte is
// one cell (a tab too, shown as its glyph). In UTF-8 a cell is a character, as terminals have it:
// one cell, two for an East Asian wide character, none for a combining mark (it joins the cell
// before it); a byte that begins no well-formed character is one cell of its own; and a tab
// reaches the next multiple of the tab width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct TVTextForm {
  bool Utf8 = false;
  int TabWidth = 8; // 1 to 16
  bool operator==(const TVTextForm &) const = default;
};

// One character of the text: its bytes and cells, and its code point (U+FFFD for a byte that
// begins no well-formed character, which Valid tells apart).
struct TVCharacter {
  std::uint32_t CodePoint = 0;
  std::uint8_t Bytes = 1;
  bool Valid = true;
};

// The character at i (i < text.size()) in UTF-8.
TVCharacter Utf8CharacterAt(std::string_view text, std::size_t i);

// Cells of a code point that is not a tab: 0, 1 or 2.
int CodePointCells(std::uint32_t codePoint);

// A combining mark (or another character of no width): it belongs to the character before it,
// in that character's cell and caret stop.
bool JoinsThePrevious(const TVCharacter &c);

// Cells of a character when the line holds `cell` cells before it.
int CharacterCells(const TVCharacter &c, const TVTextForm &form, std::int64_t cell);

// Cells of a whole run of text that starts at cell `cell` of its line.
std::int64_t CellsOf(std::string_view text, const TVTextForm &form, std::int64_t cell = 0);
