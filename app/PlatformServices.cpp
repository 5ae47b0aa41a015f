#include "PlatformServices.h"

#include "SystemMessages.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

TPlatformServices TPlatformServices::Real() {
  TPlatformServices s;
  s.OpenFile = [](QWidget *parent, const QString &title,
                  const QString &preset) -> std::optional<QString> {
    const QString name = QFileDialog::getOpenFileName(
        parent, title, preset, QCoreApplication::translate("Dorix", "Все файлы (*)"));
    if (name.isEmpty())
      return std::nullopt;
    return name;
  };
  s.SaveFile = [](QWidget *parent, const QString &title,
                  const QString &preset) -> std::optional<QString> {
    const QString name = QFileDialog::getSaveFileName(
        parent, title, preset,
        QCoreApplication::translate("Dorix", "Страницы HTML (*.html *.htm)"));
    if (name.isEmpty())
      return std::nullopt;
    return name;
  };
  s.ChooseColor = [](QWidget *parent, const QColor &preset) -> std::optional<QColor> {
    const QColor color = QColorDialog::getColor(preset, parent);
    if (!color.isValid())
      return std::nullopt;
    return color;
  };
  s.StartProgram = [](const QString &program, const QStringList &arguments, QString &error) {
    if (QStandardPaths::findExecutable(program).isEmpty()) {
      error = SystemReason(ENOENT, std::strerror(ENOENT));
      return false;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (process.startDetached())
      return true;
    error = process.errorString();
    return false;
  };
  s.OpenUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
  return s;
}
