// What the program remembers per user: the text styles, the viewer's font size, the display
// modes, what the comparison looks past and the main window's placement.
#pragma once

#include "TextStyle.h"

#include <QRect>

#include <cstdint>
#include <memory>

class QPalette;
class QSettings;

// The looks of the kinds of text in one colour scheme.
struct TStyleSet {
  TVTextStyle Inserted, Deleted, Updated, Equal;
  TVTextStyle Ignored; // shared text whose bytes differ only in what is looked past
  TVTextStyle Moved;   // moved text, at both ends
  bool operator==(const TStyleSet &) const = default;
};

// Which set of styles draws the text: the one that suits the desktop's palette, or one chosen.
enum TColorScheme : std::uint8_t { schemeSystem, schemeLight, schemeDark };

// A palette is dark when its windows are: the desktop's dark theme, whatever its name.
bool IsDarkPalette(const QPalette &palette);

// Every value's default is in the table of keys that loading and saving go by (Settings.cpp).
struct TSettings {
  TStyleSet Light, Dark; // stored as StyleInserted... and StyleInsertedDark...
  int ColorScheme = 0;   // a TColorScheme
  int FontSize = 0;      // points; the viewer's design font is 13 pixels, 10 points at 96 dpi
  bool KeepModes = false;
  bool WrapMode = false;
  bool OEMMode = false;
  bool HexMode = false;
  bool Readable = false;    // the readable pass over the pieces
  bool DetectMoves = false; // moved text found and marked
  int LineEnds = 0;         // 0 automatic, 1 the CR rule, 2 the LF rule
  bool IgnoreLineEnds = false, IgnoreSpaceChange = false, IgnoreAllSpace = false;
  bool IgnoreCase = false;
  QString Encoding;                 // a name: auto, utf-8, cp1251, cp866, koi8-r
  int TabWidth = 0;                 // 1 to 16: the tab stops of UTF-8 text
  bool ShowLegend = false;          // kept and written back; nothing else uses it
  bool FolderHideIdentical = false; // the folder view hides identical entries
  QString FolderExclude;            // the names a folder comparison leaves out, glob patterns
  bool KeepFormPlace = false;
  int FormLeft = 0, FormTop = 0, FormWidth = 0, FormHeight = 0;

  TSettings(); // the defaults
  bool operator==(const TSettings &) const = default;

  // The set the scheme draws with, on a desktop whose palette is dark or light.
  bool DrawsDark(bool darkDesktop) const;
  const TStyleSet &Styles(bool darkDesktop) const { return DrawsDark(darkDesktop) ? Dark : Light; }
};

// The styles a scheme starts with, which "restore the defaults" brings back.
const TStyleSet &DefaultStyles(bool dark);

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

// Writes the styles, the font size, the tab width and the two switches, then the modes and the
// placement only where their switch is on. A store that cannot be written is left alone,
// silently.
void SaveSettings(const TSettings &settings, QSettings &store);
