// dorix-diff's manners in a terminal and a pipeline: NO_COLOR and a dumb terminal, control bytes
// shown on a terminal and kept in a pipe, binary pairs, labels, and input from a pipe.
#include "CliRun.h"

#include <cstdlib>

namespace {

// An environment variable set for the commands a test runs, and put back after.
class TEnvironment {
public:
  TEnvironment(const char *name, const char *value) : FName(name) {
    if (const char *before = std::getenv(name))
      FBefore = before;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~TEnvironment() { FBefore ? ::setenv(FName, FBefore->c_str(), 1) : ::unsetenv(FName); }

private:
  const char *FName;
  std::optional<std::string> FBefore;
};

// The command's output as a terminal shows it: run under a pseudo-terminal by script(1).
std::string OnATerminal(const std::vector<std::string> &args) {
  std::string command = std::string(DORIX_DIFF_PATH);
  for (const std::string &a : args)
    command += " '" + a + "'";
  std::string out;
  if (FILE *pipe = ::popen(("script -qec \"" + command + "\" /dev/null").c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

TEST_F(CliTest, NoColorAndADumbTerminalTurnColourOff) {
  const std::string first = Write("new", "one two\n"), second = Write("old", "one three\n");
  const TEnvironment pager("GIT_PAGER_IN_USE", "true"); // colour by --color=auto, as under git
  ASSERT_NE(Run({first, second}).out.find("\x1b["), std::string::npos);
  {
    const TEnvironment noColor("NO_COLOR", "1");
    EXPECT_EQ(Run({first, second}).out.find("\x1b["), std::string::npos);
    EXPECT_NE(Run({"--color=always", first, second}).out.find("\x1b["), std::string::npos)
        << "asked for outright";
  }
  {
    const TEnvironment noColor("NO_COLOR", ""); // set to nothing: as if not set
    EXPECT_NE(Run({first, second}).out.find("\x1b["), std::string::npos);
  }
  const TEnvironment dumb("TERM", "dumb");
  EXPECT_EQ(Run({first, second}).out.find("\x1b["), std::string::npos);
}

TEST_F(CliTest, ControlBytesAreShownOnATerminalAndKeptInAPipe) {
  const std::string first = Write("new", "title\x1b]0;owned\x07 and \x7f\tend\r\n"),
                    second = Write("old", "title\r\n");
  const std::string piped = Run({"--color=never", first, second}).out;
  EXPECT_NE(piped.find("\x1b]0;owned\x07"), std::string::npos) << "a pipe gets the bytes";
  const std::string shown = OnATerminal({"--color=never", first, second});
  ASSERT_FALSE(shown.empty()) << "script(1) ran";
  EXPECT_EQ(shown.find('\x1b'), std::string::npos) << shown;
  EXPECT_NE(shown.find("^[]0;owned^G and ^?\tend"), std::string::npos) << shown;
}

TEST_F(CliTest, ABinaryPairIsOnlySaidToDiffer) {
  const std::string a = Write("a.bin", std::string("PK\0\1\2garbage\x1b[2J", 16)),
                    b = Write("b.bin", std::string("PK\0\1\3garbage\x1b[2J", 16));
  const auto run = Run({a, b});
  EXPECT_EQ(run.out, "Двоичные файлы различаются.\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Run({a, a}).out, "") << "identical: no bytes either";
  EXPECT_NE(Run({"-a", a, b}).out.find("garbage"), std::string::npos) << "-a: as text";
  EXPECT_NE(Run({"--text", a, b}).out.find("garbage"), std::string::npos);
  const std::string stats = Run({"--stats", a, b}).out;
  EXPECT_EQ(stats.find("Двоичные"), std::string::npos) << "other forms unchanged";
  EXPECT_NE(stats.find("\nФайлы более-менее похожи.\n"), std::string::npos) << stats;
  // As git's external diff: the header, then the same line.
  const std::string hex(40, '0');
  const auto git = Run({"x.bin", b, hex, "100644", a, hex, "100644"});
  EXPECT_EQ(git.out.substr(0, git.out.rfind("Двоичные")), "diff --dorix a/x.bin b/x.bin\n")
      << "then the line and the verdict: " << git.out;
}

TEST_F(CliTest, LabelsNameTheFilesAndAPipeIsRead) {
  const std::string first = Write("tmp-1", "one\n"), second = Write("tmp-2", "two\n");
  const auto run = Run({"-L", "a/file.txt", "--label=b/file.txt", first, second});
  EXPECT_EQ(run.out.substr(0, 30), "--- b/file.txt\n+++ a/file.txt\n");
  const std::string page = Run({"--html", "-La", "-Lb", "--old-first", first, second}).out;
  EXPECT_LT(page.find("<td>b</td>"), page.find("<td>a</td>"))
      << "--old-first turns the files round with their labels";
  EXPECT_EQ(Run({"-La", "-Lb", "-Lc", first, second}).status, 2);
  // "-" is standard input; a process substitution, like /dev/stdin here, is a pipe.
  const std::string expected = Run({"--stats", first, second}).out;
  for (const char *name : {"-", "/dev/stdin"}) {
    const auto piped = Run({"--stats", name, second}, 0, 0, "one\n");
    EXPECT_EQ(piped.out, expected) << name << ": " << piped.err;
    EXPECT_EQ(piped.status, 1) << name;
  }
  EXPECT_EQ(Run({"--stats", "/dev/null", second}).out.substr(0, 7), "0 0 4 0")
      << "the null device is an empty file";
}

} // namespace
