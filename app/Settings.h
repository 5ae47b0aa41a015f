// What the program remembers per user: the four text styles, the viewer's font size, the
// display modes and the main window's placement.
#pragma once

#include "TextStyle.h"

#include <QRect>

#include <memory>

class QSettings;

struct TSettings {
  TVTextStyle StyleInserted{0, 0, 0xC888FF};
  TVTextStyle StyleDeleted{0, 0, 0xFF8800};
  TVTextStyle StyleUpdated{0, 0, 0x00FF00};
  TVTextStyle StyleEqual{0, 0, 0xFFFFFF};
  int FontSize = 10; // points; the viewer's design font is 13 pixels, 10 points at 96 dpi
  bool KeepModes = true;
  bool WrapMode = true;
  bool OEMMode = false;
  bool HexMode = false;
  int LineEnds = 0;                          // 0 automatic, 1 the CR rule, 2 the LF rule
  QString Encoding = QStringLiteral("auto"); // a name: auto, utf-8, cp1251, cp866, koi8-r
  int TabWidth = 8;                          // 1 to 16: the tab stops of UTF-8 text
  bool ShowLegend = true;                    // kept and written back; nothing else uses it
  bool KeepFormPlace = true;
  int FormLeft = 216, FormTop = 115, FormWidth = 526, FormHeight = 447;

  bool operator==(const TSettings &) const = default;
};

// The per-user store: organisation "Morvane", application "Dorix", in the platform's native
// form (the registry key Software\Morvane\Dorix on Windows, an INI file elsewhere).
inline constexpr char kOrganisation[] = "Morvane";
inline constexpr char kApplication[] = "Dorix";

// The per-user store itself.
std::unique_ptr<QSettings> OpenUserStore();

// Starts from the defaults (font size and placement as given) and reads every value the store
// holds. A value of the wrong type, or a style string outside the stored form, keeps its default;
// the other values are still read.
TSettings LoadSettings(QSettings &store, int fontSize, const QRect &placement);

// Writes the styles, the font size and the two switches, then the modes and the placement only
// where their switch is on. A store that cannot be written is left alone, silently.
void SaveSettings(const TSettings &settings, QSettings &store);
