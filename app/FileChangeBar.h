// The bar above the text that says a compared file has changed on disk since it was read, with
// a button to compare afresh. Nothing is read again until the user asks.
#pragma once

#include "NoteBar.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QList>

class TFileChangeBar : public TNoteBar {
  Q_OBJECT

public:
  explicit TFileChangeBar(QWidget *parent = nullptr);

  // The files of the comparison that starts now, as they are now; the bar hides until one of
  // them changes. Empty names are left out.
  void Watch(const QStringList &files);
  // Looks at the files again; the watcher calls it, a test may too.
  void Check();

private:
  struct TWatched {
    QString Name;
    bool Exists = false;
    qint64 Size = 0;
    QDateTime Modified;
    bool operator==(const TWatched &) const = default;
  };
  static TWatched Stamp(const QString &name);
  void RewatchFiles();

  QFileSystemWatcher FWatcher;
  QList<TWatched> FFiles;
};
