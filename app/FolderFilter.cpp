#include "FolderFilter.h"

TFolderFilter::TFolderFilter(TFolderModel *source, QObject *parent)
    : QSortFilterProxyModel(parent), FSource(source) {
  setSourceModel(source);
  setRecursiveFilteringEnabled(true); // a folder shows while anything below it does
  setDynamicSortFilter(true);
}

void TFolderFilter::SetHidden(TFolderShown kind, bool hidden) {
  if (FHidden[kind] == hidden)
    return;
  FHidden[kind] = hidden;
  invalidateRowsFilter();
}

bool TFolderFilter::filterAcceptsRow(int row, const QModelIndex &parent) const {
  const TFolderEntry &e = FSource->Tree()[TFolderModel::EntryOf(FSource->index(row, 0, parent))];
  switch (e.State) {
  case TFolderState::Pending:
    return true; // not known yet
  case TFolderState::Identical:
    return !FHidden[fsnIdentical];
  case TFolderState::Different:
    return !FHidden[fsnDifferent];
  case TFolderState::OnlyNew:
    return !FHidden[fsnOnlyNew];
  case TFolderState::OnlyOld:
    return !FHidden[fsnOnlyOld];
  case TFolderState::Folder: // with differences, it shows through what differs below it
    return !e.DiffersBelow && !FHidden[fsnIdentical];
  default:
    return !FHidden[fsnNotCompared];
  }
}
