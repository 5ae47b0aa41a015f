#include "CodePageText.h"

#include "Cells.h"

namespace {

QString Decode(std::string_view bytes, const TCodePageTable &table) {
  QString s(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar *out = s.data();
  for (char c : bytes)
    *out++ = QChar(table[static_cast<unsigned char>(c)]);
  return s;
}

} // namespace

QString DecodeForDisplay(std::string_view bytes, TCodePage page) {
  return Decode(bytes, DisplayTable(page));
}

QString DecodeUtf8ByBytes(std::string_view bytes) {
  const TCodePageTable &glyphs = DisplayTable(TCodePage::Windows1251);
  QString s(static_cast<qsizetype>(bytes.size()), QChar(u'\u00B7'));
  for (std::size_t i = 0; i < bytes.size();) {
    const TVCharacter c = Utf8CharacterAt(bytes, i);
    if (c.CodePoint < 0x80)
      s[static_cast<qsizetype>(i)] = QChar(glyphs[c.CodePoint]);
    else
      s[static_cast<qsizetype>(i)] = QChar(c.Valid && c.CodePoint <= 0xFFFF ? c.CodePoint : 0xFFFD);
    i += c.Bytes;
  }
  return s;
}

QString DecodeWindows1251(std::string_view bytes) {
  return DecodeFaithfully(bytes, TCodePage::Windows1251);
}

QString DecodeFaithfully(std::string_view bytes, TCodePage page) {
  return Decode(bytes, FaithfulTable(page));
}

std::optional<std::string> EncodeWindows1251(const QString &text) {
  return Encode(text, TCodePage::Windows1251);
}

std::optional<std::string> Encode(const QString &text, TCodePage page) {
  return Encode(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()),
                                    static_cast<std::size_t>(text.size())),
                page);
}
