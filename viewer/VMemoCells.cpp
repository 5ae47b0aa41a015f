// TVMemo: byte columns and cells in UTF-8 lines. Positions stay byte columns of a line, as in the
// single-byte code pages; where a character takes other than one cell, the caret, the hit test
// and scrolling go through the cells it takes, and the caret never stands inside a character.
#include "VMemo.h"

bool TVMemo::CellMode() const {
  return FModel.TextForm().Utf8 && !FHexMode;
}

std::int64_t TVMemo::CellColumn(int line, std::int64_t col) const {
  if (!CellMode())
    return col;
  std::int64_t result = col;
  WalkCharacters(line,
                 [&](const TVCharacterStep &at) {
                   if (at.Bytes > 0 && at.Col + at.Bytes <= col)
                     return true;
                   result = at.Cell +
                            (at.Bytes == 0 ? col - at.Col : 0); // past the text: a cell a column
                   return false;
                 },
                 {col, TVSkipBefore::kAll});
  return result;
}

std::int32_t TVMemo::ByteColumn(int line, std::int64_t cell) const {
  if (!CellMode())
    return static_cast<std::int32_t>(cell);
  std::int64_t result = cell;
  WalkCharacters(line,
                 [&](const TVCharacterStep &at) {
                   if (at.Bytes > 0 && at.Cell + at.Cells <= cell)
                     return true;
                   result = at.Col + (at.Bytes == 0 ? cell - at.Cell : 0);
                   return false;
                 },
                 {TVSkipBefore::kAll, cell});
  return static_cast<std::int32_t>(result);
}

std::int32_t TVMemo::CharacterStart(int line, std::int32_t col) const {
  if (!CellMode())
    return col;
  std::int32_t result = col;
  WalkCharacters(line,
                 [&](const TVCharacterStep &at) {
                   if (at.Bytes > 0 && at.Col + at.Bytes <= col)
                     return true;
                   result = at.Bytes == 0 ? col : static_cast<std::int32_t>(at.Col);
                   return false;
                 },
                 {col, TVSkipBefore::kAll});
  return result;
}

std::int32_t TVMemo::NextCharacter(int line, std::int32_t col) const {
  if (!CellMode())
    return col + 1;
  std::int32_t result = col + 1; // past the text: the next column
  WalkCharacters(line,
                 [&](const TVCharacterStep &at) {
                   if (at.Bytes > 0 && at.Col + at.Bytes <= col)
                     return true;
                   if (at.Bytes > 0)
                     result = static_cast<std::int32_t>(at.Col +
                                                        at.Bytes); // the end of the one col is in
                   return false;
                 },
                 {col, TVSkipBefore::kAll});
  return result;
}
