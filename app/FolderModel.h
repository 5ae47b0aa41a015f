// The entries of a folder comparison as a tree for a view: name, state, sizes and times of both
// sides, each state in the text style of its kind. It takes the comparison's entries as they
// come, so that a big tree fills in while it runs.
#pragma once

#include "FolderTree.h"
#include "TextStyle.h"

#include <QAbstractItemModel>

#include <array>

enum TFolderColumn : int { fcName, fcState, fcSize, fcModified, fcCount };

// The styles the states are drawn in: identical, only new, only old, different.
struct TFolderStyles {
  TVTextStyle Equal, Inserted, Deleted, Updated;
};

class TFolderModel : public QAbstractItemModel, public TFolderSink {
  Q_OBJECT

public:
  explicit TFolderModel(QObject *parent = nullptr);

  // A new comparison: no entries.
  void Clear();
  void SetStyles(const TFolderStyles &styles);
  const TFolderTree &Tree() const { return FTree; }

  // The comparison's entries, taken on the model's thread.
  void Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) override;
  void Settled(std::uint32_t entry, TSettled settled) override;

  QModelIndex IndexOf(std::uint32_t entry, int column = 0) const;
  static std::uint32_t EntryOf(const QModelIndex &index) {
    return static_cast<std::uint32_t>(index.internalId());
  }
  // The words for an entry's state, as the state column shows them.
  static QString StateText(const TFolderEntry &entry);

  QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
  QModelIndex parent(const QModelIndex &child) const override;
  int rowCount(const QModelIndex &parent = {}) const override;
  int columnCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

private:
  const TVTextStyle &StyleOf(const TFolderEntry &entry) const;

  TFolderTree FTree;
  TFolderStyles FStyles;
};
