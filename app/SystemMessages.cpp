#include "SystemMessages.h"

#include <QCoreApplication>

#include <cerrno>

namespace {

QString Tr(const char *text) {
  return QCoreApplication::translate("Dorix", text);
}

} // namespace

QString SystemReason(int errorNumber, const std::string &fallback) {
  switch (errorNumber) {
  case ENOENT:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Нет такого файла или каталога"));
  case EACCES:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Отказано в доступе"));
  case EPERM:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Операция не позволена"));
  case EISDIR:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Это каталог"));
  case ENOTDIR:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Это не каталог"));
  case ELOOP:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Слишком много уровней символьных ссылок"));
  case ENAMETOOLONG:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Слишком длинное имя файла"));
  case EIO:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Ошибка ввода/вывода"));
  case EMFILE:
  case ENFILE:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Слишком много открытых файлов"));
  case ENOMEM:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Невозможно выделить память"));
  case ENXIO:
    return Tr(QT_TRANSLATE_NOOP("Dorix", "Нет такого устройства или адреса"));
  default:
    return QString::fromLocal8Bit(fallback.c_str());
  }
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
