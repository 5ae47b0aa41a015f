#include "RecentPairs.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace {

constexpr qsizetype kMaxShownName = 40; // characters of one name in the menu

QString ShortName(const QString &path, bool withFolder) {
  const QFileInfo info(path);
  QString name = info.fileName();
  if (withFolder)
    name = info.dir().dirName() + QLatin1Char('/') + name;
  if (name.size() <= kMaxShownName)
    return name;
  const qsizetype half = (kMaxShownName - 1) / 2;
  return name.left(half) + QChar(0x2026) + name.right(kMaxShownName - 1 - half);
}

} // namespace

QList<TRecentPair> LoadRecentPairs(QSettings &store) {
  const QStringList names = store.value(QLatin1String(kRecentPairsKey)).toStringList();
  QList<TRecentPair> pairs;
  for (qsizetype i = 0; i + 1 < names.size() && pairs.size() < kMaxRecentPairs; i += 2)
    if (!names[i].isEmpty() && !names[i + 1].isEmpty())
      pairs.append({names[i], names[i + 1]});
  return pairs;
}

void SaveRecentPairs(const QList<TRecentPair> &pairs, QSettings &store) {
  QStringList names;
  for (const TRecentPair &pair : pairs)
    names << pair.Actual << pair.Obsolete;
  if (names.isEmpty())
    store.remove(QLatin1String(kRecentPairsKey));
  else
    store.setValue(QLatin1String(kRecentPairsKey), names);
  store.sync(); // kept at once: another window, or git's next file, reads it
}

void AddRecentPair(QList<TRecentPair> &pairs, const TRecentPair &pair) {
  pairs.removeAll(pair);
  pairs.prepend(pair);
  if (pairs.size() > kMaxRecentPairs)
    pairs.resize(kMaxRecentPairs);
}

QString RecentPairCaption(const TRecentPair &pair) {
  const bool sameName = QFileInfo(pair.Actual).fileName() == QFileInfo(pair.Obsolete).fileName();
  return ShortName(pair.Actual, sameName) + QStringLiteral(" \u2194 ") +
         ShortName(pair.Obsolete, sameName);
}
