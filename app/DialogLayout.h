// Placing controls at their design positions, in the design font, without clipping their text:
// a control whose text needs more room than its design size gets it.
#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

void SetDesignFont(QWidget &window); // "MS Sans Serif", 8 points
QLabel *PlaceLabel(QWidget *parent, const QString &text, int x, int y);
QPushButton *PlaceButton(QWidget *parent, const QString &text, int x, int y, int w, int h);
QCheckBox *PlaceCheckBox(QWidget *parent, const QString &text, int x, int y, int w, int h);
// Grows a window so that every child fits, keeping at least its design size.
void FitChildren(QWidget &window);
// Enter presses no button of the window: Qt makes a dialog's push buttons default on focus.
void NoDefaultButton(QWidget &window);
