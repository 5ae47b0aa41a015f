// The main window's recent pairs: the last eight pairs compared, listed in the "Файл" menu and
// kept per user.
#include "UnitDorix.h"

#include "GreyedItems.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <utility>

namespace {

// The first file (or folder) of the pair that is no longer there, or nothing.
QString MissingFile(const TRecentPair &pair) {
  for (const QString &name : {pair.Actual, pair.Obsolete})
    if (!QFileInfo(name).isFile() && !QFileInfo(name).isDir())
      return name;
  return {};
}

QString MissingFileText(const QString &name) {
  return QCoreApplication::translate("Dorix", "Нет файла %1").arg(name);
}

} // namespace

void TfrmDorix::BuildRecentMenu() {
  mmRecentSeparator = mmFile->addSeparator();
  mmRecentClear = mmFile->addAction(QCoreApplication::translate("Dorix", "О&чистить список"));
  connect(mmRecentClear, &QAction::triggered, this, &TfrmDorix::ClearRecentPairs);
  mmFile->setToolTipsVisible(true); // the full names of a pair
  DrawGreyedItems(*mmFile);
  // A file can go while the window is open: the menu looks again each time it opens.
  connect(mmFile, &QMenu::aboutToShow, this, &TfrmDorix::FillRecentMenu);
  FRecentPairs = LoadRecentPairs(*OpenUserStore());
  FillRecentMenu();
}

void TfrmDorix::FillRecentMenu() {
  // An item may be the one whose choice got here: it goes once its signal has returned.
  for (QAction *item : std::exchange(mmRecentItems, {})) {
    mmFile->removeAction(item);
    item->deleteLater();
  }
  for (int i = 0; i < FRecentPairs.size(); ++i) {
    const TRecentPair &pair = FRecentPairs[i];
    auto *item = new QAction(QStringLiteral("&%1 ").arg(i + 1) + RecentPairCaption(pair), mmFile);
    QString tip = QCoreApplication::translate("Dorix", "Новая версия: %1\nСтарая версия: %2")
                      .arg(pair.Actual, pair.Obsolete);
    const QString missing = MissingFile(pair);
    if (!missing.isEmpty()) // greyed, but it can be chosen: it then says why it does nothing
      tip += QLatin1Char('\n') + MissingFileText(missing);
    MarkGreyed(*item, !missing.isEmpty());
    item->setToolTip(tip);
    connect(item, &QAction::triggered, this, [this, i] { OpenRecentPair(i); });
    mmFile->insertAction(mmRecentClear, item);
    mmRecentItems.append(item);
  }
  mmRecentSeparator->setVisible(!FRecentPairs.isEmpty());
  mmRecentClear->setVisible(!FRecentPairs.isEmpty());
}

void TfrmDorix::OpenRecentPair(int index) {
  if (index < 0 || index >= FRecentPairs.size())
    return;
  const TRecentPair pair = FRecentPairs[index];
  const QString missing = MissingFile(pair);
  if (!missing.isEmpty()) {
    ShowMessage(MissingFileText(missing), {}); // the menu greys it the next time it opens
    return;
  }
  ForceFullComparison(); // chosen again: read afresh
  OpenPair(pair.Actual, pair.Obsolete);
}

void TfrmDorix::RememberPair(const QString &actual, const QString &obsolete) {
  if (actual.isEmpty() || obsolete.isEmpty())
    return;
  const TRecentPair pair{QFileInfo(actual).absoluteFilePath(),
                         QFileInfo(obsolete).absoluteFilePath()};
  // Another window may have added pairs since this one read the list: the store's list counts.
  const std::unique_ptr<QSettings> store = OpenUserStore();
  FRecentPairs = LoadRecentPairs(*store);
  AddRecentPair(FRecentPairs, pair);
  SaveRecentPairs(FRecentPairs, *store);
  FillRecentMenu();
}

void TfrmDorix::ClearRecentPairs() {
  FRecentPairs.clear();
  SaveRecentPairs(FRecentPairs, *OpenUserStore());
  FillRecentMenu();
}
