// The settings dialog: the text styles as sample fields (the four kinds of text, and shared
// text whose bytes differ only in what the comparison looks past), the font size, the tab width
// of UTF-8 text and what is kept at exit.
#pragma once

#include "PlatformServices.h"
#include "Settings.h"

#include <QDialog>

#include <array>
#include <utility>

class QCheckBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TFormDorixTextCfg;
class TUpDown;

class TFormDorixCfg : public QDialog {
public:
  TFormDorixCfg(const TPlatformServices &platform, QWidget *parent = nullptr);

  // The styles of one colour scheme in the sample fields, in the viewer's font; the group names
  // the dark scheme when it is the one edited, and "restore the defaults" gives its own.
  void ShowStyles(const TStyleSet &styles, bool dark, const QFont &font);
  TStyleSet EditedStyles() const;
  void EditStyle(QLineEdit &field);
  void btnDefaultColorsClick();
  void edFontSizeChange(const QString &text);
  // The sample fields in their order on the dialog.
  static constexpr int kSampleCount = 6;
  QLineEdit *Samples(int i) const;

  QGroupBox *gbColor;
  QLineEdit *edColorInserted, *edColorDeleted, *edColorEqual, *edColorUpdated, *edColorIgnored,
      *edColorMoved;
  QPushButton *btnChangeColorInserted, *btnChangeColorDeleted, *btnChangeColorEqual,
      *btnChangeColorUpdated, *btnChangeColorIgnored, *btnChangeColorMoved, *btnDefaultColors;
  QCheckBox *chkKeepFormPlace, *chkKeepModes;
  QPushButton *btnOk, *btnCancel;
  QLabel *Label1;
  QLineEdit *edFontSize;
  TUpDown *UpDownFontSize;
  QLabel *lblTabWidth;
  QLineEdit *edTabWidth;
  TUpDown *UpDownTabWidth;
  TFormDorixTextCfg *FormDorixTextCfg; // shared by the change buttons; a child dialog

private:
  // Each sample field with the style of the set it shows.
  std::array<std::pair<QLineEdit *, TVTextStyle TStyleSet::*>, 6> StyleFields() const;
  bool FDark = false;

protected:
  void showEvent(QShowEvent *event) override;
};

// A spin control bound to a text field: steps of 1 within its range, no wrap-around. Its
// position follows the field only while the field holds a whole number in range.
class TUpDown : public QWidget {
public:
  TUpDown(QLineEdit *buddy, int min, int max, QWidget *parent);
  int Position() const { return FPosition; }
  void SetPosition(int position);
  void Step(int delta);

private:
  QLineEdit *FBuddy;
  int FMin, FMax, FPosition;
};
