// The program's language: Russian, its own, under any Russian locale; English under any other.
// The program's texts and Qt's own (the buttons and titles of its dialogs) then speak it.
#pragma once

#include <QLocale>

class QCoreApplication;

enum class TLanguage { Russian, English };

TLanguage LanguageFor(const QLocale &locale);

// Installs the translations of the language into the application: the program's English form
// (compiled into it), or Qt's Russian texts (Debian's qt6-translations-l10n; without them Qt's
// dialogs stay English).
void InstallLanguage(QCoreApplication &app, TLanguage language);
