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
  WalkCharacters(line, [&](std::int64_t c, std::int64_t cell, int bytes, int) {
    if (c + bytes <= col && bytes > 0)
      return true;
    result = cell + (bytes == 0 ? col - c : 0); // past the text: a cell a column
    return false;
  });
  return result;
}

std::int32_t TVMemo::ByteColumn(int line, std::int64_t cell) const {
  if (!CellMode())
    return static_cast<std::int32_t>(cell);
  std::int64_t result = cell;
  WalkCharacters(line, [&](std::int64_t col, std::int64_t at, int bytes, int cells) {
    if (bytes > 0 && at + cells <= cell)
      return true;
    result = col + (bytes == 0 ? cell - at : 0);
    return false;
  });
  return static_cast<std::int32_t>(result);
}

std::int32_t TVMemo::CharacterStart(int line, std::int32_t col) const {
  if (!CellMode())
    return col;
  std::int32_t result = col;
  WalkCharacters(line, [&](std::int64_t start, std::int64_t, int bytes, int) {
    if (bytes == 0 || start + bytes > col) {
      result = bytes == 0 ? col : static_cast<std::int32_t>(start);
      return false;
    }
    return true;
  });
  return result;
}

std::int32_t TVMemo::NextCharacter(int line, std::int32_t col) const {
  const std::int32_t start = CharacterStart(line, col);
  if (!CellMode())
    return col + 1;
  std::int32_t result = col + 1;
  WalkCharacters(line, [&](std::int64_t at, std::int64_t, int bytes, int) {
    if (at < start)
      return true;
    result = static_cast<std::int32_t>(at + (bytes == 0 ? col - at + 1 : bytes));
    return false;
  });
  return result;
}
