// The merged view as a standalone HTML5 page: the two names, the outcome and the six counters at
// the top, then every display line of the model in one monospace block, each zone in its kind's
// look, with a mark in the gutter for every changed line. Written as it goes: the page is never
// held whole.
#pragma once

#include "Cells.h"
#include "CodePages.h"
#include "LineModel.h"

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// How one kind of text looks: colours as 0xRRGGBB.
struct THtmlLook {
  std::uint32_t Text = 0x000000;
  std::uint32_t Background = 0xFFFFFF;
  bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
  bool operator==(const THtmlLook &) const = default;
};

// The program's default looks, by kind: Equal, Inserted, Deleted, Updated, Ignored, Moved (both
// ends of moved text).
inline constexpr std::array<THtmlLook, 6> kDefaultLooks = {
    THtmlLook{0x000000, 0xFFFFFF}, THtmlLook{0x000000, 0xFF88C8}, THtmlLook{0x000000, 0x0088FF},
    THtmlLook{0x000000, 0x00FF00}, THtmlLook{0x808080, 0xFFFFFF}, THtmlLook{0x000000, 0xFFD040}};
inline constexpr std::size_t kMovedLook = 5;
// The same in the dark scheme: light text on dark grounds of the same hues.
inline constexpr std::array<THtmlLook, 6> kDefaultDarkLooks = {
    THtmlLook{0xDCDCDC, 0x242424}, THtmlLook{0xF0E6F0, 0x863A70}, THtmlLook{0xE6EDF5, 0x104A90},
    THtmlLook{0xE6F5E6, 0x1E6A1E}, THtmlLook{0x909090, 0x242424}, THtmlLook{0xFAF5E6, 0x8C6A10}};

// One end of moved text in the pieces the lines are made of: its text, the entry it is and the
// entry at its other end. Each end links to the other.
struct THtmlMovedEnd {
  std::string_view Text;
  int Entry = 0, Other = -1;
};

// The moved ends of a list of pieces, given the other end of a marked entry (-1 for none).
std::vector<THtmlMovedEnd> MovedEnds(const TVKindStringList &pieces,
                                     const std::function<int(int)> &otherEnd);

struct THtmlPage {
  std::string FirstName, SecondName; // UTF-8; bytes that are not are shown as U+FFFD
  std::string Outcome;               // UTF-8
  // EqualChars FirstChars SecondChars EqualChunks FirstChunks SecondChunks.
  std::array<std::int64_t, 6> Counters{};
  std::array<THtmlLook, 6> Looks = kDefaultLooks;
  std::array<THtmlLook, 6> DarkLooks = kDefaultDarkLooks; // where the reader's desktop is dark
  bool LooksPast = false; // the comparison looked past something: the Ignored look is used
  std::vector<THtmlMovedEnd> Moved;            // none: no Moved look
  TCodePage CodePage = TCodePage::Windows1251; // of single-byte text
  bool Utf8 = false; // the text is UTF-8: characters as they are, tabs to the stops of 8
  bool Hex = false;  // the lines are the hex layout's: digits, then the characters
};

// Writes the page of the model's lines. The stream's state tells whether it was all written.
void WriteHtml(std::ostream &out, const TVLineModel &model, const THtmlPage &page);
