#include "CompareStatus.h"

#include <array>

std::string_view StatusText(TCompareStatus status) {
  static constexpr std::array<std::string_view, 13> texts = {
      "Сравнение еще не проводилось.",
      "Ошибка чтения актуального.",
      "Ошибка чтения устаревшего.",
      "Оба файла пусты.",
      "Актуальный пуст.",
      "Устаревший пуст.",
      "Оба файла не заданы.",
      "Актуальный файл не задан.",
      "Устаревший файл не задан.",
      "Файлы совершенно одинаковы.",
      "Файлы более-менее похожи.",
      "Файлы абсолютно не похожи.",
      "Сравнение прервано.",
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
