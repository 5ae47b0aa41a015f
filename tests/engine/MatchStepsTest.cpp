#include "MatchSteps.h"
#include "BlockSearch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

TEST(ExtendMatch, GrowsBothWaysUntilTheTextsDisagree) {
  EXPECT_EQ(ExtendMatch("xabcdy", "zabcdw", {2, 2, 1}), (TMatch{1, 1, 4}));
  EXPECT_EQ(ExtendMatch("abcd", "abcd", {1, 1, 1}), (TMatch{0, 0, 4}));
  // Longer than a machine word on both sides, with the texts at different offsets.
  const std::string core(50, 'q');
  EXPECT_EQ(ExtendMatch("A" + core + "B", "zz" + core + "C", {20, 21, 3}), (TMatch{1, 2, 50}));
}

TEST(SnapToLines, KeepsARunInsideOneLine) {
  EXPECT_EQ(SnapToLines("abcdef", "abcdef", {1, 1, 3}), (TMatch{1, 1, 3}));
}

TEST(SnapToLines, CutsAfterTheLastBreak) {
  EXPECT_EQ(SnapToLines("ab\r\ncd", "ab\r\ncd", {0, 0, 6}), (TMatch{0, 0, 4}));
}

TEST(SnapToLines, DropsThePartialLineAtTheStart) {
  // The run "c\r\nde\r\n" starts inside a line of both texts.
  EXPECT_EQ(SnapToLines("abc\r\nde\r\n", "xbc\r\nde\r\n", {2, 2, 7}), (TMatch{5, 5, 4}));
}

TEST(SnapToLines, ALineStartInTheSecondTextIsEnough) {
  EXPECT_EQ(SnapToLines("xc\r\nd", "\nc\r\nd", {1, 1, 3}), (TMatch{1, 1, 3}));
}

TEST(SnapToLines, OneBlockOfBreaksKeepsTheLongerSide) {
  // Not on a line start, all breaks in one block: the part after the breaks is longer.
  EXPECT_EQ(SnapToLines("xa\r\ncdef", "ya\r\ncdef", {1, 1, 7}), (TMatch{4, 4, 4}));
  // Equal lengths: the part up to and including the breaks wins.
  EXPECT_EQ(SnapToLines("xa\r\ncde", "ya\r\ncde", {1, 1, 6}), (TMatch{1, 1, 3}));
}

TEST(BlockSearch, FindsTheLeftmostOccurrence) {
  EXPECT_EQ(FindLeftmost("abcabc", "c"), 2u);
  EXPECT_EQ(FindLeftmost("abcabc", "ca"), 2u);
  EXPECT_EQ(FindLeftmost("abcabc", "cb"), std::string_view::npos);
  const std::string hay = std::string(1000, 'x') + "needle" + std::string(10, 'x') + "needle";
  EXPECT_EQ(FindLeftmost(hay, "needle"), 1000u);
}

TEST(BlockSearch, LongNeedlesFindTheSameLeftmostOccurrenceAsAPlainSearch) {
  std::mt19937 rng(99);
  for (int round = 0; round < 400; ++round) {
    // A small alphabet makes grams collide and near-misses common.
    const std::string alphabet = round % 2 ? "ab" : "abcdefgh\r\n";
    std::string hay(2000 + rng() % 6000, ' ');
    for (char &c : hay)
      c = alphabet[rng() % alphabet.size()];
    const std::size_t m = 64 + rng() % 300;
    std::string needle;
    if (round % 3 == 0) { // absent, most likely
      needle.assign(m, ' ');
      for (char &c : needle)
        c = alphabet[rng() % alphabet.size()];
    } else { // taken from the text, maybe slightly changed
      needle = hay.substr(rng() % (hay.size() - m), m);
      if (round % 3 == 2)
        needle[rng() % m] ^= 1;
    }
    ASSERT_EQ(FindLeftmost(hay, needle), hay.find(needle)) << "round " << round;
  }
  const std::string big(70'000, 'x'); // shifts longer than the table holds
  EXPECT_EQ(FindLeftmost(std::string(200'000, 'y') + big, big), 200'000u);
}

TEST(BlockSearch, WidthKeepsEveryLevelUnder400Blocks) {
  EXPECT_EQ(BlockWidth(1), 1u);
  EXPECT_EQ(BlockWidth(200), 1u);
  EXPECT_EQ(BlockWidth(399), 1u);
  EXPECT_EQ(BlockWidth(400), 2u);
  EXPECT_EQ(BlockWidth(600), 3u);
  for (std::size_t n : {201u, 399u, 401u, 79'999u, 1'000'003u})
    EXPECT_LT(n / BlockWidth(n), 400u) << n;
}

TEST(BlockSearch, EarlierBlockHoldsItsPlaceOnEqualLength) {
  // "ab" and "cd" both occur; each run has length 2; the first block's run wins.
  const std::string_view a = "ab-cd", b = "cd+ab";
  TBlockSearch search(a, b);
  EXPECT_EQ(search.FindBestMatch(a, b, {}), (TMatch{0, 3, 2}));
}

} // namespace
