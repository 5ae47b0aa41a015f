// dorix-diff given two folders: a line per entry that is not identical, sorted by path, the
// counts, the first difference alone, exclusions, the order for git, and what it refuses.
#include "CliRun.h"

namespace {

class CliFolders : public CliTest {
protected:
  void SetUp() override {
    CliTest::SetUp();
    Put("new/same.txt", "same"), Put("old/same.txt", "same");
    Put("new/size.txt", "longer"), Put("old/size.txt", "x");
    Put("new/one.txt", "abc"), Put("old/one.txt", "abd");
    Put("new/a.b/added", "x");
    Put("new/a/sub/added", "x");
    Put("old/a/sub/gone", "x");
    Put("new/mixed", "file");
    Put("old/mixed/inside", "x");
    Put("new/.git/HEAD", "x");
    Put("new/build.o", "x");
    Put("new/line\nbreak", "x");
  }
  void Put(const std::string &path, const std::string &bytes) {
    fs::create_directories((dir / path).parent_path());
    Write(path, bytes);
  }
  std::string New() const { return (dir / "new").string(); }
  std::string Old() const { return (dir / "old").string(); }
};

TEST_F(CliFolders, ALinePerDifferenceSortedByPath) {
  const Outcome run = Run({New(), Old()});
  EXPECT_EQ(run.out, "A\ta.b\n" // '.' comes before '/' in byte order
                     "A\ta/sub/added\n"
                     "D\ta/sub/gone\n"
                     "A\tline\\nbreak\n" // shown escaped, on one line
                     "!\tmixed\tnew: file, old: folder\n"
                     "M\tone.txt\n" // one size, other bytes
                     "M\tsize.txt\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  const Outcome stats = Run({"--stats", New(), Old()});
  EXPECT_EQ(stats.out, "identical 1\ndifferent 2\nonly in new 3\nonly in old 1\n"
                       "not compared 1\nfolders 2\n");
  EXPECT_EQ(stats.status, 1);
}

TEST_F(CliFolders, ExclusionsTheOrderForGitAndTheFirstDifference) {
  const Outcome all = Run({"--no-exclude", "--exclude=*.txt", "--exclude=a*", New(), Old()});
  EXPECT_EQ(all.out, "A\t.git\nA\tbuild.o\nA\tline\\nbreak\n!\tmixed\tnew: file, old: folder\n");
  const Outcome swapped = Run({"--old-first", "--exclude=*.txt", Old(), New()});
  EXPECT_EQ(swapped.out, "A\ta.b\nA\ta/sub/added\nD\ta/sub/gone\nA\tline\\nbreak\n"
                         "!\tmixed\tnew: file, old: folder\n")
      << "the same folders named old first";
  const Outcome quick = Run({"-q", New(), Old()});
  EXPECT_EQ(quick.status, 1);
  EXPECT_EQ(std::count(quick.out.begin(), quick.out.end(), '\n'), 1) << quick.out;
}

TEST_F(CliFolders, AlikeFoldersAndWhatIsRefused) {
  Put("x/crlf", "one\r\ntwo\r\n"), Put("y/crlf", "one\ntwo\n");
  const std::string x = (dir / "x").string(), y = (dir / "y").string();
  EXPECT_EQ(Run({x, y}).status, 1);
  const Outcome alike = Run({"--strip-trailing-cr", x, y});
  EXPECT_EQ(alike.status, 0);
  EXPECT_EQ(alike.out, "");
  const Outcome mixed = Run({New(), (dir / "new/same.txt").string()});
  EXPECT_EQ(mixed.status, 2);
  EXPECT_NE(mixed.err.find(" - папка, а "), std::string::npos) << mixed.err;
  EXPECT_EQ(Run({"-q", (dir / "new/same.txt").string(), (dir / "old/same.txt").string()}).status, 2)
      << "-q goes with two folders";
  EXPECT_EQ(Run({"--chunks", New(), Old()}).status, 2);
}

} // namespace
