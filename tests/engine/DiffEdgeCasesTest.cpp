#include "DiffTestSupport.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

struct Row {
  const char *name;
  std::string first;
  std::string second;
  std::vector<Piece> expected;
};

void PrintTo(const Row &row, std::ostream *os) {
  *os << row.name;
}

class DiffEdgeCases : public testing::TestWithParam<Row> {};

TEST_P(DiffEdgeCases, ProducesTheExpectedChunks) {
  const Row &row = GetParam();
  TVDiff diff;
  diff.Run(row.first, row.second);
  EXPECT_EQ(Pieces(diff), row.expected);
}

const Row kRows[] = {
    {"TwoEmptyTexts", "", "", {}},
    {"EmptyFirst", "", "abc", {{Second, "abc"}}},
    {"EmptySecond", "abc", "", {{First, "abc"}}},
    {"OneCharacterTextsAreNeverSearched", "x", "x", {{Second, "x"}, {First, "x"}}},
    {"OneCharacterFirst", "a", "abc", {{Second, "abc"}, {First, "a"}}},
    {"IdenticalWord", "hello", "hello", {{Equal, "hello"}}},
    {"IdenticalLines", "ab\r\ncd\r\n", "ab\r\ncd\r\n", {{Equal, "ab\r\ncd\r\n"}}},
    {"RunCutAfterLastBreak", "ab\r\ncd", "ab\r\ncd", {{Equal, "ab\r\n"}, {Equal, "cd"}}},
    {"OneCharacterLeftAfterTheCut",
     "ab\r\nc",
     "ab\r\nc",
     {{Equal, "ab\r\n"}, {Second, "c"}, {First, "c"}}},
    {"InsideOneLine",
     "abcdef",
     "xbcdy",
     {{Second, "x"}, {First, "a"}, {Equal, "bcd"}, {Second, "y"}, {First, "ef"}}},
    {"KittenMittens",
     "kitten",
     "mittens",
     {{Second, "m"}, {First, "k"}, {Equal, "itten"}, {Second, "s"}}},
    {"WordReplaced",
     "The cat sat.",
     "The dog sat.",
     {{Equal, "The "}, {Second, "dog"}, {First, "cat"}, {Equal, " sat."}}},
    {"LineChanged",
     "one\r\ntwo\r\nthree\r\n",
     "one\r\nTWO\r\nthree\r\n",
     {{Equal, "one\r\n"}, {Second, "TWO"}, {First, "two"}, {Equal, "\r\n"}, {Equal, "three\r\n"}}},
    {"WholeLineOnlyInFirst",
     "one\r\ntwo\r\nthree\r\n",
     "one\r\nthree\r\n",
     {{Equal, "one\r\n"}, {First, "two\r\n"}, {Equal, "three\r\n"}}},
    {"PartialLinesAtBothEnds",
     "abc\r\ndef",
     "xbc\r\ndeq",
     {{Second, "x"}, {First, "a"}, {Equal, "bc\r\n"}, {Equal, "de"}, {Second, "q"}, {First, "f"}}},
    {"ALineEndIsKeptWhenItIsAllThatIsLeft",
     "beta line two plus\nend\n",
     "beta line two\nend\n",
     {{Equal, "beta line two"}, {First, " plus"}, {Equal, "\nend\n"}}},
    {"ASingleLineFeedIsMatched", "\n", "x\n", {{Second, "x"}, {Equal, "\n"}}},
    {"ASingleByteBesideALineEndIsNot", "x", "x\n", {{Second, "x\n"}, {First, "x"}}},
    {"ALineEndBesideOneByteOfTheOtherText",
     "a\n\nb\n",
     "a\nb\n",
     {{Second, "a"}, {First, "a\n"}, {Equal, "\nb\n"}}},
    {"FirstCharacterDiffers",
     "xabc\r\ndefgh",
     "yabc\r\ndefgh",
     {{Second, "y"}, {First, "x"}, {Equal, "abc\r\n"}, {Equal, "defgh"}}},
};

INSTANTIATE_TEST_SUITE_P(Engine, DiffEdgeCases, testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(DiffCounters, CountCharactersAndChunksPerKind) {
  TVDiff diff;
  diff.Run("abcdef", "xbcdy");
  EXPECT_EQ(diff.EqualChars, 3);
  EXPECT_EQ(diff.FirstChars, 3);
  EXPECT_EQ(diff.SecondChars, 2);
  EXPECT_EQ(diff.EqualChunks, 1);
  EXPECT_EQ(diff.FirstChunks, 2);
  EXPECT_EQ(diff.SecondChunks, 2);

  diff.Run("kitten", "mittens");
  EXPECT_EQ(diff.FirstChunks, 1);
  EXPECT_EQ(diff.SecondChunks, 2);

  diff.Run("", "abc"); // no piece is ever empty, so none counts for the empty text
  EXPECT_EQ(diff.SecondChars, 3);
  EXPECT_EQ(diff.SecondChunks, 1);
  EXPECT_EQ(diff.FirstChunks, 0);

  diff.Run("", "");
  EXPECT_EQ(diff.EqualChars + diff.FirstChars + diff.SecondChars, 0);
  EXPECT_EQ(diff.EqualChunks + diff.FirstChunks + diff.SecondChunks, 0);
}

TEST(DiffCounters, ClearKeepsCountersAndRunResetsThem) {
  TVDiff diff;
  diff.Run("hello", "hello");
  diff.Clear();
  EXPECT_EQ(diff.Count(), 0);
  EXPECT_EQ(diff.EqualChars, 5);
  diff.Run("ab", "cd");
  EXPECT_EQ(diff.EqualChars, 0);
  EXPECT_EQ(diff.FirstChars, 2);
}

TEST(DiffCounters, EqualKindFieldsMakeTheFirstMatchingPairCount) {
  TVDiff diff;
  diff.FirstKind = 0; // same as EqualKind: first-only text now counts as equal
  diff.Run("abcdef", "xbcdy");
  EXPECT_EQ(diff.EqualChars, 6);
  EXPECT_EQ(diff.FirstChars, 0);
  EXPECT_EQ(diff.SecondChars, 2);
}

TEST(DiffCounters, UnknownKindsAreStoredUncounted) {
  TVDiff diff;
  diff.AddKind("zz", 7);
  EXPECT_EQ(diff.Count(), 1);
  EXPECT_EQ(diff.GetKind(0), 7);
  EXPECT_EQ(diff.EqualChars + diff.FirstChars + diff.SecondChars, 0);
}

TEST(DiffConstruction, RunsOnlyWhenBothTextsAreGiven) {
  TVDiff both("The cat sat.", "The dog sat.");
  EXPECT_EQ(both.Count(), 4);
  TVDiff one("abc", "");
  EXPECT_EQ(one.Count(), 0);
  EXPECT_EQ(one.MinMatch, 1);
  EXPECT_EQ(one.SecondKind, 2);
}

TEST(DiffConstruction, CustomKindsAreWritten) {
  TVDiff diff;
  diff.EqualKind = 10;
  diff.FirstKind = 11;
  diff.SecondKind = 12;
  diff.Run("The cat sat.", "The dog sat.");
  EXPECT_EQ(Pieces(diff),
            (std::vector<Piece>{{10, "The "}, {12, "dog"}, {11, "cat"}, {10, " sat."}}));
}

using Report = std::pair<std::int32_t, TVProgressStage>;

std::vector<Report> ProgressOf(const std::string &first, const std::string &second) {
  TVDiff diff;
  std::vector<Report> reports;
  diff.OnProgress = [&](const void *sender, std::int32_t percent, TVProgressStage stage) {
    EXPECT_EQ(sender, &diff);
    reports.emplace_back(percent, stage);
  };
  diff.Run(first, second);
  return reports;
}

TEST(DiffProgress, ReportsEveryExaminedTopLevelBlockRounded) {
  EXPECT_EQ(
      ProgressOf("hello", "hello"),
      (std::vector<Report>{
          {0, psStart}, {72, psStep}, {90, psStep}, {95, psStep}, {100, psStep}, {100, psDone}}));
}

TEST(DiffProgress, OneCharacterTopLevelReportsOnlyStartAndDone) {
  EXPECT_EQ(ProgressOf("x", "x"), (std::vector<Report>{{0, psStart}, {100, psDone}}));
}

TEST(DiffProgress, NoSharedRunMeansNo95Report) {
  // Three blocks, none found: 30, 60, 90, then the end of the top level.
  EXPECT_EQ(
      ProgressOf("abc", "xyz"),
      (std::vector<Report>{
          {0, psStart}, {30, psStep}, {60, psStep}, {90, psStep}, {100, psStep}, {100, psDone}}));
}

TEST(DiffProgress, RecursionBelowTheTopReportsNothing) {
  const auto reports = ProgressOf("abc\r\ndef", "xbc\r\ndeq");
  // Top level: 8 one-character blocks; the first hit ("b") covers blocks 1 to 5.
  EXPECT_EQ(reports.front(), Report(0, psStart));
  EXPECT_EQ(reports.back(), Report(100, psDone));
  int steps95 = 0;
  for (const auto &r : reports)
    steps95 += r == Report(95, psStep);
  EXPECT_EQ(steps95, 1);
}

TEST(DiffProgress, IdleCallsComeFromEveryLevelAndChangeNothing) {
  const std::string first = "abc\r\ndef", second = "xbc\r\ndeq";
  TVDiff plain;
  plain.Run(first, second);
  TVDiff watched;
  int idle = 0, reports = 0;
  watched.OnIdle = [&] { ++idle; };
  watched.OnProgress = [&](const void *, std::int32_t, TVProgressStage) { ++reports; };
  watched.Run(first, second);
  EXPECT_EQ(Pieces(watched), Pieces(plain));
  EXPECT_GT(idle, 0) << "the nested ranges are examined block by block too";
  EXPECT_EQ(reports, static_cast<int>(ProgressOf(first, second).size()));
}

// A stop request made at any step of the work, at the top level or deep below it, ends the run
// at that step: nothing more is examined or reported, and the list is empty.
TEST(DiffStop, EndsAtTheStepThatSeesItWithAnEmptyList) {
  std::string first, second;
  for (int i = 0; i < 3000; ++i) {
    const std::string line = "line " + std::to_string(i) + " of a text both share\r\n";
    first += line + (i % 300 == 7 ? "new\r\n" : "");
    second += line + (i % 300 == 7 ? "old\r\n" : "");
  }
  TVDiff whole;
  int total = 0;
  whole.OnIdle = [&] { ++total; };
  whole.OnProgress = [](const void *, std::int32_t, TVProgressStage) {}; // as in the runs below
  whole.Run(first, second);
  ASSERT_GT(whole.Count(), 20);
  for (const int stopAt : {1, 2, total / 2, total}) {
    TVDiff diff;
    std::stop_source stop;
    int steps = 0, afterStop = 0;
    bool done = false;
    diff.OnIdle = [&] {
      afterStop += stop.stop_requested();
      if (++steps == stopAt)
        stop.request_stop();
    };
    diff.OnProgress = [&](const void *, std::int32_t, TVProgressStage stage) {
      afterStop += stop.stop_requested();
      done |= stage == psDone;
    };
    diff.Run(first, second, stop.get_token());
    ASSERT_TRUE(stop.stop_requested()) << "the run has at least " << stopAt << " steps";
    EXPECT_TRUE(diff.Stopped());
    EXPECT_EQ(afterStop, 0) << "stopped at step " << stopAt;
    EXPECT_FALSE(done);
    EXPECT_EQ(diff.Count(), 0);
    EXPECT_EQ(diff.EqualChars + diff.FirstChars + diff.SecondChars, 0);
    EXPECT_EQ(diff.EqualChunks + diff.FirstChunks + diff.SecondChunks, 0);

    diff.OnIdle = nullptr;
    diff.Run(first, second);
    EXPECT_FALSE(diff.Stopped());
    EXPECT_EQ(Pieces(diff), Pieces(whole)) << "the next run is whole";
  }
}

// Counts the scan reports of a top level that finds nothing: one per block.
int BlocksScanned(std::size_t length) {
  const auto reports = ProgressOf(std::string(length, 'a'), std::string(length, 'b'));
  return static_cast<int>(reports.size()) - 3; // start, the end of the top level, done
}

TEST(DiffProgress, BlockWidthGrowsWithTheFirstText) {
  EXPECT_EQ(BlocksScanned(200), 200);
  EXPECT_EQ(BlocksScanned(399), 399);
  EXPECT_EQ(BlocksScanned(400), 200);
  EXPECT_EQ(BlocksScanned(600), 200);
}

} // namespace
