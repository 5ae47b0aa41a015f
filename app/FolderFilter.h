// The entries of a folder comparison a person asked to see: each kind of state can be hidden,
// and a folder shows while anything below it shows (or, identical, while identical ones do).
#pragma once

#include "FolderModel.h"

#include <QSortFilterProxyModel>

// What the tool bar's toggles hide, one each.
enum TFolderShown : int { fsnIdentical, fsnDifferent, fsnOnlyNew, fsnOnlyOld, fsnNotCompared };
constexpr int kFolderShownCount = 5;

class TFolderFilter : public QSortFilterProxyModel {
  Q_OBJECT

public:
  explicit TFolderFilter(TFolderModel *source, QObject *parent = nullptr);

  void SetHidden(TFolderShown kind, bool hidden);
  bool Hidden(TFolderShown kind) const { return FHidden[kind]; }

protected:
  bool filterAcceptsRow(int row, const QModelIndex &parent) const override;

private:
  TFolderModel *FSource;
  bool FHidden[kFolderShownCount] = {};
};
