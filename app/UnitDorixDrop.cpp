// Files dropped on the main window: one on a file's caption replaces that file, two on the text
// are the new and the old version, in the order dropped. Anything else is refused with a
// message that says what the window takes.
#include "UnitDorix.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

// What a drop on a caption or on the text asks for: its files, or a message that refuses it.
QString DropRefusal(const QMimeData &data, bool onCaption, QStringList &files) {
  const QString what =
      onCaption ? QCoreApplication::translate("Dorix", "На имя файла можно перетащить один файл.")
                : QCoreApplication::translate(
                      "Dorix", "На текст можно перетащить два файла или две папки: сначала "
                               "новую версию, затем старую.");
  int folders = 0; // two dropped on the text may be two folders to compare
  for (const QUrl &url : data.urls()) {
    if (!url.isLocalFile())
      return what;
    files << url.toLocalFile();
    folders += QFileInfo(files.back()).isDir();
  }
  if (files.size() != (onCaption ? 1 : 2))
    return what;
  if (folders > 0 && folders < 2) // a folder on a caption, or beside a file
    for (const QString &name : files)
      if (QFileInfo(name).isDir())
        return QCoreApplication::translate("Dorix", "%1 - папка, а не файл.").arg(name);
  return {};
}

} // namespace

void TfrmDorix::dragEnterEvent(QDragEnterEvent *event) {
  // Everything is let in: what the window cannot take is refused on the drop, with a message.
  if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
    event->acceptProposedAction();
}

void TfrmDorix::dragMoveEvent(QDragMoveEvent *event) {
  event->acceptProposedAction();
}

void TfrmDorix::dropEvent(QDropEvent *event) {
  // A caption's colour swatch belongs to it.
  const QWidget *target = childAt(event->position().toPoint());
  const bool onActual = target == edActualCaption || target == stActual;
  const bool onObsolete = target == edObsoleteCaption || target == stObsolete;
  QStringList files;
  const QString refusal = DropRefusal(*event->mimeData(), onActual || onObsolete, files);
  event->acceptProposedAction();
  // The file manager waits until the drop returns: the message or the comparison come after.
  QTimer::singleShot(0, this, [this, refusal, files, onActual, onObsolete] {
    if (!refusal.isEmpty()) {
      ShowMessage(refusal, {});
      return;
    }
    ForceFullComparison(); // a file dropped again is read again
    if (onActual)
      OpenPair(files[0], FRequested.ObsoletePFN);
    else if (onObsolete)
      OpenPair(FRequested.ActualPFN, files[0]);
    else
      OpenPair(files[0], files[1]);
  });
}
