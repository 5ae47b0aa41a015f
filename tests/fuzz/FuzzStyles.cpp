// Style strings and their parts: parsing never fails hard, and what parses formats back to a
// string that parses to the same style.
#include "TextStyle.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const QString s =
      QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
  TVTextStyle style{1, 2, 3};
  if (StrToTextStyle(s, style)) {
    TVTextStyle again{4, 5, 6};
    if (!StrToTextStyle(TextStyleToStr(style), again) || !(again == style))
      std::abort();
  } else if (!(style == TVTextStyle{1, 2, 3})) {
    std::abort(); // a rejected string leaves the style alone
  }
  if (const auto color = StrToColorValue(s)) {
    if (StrToColorValue(QStringLiteral("$%1").arg(*color, 0, 16)) != color)
      std::abort();
  }
  if (const auto fontStyle = StrToFontStyle(s)) {
    if (*fontStyle > 15 || StrToFontStyle(FontStyleToStr(*fontStyle)) != fontStyle)
      std::abort();
  }
  return 0;
}
