// Colour values as the settings and styles keep them: 0x00BBGGRR, red in the lowest byte; a
// value with the highest bit set names a system colour by the index in its low byte.
#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

using TColorValue = std::uint32_t;

inline constexpr TColorValue kSystemColorBit = 0x80000000u;

// The system colours the program uses, by their classic indices.
enum TSystemColor : TColorValue {
  clWindow = kSystemColorBit | 5,
  clWindowText = kSystemColorBit | 8,
  clHighlight = kSystemColorBit | 13,
  clHighlightText = kSystemColorBit | 14,
  clBtnFace = kSystemColorBit | 15,
  clBtnShadow = kSystemColorBit | 16,
  clBtnHighlight = kSystemColorBit | 20,
};

// The one conversion to QColor: system colours come from the palette.
QColor ToQColor(TColorValue value, const QPalette &palette);

// The plain RGB value of a QColor.
TColorValue FromQColor(const QColor &color);
