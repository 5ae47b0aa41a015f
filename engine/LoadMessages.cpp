#include "LoadMessages.h"

#include <cerrno>
#include <utility>

// Marks a text for Qt's translation tools, which gather it from here.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace {

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

const char *SystemReasonText(int errorNumber) {
  for (const auto &[code, reason] : kReasons)
    if (code == errorNumber)
      return reason;
  return nullptr;
}

const char *LoadFailureTitleText(const TLoadStatus &status) {
  return status.Error == TLoadError::OpenFailed
             ? QT_TRANSLATE_NOOP("Dorix", "Не удаётся открыть файл %1")
             : QT_TRANSLATE_NOOP("Dorix", "Не удаётся прочитать файл %1");
}

const char *LoadFailureReasonText(const TLoadStatus &status) {
  if (status.ErrorNumber != 0)
    return SystemReasonText(status.ErrorNumber);
  switch (status.Error) {
  case TLoadError::NotRegular:
    return QT_TRANSLATE_NOOP("Dorix", "это не обычный файл");
  case TLoadError::TooLarge:
    return QT_TRANSLATE_NOOP("Dorix", "файлы от 2 ГиБ сравнить нельзя");
  case TLoadError::Changed:
    return QT_TRANSLATE_NOOP("Dorix", "файл изменился, пока его читали");
  default:
    return nullptr;
  }
}
