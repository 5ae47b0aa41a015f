// The folder view: two folders compared on a thread of their own, their entries as a tree that
// fills in while the comparison runs, tool bar toggles that hide kinds of entries, and the
// comparison's progress with a button that stops it.
#pragma once

#include "BackgroundTask.h"
#include "FolderComparison.h"
#include "FolderFeed.h"
#include "FolderFilter.h"
#include "FolderModel.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QProgressBar;
class QToolBar;
class QToolButton;
class QTreeView;

class TFolderView : public QWidget {
  Q_OBJECT

public:
  explicit TFolderView(QWidget *parent = nullptr);
  ~TFolderView() override;

  // Compares the two folders, unless they are the ones shown, under the same choices, and not
  // asked afresh.
  void Compare(const QString &newFolder, const QString &oldFolder, const TFolderChoices &choices,
               bool afresh);
  void Stop();
  // The comparison runs, or what it found is still being taken into the tree.
  bool Running() const { return FTask.Running() || FFinishing; }
  QString NewFolder() const { return FNewFolder; }
  QString OldFolder() const { return FOldFolder; }
  const TFolderTree &Result() const { return FModel.Tree(); }
  // The entries in the styles of their states, on the shared text's ground.
  void SetStyles(const TFolderStyles &styles);

  // The entry selected, or kNoEntry.
  std::uint32_t Current() const;
  // Selects an entry, its folders opened above it.
  void Select(std::uint32_t entry);
  void SetHidden(TFolderShown kind, bool hidden);
  bool Hidden(TFolderShown kind) const { return FFilter.Hidden(kind); }
  // "Одинаковых: 3, различающихся: 1, ..." as the status bar shows it.
  QString CountsText() const;
  // Why the two folders could not be compared; empty when they could.
  QString Error() const { return FError; }

  QTreeView *Tree;
  QToolBar *ToolBar;
  QAction *actHidden[kFolderShownCount];
  QProgressBar *Progress;
  QToolButton *btnStop;
  QLabel *lblProgress;

signals:
  // A file, or a pair of files, chosen to be compared: Enter or a double click.
  void EntryOpened(std::uint32_t entry);
  // The counts or the progress changed, or the comparison ended.
  void StatusChanged();

private:
  void TakeEntries();
  void Open(const QModelIndex &index);
  void Done(std::exception_ptr failure);
  void Finish();
  void ShowRunning(bool running);

  TFolderModel FModel;
  TFolderFilter FFilter{&FModel};
  QString FNewFolder, FOldFolder;
  TFolderChoices FChoices;
  std::shared_ptr<TFolderFeed> FFeed;
  std::shared_ptr<TFolderProgress> FProgress;
  QString FError;              // why the two folders could not be compared
  bool FFinishing = false;     // the comparison ended; its last entries are being taken
  QTimer FTake;                // takes the entries handed out meanwhile
  QList<QAction *> FRunning;   // the progress, its words and the stop button
  TBackgroundTask FTask{this}; // last: stopped and joined before the rest goes
};
