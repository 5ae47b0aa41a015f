// The pairs of files compared last, newest first, as the "Файл" menu lists them and the per-user
// store keeps them (key RecentPairs: new and old name in turn).
#pragma once

#include <QList>
#include <QString>

class QSettings;

struct TRecentPair {
  QString Actual;   // the new version
  QString Obsolete; // the old version
  bool operator==(const TRecentPair &) const = default;
};

inline constexpr int kMaxRecentPairs = 8;
inline constexpr char kRecentPairsKey[] = "RecentPairs";

// What the store holds; an odd name out, empty names and pairs past the eighth are dropped.
QList<TRecentPair> LoadRecentPairs(QSettings &store);
void SaveRecentPairs(const QList<TRecentPair> &pairs, QSettings &store);

// The pair put first; the same pair further down goes, and the list keeps the newest eight.
void AddRecentPair(QList<TRecentPair> &pairs, const TRecentPair &pair);

// How the menu names a pair: "new.txt ↔ old.txt"; where both files have the same name, with
// their folders' names ("a/x.txt ↔ b/x.txt"); long names shortened in the middle.
QString RecentPairCaption(const TRecentPair &pair);
