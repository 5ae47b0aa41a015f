#include "Language.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The texts the tests check are the program's own, Russian: the tests run under a Russian
  // locale whatever the shell's, and take its language as the program does.
  qputenv("LANG", "ru_RU.UTF-8");
  qunsetenv("LC_ALL");
  qunsetenv("LC_MESSAGES");
  QApplication app(argc, argv);
  InstallLanguage(app, LanguageFor(QLocale::system()));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
