#include "FileChangeBar.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>

#include <algorithm>

TFileChangeBar::TFileChangeBar(QWidget *parent)
    : TNoteBar(QCoreApplication::translate("Dorix", "Обновить"),
               QCoreApplication::translate("Dorix", "Обновить  F5"), parent) {
  // An editor that saves by writing a new file and renaming it over the old one ends the
  // file's watch; the folder's watch sees the new one arrive.
  connect(&FWatcher, &QFileSystemWatcher::fileChanged, this, &TFileChangeBar::Check);
  connect(&FWatcher, &QFileSystemWatcher::directoryChanged, this, &TFileChangeBar::Check);
}

TFileChangeBar::TWatched TFileChangeBar::Stamp(const QString &name) {
  const QFileInfo info(name);
  return {name, info.exists(), info.exists() ? info.size() : 0,
          info.exists() ? info.lastModified() : QDateTime()};
}

void TFileChangeBar::Watch(const QStringList &files) {
  hide();
  FFiles.clear();
  if (!FWatcher.files().isEmpty())
    FWatcher.removePaths(FWatcher.files());
  if (!FWatcher.directories().isEmpty())
    FWatcher.removePaths(FWatcher.directories());
  for (const QString &name : files) {
    if (name.isEmpty() || std::any_of(FFiles.begin(), FFiles.end(),
                                      [&](const TWatched &w) { return w.Name == name; }))
      continue; // a file compared with itself is one file
    FFiles.append(Stamp(name));
    const QString folder = QFileInfo(name).absolutePath();
    if (QFileInfo(folder).isDir() && !FWatcher.directories().contains(folder))
      FWatcher.addPath(folder);
  }
  RewatchFiles();
}

void TFileChangeBar::RewatchFiles() {
  for (const TWatched &file : FFiles)
    if (QFileInfo::exists(file.Name) && !FWatcher.files().contains(file.Name))
      FWatcher.addPath(file.Name);
}

void TFileChangeBar::Check() {
  RewatchFiles();
  QStringList changed;
  bool gone = false;
  for (const TWatched &file : FFiles) {
    const TWatched now = Stamp(file.Name);
    if (now == file)
      continue;
    changed << file.Name;
    gone = !now.Exists;
  }
  if (changed.isEmpty())
    return;
  if (changed.size() == 2)
    lblMessage->setText(QCoreApplication::translate("Dorix", "Оба файла изменились на диске."));
  else
    lblMessage->setText((gone ? QCoreApplication::translate("Dorix", "Файл %1 удалён с диска.")
                              : QCoreApplication::translate("Dorix", "Файл %1 изменился на диске."))
                            .arg(QFileInfo(changed[0]).fileName()));
  lblMessage->setToolTip(changed.join(QLatin1Char('\n')));
  show();
}
