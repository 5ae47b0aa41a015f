#include "CodePages.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePages, WindowsTableHasCyrillicAndPunctuation) {
  const auto &t = CodePageTable(TCodePage::Windows1251);
  EXPECT_EQ(t[0x41], u'A');
  EXPECT_EQ(t[0xC0], u'\u0410'); // А
  EXPECT_EQ(t[0xFF], u'\u044F'); // я
  EXPECT_EQ(t[0xA8], u'\u0401'); // Ё
  EXPECT_EQ(t[0xB8], u'\u0451'); // ё
  EXPECT_EQ(t[0xB9], u'\u2116'); // №
  EXPECT_EQ(t[0x88], u'\u20AC'); // €
  EXPECT_EQ(t[0x96], u'\u2013'); // –
  EXPECT_EQ(t[0xB0], u'\u00B0'); // °
}

TEST(CodePages, DosTableHasCyrillicAndBoxDrawing) {
  const auto &t = CodePageTable(TCodePage::Dos866);
  EXPECT_EQ(t[0x80], u'\u0410'); // А
  EXPECT_EQ(t[0xAF], u'\u043F'); // п
  EXPECT_EQ(t[0xE0], u'\u0440'); // р
  EXPECT_EQ(t[0xB0], u'\u2591'); // ░
  EXPECT_EQ(t[0xC4], u'\u2500'); // ─
  EXPECT_EQ(t[0xDB], u'\u2588'); // █
  EXPECT_EQ(t[0xF0], u'\u0401'); // Ё
  EXPECT_EQ(t[0xFC], u'\u2116'); // №
}

TEST(CodePages, Koi8rTableHasCyrillicInItsOwnOrder) {
  const auto &t = CodePageTable(TCodePage::Koi8r);
  EXPECT_EQ(t[0xC1], u'\u0430'); // а
  EXPECT_EQ(t[0xE1], u'\u0410'); // А
  EXPECT_EQ(t[0xD1], u'\u044F'); // я
  EXPECT_EQ(t[0xA3], u'\u0451'); // ё
  EXPECT_EQ(t[0xB3], u'\u0401'); // Ё
  EXPECT_EQ(t[0x80], u'\u2500'); // ─
  std::string out;
  AppendUtf8(out, "\xF0\xD2\xC9\xD7\xC5\xD4", t);
  EXPECT_EQ(out, "Привет");
}

TEST(CodePages, ControlCodesAreClassicGlyphsInEach) {
  for (TCodePage page : {TCodePage::Windows1251, TCodePage::Dos866, TCodePage::Koi8r}) {
    const auto &t = CodePageTable(page);
    EXPECT_EQ(t[0x01], u'\u263A'); // ☺
    EXPECT_EQ(t[0x0D], u'\u266A'); // ♪
    EXPECT_EQ(t[0x0A], u'\u25D9'); // ◙
    EXPECT_EQ(t[0x1B], u'\u2190'); // ←
    EXPECT_EQ(t[0x7F], u'\u2302'); // ⌂
  }
}

TEST(CodePages, DisplayKeepsOneVisibleCharacterPerByte) {
  std::string out;
  AppendUtf8(out, std::string_view("\0a\x98\xAD\r", 5), DisplayTable(TCodePage::Windows1251));
  EXPECT_EQ(out, " a -\u266A");
}

TEST(CodePages, Utf8OfBothCodePagesAndOfTheFaithfulTable) {
  std::string out;
  AppendUtf8(out, "\xCF\xF0\xE8\xE2\xE5\xF2 \x88", CodePageTable(TCodePage::Windows1251));
  EXPECT_EQ(out, "Привет €");
  out.clear();
  AppendUtf8(out, "\x8F\xE0\xA8 \xC4", CodePageTable(TCodePage::Dos866));
  EXPECT_EQ(out, "При ─");
  out.clear();
  AppendUtf8(out, "\t\r\n\x7F", FaithfulTable(TCodePage::Windows1251));
  EXPECT_EQ(out, "\t\r\n\x7F") << "control bytes stay themselves";
}

TEST(CodePages, EncodingTypedTextAsWindows1251) {
  EXPECT_EQ(EncodeWindows1251(u"Ёж №1\t"), "\xA8\xE6 \xB9"
                                           "1\t");
  EXPECT_EQ(EncodeWindows1251(u"日本"), std::nullopt);
  EXPECT_EQ(EncodeWindows1251(u"\u263A"), std::nullopt) << "a glyph is drawn, never typed";
}

TEST(CodePages, UpperCasingAndLettersOfWindows1251) {
  EXPECT_EQ(UpperWindows1251('a'), 'A');
  EXPECT_EQ(UpperWindows1251('\xE0'), '\xC0'); // а → А
  EXPECT_EQ(UpperWindows1251('\xB8'), '\xA8'); // ё → Ё
  EXPECT_EQ(UpperWindows1251('\xBF'), '\xAF'); // ї → Ї
  EXPECT_EQ(UpperWindows1251('1'), '1');
  EXPECT_TRUE(IsAlphaNumericWindows1251('\xFF')); // я
  EXPECT_TRUE(IsAlphaNumericWindows1251('7'));
  EXPECT_FALSE(IsAlphaNumericWindows1251('.'));
  EXPECT_FALSE(IsAlphaNumericWindows1251('\xB9')); // №
  EXPECT_FALSE(IsAlphaNumericWindows1251('\x01'));
}

} // namespace
