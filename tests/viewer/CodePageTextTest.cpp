// The code pages as Qt strings, and the letter services checked against Qt's own Unicode data.
#include "CodePageText.h"

#include <QChar>

#include <gtest/gtest.h>

namespace {

TEST(CodePageText, DisplayKeepsOneCharacterPerByte) {
  const QString s = DecodeForDisplay(std::string_view("\0a\x98\xAD\r", 5), TCodePage::Windows1251);
  EXPECT_EQ(s, QString::fromUtf16(u" a -\u266A"));
}

TEST(CodePageText, Utf8InTheHexCharacterPaneKeepsACellAByte) {
  const QString s = DecodeUtf8ByBytes("a\xD0\xBF\t\xE2\x82\xAC\xFF\xD0");
  EXPECT_EQ(s, QString::fromUtf16(u"a\u043F\u00B7\u25CB\u20AC\u00B7\u00B7\uFFFD\uFFFD"));
}

TEST(CodePageText, TypedTextRoundTrips) {
  const QString typed = QString::fromUtf16(u"Съешь же ещё этих булок");
  EXPECT_EQ(DecodeWindows1251(EncodeWindows1251(typed).value()), typed);
}

TEST(CodePageText, UpperCaseAndLettersAgreeWithQtForEveryByte) {
  const TCodePageTable &table = CodePageTable(TCodePage::Windows1251);
  for (int b = 0; b < 256; ++b) {
    const QChar c(table[b]);
    const QChar upper = c.toUpper();
    const char expected =
        upper == c ? static_cast<char>(b)
                   : EncodeWindows1251(QString(upper)).value_or(std::string(1, char(b)))[0];
    EXPECT_EQ(UpperWindows1251(static_cast<char>(b)), expected) << "byte " << b;
    const bool letter = b >= 0x20 && b != 0x7F && c.isLetterOrNumber();
    EXPECT_EQ(IsAlphaNumericWindows1251(static_cast<char>(b)), letter) << "byte " << b;
  }
}

} // namespace
