#include "Cells.h"

#include "Encoding.h"

#include <algorithm>
#include <array>

namespace {

struct Range {
  std::uint32_t first, last;
};

// Combining marks: they take no cell of their own.
constexpr std::array<Range, 14> kCombining = {{{0x0300, 0x036F},
                                               {0x0483, 0x0489},
                                               {0x0591, 0x05BD},
                                               {0x0610, 0x061A},
                                               {0x064B, 0x065F},
                                               {0x0E31, 0x0E31},
                                               {0x0E34, 0x0E3A},
                                               {0x1AB0, 0x1AFF},
                                               {0x1DC0, 0x1DFF},
                                               {0x200B, 0x200F},
                                               {0x20D0, 0x20FF},
                                               {0xFE00, 0xFE0F},
                                               {0xFE20, 0xFE2F},
                                               {0xE0100, 0xE01EF}}};

// East Asian wide and fullwidth characters, and the pictographs terminals draw two cells wide.
constexpr std::array<Range, 16> kWide = {{{0x1100, 0x115F},
                                          {0x2E80, 0x303E},
                                          {0x3041, 0x33FF},
                                          {0x3400, 0x4DBF},
                                          {0x4E00, 0x9FFF},
                                          {0xA000, 0xA4CF},
                                          {0xAC00, 0xD7A3},
                                          {0xF900, 0xFAFF},
                                          {0xFE30, 0xFE4F},
                                          {0xFF00, 0xFF60},
                                          {0xFFE0, 0xFFE6},
                                          {0x1F300, 0x1F64F},
                                          {0x1F680, 0x1F6FF},
                                          {0x1F900, 0x1F9FF},
                                          {0x20000, 0x2FFFD},
                                          {0x30000, 0x3FFFD}}};

template <std::size_t N> bool In(const std::array<Range, N> &ranges, std::uint32_t cp) {
  const auto after = std::upper_bound(ranges.begin(), ranges.end(), cp,
                                      [](std::uint32_t c, const Range &r) { return c < r.first; });
  return after != ranges.begin() && cp <= (after - 1)->last;
}

} // namespace

TVCharacter Utf8CharacterAt(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80)
    return {lead, 1, true};
  const std::size_t length = WellFormedUtf8Length(text.substr(i));
  if (length == 0)
    return {0xFFFD, 1, false};
  std::uint32_t cp = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k)
    cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  return {cp, static_cast<std::uint8_t>(length), true};
}

int CodePointCells(std::uint32_t cp) {
  if (cp < kCombining.front().first)
    return 1; // ASCII, Latin and most of every text: no table to look through
  if (In(kCombining, cp))
    return 0;
  return In(kWide, cp) ? 2 : 1;
}

bool JoinsThePrevious(const TVCharacter &c) {
  return c.Valid && c.CodePoint != '\t' && CodePointCells(c.CodePoint) == 0;
}

int CharacterCells(const TVCharacter &c, const TVTextForm &form, std::int64_t cell) {
  if (!form.Utf8)
    return 1;
  if (c.CodePoint == '\t')
    return form.TabWidth - static_cast<int>(cell % form.TabWidth);
  return c.Valid ? CodePointCells(c.CodePoint) : 1;
}

std::int64_t CellsOf(std::string_view text, const TVTextForm &form, std::int64_t cell) {
  if (!form.Utf8)
    return static_cast<std::int64_t>(text.size());
  const std::int64_t start = cell;
  for (std::size_t i = 0; i < text.size();) {
    const TVCharacter c = Utf8CharacterAt(text, i);
    cell += CharacterCells(c, form, cell);
    i += c.Bytes;
  }
  return cell - start;
}
