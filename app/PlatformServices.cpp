#include "PlatformServices.h"

#include <QColorDialog>
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
    const QString name =
        QFileDialog::getOpenFileName(parent, title, preset, QStringLiteral("Все файлы (*)"));
    if (name.isEmpty())
      return std::nullopt;
    return name;
  };
  s.SaveFile = [](QWidget *parent, const QString &title,
                  const QString &preset) -> std::optional<QString> {
    const QString name = QFileDialog::getSaveFileName(
        parent, title, preset, QStringLiteral("Страницы HTML (*.html *.htm)"));
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
      error = QString::fromLocal8Bit(std::strerror(ENOENT));
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
