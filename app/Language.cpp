#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

TLanguage LanguageFor(const QLocale &locale) {
  return locale.language() == QLocale::Russian ? TLanguage::Russian : TLanguage::English;
}

void InstallLanguage(QCoreApplication &app, TLanguage language) {
  auto *translator = new QTranslator(&app);
  const bool loaded = language == TLanguage::English
                          ? translator->load(QStringLiteral(":/i18n/dorix_en.qm"))
                          : translator->load(QStringLiteral("qtbase_ru"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded)
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
}
