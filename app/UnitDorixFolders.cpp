// The main window's side of comparing two folders: the folder view instead of the text, a file
// of it opened in the window and back, and the walk through the files that differ.
#include "Exclusions.h"
#include "FileChangeBar.h"
#include "FileNames.h"
#include "FolderListing.h"
#include "FolderView.h"
#include "FormOnlyBar.h"
#include "UnitDorix.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// An entry's file inside one of the two folders.
QString FolderPathOf(const QString &folder, const std::string &path) {
  return DecodeFileName(EncodeFileName(folder) + '/' + QByteArray::fromStdString(path));
}

} // namespace

void TfrmDorix::BuildFolderView(QWidget *parent) {
  FolderView = new TFolderView(parent);
  FolderView->hide();
  connect(FolderView->actHidden[fsnIdentical], &QAction::toggled, this, [this](bool on) {
    if (FSettings.FolderHideIdentical == on)
      return; // as stored: the window applying it
    FSettings.FolderHideIdentical = on;
    SaveSettingsNow();
  });
  connect(FolderView, &TFolderView::EntryOpened, this, &TfrmDorix::OpenFolderEntry);
  connect(FolderView, &TFolderView::StatusChanged, this, [this] {
    if (FolderShown())
      SetStatusText(spStatus, FolderView->CountsText());
  });
}

bool TfrmDorix::FolderPairRequested() const {
  const auto folder = [](const QString &name) {
    return !name.isEmpty() && IsFolder(EncodeFileName(name).toStdString());
  };
  return folder(FRequested.ActualPFN) && folder(FRequested.ObsoletePFN);
}

bool TfrmDorix::FolderShown() const {
  return !FolderView->isHidden();
}

void TfrmDorix::ShowFolderPanes(bool folders) {
  FolderView->setVisible(folders);
  mm->setVisible(!folders);
  if (folders) {
    ChangeBar->hide();
    FormOnlyBar->hide();
  }
  const bool fromFolders = !folders && FFolderEntry != kNoEntry;
  actBackToFolders->setVisible(fromFolders);
  mmBackToFolders->setEnabled(fromFolders);
  mmNextDiffFile->setEnabled(!FolderView->NewFolder().isEmpty() && (folders || fromFolders));
  mmPrevDiffFile->setEnabled(mmNextDiffFile->isEnabled());
  UpdateTitle();
}

void TfrmDorix::ShowFolders(bool afresh) {
  const QString actual = FRequested.ActualPFN, obsolete = FRequested.ObsoletePFN;
  TFolderChoices choices;
  choices.Exclude = SplitPatterns(FSettings.FolderExclude.toStdString());
  choices.Ignore = FRequested.Choices.Ignore;
  FolderView->Compare(actual, obsolete, choices, afresh);
  FFolderEntry = kNoEntry;
  SetActualCaption(actual);
  SetObsoleteCaption(obsolete);
  LayoutCaptions();
  ShowFolderPanes(true);
  RememberPair(actual, obsolete);
  UpdateStatus();
  FolderView->Tree->setFocus();
}

void TfrmDorix::OpenFolderEntry(std::uint32_t entry) {
  const TFolderEntry &e = FolderView->Result()[entry];
  // A file on one side only is compared with an empty one.
  const QString actual =
      e.New.Kind == TEntryKind::Missing ? QString() : FolderPathOf(FolderView->NewFolder(), e.Path);
  const QString obsolete =
      e.Old.Kind == TEntryKind::Missing ? QString() : FolderPathOf(FolderView->OldFolder(), e.Path);
  FolderView->Select(entry);
  FFolderEntry = entry; // before the captions, which name it in the title
  ChangeActualPFN(actual);
  SetActualCaption(actual);
  ChangeObsoletePFN(obsolete);
  SetObsoleteCaption(obsolete);
  CompareFiles(); // the text comes back in place of the folders
  LayoutCaptions();
  GoToFirstDiffIfSimilar();
  mm->setFocus();
}

void TfrmDorix::BackToFolders() {
  if (FFolderEntry == kNoEntry || FolderShown())
    return;
  ChangeActualPFN(FolderView->NewFolder());
  ChangeObsoletePFN(FolderView->OldFolder());
  CompareFiles(); // the same folders: shown as they were left
}

void TfrmDorix::StepDifferentFile(int direction) {
  if (FolderView->NewFolder().isEmpty() || (!FolderShown() && FFolderEntry == kNoEntry))
    return;
  const std::uint32_t from = FolderShown() ? FolderView->Current() : FFolderEntry;
  const std::uint32_t next = FolderView->Result().StepToDifferentFile(from, direction);
  if (next == kNoEntry) {
    SetStatusText(spStatus,
                  QCoreApplication::translate("Dorix", "Других различающихся файлов нет."));
    return;
  }
  OpenFolderEntry(next);
}
