// The program's languages: Russian, its own, under a Russian locale, with Qt's dialogs in
// Russian too; English under any other, from the translation built into the program, which
// must hold every text the window and the viewer show.
#include "Language.h"
#include "MainWindowFixture.h"

#include <QDialogButtonBox>
#include <QDirIterator>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>

namespace {

TEST(Language, RussianUnderAnyRussianLocaleEnglishUnderAnyOther) {
  for (const char *name : {"ru_RU", "ru_UA", "ru_KZ", "ru"})
    EXPECT_EQ(LanguageFor(QLocale(name)), TLanguage::Russian) << name;
  for (const char *name : {"en_US", "en_GB", "de_DE", "uk_UA", "C"})
    EXPECT_EQ(LanguageFor(QLocale(name)), TLanguage::English) << name;
}

TEST(Language, QtsOwnDialogsSpeakRussianWithTheProgram) {
  // The tests run under a Russian locale and take its language as the program does.
  ASSERT_EQ(LanguageFor(QLocale::system()), TLanguage::Russian);
  QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'), "Отмена");
}

// Every message of the English translation: source → translation.
std::map<QString, QString> EnglishForms() {
  QFile file(DORIX_SOURCE_DIR "/translations/dorix_en.ts");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  std::map<QString, QString> forms;
  QString source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement)
      continue;
    if (xml.name() == u"source") {
      source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      const bool unfinished = xml.attributes().value("type") == u"unfinished";
      const QString text = xml.readElementText();
      forms[source] = unfinished ? QString() : text;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return forms;
}

// The texts written in the sources: string literals (adjacent ones joined) holding a Cyrillic
// letter, outside comments.
QStringList RussianLiterals(const QString &path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QString code = QString::fromUtf8(file.readAll());
  code.remove(QRegularExpression(R"(^\s*//[^\n]*)", QRegularExpression::MultilineOption));
  code.remove(QRegularExpression(R"(\s//[^"\n]*$)", QRegularExpression::MultilineOption));
  static const QRegularExpression literals(R"re((?:"(?:[^"\\\n]|\\.)*"\s*)+)re");
  static const QRegularExpression piece(R"re("((?:[^"\\\n]|\\.)*)")re");
  QStringList texts;
  for (auto run = literals.globalMatch(code); run.hasNext();) {
    QString text;
    for (auto p = piece.globalMatch(run.next().captured(0)); p.hasNext();)
      text += p.next().captured(1);
    text.replace("\\n", "\n").replace("\\r", "\r").replace("\\\"", "\"").replace("\\\\", "\\");
    if (text.contains(QRegularExpression("[\\x{0400}-\\x{04FF}]")))
      texts << text;
  }
  return texts;
}

TEST(Language, EveryTextHasItsEnglishForm) {
  const std::map<QString, QString> forms = EnglishForms();
  ASSERT_GT(forms.size(), 150u);
  static const QRegularExpression placeholder("%\\d");
  for (const auto &[source, english] : forms) {
    const std::string s = source.toStdString();
    EXPECT_FALSE(english.isEmpty()) << s;
    EXPECT_FALSE(english.contains(QRegularExpression("[\\x{0400}-\\x{04FF}]"))) << s;
    QStringList inSource, inEnglish;
    for (auto m = placeholder.globalMatch(source); m.hasNext();)
      inSource << m.next().captured(0);
    for (auto m = placeholder.globalMatch(english); m.hasNext();)
      inEnglish << m.next().captured(0);
    inSource.sort();
    inEnglish.sort();
    EXPECT_EQ(inEnglish, inSource) << s << " -> " << english.toStdString();
    EXPECT_EQ(source.count('&') > 0, english.count('&') > 0)
        << "a mnemonic in both or neither: " << s;
  }

  // Every Russian text of the window, the viewer and the outcomes is among them: none was left
  // out of the translation (each is marked for Qt's tools and translated).
  QStringList files{DORIX_SOURCE_DIR "/engine/CompareStatus.cpp"};
  for (const char *folder : {"/app", "/viewer"})
    for (QDirIterator it(DORIX_SOURCE_DIR + QString(folder), {"*.cpp", "*.h"}); it.hasNext();)
      files << it.next();
  int checked = 0;
  for (const QString &path : files)
    for (const QString &text : RussianLiterals(path)) {
      ++checked;
      EXPECT_TRUE(forms.contains(text)) << path.toStdString() << ": " << text.toStdString();
    }
  EXPECT_GT(checked, 150);
}

class English : public MainWindowFixture {
protected:
  QTranslator translator;
  void SetUp() override {
    MainWindowFixture::SetUp();
    ASSERT_TRUE(translator.load(":/i18n/dorix_en.qm")) << "built into the program";
    QCoreApplication::installTranslator(&translator);
  }
  void TearDown() override {
    MainWindowFixture::TearDown();
    QCoreApplication::removeTranslator(&translator);
  }
};

TEST_F(English, TheWindowSpeaksEnglishUnderTheEnglishTranslation) {
  const QString a = Write("new.txt", "a\r\n");
  Start(a, dir.filePath("missing.txt"));
  EXPECT_EQ(w->mmFile->title(), "&File");
  EXPECT_EQ(w->mmEditFind->text(), "&Find...");
  EXPECT_EQ(w->windowTitle(), "new.txt ↔ missing.txt — File Content Comparison");
  EXPECT_EQ(Panel(spStatus), "Cannot read the obsolete file.");
  EXPECT_EQ(messages, QStringList{"Cannot open file " + dir.filePath("missing.txt")});
}

} // namespace
