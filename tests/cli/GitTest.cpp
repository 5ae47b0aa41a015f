// dorix-diff run by git in a temporary repository: as its external diff program and as the
// command of git difftool -x, the ways the manual page and the README tell users to set it up.
#include "CliRun.h"

#include <cstdio>

namespace {

class GitTest : public CliTest {
protected:
  // Runs a shell command in the repository with a home of its own, so that no configuration of
  // the machine's user or system takes part; its status and what it wrote to either output.
  Outcome Shell(const std::string &command) {
    const std::string line = "cd '" + dir.string() + "' && export HOME='" + dir.string() +
                             "' GIT_CONFIG_NOSYSTEM=1 DORIX_DIFF='" DORIX_DIFF_PATH "' && " +
                             command + " 2>&1";
    FILE *pipe = ::popen(line.c_str(), "r");
    Outcome outcome;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      outcome.out.append(buffer, n);
    const int raw = ::pclose(pipe);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return outcome;
  }

  void Git(const std::string &arguments) {
    const Outcome o = Shell("git -c user.name=T -c user.email=t@example.org " + arguments);
    ASSERT_EQ(o.status, 0) << arguments << ": " << o.out;
  }

  // Files that git moves and deletes: not held to stay as written.
  void Put(const std::string &name, const std::string &bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }

  // A commit of four files, then a working tree where one is changed, one renamed, one added
  // and one deleted (all staged, so that git diff --cached and HEAD see the same).
  void MakeHistory() {
    Git("init -q .");
    Put("changed.txt", "one\ntwo\nthree\n");
    Put("moved.txt", "stays the same\n");
    Put("gone.txt", "last words");
    Git("add changed.txt moved.txt gone.txt");
    Git("commit -q -m first");
    Put("changed.txt", "one\nTWO\nthree\n");
    Put("added.txt", "new\n");
    Git("mv moved.txt renamed.txt");
    Git("rm -q gone.txt");
    Git("add changed.txt added.txt");
  }
};

TEST_F(GitTest, ExternalDiffWritesEachFileUnderItsHeaderAndLetsGitGoOn) {
  MakeHistory();
  const Outcome o = Shell("GIT_EXTERNAL_DIFF=\"$DORIX_DIFF\" git diff -M HEAD");
  EXPECT_EQ(o.status, 0) << o.out; // git stops at a path whose external diff fails
  EXPECT_EQ(o.out, "diff --dorix a/added.txt b/added.txt\n"
                   "{+new\n+}Устаревший пуст.\n"
                   "diff --dorix a/changed.txt b/changed.txt\n"
                   "one\n[-two-]{+TWO+}\nthree\n"
                   "Файлы отличаются только регистром букв.\n"
                   "diff --dorix a/gone.txt b/gone.txt\n"
                   "[-last words-]\nАктуальный пуст.\n"
                   "diff --dorix a/moved.txt b/renamed.txt\n"
                   "stays the same\n"
                   "Файлы совершенно одинаковы.\n");
}

TEST_F(GitTest, ExternalDiffColoursForGitsPagerAndKeepsOptions) {
  MakeHistory();
  // Git runs the program through the shell, so options can come with it.
  // A pager of "cat" is taken as none, so it is a plain filter here.
  const Outcome plain = Shell("GIT_EXTERNAL_DIFF=\"$DORIX_DIFF --color=never\" git -c "
                              "core.pager='sed s/^//' -p diff HEAD -- changed.txt");
  EXPECT_EQ(plain.status, 0);
  EXPECT_NE(plain.out.find("[-two-]{+TWO+}\n"), std::string::npos) << plain.out;

  // Git starts its pager only for a terminal: script(1) gives it one.
  Outcome paged = Shell("script -qec \"GIT_EXTERNAL_DIFF='$DORIX_DIFF' git -c core.pager='sed "
                        "s/^//' -p diff HEAD -- changed.txt\" /dev/null");
  std::erase(paged.out, '\r');
  EXPECT_EQ(paged.status, 0);
  EXPECT_EQ(paged.out.find("[-"), std::string::npos) << paged.out;
  EXPECT_NE(paged.out.find("\x1b[1mdiff --dorix a/changed.txt b/changed.txt\x1b[m\n"),
            std::string::npos)
      << paged.out;
  EXPECT_NE(paged.out.find(";48;2;255;136;200mTWO"), std::string::npos) << paged.out;
}

TEST_F(GitTest, DifftoolExtraCommandComparesTheWorkingTreeAsTheNewVersion) {
  MakeHistory();
  Git("commit -q -m second");
  Put("changed.txt", "one\nTWO!\nthree\n");
  // git difftool -x passes the old version first.
  const Outcome o = Shell("git difftool -y -x \"$DORIX_DIFF --old-first --color=never\"");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, "one\nTWO{+!+}\nthree\nФайлы более-менее похожи.\n");
}

TEST_F(GitTest, ExternalDiffNamesAnUnmergedPathAndLetsGitGoOn) {
  Git("init -q -b main .");
  Put("file.txt", "base\n");
  Put("other.txt", "one\n");
  Git("add .");
  Git("commit -q -m base");
  Git("checkout -q -b side");
  Put("file.txt", "side\n");
  Git("commit -q -a -m side");
  Git("checkout -q main");
  Put("file.txt", "main\n");
  Git("commit -q -a -m main");
  EXPECT_NE(Shell("git -c user.name=T -c user.email=t@example.org merge -q side").status, 0);
  Put("other.txt", "two\n");
  Git("add other.txt");
  // Against the index git passes the conflicted path alone.
  const Outcome o = Shell("GIT_EXTERNAL_DIFF=\"$DORIX_DIFF --color=never\" git diff --cached");
  EXPECT_EQ(o.status, 0) << o.out;
  EXPECT_EQ(o.out, "* Unmerged path file.txt\n"
                   "diff --dorix a/other.txt b/other.txt\n"
                   "[-one\n-]{+two\n+}Файлы абсолютно не похожи.\n");
}

TEST_F(GitTest, SevenArgumentsOfAnotherShapeAreNoGitPair) {
  const std::string a = Write("a", "x"), b = Write("b", "y");
  const Outcome notGit = Run({"path", a, "not-hex", "100644", b, "abcdef12", "100644"});
  EXPECT_EQ(notGit.status, 2);
  EXPECT_NE(notGit.err.find("нужны два файла, а дано 7"), std::string::npos) << notGit.err;

  const Outcome chunks = Run({"--chunks", "path", a, "1234abcd", "100644", b, ".", "."});
  EXPECT_EQ(chunks.status, 2);
  EXPECT_NE(chunks.err.find("только объединённый текст"), std::string::npos) << chunks.err;

  // The null device is an empty file to anyone who names it, not only to git.
  const Outcome device = Run({"--color=never", a, "/dev/null"});
  EXPECT_EQ(device.status, 1);
  EXPECT_EQ(device.out, "{+x+}");
  EXPECT_EQ(device.err, "Устаревший пуст.\n");
}

} // namespace
