#include "Settings.h"

#include "Encoding.h"
#include "Exclusions.h"

#include <QPalette>
#include <QSettings>

#include <climits>
#include <variant>

namespace {

// When a value is written: always, or only while the switch that keeps it is on.
enum class TKept : std::uint8_t { Always, WithModes, WithPlace };

// A style of one of the two sets.
struct TStyleField {
  TStyleSet TSettings::*Set;
  TVTextStyle TStyleSet::*Style;
  TVTextStyle &Of(TSettings &s) const { return s.*Set.*Style; }
  const TVTextStyle &Of(const TSettings &s) const { return s.*Set.*Style; }
};

using TField = std::variant<TStyleField, int TSettings::*, bool TSettings::*, QString TSettings::*>;

bool IsEncodingName(const QString &name) {
  return EncodingNamed(name.toStdString()).has_value();
}

// One value of the store: its key, where it lives, its default in the stored form, when it is
// written, and what it may hold: a number in a range, a text that passes a test.
struct TKey {
  const char *Name;
  TField Field;
  const char *Default;
  TKept Kept = TKept::Always;
  int First = INT_MIN, Last = INT_MAX;
  bool (*Accepts)(const QString &) = nullptr;
};

const TKey kKeys[] = {
    {"StyleInserted", TStyleField{&TSettings::Light, &TStyleSet::Inserted},
     "($00000000,[],$00C888FF)"},
    {"StyleDeleted", TStyleField{&TSettings::Light, &TStyleSet::Deleted},
     "($00000000,[],$00FF8800)"},
    {"StyleUpdated", TStyleField{&TSettings::Light, &TStyleSet::Updated},
     "($00000000,[],$0000FF00)"},
    {"StyleEqual", TStyleField{&TSettings::Light, &TStyleSet::Equal}, "($00000000,[],$00FFFFFF)"},
    {"StyleIgnored", TStyleField{&TSettings::Light, &TStyleSet::Ignored},
     "($00808080,[],$00FFFFFF)"},
    {"StyleMoved", TStyleField{&TSettings::Light, &TStyleSet::Moved}, "($00000000,[],$0040D0FF)"},
    // The dark scheme: light text on dark grounds, each kind's hue kept so that the two schemes
    // read alike, deep enough that light text stays clear on it.
    {"StyleInsertedDark", TStyleField{&TSettings::Dark, &TStyleSet::Inserted},
     "($00F0E6F0,[],$00703A86)"},
    {"StyleDeletedDark", TStyleField{&TSettings::Dark, &TStyleSet::Deleted},
     "($00F5EDE6,[],$00904A10)"},
    {"StyleUpdatedDark", TStyleField{&TSettings::Dark, &TStyleSet::Updated},
     "($00E6F5E6,[],$001E6A1E)"},
    {"StyleEqualDark", TStyleField{&TSettings::Dark, &TStyleSet::Equal},
     "($00DCDCDC,[],$00242424)"},
    {"StyleIgnoredDark", TStyleField{&TSettings::Dark, &TStyleSet::Ignored},
     "($00909090,[],$00242424)"},
    {"StyleMovedDark", TStyleField{&TSettings::Dark, &TStyleSet::Moved},
     "($00E6F5FA,[],$00106A8C)"},
    {"ColorScheme", &TSettings::ColorScheme, "0", TKept::Always, schemeSystem, schemeDark},
    {"FontSize", &TSettings::FontSize, "10"},
    {"TabWidth", &TSettings::TabWidth, "8", TKept::Always, 1, 16},
    {"KeepModes", &TSettings::KeepModes, "1"},
    {"WrapMode", &TSettings::WrapMode, "1", TKept::WithModes},
    {"OEMMode", &TSettings::OEMMode, "0", TKept::WithModes},
    {"HexMode", &TSettings::HexMode, "0", TKept::WithModes},
    {"Readable", &TSettings::Readable, "1", TKept::WithModes},
    {"DetectMoves", &TSettings::DetectMoves, "1", TKept::WithModes},
    {"LineEnds", &TSettings::LineEnds, "0", TKept::WithModes, 0, 2},
    {"IgnoreLineEnds", &TSettings::IgnoreLineEnds, "0", TKept::WithModes},
    {"IgnoreSpaceChange", &TSettings::IgnoreSpaceChange, "0", TKept::WithModes},
    {"IgnoreAllSpace", &TSettings::IgnoreAllSpace, "0", TKept::WithModes},
    {"IgnoreCase", &TSettings::IgnoreCase, "0", TKept::WithModes},
    {"Encoding", &TSettings::Encoding, "auto", TKept::WithModes, INT_MIN, INT_MAX, IsEncodingName},
    {"ShowLegend", &TSettings::ShowLegend, "1", TKept::WithModes},
    {"FolderHideIdentical", &TSettings::FolderHideIdentical, "1"},
    {"FolderExclude", &TSettings::FolderExclude, kDefaultExclusions.data()},
    {"KeepFormPlace", &TSettings::KeepFormPlace, "1"},
    {"FormLeft", &TSettings::FormLeft, "216", TKept::WithPlace},
    {"FormTop", &TSettings::FormTop, "115", TKept::WithPlace},
    {"FormWidth", &TSettings::FormWidth, "526", TKept::WithPlace},
    {"FormHeight", &TSettings::FormHeight, "447", TKept::WithPlace},
};

template <typename... F> struct TOverloads : F... { using F::operator()...; };
template <typename... F> TOverloads(F...) -> TOverloads<F...>;

// Takes a stored value into its field; a value the key does not accept leaves the field alone.
void Read(const TKey &key, const QVariant &value, TSettings &s) {
  std::visit(TOverloads{[&](const TStyleField &field) {
                          if (value.canConvert<QString>())
                            StrToTextStyle(value.toString(), field.Of(s));
                        },
                        [&](int TSettings::*field) {
                          bool ok = false;
                          const int read = value.toInt(&ok);
                          if (ok && read >= key.First && read <= key.Last)
                            s.*field = read;
                        },
                        [&](bool TSettings::*field) {
                          bool ok = false;
                          const int read = value.toInt(&ok);
                          if (ok)
                            s.*field = read != 0;
                        },
                        [&](QString TSettings::*field) {
                          const QString read = value.toString();
                          if (!key.Accepts || key.Accepts(read))
                            s.*field = read;
                        }},
             key.Field);
}

// The value as the store keeps it: styles in their string form, switches as 0 or 1.
QVariant Stored(const TKey &key, const TSettings &s) {
  return std::visit(
      TOverloads{[&](const TStyleField &field) { return QVariant(TextStyleToStr(field.Of(s))); },
                 [&](int TSettings::*field) { return QVariant(s.*field); },
                 [&](bool TSettings::*field) { return QVariant(s.*field ? 1 : 0); },
                 [&](QString TSettings::*field) { return QVariant(s.*field); }},
      key.Field);
}

bool Kept(const TKey &key, const TSettings &s) {
  switch (key.Kept) {
  case TKept::WithModes:
    return s.KeepModes;
  case TKept::WithPlace:
    return s.KeepFormPlace;
  case TKept::Always:
    break;
  }
  return true;
}

} // namespace

TSettings::TSettings() {
  for (const TKey &key : kKeys)
    Read(key, QString::fromLatin1(key.Default), *this);
}

bool TSettings::DrawsDark(bool darkDesktop) const {
  return ColorScheme == schemeDark || (ColorScheme == schemeSystem && darkDesktop);
}

const TStyleSet &DefaultStyles(bool dark) {
  static const TSettings defaults;
  return dark ? defaults.Dark : defaults.Light;
}

bool IsDarkPalette(const QPalette &palette) {
  return palette.color(QPalette::Window).lightness() < 128;
}

std::unique_ptr<QSettings> OpenUserStore() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganisation,
                                     kApplication);
}

TSettings LoadSettings(QSettings &store, int fontSize, const QRect &placement) {
  TSettings s;
  s.FontSize = fontSize;
  s.FormLeft = placement.left();
  s.FormTop = placement.top();
  s.FormWidth = placement.width();
  s.FormHeight = placement.height();
  for (const TKey &key : kKeys) {
    const QVariant value = store.value(QLatin1String(key.Name));
    if (value.isValid())
      Read(key, value, s);
  }
  return s;
}

void SaveSettings(const TSettings &s, QSettings &store) {
  if (!store.isWritable())
    return;
  for (const TKey &key : kKeys)
    if (Kept(key, s))
      store.setValue(QLatin1String(key.Name), Stored(key, s));
  store.sync(); // a failed write is not reported: closing the window must go on
}
