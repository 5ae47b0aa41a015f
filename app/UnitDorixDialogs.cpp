// The main window's side of its dialogs: choosing the files, the settings, help and about.
#include "FolderEntry.h"
#include "UnitDorix.h"

#include "FormDorixCfgUnit.h"
#include "FormDorixOpenUnit.h"
#include "HelpFile.h"
#include "UnitDorixAbout.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QUrl>

namespace {

// Leading and trailing blanks and control characters go; inner ones stay.
QString TrimName(const QString &name) {
  qsizetype first = 0, last = name.size();
  while (first < last && name[first].unicode() <= u' ')
    ++first;
  while (last > first && name[last - 1].unicode() <= u' ')
    --last;
  return name.mid(first, last - first);
}

} // namespace

void TfrmDorix::btnOpenClick() {
  TFormDorixOpen dialog(Platform); // one per use, owned by no window
  dialog.edObsoletePFN->setText(FRequested.ObsoletePFN);
  dialog.edActualPFN->setText(FRequested.ActualPFN);
  if (dialog.exec() != QDialog::Accepted)
    return;
  OpenPair(TrimName(dialog.edActualPFN->text()), TrimName(dialog.edObsoletePFN->text()));
}

void TfrmDorix::OpenPair(const QString &actual, const QString &obsolete) {
  FFolderEntry = kNoEntry; // a pair chosen for itself, not from the folders shown
  ChangeObsoletePFN(obsolete);
  SetObsoleteCaption(FRequested.ObsoletePFN);
  ChangeActualPFN(actual);
  SetActualCaption(FRequested.ActualPFN);
  CompareFiles();
  LayoutCaptions();
  GoToFirstDiffIfSimilar();
}

void TfrmDorix::mmFormatPropClick() {
  TFormDorixCfg dialog(Platform, this);
  // The set shown is the one written back, should the desktop turn meanwhile.
  const bool dark = FSettings.DrawsDark(DarkDesktop());
  dialog.ShowStyles(dark ? FSettings.Dark : FSettings.Light, dark, mm->font());
  dialog.UpDownFontSize->SetPosition(
      FSettings.FontSize); // the field follows, and sizes the samples
  dialog.UpDownTabWidth->SetPosition(FSettings.TabWidth);
  dialog.chkKeepFormPlace->setChecked(FSettings.KeepFormPlace);
  dialog.chkKeepModes->setChecked(FSettings.KeepModes);
  if (dialog.exec() != QDialog::Accepted)
    return; // Cancel: every setting stays as it was

  FSettings.FontSize = dialog.UpDownFontSize->Position(); // typed text only when it was valid
  FSettings.TabWidth = dialog.UpDownTabWidth->Position();
  (dark ? FSettings.Dark : FSettings.Light) = dialog.EditedStyles();
  FSettings.KeepFormPlace = dialog.chkKeepFormPlace->isChecked();
  FSettings.KeepModes = dialog.chkKeepModes->isChecked();
  ApplyStyles();
  ForceFullComparison();
  CompareFiles();
}

QStringList TfrmDorix::HelpCommand(const QString &topic, QString &path) const {
  const QString file = FindHelpFile(QCoreApplication::applicationDirPath());
  path = topic.isEmpty() ? file : file + QStringLiteral("::") + topic;
#ifdef Q_OS_WIN
  return {QStringLiteral("hh.exe"), path};
#else
  // The viewer here takes a topic as file:NAME#xchm:TOPIC, and renders a page as HTML only
  // under the .html ending, which the help file holds beside every .htm page.
  QString page = topic;
  if (page.endsWith(QStringLiteral(".htm")))
    page += QLatin1Char('l');
  const QString argument =
      topic.isEmpty() ? file : QStringLiteral("file:") + file + QStringLiteral("#xchm:") + page;
  return {QStringLiteral("xchm"), argument};
#endif
}

void TfrmDorix::OpenHelp(const QString &topic) {
  QString path, error;
  const QStringList command = HelpCommand(topic, path);
  if (Platform.StartProgram(command[0], command.mid(1), error))
    return;
  // No viewer for the help file: its pages themselves in the desktop's browser.
  const QString pages = FindHelpPages(QCoreApplication::applicationDirPath());
  if (pages.isEmpty()) {
    ShowMessage(QCoreApplication::translate("Dorix", "Не могу открыть ") + path +
                    QStringLiteral(":\r\n") + error,
                {});
    return;
  }
  Platform.OpenUrl(
      QUrl::fromLocalFile(pages + (topic.isEmpty() ? QStringLiteral("/index.htm") : topic)));
  ShowMessage(QCoreApplication::translate(
                  "Dorix", "Не найдена программа просмотра справки %1: справка открыта в браузере.")
                  .arg(command[0]),
              {});
}

void TfrmDorix::mmHelpAboutClick() {
  TFormDorixAbout about(Platform, this);
  about.exec();
}
