// The look of one kind of text: text colour, font style and background, with the string form
// the settings store keeps, e.g. ($00000000,[BI],$00FFFFFF).
#pragma once

#include "ColorValue.h"

#include <QString>

#include <cstdint>
#include <optional>

class QFont;
class QLabel;
class QLineEdit;
class QWidget;
struct TVFont;

enum TFontStyleBit : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TVTextStyle {
  TColorValue FontColor = 0;
  std::uint8_t FontStyle = 0; // bits of TFontStyleBit
  TColorValue BkgColor = 0xFFFFFF;
  bool operator==(const TVTextStyle &) const = default;
};

QString FontStyleToStr(std::uint8_t fontStyle);
QString TextStyleToStr(const TVTextStyle &style);

// The parsers answer nothing for a string outside the stored form.
std::optional<TColorValue> StrToColorValue(const QString &s);
std::optional<std::uint8_t> StrToFontStyle(const QString &s);
// Fills style from s; on a malformed string returns false and leaves style as it was.
bool StrToTextStyle(const QString &s, TVTextStyle &style);

// A font's bold, italic, underline and strike-out as style bits, and back.
std::uint8_t FontStyleOf(const QFont &font);
void ApplyFontStyle(QFont &font, std::uint8_t fontStyle);

// Controls carry a style in their own properties: font colour and font style in the font and
// palette, background in the palette. A sample field is a read-only line edit.
void TextStyleFromEdit(const QLineEdit &edit, TVTextStyle &style);
void TextStyleToFont(const TVTextStyle &style, TVFont &font);
void TextStyleToEdit(const TVTextStyle &style, QLineEdit &edit);
void TextStyleToLabel(const TVTextStyle &style, QLabel &label);
void TextStyleToPanel(const TVTextStyle &style, QWidget &panel);
// Changes only the two colours of a sample field.
void SetEditColors(QLineEdit &edit, TColorValue fontColor, TColorValue bkgColor);
