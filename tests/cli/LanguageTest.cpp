// dorix-diff speaks the locale's language, as the window does: Russian under a Russian locale,
// English under any other, in its verdicts, messages and usage alike.
#include "CliRun.h"

namespace {

class CliLanguage : public CliTest {
protected:
  std::string similar, missing;
  void SetUp() override {
    CliTest::SetUp();
    similar = Write("new.txt", "shared line\nnew words\n");
    Write("old.txt", "shared line\nold words\n");
    missing = (dir / "missing.txt").string();
  }
  std::string Old() const { return (dir / "old.txt").string(); }
};

TEST_F(CliLanguage, EnglishUnderAnyOtherLocale) {
  for (const char *name : {"C.UTF-8", "en_US.UTF-8", "de_DE.UTF-8", ""}) {
    locale = name;
    EXPECT_EQ(Run({similar, Old()}).err, "The files are more or less similar.\n") << name;
    EXPECT_EQ(Run({"--stats", similar, similar}).out, "22 0 0 1 0 0\nThe files are identical.\n")
        << name;
    const Outcome failed = Run({similar, missing});
    EXPECT_EQ(failed.err,
              "dorix-diff: Cannot open file " + missing + ": No such file or directory\n");
    const Outcome bad = Run({"--view=up", "--lines", similar, Old()});
    EXPECT_EQ(bad.err.substr(0, bad.err.find('\n')),
              "dorix-diff: --view wants both, new or old, not up");
    EXPECT_EQ(bad.err.substr(bad.err.find('\n') + 1, 19), "usage: dorix-diff [");
    const Outcome help = Run({"--help"});
    EXPECT_NE(help.out.find("\nExit status: 0 identical"), std::string::npos) << help.out;
    EXPECT_EQ(Run({Write("a.bin", std::string("a\0b", 3)), Old()}).out, "Binary files differ.\n");
  }
}

TEST_F(CliLanguage, RussianUnderARussianLocale) {
  for (const char *name : {"ru_RU.UTF-8", "ru_UA.UTF-8", "ru"}) {
    locale = name;
    EXPECT_EQ(Run({similar, Old()}).err, "Файлы более-менее похожи.\n") << name;
    const Outcome bad = Run({"--view=up", "--lines", similar, Old()});
    EXPECT_EQ(bad.err.substr(0, bad.err.find('\n')),
              "dorix-diff: --view принимает both, new или old, а не up");
    const Outcome help = Run({"--help"});
    EXPECT_EQ(help.out.substr(0, 24), "вызов: dorix-diff [") << help.out;
    EXPECT_NE(help.out.find("\nКод возврата: 0 одинаковы"), std::string::npos) << help.out;
  }
}

TEST_F(CliLanguage, LcAllThenLcMessagesThenLang) {
  locale = "C.UTF-8";
  environment = {{"LC_ALL", "ru_RU.UTF-8"}};
  EXPECT_EQ(Run({similar, Old()}).err, "Файлы более-менее похожи.\n");
  locale = "ru_RU.UTF-8";
  environment = {{"LC_MESSAGES", "en_GB.UTF-8"}};
  EXPECT_EQ(Run({similar, Old()}).err, "The files are more or less similar.\n");
  environment = {{"LC_ALL", "C"}, {"LC_MESSAGES", "ru_RU.UTF-8"}};
  EXPECT_EQ(Run({similar, Old()}).err, "The files are more or less similar.\n");
}

TEST_F(CliLanguage, LanguageGoesFirstUnderAnyLocaleButC) {
  environment = {{"LANGUAGE", "en_GB:ru"}};
  EXPECT_EQ(Run({similar, Old()}).err, "The files are more or less similar.\n");
  locale = "en_US.UTF-8";
  environment = {{"LANGUAGE", "ru:en"}};
  EXPECT_EQ(Run({similar, Old()}).err, "Файлы более-менее похожи.\n");
  locale = "C.UTF-8";
  EXPECT_EQ(Run({similar, Old()}).err, "The files are more or less similar.\n")
      << "the C locale speaks English whatever LANGUAGE says";
}

TEST_F(CliLanguage, AStopIsSaidInTheLanguageToo) {
  locale = "C.UTF-8";
  const Outcome o = Run({"--lines", similar, Old()}, 0, SIGTERM);
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "dorix-diff: stopped\n");
}

} // namespace
