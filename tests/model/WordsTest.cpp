// The word a double click selects, in each code page and in UTF-8.
#include "Words.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Selected(std::string_view text, std::size_t p, const TVWordRule &rule) {
  const TVByteSpan span = WordAround(text, p, rule);
  return std::string(text.substr(span.Start, span.End - span.Start));
}

TEST(Words, ASingleByteWordIsItsCodePagesLettersAndDigits) {
  // "Привет, мир42_x" in Windows-1251: the underscore is no letter.
  const std::string cp1251 = "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0"
                             "42_x";
  const TVWordRule windows{false, TCodePage::Windows1251};
  EXPECT_EQ(Selected(cp1251, 0, windows), "\xCF\xF0\xE8\xE2\xE5\xF2");
  EXPECT_EQ(Selected(cp1251, 5, windows), "\xCF\xF0\xE8\xE2\xE5\xF2") << "the last letter";
  EXPECT_EQ(Selected(cp1251, 10, windows), "\xEC\xE8\xF0"
                                           "42")
      << "digits join letters";
  EXPECT_EQ(Selected(cp1251, 6, windows), ",") << "punctuation: that character alone";
  EXPECT_EQ(Selected(cp1251, 7, windows), " ");
  EXPECT_EQ(Selected(cp1251, 14, windows), "x");
  EXPECT_EQ(WordAround(cp1251, cp1251.size(), windows).Start, cp1251.size()) << "past the end";

  // The same bytes mean other things in DOS (866): 0xF0 there is "Ё", 0xE2..0xF2 partly
  // letters, 0xCF a letter too; only the code page in force decides.
  const std::string dos = "\x8F\xE0\xA8\xA2\xA5\xE2 \xB3\xB3"; // "Привет" then box drawing
  const TVWordRule oem{false, TCodePage::Dos866};
  EXPECT_EQ(Selected(dos, 2, oem), "\x8F\xE0\xA8\xA2\xA5\xE2");
  EXPECT_EQ(Selected(dos, 7, oem), "\xB3") << "a box-drawing byte is no letter";
  EXPECT_EQ(Selected(dos, 2, windows), "\x8F\xE0\xA8\xA2\xA5\xE2")
      << "in Windows-1251 some of these bytes are letters and some are not";
}

TEST(Words, AUtf8WordIsOfWholeCharacters) {
  const std::string text = "fn приветМир2(x) → ok";
  const TVWordRule utf8{true, TCodePage::Windows1251};
  const std::size_t word = text.find("привет");
  for (std::size_t p = word; p < text.find('('); ++p) // every byte, continuation bytes too
    EXPECT_EQ(Selected(text, p, utf8), "приветМир2") << p;
  EXPECT_EQ(Selected(text, text.find("→"), utf8), "→") << "a symbol: its whole character";
  EXPECT_EQ(Selected(text, 0, utf8), "fn");
  EXPECT_EQ(Selected(text, text.size() - 1, utf8), "ok");
  // A broken sequence ends a word and is one byte of its own.
  const std::string broken = "ab\xD0"
                             "cd";
  EXPECT_EQ(Selected(broken, 0, utf8), "ab");
  EXPECT_EQ(Selected(broken, 2, utf8), "\xD0");
  EXPECT_EQ(Selected(broken, 4, utf8), "cd");
}

} // namespace
