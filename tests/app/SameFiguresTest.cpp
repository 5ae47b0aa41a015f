// The window and dorix-diff run one comparison: on random pairs, UTF-8 and single-byte ones, the
// window's statistics, verdict and HTML page say what the command says.
#include "MainWindowFixture.h"
#include "SizeToText.h"

#include <QAction>
#include <QLabel>

#include <random>

namespace {

class SameFigures : public MainWindowFixture {
protected:
  std::mt19937 random{20261209};

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

  const QByteArray &Word(const std::vector<QByteArray> &words) {
    return words[static_cast<std::size_t>(Below(static_cast<int>(words.size())))];
  }

  // Words from one alphabet, each followed by a space or now and then a line break.
  std::vector<QByteArray> Text(const std::vector<QByteArray> &words, int count) {
    std::vector<QByteArray> text;
    for (int i = 0; i < count; ++i)
      text.push_back(Word(words) + (Below(6) == 0 ? (Below(2) ? "\n" : "\r\n") : " "));
    return text;
  }

  // The text with a few words changed, dropped or added.
  std::vector<QByteArray> Edited(std::vector<QByteArray> text,
                                 const std::vector<QByteArray> &words) {
    for (int edits = 1 + Below(5); edits > 0; --edits) {
      const auto at = text.begin() + Below(static_cast<int>(text.size()));
      switch (Below(3)) {
      case 0:
        *at = Word(words) + " ";
        break;
      case 1:
        text.erase(at);
        break;
      default:
        text.insert(at, Word(words) + " ");
      }
    }
    return text;
  }

  static QByteArray Joined(const std::vector<QByteArray> &text) {
    QByteArray joined;
    for (const QByteArray &word : text)
      joined += word;
    return joined;
  }

  QString SaveHtml() {
    const QString page = dir.filePath("page.html");
    w->Platform.SaveFile = [page](QWidget *, const QString &, const QString &) {
      return std::optional<QString>(page);
    };
    w->mmFileSaveHtml->trigger();
    QFile file(page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

  // The command's six counters and verdict against the window's statistics and status bar, and
  // the window's page against the command's.
  void ExpectTheSameAsTheCommand(const std::string &what) {
    const QList<QByteArray> stats = RunCommand({"--stats"}).Out.split('\n');
    ASSERT_GE(stats.size(), 2) << what;
    const QList<QByteArray> counters = stats[0].split(' ');
    ASSERT_EQ(counters.size(), 6) << what;
    const auto figure = [&](int k) {
      return QString::fromStdString(SizeToText(counters[k].toInt(), ' '));
    };
    const TFormDorixChart &chart = *w->FormDorixChart;
    EXPECT_EQ(chart.lblEqual->text(), figure(0)) << what;
    EXPECT_EQ(chart.lblInserted->text(), figure(1)) << what;
    EXPECT_EQ(chart.lblDeleted->text(), figure(2)) << what;
    EXPECT_EQ(Panel(spStatus), QString::fromUtf8(stats[1])) << what;
    EXPECT_EQ(SaveHtml(), QString::fromUtf8(RunCommand({"--html"}).Out)) << what;
  }
};

TEST_F(SameFigures, RandomPairsInEveryEncoding) {
  const std::vector<std::vector<QByteArray>> alphabets = {
      {"alpha", "beta", "gamma", "delta", "x", "if", "return", "{", "}", "\t"},
      {"привет", "мир", "мер", "строка", "а", "и", "ёж", "Ж"},
      {"ア", "イ", "中文", "字", "é", "e\xCC\x81", "€", "₽"},
      {"\xEF\xF0\xE8\xE2\xE5\xF2", "\xEC\xE8\xF0", "\xEC\xE5\xF0", "abc"}, // Windows-1251
  };
  Start();
  w->ChangeWrapMode(false); // the command's page is not wrapped
  int utf8 = 0;
  for (int pair = 0; pair < 24; ++pair) {
    const auto &words = alphabets[static_cast<std::size_t>(pair % 4)];
    const std::vector<QByteArray> first = Text(words, 20 + Below(60));
    w->OpenPair(Write("new" + QString::number(pair), Joined(first)),
                Write("old" + QString::number(pair), Joined(Edited(first, words))));
    Settle();
    utf8 += Panel(spCodePage) == "UTF-8";
    ExpectTheSameAsTheCommand("pair " + std::to_string(pair));
  }
  EXPECT_GE(utf8, 12) << "most pairs are UTF-8";
  EXPECT_LT(utf8, 24) << "some are not";
}

TEST_F(SameFigures, TwoCharactersThatShareTheirFirstBytesShareNothing) {
  Start(Write("a", "ア"), Write("b", "イ"));
  EXPECT_EQ(Panel(spStatus), "Файлы абсолютно не похожи.");
  EXPECT_EQ(w->FormDorixChart->lblEqual->text(), " 0 ");
  ExpectTheSameAsTheCommand("ア against イ");
  w->ChangeEncoding(TVEncoding::Windows1251); // bytes, as the engine found them
  Settle();
  EXPECT_EQ(Panel(spStatus), "Файлы более-менее похожи.");
  EXPECT_EQ(w->FormDorixChart->lblEqual->text(), " 2 ");
}

} // namespace
