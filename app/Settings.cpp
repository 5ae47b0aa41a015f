#include "Settings.h"

#include "Encoding.h"

#include <QSettings>

namespace {

void ReadStyle(QSettings &store, const char *name, TVTextStyle &style) {
  const QVariant value = store.value(QLatin1String(name));
  if (value.isValid() && value.canConvert<QString>())
    StrToTextStyle(value.toString(), style);
}

void ReadInt(QSettings &store, const char *name, int &target) {
  const QVariant value = store.value(QLatin1String(name));
  bool ok = false;
  const int read = value.toInt(&ok);
  if (ok)
    target = read;
}

// A value from first to last; anything else keeps the default.
void ReadInRange(QSettings &store, const char *name, int first, int last, int &target) {
  int value = target;
  ReadInt(store, name, value);
  if (value >= first && value <= last)
    target = value;
}

void ReadEncoding(QSettings &store, QString &target) {
  const QString value = store.value(QStringLiteral("Encoding")).toString();
  if (EncodingNamed(value.toStdString()))
    target = value;
}

void ReadBool(QSettings &store, const char *name, bool &target) {
  int value = target ? 1 : 0;
  ReadInt(store, name, value);
  target = value != 0;
}

} // namespace

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
  if (store.allKeys().isEmpty())
    return s; // no key yet: the defaults stand

  ReadStyle(store, "StyleInserted", s.StyleInserted);
  ReadStyle(store, "StyleDeleted", s.StyleDeleted);
  ReadStyle(store, "StyleUpdated", s.StyleUpdated);
  ReadStyle(store, "StyleEqual", s.StyleEqual);
  ReadInt(store, "FontSize", s.FontSize);
  ReadBool(store, "KeepModes", s.KeepModes);
  ReadBool(store, "WrapMode", s.WrapMode);
  ReadBool(store, "OEMMode", s.OEMMode);
  ReadBool(store, "HexMode", s.HexMode);
  ReadInRange(store, "LineEnds", 0, 2, s.LineEnds);
  ReadInRange(store, "TabWidth", 1, 16, s.TabWidth);
  ReadEncoding(store, s.Encoding);
  ReadBool(store, "ShowLegend", s.ShowLegend);
  ReadBool(store, "KeepFormPlace", s.KeepFormPlace);
  ReadInt(store, "FormLeft", s.FormLeft);
  ReadInt(store, "FormTop", s.FormTop);
  ReadInt(store, "FormWidth", s.FormWidth);
  ReadInt(store, "FormHeight", s.FormHeight);
  return s;
}

void SaveSettings(const TSettings &s, QSettings &store) {
  if (!store.isWritable())
    return;
  auto flag = [](bool on) { return on ? 1 : 0; };
  store.setValue("StyleInserted", TextStyleToStr(s.StyleInserted));
  store.setValue("StyleDeleted", TextStyleToStr(s.StyleDeleted));
  store.setValue("StyleUpdated", TextStyleToStr(s.StyleUpdated));
  store.setValue("StyleEqual", TextStyleToStr(s.StyleEqual));
  store.setValue("FontSize", s.FontSize);
  store.setValue("TabWidth", s.TabWidth);
  store.setValue("KeepModes", flag(s.KeepModes));
  if (s.KeepModes) {
    store.setValue("WrapMode", flag(s.WrapMode));
    store.setValue("OEMMode", flag(s.OEMMode));
    store.setValue("HexMode", flag(s.HexMode));
    store.setValue("LineEnds", s.LineEnds);
    store.setValue("Encoding", s.Encoding);
    store.setValue("ShowLegend", flag(s.ShowLegend));
  }
  store.setValue("KeepFormPlace", flag(s.KeepFormPlace));
  if (s.KeepFormPlace) {
    store.setValue("FormLeft", s.FormLeft);
    store.setValue("FormTop", s.FormTop);
    store.setValue("FormWidth", s.FormWidth);
    store.setValue("FormHeight", s.FormHeight);
  }
  store.sync(); // a failed write is not reported: closing the window must go on
}
