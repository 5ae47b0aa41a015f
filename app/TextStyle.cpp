#include "TextStyle.h"

#include "VMemo.h"

#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace {

constexpr struct {
  std::uint8_t bit;
  QChar letter;
} kStyleLetters[] = {{fsBold, u'B'}, {fsItalic, u'I'}, {fsUnderline, u'U'}, {fsStrikeOut, u'O'}};

int HexValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9')
    return u - u'0';
  if (u >= u'a' && u <= u'f')
    return u - u'a' + 10;
  if (u >= u'A' && u <= u'F')
    return u - u'A' + 10;
  return -1;
}

QString Hex8(TColorValue value) {
  return QStringLiteral("$%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

// The colour values a control was given are kept beside its palette, so that a system colour
// reads back as the system colour, not as today's RGB of it.
constexpr char kFontColorValue[] = "dorixFontColor";
constexpr char kBkgColorValue[] = "dorixBkgColor";

TColorValue ColorValueOf(const QWidget &widget, const char *property, QPalette::ColorRole role) {
  const QVariant kept = widget.property(property);
  return kept.isValid() ? kept.value<TColorValue>() : FromQColor(widget.palette().color(role));
}

// Sets the text and background colours of a control from a style; the background shows only
// where the control fills it.
void ApplyColors(const TVTextStyle &style, QWidget &widget, QPalette::ColorRole text,
                 QPalette::ColorRole background) {
  widget.setProperty(kFontColorValue, QVariant::fromValue(style.FontColor));
  widget.setProperty(kBkgColorValue, QVariant::fromValue(style.BkgColor));
  QPalette palette = widget.palette();
  palette.setColor(text, ToQColor(style.FontColor, palette));
  palette.setColor(background, ToQColor(style.BkgColor, palette));
  widget.setPalette(palette);
  QFont font = widget.font();
  ApplyFontStyle(font, style.FontStyle);
  widget.setFont(font);
}

} // namespace

QString FontStyleToStr(std::uint8_t fontStyle) {
  QString s = QStringLiteral("[");
  for (const auto &l : kStyleLetters)
    if (fontStyle & l.bit)
      s += l.letter;
  return s + QLatin1Char(']');
}

QString TextStyleToStr(const TVTextStyle &style) {
  return QLatin1Char('(') + Hex8(style.FontColor) + QLatin1Char(',') +
         FontStyleToStr(style.FontStyle) + QLatin1Char(',') + Hex8(style.BkgColor) +
         QLatin1Char(')');
}

std::optional<TColorValue> StrToColorValue(const QString &s) {
  if (s.size() < 2 || s[0] != QLatin1Char('$'))
    return std::nullopt;
  TColorValue value = 0;
  for (qsizetype i = 1; i < s.size(); ++i) {
    const int digit = HexValue(s[i]);
    if (digit < 0 || value > 0x0FFFFFFFu)
      return std::nullopt; // not a hex digit, or more than 32 bits
    value = value << 4 | static_cast<TColorValue>(digit);
  }
  return value;
}

std::optional<std::uint8_t> StrToFontStyle(const QString &s) {
  std::uint8_t style = 0;
  for (const QChar c : s) {
    if (c == QLatin1Char('[') || c == QLatin1Char(']'))
      continue;
    const auto *l = std::find_if(std::begin(kStyleLetters), std::end(kStyleLetters),
                                 [c](const auto &entry) { return entry.letter == c; });
    if (l == std::end(kStyleLetters))
      return std::nullopt;
    style |= l->bit;
  }
  return style;
}

bool StrToTextStyle(const QString &s, TVTextStyle &style) {
  if (s.isEmpty() || !s.startsWith(QLatin1Char('(')) || !s.endsWith(QLatin1Char(')')))
    return false;
  const QString inner = s.mid(1, s.size() - 2);
  const qsizetype first = inner.indexOf(QLatin1Char(','));
  if (inner.isEmpty() || first < 0)
    return false;
  const QString rest = inner.mid(first + 1);
  const qsizetype second = rest.indexOf(QLatin1Char(','));
  if (second < 0)
    return false;
  const auto fontColor = StrToColorValue(inner.left(first));
  const auto fontStyle = StrToFontStyle(rest.left(second));
  const auto bkgColor = StrToColorValue(rest.mid(second + 1));
  if (!fontColor || !fontStyle || !bkgColor)
    return false;
  style = {*fontColor, *fontStyle, *bkgColor};
  return true;
}

std::uint8_t FontStyleOf(const QFont &font) {
  return static_cast<std::uint8_t>((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0) |
                                   (font.underline() ? fsUnderline : 0) |
                                   (font.strikeOut() ? fsStrikeOut : 0));
}

void ApplyFontStyle(QFont &font, std::uint8_t fontStyle) {
  font.setBold(fontStyle & fsBold);
  font.setItalic(fontStyle & fsItalic);
  font.setUnderline(fontStyle & fsUnderline);
  font.setStrikeOut(fontStyle & fsStrikeOut);
}

void TextStyleFromEdit(const QLineEdit &edit, TVTextStyle &style) {
  style.FontColor = ColorValueOf(edit, kFontColorValue, QPalette::Text);
  style.FontStyle = FontStyleOf(edit.font());
  style.BkgColor = ColorValueOf(edit, kBkgColorValue, QPalette::Base);
}

void SetEditColors(QLineEdit &edit, TColorValue fontColor, TColorValue bkgColor) {
  TVTextStyle style;
  TextStyleFromEdit(edit, style);
  style.FontColor = fontColor;
  style.BkgColor = bkgColor;
  ApplyColors(style, edit, QPalette::Text, QPalette::Base);
}

void TextStyleToFont(const TVTextStyle &style, TVFont &font) {
  font.Color = style.FontColor;
  ApplyFontStyle(font.Font, style.FontStyle);
}

void TextStyleToEdit(const TVTextStyle &style, QLineEdit &edit) {
  ApplyColors(style, edit, QPalette::Text, QPalette::Base);
}

void TextStyleToLabel(const TVTextStyle &style, QLabel &label) {
  label.setAutoFillBackground(true);
  ApplyColors(style, label, QPalette::WindowText, QPalette::Window);
}

void TextStyleToPanel(const TVTextStyle &style, QWidget &panel) {
  panel.setAutoFillBackground(true);
  ApplyColors(style, panel, QPalette::WindowText, QPalette::Window);
}
