#include "FolderModel.h"

#include "ColorValue.h"
#include "EscapedName.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>

namespace {

// A file of a pair not compared yet: its size and time come when it is opened.
const QString kNotYet = QStringLiteral("\u2026");

QString SizeText(const TEntrySide &side) {
  if (side.Kind != TEntryKind::File)
    return QStringLiteral("\u2014");
  return side.Stated ? QLocale().toString(static_cast<qulonglong>(side.Size)) : kNotYet;
}

QString TimeText(const TEntrySide &side) {
  if (side.Kind == TEntryKind::Missing || side.Kind == TEntryKind::Unreadable)
    return QStringLiteral("\u2014");
  if (!side.Stated)
    return kNotYet;
  return QDateTime::fromSecsSinceEpoch(side.Modified).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// Both sides in one column: the new one, then the old one.
QString BothSides(const TFolderEntry &e, QString (*text)(const TEntrySide &)) {
  return text(e.New) + QStringLiteral(" / ") + text(e.Old);
}

} // namespace

TFolderModel::TFolderModel(QObject *parent) : QAbstractItemModel(parent) {}

void TFolderModel::Clear() {
  beginResetModel();
  FTree = TFolderTree();
  endResetModel();
}

void TFolderModel::SetStyles(const TFolderStyles &styles) {
  FStyles = styles;
  if (!FTree.Entries().empty())
    emit dataChanged(index(0, 0), index(rowCount() - 1, fcCount - 1));
}

void TFolderModel::Listed(std::uint32_t parent, std::vector<TFolderEntry> entries) {
  if (entries.empty()) {
    FTree.Listed(parent, std::move(entries));
    return;
  }
  const QModelIndex at = parent == kNoEntry ? QModelIndex() : IndexOf(parent);
  beginInsertRows(at, 0, static_cast<int>(entries.size()) - 1);
  FTree.Listed(parent, std::move(entries));
  endInsertRows();
  // The folders above a difference among them may show it now.
  for (std::uint32_t up = parent; up != kNoEntry; up = FTree[up].Parent)
    emit dataChanged(IndexOf(up), IndexOf(up, fcCount - 1));
}

void TFolderModel::Settled(std::uint32_t entry, TSettled settled) {
  FTree.Settled(entry, std::move(settled));
  for (std::uint32_t e = entry; e != kNoEntry; e = FTree[e].Parent)
    emit dataChanged(IndexOf(e), IndexOf(e, fcCount - 1));
}

QModelIndex TFolderModel::IndexOf(std::uint32_t entry, int column) const {
  const std::uint32_t parent = FTree[entry].Parent;
  return createIndex(static_cast<int>(entry - FTree.FirstChild(parent)), column, entry);
}

QModelIndex TFolderModel::index(int row, int column, const QModelIndex &parent) const {
  const std::uint32_t p = parent.isValid() ? EntryOf(parent) : kNoEntry;
  if (row < 0 || column < 0 || column >= fcCount ||
      row >= static_cast<int>(FTree.Children(p).size()))
    return {};
  return createIndex(row, column, FTree.FirstChild(p) + static_cast<std::uint32_t>(row));
}

QModelIndex TFolderModel::parent(const QModelIndex &child) const {
  if (!child.isValid())
    return {};
  const std::uint32_t p = FTree[EntryOf(child)].Parent;
  return p == kNoEntry ? QModelIndex() : IndexOf(p);
}

int TFolderModel::rowCount(const QModelIndex &parent) const {
  if (parent.column() > 0)
    return 0;
  return static_cast<int>(FTree.Children(parent.isValid() ? EntryOf(parent) : kNoEntry).size());
}

int TFolderModel::columnCount(const QModelIndex &) const {
  return fcCount;
}

QString TFolderModel::StateText(const TFolderEntry &e) {
  switch (e.State) {
  case TFolderState::Pending:
    return QCoreApplication::translate("Dorix", "сравнивается");
  case TFolderState::Identical:
    return QCoreApplication::translate("Dorix", "одинаковы");
  case TFolderState::Different:
    return QCoreApplication::translate("Dorix", "различаются");
  case TFolderState::OnlyNew:
    return QCoreApplication::translate("Dorix", "только в новой");
  case TFolderState::OnlyOld:
    return QCoreApplication::translate("Dorix", "только в старой");
  case TFolderState::Folder:
    return e.DiffersBelow ? QCoreApplication::translate("Dorix", "папка, есть различия")
                          : QCoreApplication::translate("Dorix", "папка, одинаковы");
  case TFolderState::NotRegular:
    return QCoreApplication::translate("Dorix", "не сравнить: %1")
        .arg(QString::fromStdString(EscapedName(e.Reason)));
  case TFolderState::Unreadable:
    return QCoreApplication::translate("Dorix", "не читается: %1")
        .arg(QString::fromStdString(EscapedName(e.Reason)));
  }
  return {};
}

const TVTextStyle &TFolderModel::StyleOf(const TFolderEntry &e) const {
  switch (e.State) {
  case TFolderState::OnlyNew:
    return FStyles.Inserted;
  case TFolderState::OnlyOld:
    return FStyles.Deleted;
  case TFolderState::Different:
    return FStyles.Updated;
  case TFolderState::Folder:
    return e.DiffersBelow ? FStyles.Updated : FStyles.Equal;
  default:
    return FStyles.Equal;
  }
}

QVariant TFolderModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid())
    return {};
  const TFolderEntry &e = FTree[EntryOf(index)];
  const TVTextStyle &style = StyleOf(e);
  const QPalette palette = QGuiApplication::palette();
  switch (role) {
  case Qt::DisplayRole:
    switch (index.column()) {
    case fcName:
      return QString::fromStdString(EscapedName(e.Name()));
    case fcState:
      return StateText(e);
    case fcSize:
      return BothSides(e, SizeText);
    default:
      return BothSides(e, TimeText);
    }
  case Qt::ToolTipRole:
    return QString::fromStdString(EscapedName(e.Path));
  case Qt::BackgroundRole:
    return ToQColor(style.BkgColor, palette);
  case Qt::ForegroundRole:
    return ToQColor(style.FontColor, palette);
  case Qt::FontRole: {
    QFont font;
    font.setBold(style.FontStyle & fsBold);
    font.setItalic(style.FontStyle & fsItalic);
    return font;
  }
  case Qt::TextAlignmentRole:
    return index.column() >= fcSize ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
  default:
    return {};
  }
}

QVariant TFolderModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return {};
  const char *const titles[] = {QT_TRANSLATE_NOOP("Dorix", "Имя"),
                                QT_TRANSLATE_NOOP("Dorix", "Состояние"),
                                QT_TRANSLATE_NOOP("Dorix", "Размер: новый / старый"),
                                QT_TRANSLATE_NOOP("Dorix", "Изменён: новый / старый")};
  return QCoreApplication::translate("Dorix", titles[section]);
}
