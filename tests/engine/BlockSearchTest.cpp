// The shortcuts of the block search (remembered runs, the anchor index) must never change an
// answer: checked against plain scans on texts large enough for them to come into play.
#include "BlockSearch.h"
#include "DiffTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Lines drawn from a small vocabulary, so that 64-byte windows recur as they do in source text.
std::string SourceLike(std::mt19937 &rng, std::size_t size) {
  static const char *const kLines[] = {
      "    if (count > limit) {\r\n",
      "        return false;\r\n",
      "    }\r\n",
      "    // \xEF\xF0\xEE\xE2\xE5\xF0\xEA\xE0 \xE3\xF0\xE0\xED\xE8\xF6\r\n",
      "    total += item.Size();\r\n",
      "    for (auto &item : items)\r\n",
      "void Update(int value) {\r\n",
      "}\r\n",
      "\r\n",
      "    Log(\"done\", value);\r\n"};
  std::string text;
  while (text.size() < size) {
    text += kLines[rng() % std::size(kLines)];
    if (rng() % 4 == 0)
      text.insert(text.size() - 2, " // " + std::to_string(rng() % 100'000));
  }
  return text;
}

TEST(AnchorIndex, AnswersAgreeWithAPlainSearch) {
  std::mt19937 rng(3);
  const std::string text = SourceLike(rng, 600'000);
  const std::string_view view(text);
  for (unsigned variant : {0u, 1u}) {
    const TAnchorIndex index(text, {}, variant);
    int answered = 0, found = 0;
    for (int k = 0; k < 1500; ++k) {
      const std::size_t w = TAnchorIndex::kMinBlock + rng() % 4000;
      std::string block = text.substr(rng() % (text.size() - w), w);
      if (k % 3 == 1)
        block[rng() % w] ^= 0x20; // a near miss
      else if (k % 3 == 2)
        block = SourceLike(rng, w).substr(0, w); // most likely absent
      const std::size_t from = rng() % (text.size() / 2);
      const std::size_t length = k % 5 == 0 ? w - 1 : rng() % (text.size() - from);
      const auto got = index.FindLeftmost(block, from, length);
      if (!got)
        continue;
      ++answered;
      found += *got != std::string_view::npos;
      ASSERT_EQ(*got, view.substr(from, length).find(block))
          << "variant " << variant << ", lookup " << k;
    }
    EXPECT_GT(answered, 1200); // the index, not the scan, answered most lookups
    EXPECT_GT(found, 100);
  }
}

// Blocks of 256 bytes without an anchor of the first index, found or not: the second index
// answers most of them, and agrees with a plain search.
TEST(AnchorIndex, TheSecondVariantAnswersBlocksTheFirstCannot) {
  std::mt19937 rng(6);
  const std::string text = SourceLike(rng, 400'000);
  const TAnchorIndex first(text, {}), second(text, {}, 1);
  int unanswered = 0, answered = 0;
  for (std::size_t at = 0; at + 256 <= text.size(); at += 97) {
    const std::string_view block = std::string_view(text).substr(at, 256);
    if (first.FindLeftmost(block, 0, text.size()))
      continue;
    ++unanswered;
    if (const auto q = second.FindLeftmost(block, 0, text.size())) {
      ++answered;
      ASSERT_EQ(*q, text.find(block));
    }
  }
  ASSERT_GT(unanswered, 3);
  EXPECT_GT(answered, unanswered / 2);
}

TEST(AnchorIndex, ReportsWhileItHashesAndGivesUpOnATextThatRepeatsItself) {
  std::mt19937 rng(4);
  const std::string text = SourceLike(rng, 3'500'000);
  int idle = 0;
  const TAnchorIndex index(text, [&] { ++idle; });
  EXPECT_EQ(idle, 4); // after each megabyte and at the end

  // One 64-byte window everywhere: every place or none is an anchor. Either way the index
  // cannot tell places apart and leaves every answer to a scan.
  const std::string same(1 << 20, 'a');
  const TAnchorIndex useless(same, {});
  EXPECT_FALSE(useless.FindLeftmost(std::string(300, 'a'), 0, same.size()).has_value());
}

// A window of the other text that the index calls missing occurs nowhere in the indexed text;
// most edits leave such a window behind.
TEST(AnchorIndex, MissingWindowsOccurNowhere) {
  std::mt19937 rng(7);
  const std::string b = SourceLike(rng, 300'000);
  std::string a = b;
  for (std::size_t at = 1000; at < a.size(); at += 3000)
    a[at] = '#';
  const TAnchorIndex index(b, {});
  const std::vector<std::uint32_t> missing = index.Missing(a, {});
  EXPECT_GT(missing.size(), 50u) << "of about 100 edits";
  for (std::uint32_t place : missing) {
    ASSERT_GE(place, TAnchorIndex::kWindow - 1);
    const std::string_view window =
        std::string_view(a).substr(place + 1 - TAnchorIndex::kWindow, TAnchorIndex::kWindow);
    ASSERT_EQ(b.find(window), std::string::npos) << "at " << place;
  }
  EXPECT_TRUE(index.Missing(b, {}).empty()) << "every window of the text itself occurs";
}

TEST(GramSet, NeverRulesOutAPieceOfTheTextAndRulesOutNewWords) {
  std::mt19937 rng(5);
  const std::string text = SourceLike(rng, 20'000);
  const TGramSet grams(text);
  for (int k = 0; k < 2000; ++k) {
    const std::size_t m = TGramSet::kGram + rng() % 200;
    ASSERT_TRUE(grams.MayContain(std::string_view(text).substr(rng() % (text.size() - m), m)));
  }
  int ruledOut = 0;
  for (int k = 0; k < 200; ++k)
    ruledOut += !grams.MayContain("    Log(\"zq" + std::to_string(k) + "x\", value);");
  EXPECT_GT(ruledOut, 190);
}

TEST(BlockSearch, TheIndexDoesNotChangeALevelsBestMatch) {
  std::mt19937 rng(11);
  for (int round = 0; round < 4; ++round) {
    const std::string b = SourceLike(rng, 1'500'000 + rng() % 100'000);
    std::string a = b;
    for (int e = 0; e < 150 + round * 50; ++e) // every block of the level holds a change
      a.insert(rng() % a.size(), 1, '#');
    a.insert(rng() % a.size(), b.substr(rng() % (b.size() / 2), 20'000)); // a copied stretch
    TBlockSearch fast(a, b), plain(a, b, false);
    EXPECT_EQ(fast.FindBestMatch(a, b, {}), plain.FindBestMatch(a, b, {})) << "round " << round;
    EXPECT_TRUE(fast.Indexed());
    EXPECT_FALSE(plain.Indexed());
  }
}

TEST(BlockSearch, RemembersRunsOnlyWithinTheRangesTheyHold) {
  // The first level finds two long runs and keeps the later one; the level below searches
  // the part before it, where the other run must be cut at the range's ends.
  std::mt19937 rng(12);
  const std::string shared1 = SourceLike(rng, 300'000), shared2 = SourceLike(rng, 400'000);
  const std::string a = shared1 + "<new>" + shared2, b = shared1 + "<old>" + shared2;
  TBlockSearch fast(a, b), plain(a, b, false);
  const TMatch top = fast.FindBestMatch(a, b, {});
  ASSERT_EQ(top, plain.FindBestMatch(a, b, {}));
  const std::string_view before = std::string_view(a).substr(0, top.P + 100);
  const std::string_view inB = std::string_view(b).substr(0, top.Q);
  EXPECT_EQ(fast.FindBestMatch(before, inB, {}), plain.FindBestMatch(before, inB, {}));
}

// Whole comparisons with and without shortcuts, on pairs shaped like real edits.
TEST(DiffShortcuts, SameChunksAsPlainScans) {
  std::mt19937 rng(13);
  for (int shape = 0; shape < 4; ++shape) {
    const std::string old = SourceLike(rng, 1'200'000);
    std::string neu = old;
    if (shape == 0) { // scattered single-line edits
      for (std::size_t at = 3000; at < neu.size(); at += 6000 + rng() % 2000)
        neu.insert(at, "    changed();\r\n");
    } else if (shape == 1) { // one rewritten stretch, lines moved around it
      neu.replace(neu.size() / 3, 30'000, SourceLike(rng, 30'000));
      neu.insert(neu.size() / 2, old.substr(100'000, 5000));
    } else if (shape == 2) { // unrelated
      neu = SourceLike(rng, 1'100'000);
    } else { // a text that repeats itself, cut differently
      neu = std::string(900'000, ' ') + old.substr(0, 1000);
    }
    TVDiff fast, plain;
    plain.Shortcuts = false;
    fast.Run(neu, old);
    plain.Run(neu, old);
    ASSERT_EQ(Pieces(fast), Pieces(plain)) << "shape " << shape;
  }
}

} // namespace
