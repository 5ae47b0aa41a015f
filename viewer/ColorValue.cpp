#include "ColorValue.h"

namespace {

QPalette::ColorRole SystemRole(TColorValue index) {
  switch (index) {
  case 5: // window
    return QPalette::Base;
  case 8: // window text
    return QPalette::Text;
  case 13: // highlight
    return QPalette::Highlight;
  case 14: // highlight text
    return QPalette::HighlightedText;
  case 16: // button shadow
    return QPalette::Dark;
  case 18: // button text
    return QPalette::ButtonText;
  case 20: // button highlight
    return QPalette::Light;
  case 21: // 3D dark shadow
    return QPalette::Shadow;
  default: // button face (15) and anything unknown
    return QPalette::Button;
  }
}

} // namespace

QColor ToQColor(TColorValue value, const QPalette &palette) {
  if (value & kSystemColorBit)
    return palette.color(QPalette::Active, SystemRole(value & 0xFF));
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

TColorValue FromQColor(const QColor &color) {
  return static_cast<TColorValue>(color.red()) | static_cast<TColorValue>(color.green()) << 8 |
         static_cast<TColorValue>(color.blue()) << 16;
}
