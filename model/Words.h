// What a word is, for the whole-word search and for a double click: a run of letters and digits
// of the code page in force, or of Unicode under UTF-8.
#pragma once

#include "CodePages.h"

#include <cstddef>
#include <string_view>

struct TVWordRule {
  bool Utf8 = false;
  TCodePage CodePage = TCodePage::Windows1251; // when not UTF-8
};

// Whether the character that begins at p (p < text.size()) is a letter or digit.
bool WordCharacterAt(std::string_view text, std::size_t p, const TVWordRule &rule);

// Whether the character that ends just before p (p > 0) is a letter or digit.
bool WordCharacterBefore(std::string_view text, std::size_t p, const TVWordRule &rule);

struct TVByteSpan {
  std::size_t Start = 0, End = 0;
};

// The bytes a double click at p selects (a byte inside a character stands for it): the word around
// p, or the one character at p when it is no letter or digit, or nothing at or past the end of the
// text.
TVByteSpan WordAround(std::string_view text, std::size_t p, const TVWordRule &rule);
