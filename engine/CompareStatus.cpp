#include "CompareStatus.h"

#include <array>

// Marks a text for Qt's translation tools, which find it by this name, so that the window can
// show it in the user's language; the engine itself stays free of Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

std::string_view StatusText(TCompareStatus status) {
  static constexpr std::array<std::string_view, 18> texts = {
      QT_TRANSLATE_NOOP("Dorix", "Сравнение еще не проводилось."),
      QT_TRANSLATE_NOOP("Dorix", "Ошибка чтения актуального."),
      QT_TRANSLATE_NOOP("Dorix", "Ошибка чтения устаревшего."),
      QT_TRANSLATE_NOOP("Dorix", "Оба файла пусты."),
      QT_TRANSLATE_NOOP("Dorix", "Актуальный пуст."),
      QT_TRANSLATE_NOOP("Dorix", "Устаревший пуст."),
      QT_TRANSLATE_NOOP("Dorix", "Оба файла не заданы."),
      QT_TRANSLATE_NOOP("Dorix", "Актуальный файл не задан."),
      QT_TRANSLATE_NOOP("Dorix", "Устаревший файл не задан."),
      QT_TRANSLATE_NOOP("Dorix", "Файлы совершенно одинаковы."),
      QT_TRANSLATE_NOOP("Dorix", "Файлы более-менее похожи."),
      QT_TRANSLATE_NOOP("Dorix", "Файлы абсолютно не похожи."),
      QT_TRANSLATE_NOOP("Dorix", "Сравнение прервано."),
      QT_TRANSLATE_NOOP("Dorix", "Файлы отличаются только концами строк."),
      QT_TRANSLATE_NOOP("Dorix", "Файлы отличаются только пробелами."),
      QT_TRANSLATE_NOOP("Dorix", "Файлы отличаются только пробелами и концами строк."),
      QT_TRANSLATE_NOOP("Dorix", "Файлы отличаются только регистром букв."),
      QT_TRANSLATE_NOOP("Dorix", "Файлы отличаются только тем, что сравнение не учитывает."),
  };
  return status < texts.size() ? texts[status] : std::string_view{};
}

TCompareStatus DecideOutcome(const TCompareFacts &f) {
  if (!f.ActualNamed && !f.ObsoleteNamed)
    return csNoFiles;
  if (!f.ActualNamed)
    return csNoActual;
  if (!f.ObsoleteNamed)
    return csNoObsolete;
  if (f.ActualEmpty && f.ObsoleteEmpty)
    return csBothEmpty;
  if (f.ActualEmpty)
    return csActualEmpty;
  if (f.ObsoleteEmpty)
    return csObsoleteEmpty;
  if (f.EqualChars == 0)
    return csDissimilar;
  if (f.FirstChars + f.SecondChars == 0)
    return csIdentical;
  return csSimilar;
}
