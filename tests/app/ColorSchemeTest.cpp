// The colour scheme: the light and dark sets of styles, chosen from the "Вид" menu or following
// the desktop's palette, each edited and stored apart, and both carried by a saved page.
#include "FindDialog.h"
#include "FolderView.h"
#include "FormDorixCfgUnit.h"
#include "FormDorixChartUnit.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include <algorithm>
#include <ranges>

namespace {

class ColorScheme : public MainWindowFixture {
protected:
  const TStyleSet light = DefaultStyles(false), dark = DefaultStyles(true);

  void TearDown() override {
    QApplication::setPalette(QPalette()); // the style's own, light, for the tests after
    MainWindowFixture::TearDown();
  }

  static QPalette DarkPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    palette.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    return palette;
  }

  // The colour a pixel of the first line's text area is painted in, well right of its text.
  QRgb FirstLineGround() {
    const QImage image = w->mm->viewport()->grab().toImage();
    return image.pixel(image.width() - 10, w->mm->Geometry().LineHeight / 2) & 0xFFFFFFu;
  }
  static QRgb Rgb(TColorValue value) { return ToQColor(value, QPalette()).rgb() & 0xFFFFFFu; }
};

TEST_F(ColorScheme, TheMenuChoosesTheSetEverythingIsDrawnIn) {
  Start(Write("a", "shared\r\nnew line\r\n"), Write("b", "shared\r\nold line\r\n"));
  EXPECT_TRUE(w->mmSchemeSystem->isChecked()) << "following the desktop by default";
  EXPECT_EQ(w->Styles(), light) << "the test's desktop is light";
  EXPECT_EQ(w->mm->Color(), light.Equal.BkgColor);

  w->mmSchemeDark->trigger();
  EXPECT_TRUE(w->mmSchemeDark->isChecked());
  EXPECT_EQ(w->Styles(), dark);
  EXPECT_EQ(w->mm->Color(), dark.Equal.BkgColor);
  EXPECT_EQ(FirstLineGround(), Rgb(dark.Equal.BkgColor));
  ASSERT_EQ(w->mm->Model().GetLine(1).FKind, kindUpdated);
  EXPECT_EQ(w->mm->GetLineStyle(1).Color, dark.Updated.BkgColor);
  EXPECT_EQ(w->stActual->palette().color(QPalette::Window).rgb() & 0xFFFFFFu,
            Rgb(dark.Inserted.BkgColor))
      << "the captions' swatches follow";
  EXPECT_EQ(w->FormDorixChart->pnlDiff->palette().color(QPalette::Window).rgb() & 0xFFFFFFu,
            Rgb(dark.Updated.BkgColor));

  EXPECT_EQ(w->FolderView->Tree->palette().color(QPalette::Base).rgb() & 0xFFFFFFu,
            Rgb(dark.Equal.BkgColor))
      << "the folder list lies on the same ground";

  w->mmSchemeLight->trigger();
  EXPECT_EQ(w->mm->GetLineStyle(1).Color, light.Updated.BkgColor);
  EXPECT_EQ(FirstLineGround(), Rgb(light.Equal.BkgColor));
}

TEST_F(ColorScheme, TheSystemSchemeFollowsThePaletteAChosenOneDoesNot) {
  Start(Write("a", "x\r\n"), Write("b", "y\r\n"));
  QApplication::setPalette(DarkPalette());
  QApplication::processEvents();
  EXPECT_EQ(w->Styles(), dark);
  EXPECT_EQ(w->mm->Color(), dark.Equal.BkgColor) << "redrawn when the desktop turned dark";
  EXPECT_EQ(w->edActualCaption->palette().color(QPalette::Base),
            QApplication::palette().color(QPalette::Button))
      << "the file names stay on the panel's own, now dark, ground";

  w->mmSchemeLight->trigger();
  EXPECT_EQ(w->mm->Color(), light.Equal.BkgColor) << "light on a dark desktop when chosen";
  QApplication::setPalette(QPalette());
  QApplication::processEvents();
  w->mmSchemeDark->trigger();
  QApplication::setPalette(DarkPalette());
  QApplication::processEvents();
  EXPECT_EQ(w->mm->Color(), dark.Equal.BkgColor);
}

TEST_F(ColorScheme, EachSchemeIsEditedRestoredAndStoredApart) {
  Start(Write("a", "x\r\n"), Write("b", "y\r\n"));
  w->mmSchemeDark->trigger();
  WhenModal<TFormDorixCfg>([&](TFormDorixCfg &d) {
    EXPECT_EQ(d.gbColor->title(), " Цвет (тёмная схема): ");
    TVTextStyle shown;
    TextStyleFromEdit(*d.edColorEqual, shown);
    EXPECT_EQ(shown, dark.Equal) << "the dark set is the one edited";
    TextStyleToEdit({0x010101, fsBold, 0x020202}, *d.edColorDeleted);
    d.btnOk->click();
  });
  w->mmFormatProp->trigger();
  EXPECT_EQ(w->Settings().Dark.Deleted, (TVTextStyle{0x010101, fsBold, 0x020202}));
  EXPECT_EQ(w->Settings().Light, light) << "the light set is untouched";

  // "Вернуть стандартные" brings back the dark scheme's own defaults, not the light ones.
  WhenModal<TFormDorixCfg>([&](TFormDorixCfg &d) {
    d.btnDefaultColors->click();
    EXPECT_EQ(d.EditedStyles(), dark);
    d.btnCancel->click();
  });
  w->mmFormatProp->trigger();

  w->mmSchemeLight->trigger();
  WhenModal<TFormDorixCfg>([&](TFormDorixCfg &d) {
    EXPECT_EQ(d.gbColor->title(), " Цвет: ");
    EXPECT_EQ(d.EditedStyles(), light);
    d.btnCancel->click();
  });
  w->mmFormatProp->trigger();

  w->close();
  EXPECT_EQ(StoredValue("ColorScheme"), "1");
  EXPECT_EQ(StoredValue("StyleDeletedDark"), "($00010101,[B],$00020202)");
  EXPECT_EQ(StoredValue("StyleDeleted"), "($00000000,[],$00FF8800)");
  Start(Write("a", "x\r\n"), Write("b", "y\r\n"));
  EXPECT_TRUE(w->mmSchemeLight->isChecked()) << "the scheme chosen comes back";
  EXPECT_EQ(w->Settings().Dark.Deleted, (TVTextStyle{0x010101, fsBold, 0x020202}));
}

TEST_F(ColorScheme, FoundTextStaysVisibleInTheDarkScheme) {
  Start(Write("a", "find me here\r\n"), Write("b", "find me here\r\n"));
  w->mmSchemeDark->trigger();
  w->mm->MoveCaret(0, 0, false);
  w->mm->OpenFindDialog();
  w->mm->FindDialog()->edFind->setText(QStringLiteral("here"));
  w->mm->FindDialog()->btnFind->click();
  ASSERT_TRUE(w->mm->FoundActive());
  const QImage image = w->mm->viewport()->grab().toImage();
  const int y = w->mm->Geometry().LineHeight / 2;
  const auto found = std::ranges::count_if(std::views::iota(0, image.width()), [&](int x) {
    return (image.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
  });
  EXPECT_GT(found, 0) << "a white band over the found word on the dark ground";
}

} // namespace
