#include "FormOnlyBar.h"

#include <QCoreApplication>
#include <QLabel>

TIgnoreChoices FormOf(TCompareStatus verdict) {
  TIgnoreChoices form;
  form.LineEnds = verdict == csOnlyLineEnds || verdict == csOnlySpacesAndLineEnds;
  form.SpaceChange = verdict == csOnlySpaces || verdict == csOnlySpacesAndLineEnds;
  form.Case = verdict == csOnlyCase;
  return form;
}

TFormOnlyBar::TFormOnlyBar(QWidget *parent)
    : TNoteBar(QCoreApplication::translate("Dorix", "Не различать"),
               QCoreApplication::translate("Dorix",
                                           "Сравнивать, не различая того, чем отличаются файлы"),
               parent) {}

void TFormOnlyBar::Show(TCompareStatus verdict, const QString &verdictText,
                        const TIgnoreChoices &choices) {
  const TIgnoreChoices form = FormOf(verdict);
  // All spaces looked past covers their number too.
  const bool lookedPast = (!form.LineEnds || choices.LineEnds) &&
                          (!form.SpaceChange || choices.SpaceChange || choices.AllSpace) &&
                          (!form.Case || choices.Case);
  if (!form.Any() || lookedPast) {
    hide();
    return;
  }
  lblMessage->setText(verdictText);
  show();
}
