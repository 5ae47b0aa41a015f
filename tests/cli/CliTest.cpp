// dorix-diff run as a separate process, the way scripts use it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string Slurp(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class CliTest : public testing::Test {
protected:
  fs::path dir;

  void SetUp() override {
    char name[] = "/tmp/dorix-cli-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    dir = name;
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const std::string &name, const std::string &bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  }

  Outcome Run(std::vector<std::string> args) {
    const fs::path outPath = dir / ".stdout", errPath = dir / ".stderr";
    const pid_t pid = ::fork();
    if (pid == 0) {
      std::vector<char *> argv{const_cast<char *>(DORIX_DIFF_PATH)};
      for (auto &a : args)
        argv.push_back(a.data());
      argv.push_back(nullptr);
      std::freopen(outPath.c_str(), "wb", stdout);
      std::freopen(errPath.c_str(), "wb", stderr);
      ::execv(DORIX_DIFF_PATH, argv.data());
      ::_exit(127);
    }
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(outPath), Slurp(errPath)};
  }
};

TEST_F(CliTest, ChunksFormatIsKindTabLength) {
  const auto r = Run({"--chunks", Write("new", "The cat sat."), Write("old", "The dog sat.")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "0\t4\n2\t3\n1\t3\n0\t5\n");
  EXPECT_EQ(r.err, "");
}

TEST_F(CliTest, StatsAreSixCountersAndTheOutcome) {
  const auto r = Run({"--stats", Write("new", "abcdef"), Write("old", "xbcdy")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "3 3 2 1 2 2\nФайлы более-менее похожи.\n");
}

TEST_F(CliTest, MergedTextMarksBothSidesWithoutColour) {
  const auto r = Run({"--color=never", Write("new", "The cat sat."), Write("old", "The dog sat.")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "The [-dog-]{+cat+} sat.");
  EXPECT_EQ(r.err, "Файлы более-менее похожи.\n");
}

TEST_F(CliTest, ColourUsesTheStyleBackgroundsAndStopsAtLineBreaks) {
  const auto r =
      Run({"--color=always", Write("new", "a\r\nNEW\r\nz\r\n"), Write("old", "a\r\nz\r\n")});
  EXPECT_EQ(r.out, "a\r\n\x1b[38;2;0;0;0;48;2;255;136;200mNEW\x1b[0m\r\nz\r\n");
  const auto auto_ = Run({Write("n2", "ab"), Write("o2", "cd")}); // not a terminal: no colour
  EXPECT_EQ(auto_.out, "[-cd-]{+ab+}");
}

TEST_F(CliTest, IdenticalBytesExitZeroEvenWhenTheEngineSplitsThem) {
  const auto r = Run({"--stats", Write("new", "ab\r\nc"), Write("old", "ab\r\nc")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "4 1 1 1 1 1\nФайлы более-менее похожи.\n");
  EXPECT_EQ(Run({"--stats", Write("n1", "x"), Write("o1", "x")}).out,
            "0 1 1 0 1 1\nФайлы абсолютно не похожи.\n");
}

TEST_F(CliTest, EmptyFilesNameTheOutcome) {
  EXPECT_EQ(Run({"--stats", Write("e1", ""), Write("e2", "")}).out,
            "0 0 0 0 1 1\nОба файла пусты.\n");
  EXPECT_EQ(Run({"--stats", Write("e3", ""), Write("f", "abc")}).out,
            "0 0 3 0 1 1\nАктуальный пуст.\n");
}

TEST_F(CliTest, TroubleExitsTwoWithOneLineNamingTheFile) {
  const std::string good = Write("good", "text");
  const std::string missing = (dir / "no such file").string();
  auto r = Run({missing, good});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "dorix-diff: Cannot open file " + missing + ": No such file or directory\n");

  r = Run({good, dir.string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "dorix-diff: Cannot read file " + dir.string() + ": Is a directory\n");
}

TEST_F(CliTest, UsageErrorsExitTwo) {
  EXPECT_EQ(Run({}).status, 2);
  EXPECT_EQ(Run({Write("only", "x")}).status, 2);
  const auto r = Run({"--bogus", Write("a", "x"), Write("b", "y")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("unknown option --bogus"), std::string::npos);
}

TEST_F(CliTest, DoubleDashEndsOptions) {
  const std::string dashed = Write("--chunks", "same");
  const auto r = Run({"--stats", "--", dashed, Write("other", "same")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "4 0 0 1 0 0\nФайлы совершенно одинаковы.\n");
}

} // namespace
