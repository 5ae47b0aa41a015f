#include "SystemMessages.h"

#include <QCoreApplication>

#include <cerrno>
#include <utility>

namespace {

QString Tr(const char *text) {
  return QCoreApplication::translate("Dorix", text);
}

// The system error codes a compared file or a started program commonly fails with.
constexpr std::pair<int, const char *> kReasons[] = {
    {ENOENT, QT_TRANSLATE_NOOP("Dorix", "Нет такого файла или каталога")},
    {EACCES, QT_TRANSLATE_NOOP("Dorix", "Отказано в доступе")},
    {EPERM, QT_TRANSLATE_NOOP("Dorix", "Операция не позволена")},
    {EISDIR, QT_TRANSLATE_NOOP("Dorix", "Это каталог")},
    {ENOTDIR, QT_TRANSLATE_NOOP("Dorix", "Это не каталог")},
    {ELOOP, QT_TRANSLATE_NOOP("Dorix", "Слишком много уровней символьных ссылок")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("Dorix", "Слишком длинное имя файла")},
    {EIO, QT_TRANSLATE_NOOP("Dorix", "Ошибка ввода/вывода")},
    {EMFILE, QT_TRANSLATE_NOOP("Dorix", "Слишком много открытых файлов")},
    {ENFILE, QT_TRANSLATE_NOOP("Dorix", "Слишком много открытых файлов")},
    {ENOMEM, QT_TRANSLATE_NOOP("Dorix", "Невозможно выделить память")},
    {ENXIO, QT_TRANSLATE_NOOP("Dorix", "Нет такого устройства или адреса")},
};

} // namespace

QString SystemReason(int errorNumber, const std::string &fallback) {
  for (const auto &[code, reason] : kReasons)
    if (code == errorNumber)
      return Tr(reason);
  return QString::fromLocal8Bit(fallback.c_str());
}

QString LoadFailureTitle(const QString &name, const TLoadStatus &status) {
  return (status.Error == TLoadError::OpenFailed
              ? Tr(QT_TRANSLATE_NOOP("Dorix", "Не удаётся открыть файл %1"))
              : Tr(QT_TRANSLATE_NOOP("Dorix", "Не удаётся прочитать файл %1")))
      .arg(name);
}

QString LoadFailureReason(const TLoadStatus &status) {
  if (status.ErrorNumber != 0)
    return SystemReason(status.ErrorNumber, status.Reason);
  switch (status.Error) {
  case TLoadError::NotRegular:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "это не обычный файл"));
  case TLoadError::TooLarge:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "файлы от 2 ГиБ сравнить нельзя"));
  case TLoadError::Changed:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "файл изменился, пока его читали"));
  default:
    return QString::fromLocal8Bit(status.Reason.c_str());
  }
}

QString OutOfMemoryText() {
  return Tr(QT_TRANSLATE_NOOP("Dorix", "Недостаточно памяти"));
}
