#include "HelpFile.h"

#include <QDir>
#include <QFileInfo>

QString FindHelpFile(const QString &programDir) {
  const QDir dir(programDir);
  const QString beside = dir.filePath(QStringLiteral("dorix.chm"));
  const QString installed =
      QDir::cleanPath(dir.filePath(QStringLiteral("../share/dorix/dorix.chm")));
  return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}

QString FindHelpPages(const QString &programDir) {
  const QDir dir(programDir);
  for (const QString &folder :
       {dir.filePath(QStringLiteral("help-pages")),
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/dorix/help")))})
    if (QFileInfo::exists(folder + QStringLiteral("/index.htm")))
      return folder;
  return {};
}
