#include "TextStyle.h"
#include "VMemo.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

TVTextStyle Parsed(const char *s) {
  TVTextStyle style{1, 1, 1};
  EXPECT_TRUE(StrToTextStyle(QString::fromLatin1(s), style)) << s;
  return style;
}

TEST(TextStyleString, DefaultsFormatAsStored) {
  EXPECT_EQ(TextStyleToStr({0, 0, 0xC888FF}), "($00000000,[],$00C888FF)");
  EXPECT_EQ(TextStyleToStr({0, fsBold | fsItalic, 0xFFFFFF}), "($00000000,[BI],$00FFFFFF)");
  EXPECT_EQ(TextStyleToStr({clBtnFace, 0, 0}), "($8000000F,[],$00000000)");
}

TEST(TextStyleString, ParsesAndFormatsBack) {
  EXPECT_EQ(Parsed("($00000000,[],$00FFFFFF)"), (TVTextStyle{0, 0, 0xFFFFFF}));
  const TVTextStyle all = Parsed("($000000FF,[OUIB],$0000FFFF)");
  EXPECT_EQ(all, (TVTextStyle{0xFF, fsBold | fsItalic | fsUnderline | fsStrikeOut, 0xFFFF}));
  EXPECT_EQ(TextStyleToStr(all), "($000000FF,[BIUO],$0000FFFF)");
  EXPECT_EQ(Parsed("($0,BI,$ffffff)"), Parsed("($00000000,[BI],$00FFFFFF)"));
  EXPECT_EQ(Parsed("($8000000F,[BBB],$000000000000A)"), (TVTextStyle{clBtnFace, fsBold, 10}));
}

TEST(TextStyleString, RejectsWhatIsNotTheStoredForm) {
  for (const char *bad : {"($0,[],$0", "()", "", "($0;[];$0)", "($,[],$0)", "($0,[],$)",
                          "($0,[X],$0)", "($0,[],$0,$0)", "(0,[],$0)", "($100000000,[],$0)",
                          "($0,[],$0g)", "x($0,[],$0)", "($0)", "($0,[])"}) {
    TVTextStyle style{1, 2, 3};
    EXPECT_FALSE(StrToTextStyle(QString::fromLatin1(bad), style)) << bad;
    EXPECT_EQ(style, (TVTextStyle{1, 2, 3})) << "untouched by " << bad;
  }
}

TEST(TextStyleString, ColourAndFontStyleParts) {
  EXPECT_EQ(StrToColorValue("$FFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(StrToColorValue("$0000000000ff"), 0xFFu);
  EXPECT_FALSE(StrToColorValue("$"));
  EXPECT_FALSE(StrToColorValue("FF"));
  EXPECT_EQ(StrToFontStyle(""), 0);
  EXPECT_EQ(StrToFontStyle("[]"), 0);
  EXPECT_EQ(StrToFontStyle("U"), fsUnderline);
  EXPECT_FALSE(StrToFontStyle("[b]")); // lower case is not a style letter
}

TEST(TextStyleControls, SampleFieldCarriesTheStyleBothWays) {
  QLineEdit edit;
  const TVTextStyle style{0x123456, fsItalic | fsStrikeOut, clBtnFace};
  TextStyleToEdit(style, edit);
  EXPECT_TRUE(edit.font().italic());
  EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(0x56, 0x34, 0x12));
  TVTextStyle back;
  TextStyleFromEdit(edit, back);
  EXPECT_EQ(back, style) << "a system colour reads back as the system colour";
  SetEditColors(edit, 0, 0xFF);
  TextStyleFromEdit(edit, back);
  EXPECT_EQ(back, (TVTextStyle{0, fsItalic | fsStrikeOut, 0xFF}));
}

TEST(TextStyleControls, LabelsFontsAndPanels) {
  QLabel label;
  TextStyleToLabel({0xFF, fsBold, 0xFF00}, label);
  EXPECT_TRUE(label.font().bold());
  EXPECT_TRUE(label.autoFillBackground());
  EXPECT_EQ(label.palette().color(QPalette::Window), QColor(0, 255, 0));
  EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 0, 0));
  TVFont font;
  TextStyleToFont({0xFF0000, fsUnderline, 0}, font);
  EXPECT_EQ(font.Color, 0xFF0000u);
  EXPECT_TRUE(font.Font.underline());
  EXPECT_FALSE(font.Font.bold());
}

} // namespace
