// The bar above the text that says the files differ only in their form (line ends, spaces,
// letter case), with a button that has the comparison look past it.
#pragma once

#include "CompareStatus.h"
#include "ComparedForm.h"
#include "NoteBar.h"

// What a verdict says the files differ in, to look past; nothing for a verdict about anything
// else.
TIgnoreChoices FormOf(TCompareStatus verdict);

class TFormOnlyBar : public TNoteBar {
  Q_OBJECT

public:
  explicit TFormOnlyBar(QWidget *parent = nullptr);

  // Shows the verdict while the choices do not yet look past the form it names; hides
  // otherwise.
  void Show(TCompareStatus verdict, const QString &verdictText, const TIgnoreChoices &choices);
};
