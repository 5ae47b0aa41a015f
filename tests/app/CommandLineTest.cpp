// The window's command line and the manners a desktop user expects of it: labels for the files,
// a clear refusal of what it cannot take, Ctrl+Q and Ctrl+W beside Esc, and the null device that
// git passes for the missing side of an added or deleted file.
#include "MainWindowFixture.h"
#include "WindowArguments.h"

#include <QAction>

#include <initializer_list>

namespace {

TWindowArguments Parse(std::initializer_list<const char *> words) {
  std::vector<std::string> owned{"dorix"};
  owned.insert(owned.end(), words.begin(), words.end());
  std::vector<char *> argv;
  for (std::string &w : owned)
    argv.push_back(w.data());
  return ParseWindowArguments(static_cast<int>(argv.size()), argv.data());
}

TEST(WindowArguments, FilesLabelsAndWhatIsRefused) {
  struct Row {
    const char *name;
    std::initializer_list<const char *> words;
    std::vector<std::string> files, labels;
    bool refused;
  };
  const Row rows[] = {
      {"two files", {"new", "old"}, {"new", "old"}, {}, false},
      {"none", {}, {}, {}, false},
      {"labels in every form",
       {"-L", "a", "--label=b", "new", "old"},
       {"new", "old"},
       {"a", "b"},
       false},
      {"joined and long with a space", {"-La", "--label", "b", "x"}, {"x"}, {"a", "b"}, false},
      {"a name after -- that looks like an option", {"--", "-L", "--x"}, {"-L", "--x"}, {}, false},
      {"a lone dash is a name", {"-"}, {"-"}, {}, false},
      {"a third file", {"a", "b", "c"}, {}, {}, true},
      {"an unknown option", {"--frob", "a"}, {}, {}, true},
      {"a label without its name", {"a", "-L"}, {}, {}, true},
      {"three labels", {"-La", "-Lb", "-Lc"}, {}, {}, true},
  };
  for (const Row &row : rows) {
    const TWindowArguments args = Parse(row.words);
    EXPECT_EQ(!args.Error.empty(), row.refused) << row.name << ": " << args.Error;
    if (row.refused)
      continue;
    EXPECT_EQ(args.Files, row.files) << row.name;
    EXPECT_EQ(args.Labels, row.labels) << row.name;
  }
  EXPECT_TRUE(Parse({"--help"}).Help);
  EXPECT_TRUE(Parse({"-h"}).Help);
  EXPECT_TRUE(Parse({"--version"}).Version);
  EXPECT_NE(Parse({"a", "b", "c"}).Error.find('c'), std::string::npos) << "it names what is left";
}

using Manners = MainWindowFixture;

TEST_F(Manners, CtrlQAndCtrlWCloseTheWindowAsEscDoes) {
  for (const QKeyCombination key : {Qt::CTRL | Qt::Key_Q, Qt::CTRL | Qt::Key_W}) {
    Start(Write("a", "x\n"), Write("b", "y\n"));
    QTest::keySequence(w.get(), QKeySequence(key));
    EXPECT_FALSE(w->isVisible()) << QKeySequence(key).toString().toStdString();
  }
}

TEST_F(Manners, TheNullDeviceIsAnEmptyFile) {
  Start(Write("added.txt", "a new file\n"), QStringLiteral("/dev/null"));
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
  EXPECT_EQ(w->Status(), csObsoleteEmpty);
  EXPECT_EQ(Counts().FirstChars, 11);
}

// A caption other than the file's path is its label: the title and the saved page use it whole.
TEST_F(Manners, LabelsNameTheFilesInTheTitleAndThePage) {
  Start(Write("tmp1234", "one\n"), Write("tmp5678", "two\n"));
  w->SetActualCaption(QStringLiteral("src/main.c (working tree)"));
  w->SetObsoleteCaption(QStringLiteral("src/main.c (HEAD)"));
  EXPECT_TRUE(
      w->windowTitle().startsWith(QStringLiteral("main.c (working tree) \u2194 main.c (HEAD)")))
      << w->windowTitle().toStdString();
  const THtmlPage page = w->HtmlPageOfView();
  EXPECT_EQ(page.FirstName, "src/main.c (working tree)");
  EXPECT_EQ(page.SecondName, "src/main.c (HEAD)");
}

} // namespace
