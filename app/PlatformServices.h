// The platform's own dialogs and programs that the windows call on, behind one seam: a test puts
// its own functions here instead of blocking on a real dialog or starting a real program.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

class QWidget;

struct TPlatformServices {
  // The chosen file's full name, or nothing when the user cancels.
  std::function<std::optional<QString>(QWidget *parent, const QString &title,
                                       const QString &preset)>
      OpenFile;
  // The name to save a file under, or nothing when the user cancels; the dialog has asked
  // before it names a file that exists.
  std::function<std::optional<QString>(QWidget *parent, const QString &title,
                                       const QString &preset)>
      SaveFile;
  // The chosen colour, or nothing when the user cancels.
  std::function<std::optional<QColor>(QWidget *parent, const QColor &preset)> ChooseColor;
  // Starts a program without waiting for it; on failure false, with the system's words in error.
  std::function<bool(const QString &program, const QStringList &arguments, QString &error)>
      StartProgram;
  // Opens a web page with the desktop's default handler.
  std::function<void(const QUrl &url)> OpenUrl;

  static TPlatformServices Real();
};
