// Edits spread evenly through a large text: when every block of a level's first width holds a
// change, the level looks again with narrower blocks instead of giving the whole range up.
#include "DiffTestSupport.h"
#include "ReferenceDiff.h"

#include <gtest/gtest.h>

namespace {

struct Shape {
  const char *name;
  std::size_t every; // one changed line in this many
  std::string_view lineEnd;
};

void PrintTo(const Shape &shape, std::ostream *os) {
  *os << shape.name;
}

class EvenEdits : public testing::TestWithParam<Shape> {};

// About 140 KB: the top level's blocks are 700 bytes wide, wider than the gaps between edits.
TEST_P(EvenEdits, MatchesTheReferenceWithAndWithoutShortcuts) {
  const Shape &shape = GetParam();
  const auto pair = EveryKthLineChanged(3000, shape.every, shape.lineEnd, 17);
  TVDiff fast, plain;
  plain.Shortcuts = false;
  fast.Run(pair.First, pair.Second);
  plain.Run(pair.First, pair.Second);
  ExpectInvariants(pair.First, pair.Second, fast);
  const auto reference = ReferenceDiff().Run(pair.First, pair.Second);
  ASSERT_EQ(Pieces(fast), reference);
  ASSERT_EQ(Pieces(plain), reference);
  // Gaps of 256 bytes and more leave blocks of the narrowest width between the changes.
  if (shape.every * 48 >= 2 * 256) {
    EXPECT_EQ(fast.EqualChars, static_cast<std::int32_t>(pair.First.size()) - pair.Changes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Engine, EvenEdits,
    testing::Values(Shape{"Every5thLineLf", 5, "\n"}, Shape{"Every7thLineLf", 7, "\n"},
                    Shape{"Every7thLineCrLf", 7, "\r\n"}, Shape{"Every12thLineLf", 12, "\n"},
                    Shape{"Every12thLineCrLf", 12, "\r\n"}, Shape{"Every30thLineLf", 30, "\n"},
                    Shape{"Every30thLineCrLf", 30, "\r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EvenEdits, TheFinerPassesReportNoProgress) {
  const auto pair = EveryKthLineChanged(3000, 12, "\n", 18);
  TVDiff diff;
  std::vector<std::int32_t> scan;
  diff.OnProgress = [&](const void *, std::int32_t percent, TVProgressStage stage) {
    if (stage == psStep && percent <= 90)
      scan.push_back(percent);
  };
  diff.Run(pair.First, pair.Second);
  // The first pass misses all of its 200 blocks; the shared text comes from a finer one.
  ASSERT_EQ(scan.size(), 200u);
  EXPECT_EQ(scan.back(), 90);
  EXPECT_EQ(diff.EqualChars, static_cast<std::int32_t>(pair.First.size()) - pair.Changes);
}

TEST(EvenEdits, ALargeTextKeepsAllItsSharedText) {
  for (std::size_t every : {100, 300, 700}) {
    const auto pair = EveryKthLineChanged(60'000, every, "\n", 19);
    TVDiff diff;
    diff.Run(pair.First, pair.Second);
    ExpectInvariants(pair.First, pair.Second, diff);
    EXPECT_EQ(diff.EqualChars, static_cast<std::int32_t>(pair.First.size()) - pair.Changes)
        << "a change every " << every << " lines";
    EXPECT_EQ(diff.FirstChars, pair.Changes);
  }
}

} // namespace
