#include "Settings.h"

#include <QPalette>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

class SettingsStore : public testing::Test {
protected:
  QTemporaryDir dir;
  QString Path() const { return dir.filePath(QStringLiteral("Dorix.conf")); }
  QRect placement{216, 115, 526, 447};
};

TEST_F(SettingsStore, EmptyStoreGivesTheDefaults) {
  QSettings store(Path(), QSettings::IniFormat);
  const TSettings s = LoadSettings(store, 12, QRect(1, 2, 3, 4));
  EXPECT_EQ(s.Light.Inserted, (TVTextStyle{0, 0, 0xC888FF}));
  EXPECT_EQ(s.Light.Deleted, (TVTextStyle{0, 0, 0xFF8800}));
  EXPECT_EQ(s.Light.Updated, (TVTextStyle{0, 0, 0x00FF00}));
  EXPECT_EQ(s.Light.Equal, (TVTextStyle{0, 0, 0xFFFFFF}));
  EXPECT_EQ(s.Light.Ignored, (TVTextStyle{0x808080, 0, 0xFFFFFF})) << "Equal with grey text";
  EXPECT_FALSE(s.IgnoreLineEnds || s.IgnoreSpaceChange || s.IgnoreAllSpace || s.IgnoreCase);
  EXPECT_EQ(s.FontSize, 12);
  EXPECT_TRUE(s.KeepModes && s.WrapMode && !s.OEMMode && !s.HexMode && s.ShowLegend &&
              s.KeepFormPlace);
  EXPECT_EQ(QRect(s.FormLeft, s.FormTop, s.FormWidth, s.FormHeight), QRect(1, 2, 3, 4));
}

TEST_F(SettingsStore, FirstSaveWritesEveryValueInItsType) {
  {
    QSettings store(Path(), QSettings::IniFormat);
    SaveSettings(TSettings{}, store);
  }
  QSettings store(Path(), QSettings::IniFormat);
  EXPECT_EQ(store.allKeys().size(), 35);
  EXPECT_EQ(store.value("ColorScheme").toString(), "0");
  EXPECT_EQ(store.value("StyleEqualDark").toString(), "($00DCDCDC,[],$00242424)");
  EXPECT_EQ(store.value("StyleMovedDark").toString(), "($00E6F5FA,[],$00106A8C)");
  EXPECT_EQ(store.value("StyleMoved").toString(), "($00000000,[],$0040D0FF)");
  EXPECT_EQ(store.value("DetectMoves").toString(), "1");
  EXPECT_EQ(store.value("FolderHideIdentical").toString(), "1");
  EXPECT_EQ(store.value("FolderExclude").toString(),
            ".git .hg .svn CVS __pycache__ *.pyc *.o *~ .DS_Store");
  EXPECT_EQ(store.value("StyleIgnored").toString(), "($00808080,[],$00FFFFFF)");
  EXPECT_EQ(store.value("IgnoreCase").toString(), "0");
  EXPECT_EQ(store.value("Readable").toString(), "1");
  EXPECT_EQ(store.value("TabWidth").toInt(), 8);
  EXPECT_EQ(store.value("LineEnds").toString(), "0");
  EXPECT_EQ(store.value("Encoding").toString(), "auto");
  EXPECT_EQ(store.value("StyleInserted").toString(), "($00000000,[],$00C888FF)");
  EXPECT_EQ(store.value("WrapMode").toString(), "1");
  EXPECT_EQ(store.value("OEMMode").toString(), "0");
  EXPECT_EQ(store.value("FormWidth").toInt(), 526);
}

TEST_F(SettingsStore, RoundTripKeepsEveryValue) {
  TSettings s;
  s.Light.Deleted = {0x80000005, fsUnderline, 0x123456};
  s.FontSize = 14;
  s.WrapMode = false;
  s.OEMMode = s.HexMode = true;
  s.LineEnds = 2;
  s.Encoding = "koi8-r";
  s.Light.Ignored = {0x10, fsBold, 0x20};
  s.IgnoreLineEnds = s.IgnoreAllSpace = true;
  s.TabWidth = 3;
  s.ShowLegend = false;
  s.FormLeft = -20;
  s.FormHeight = 900;
  {
    QSettings store(Path(), QSettings::IniFormat);
    SaveSettings(s, store);
  }
  QSettings store(Path(), QSettings::IniFormat);
  EXPECT_EQ(LoadSettings(store, 10, placement), s);
}

TEST_F(SettingsStore, TheTwoSchemesAreStoredApart) {
  TSettings s;
  s.Dark.Inserted = {0x01, fsItalic, 0x02};
  s.ColorScheme = schemeDark;
  {
    QSettings store(Path(), QSettings::IniFormat);
    SaveSettings(s, store);
    store.setValue("StyleEqual", "($00000000,[],$00C0C0C0)"); // an older version's edit
  }
  QSettings store(Path(), QSettings::IniFormat);
  const TSettings read = LoadSettings(store, 10, placement);
  EXPECT_EQ(read.Dark.Inserted, (TVTextStyle{0x01, fsItalic, 0x02}));
  EXPECT_EQ(read.Light.Inserted, DefaultStyles(false).Inserted);
  EXPECT_EQ(read.Light.Equal, (TVTextStyle{0, 0, 0xC0C0C0}));
  EXPECT_EQ(read.Dark.Equal, DefaultStyles(true).Equal) << "the light edit stays light";
  EXPECT_EQ(read.ColorScheme, schemeDark);
}

TEST_F(SettingsStore, TheSchemeDecidesWhichSetDraws) {
  TSettings s;
  const std::tuple<int, bool, bool> cases[] = {
      {schemeSystem, false, false}, {schemeSystem, true, true}, {schemeLight, true, false},
      {schemeLight, false, false},  {schemeDark, false, true},  {schemeDark, true, true}};
  for (const auto &[scheme, darkDesktop, drawsDark] : cases) {
    s.ColorScheme = scheme;
    EXPECT_EQ(s.DrawsDark(darkDesktop), drawsDark) << scheme << " " << darkDesktop;
    EXPECT_EQ(&std::as_const(s).Styles(darkDesktop), drawsDark ? &s.Dark : &s.Light);
  }
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
  EXPECT_TRUE(IsDarkPalette(palette));
  palette.setColor(QPalette::Window, QColor(0xEF, 0xEF, 0xEF));
  EXPECT_FALSE(IsDarkPalette(palette));
}

TEST_F(SettingsStore, SwitchesOffKeepWhatAnEarlierExitWrote) {
  TSettings first;
  first.WrapMode = true;
  first.FormLeft = 300;
  {
    QSettings store(Path(), QSettings::IniFormat);
    SaveSettings(first, store);
  }
  TSettings second = first;
  second.KeepModes = false;
  second.KeepFormPlace = false;
  second.WrapMode = false;
  second.HexMode = true;
  second.FormLeft = 5;
  {
    QSettings store(Path(), QSettings::IniFormat);
    SaveSettings(second, store);
  }
  QSettings store(Path(), QSettings::IniFormat);
  const TSettings read = LoadSettings(store, 10, placement);
  EXPECT_FALSE(read.KeepModes);
  EXPECT_FALSE(read.KeepFormPlace);
  EXPECT_TRUE(read.WrapMode) << "the next start wraps again";
  EXPECT_FALSE(read.HexMode);
  EXPECT_EQ(read.FormLeft, 300);
}

TEST_F(SettingsStore, GarbageInEveryValueKeepsEachDefault) {
  {
    QSettings store(Path(), QSettings::IniFormat);
    for (const char *name :
         {"StyleInserted",  "StyleDeleted",      "StyleUpdated",   "StyleEqual", "FontSize",
          "KeepModes",      "WrapMode",          "OEMMode",        "HexMode",    "ShowLegend",
          "KeepFormPlace",  "FormLeft",          "FormTop",        "FormWidth",  "FormHeight",
          "LineEnds",       "Encoding",          "TabWidth",       "Readable",   "StyleIgnored",
          "IgnoreLineEnds", "IgnoreSpaceChange", "IgnoreAllSpace", "IgnoreCase", "ColorScheme",
          "StyleEqualDark"})
      store.setValue(name, QStringLiteral("($0,[Z],$1"));
    store.setValue("StyleUpdated", QStringList{"a", "b"});
    store.setValue("FormTop", QVariant::fromValue(QSize(3, 4)));
    store.setValue("HexMode", 7);  // any non-zero integer reads as true
    store.setValue("LineEnds", 3); // no such choice
    store.setValue("TabWidth", 17);
    store.setValue("ColorScheme", 3); // no such scheme
  }
  QSettings store(Path(), QSettings::IniFormat);
  const TSettings read = LoadSettings(store, 10, placement);
  TSettings expected;
  expected.HexMode = true;
  EXPECT_EQ(read, expected);
}

TEST_F(SettingsStore, HalfWrittenStyleKeepsItsDefaultAndTheRestIsRead) {
  {
    QSettings store(Path(), QSettings::IniFormat);
    store.setValue("StyleEqual", "($00000000,[B],$00");
    store.setValue("StyleInserted", "($000000FF,[I],$00FFFFFF)");
    store.setValue("FontSize", 16);
  }
  QSettings store(Path(), QSettings::IniFormat);
  const TSettings read = LoadSettings(store, 10, placement);
  EXPECT_EQ(read.Light.Equal, TSettings{}.Light.Equal);
  EXPECT_EQ(read.Light.Inserted, (TVTextStyle{0xFF, fsItalic, 0xFFFFFF}));
  EXPECT_EQ(read.FontSize, 16);
}

TEST_F(SettingsStore, UnwritableStoreIsLeftAloneSilently) {
  // The store's folder would have to be made inside a plain file: nothing can be written.
  QFile blocker(dir.filePath(QStringLiteral("plain-file")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QString path = dir.filePath(QStringLiteral("plain-file/Dorix.conf"));
  {
    QSettings store(path, QSettings::IniFormat);
    SaveSettings(TSettings{}, store); // must neither throw nor crash
  }
  EXPECT_FALSE(QFile::exists(path));
  QSettings store(path, QSettings::IniFormat);
  EXPECT_EQ(LoadSettings(store, 10, placement).FontSize, 10);
}

} // namespace
