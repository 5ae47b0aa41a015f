// Properties that hold for every input, checked on many random pairs, and agreement with the
// plain reference entry for entry.
#include "DiffTestSupport.h"
#include "ReferenceDiff.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Random text over a small alphabet with line breaks, so that runs, hits and cuts all happen.
std::string RandomText(std::mt19937 &rng, std::size_t maxLength, std::string_view alphabet) {
  std::uniform_int_distribution<std::size_t> len(0, maxLength), pick(0, alphabet.size() - 1);
  std::string s(len(rng), ' ');
  for (char &c : s)
    c = alphabet[pick(rng)];
  return s;
}

// The second text: the first with random edits, so that the pair shares most of its text.
std::string Mutate(std::mt19937 &rng, std::string s, std::string_view alphabet) {
  std::uniform_int_distribution<int> edits(0, 6);
  for (int n = edits(rng); n > 0; --n) {
    std::uniform_int_distribution<std::size_t> at(0, s.size());
    const std::size_t pos = at(rng);
    const std::string piece = RandomText(rng, 12, alphabet);
    if (rng() % 2 && pos < s.size())
      s.erase(pos, std::min<std::size_t>(piece.size(), s.size() - pos));
    else
      s.insert(pos, piece);
  }
  return s;
}

struct Alphabet {
  const char *name;
  std::string_view letters;
  std::size_t maxLength;
};

class DiffProperties : public testing::TestWithParam<Alphabet> {};

TEST_P(DiffProperties, JoiningRebuildsBothTextsAndMatchesTheReference) {
  const Alphabet &alphabet = GetParam();
  std::mt19937 rng(20261208);
  ReferenceDiff reference;
  for (int round = 0; round < 400; ++round) {
    const std::string first = RandomText(rng, alphabet.maxLength, alphabet.letters);
    const std::string second = round % 5 == 0
                                   ? RandomText(rng, alphabet.maxLength, alphabet.letters)
                                   : Mutate(rng, first, alphabet.letters);
    TVDiff diff;
    diff.Run(first, second);
    ExpectInvariants(first, second, diff);
    ASSERT_EQ(Pieces(diff), reference.Run(first, second)) << "round " << round;
    if (HasFailure())
      return;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Engine, DiffProperties,
    testing::Values(Alphabet{"TinyLines", "ab\r\n", 40}, Alphabet{"ShortText", "abc \r\n", 150},
                    Alphabet{"BlocksOfTwoAndMore", "abcdefgh \r\n", 1500},
                    Alphabet{"LoneBreaks", "xy\n\n\r", 600},
                    Alphabet{"AllBytes", std::string_view("\0\x01\xff\xd0\r\nab", 8), 500}),
    [](const auto &info) { return std::string(info.param.name); });

// Text that repeats itself: copies of one random text, then edited. The run found first is often
// one copy off; both the engine and the reference move it to its proportional place.
TEST(DiffRepeats, CopiesOfOneTextMatchTheReference) {
  std::mt19937 rng(25);
  ReferenceDiff reference;
  for (int round = 0; round < 300; ++round) {
    const std::string base = RandomText(rng, 120, "abcd \r\n");
    std::string first, second;
    for (int copy = 2 + static_cast<int>(rng() % 4); copy > 0; --copy)
      first += base;
    for (int copy = 2 + static_cast<int>(rng() % 4); copy > 0; --copy)
      second += base;
    second = Mutate(rng, second, "abcd \r\n");
    TVDiff diff;
    diff.Run(first, second);
    ExpectInvariants(first, second, diff);
    ASSERT_EQ(Pieces(diff), reference.Run(first, second)) << "round " << round;
  }
}

// Four copies of a document against the same four with one word changed near the start of the
// second copy and one in the fourth, as the GPL's text four times over: only the two words
// differ. The longest run the block search finds first pairs the second copy with the first.
TEST(DiffRepeats, TwoEditedWordsInFourCopiesAreAllThatDiffers) {
  std::mt19937 rng(3);
  std::string document;
  for (int line = 0; line < 400; ++line) {
    for (int word = 0; word < 8; ++word)
      document += "lorem ipsum dolor sit amet consectetur"[rng() % 38];
    document += line % 50 == 7 ? " QQQQQQQ\n" : " line " + std::to_string(line) + "\n";
  }
  const std::string old = document + document + document + document;
  std::string edited = old;
  for (const std::size_t copy : {1u, 3u})
    edited.replace(edited.find("QQQQQQQ", copy * document.size()), 7, "ZZZZZZZ");
  TVDiff diff;
  diff.Run(edited, old);
  ExpectInvariants(edited, old, diff);
  EXPECT_EQ(diff.FirstChars, 14);
  EXPECT_EQ(diff.SecondChars, 14);
  EXPECT_TRUE(ReferenceDiff().Run(edited, old) == Pieces(diff)) << "the plain reference agrees";
}

// A text of many separated differences, nested: each range holds one long shared run in its
// middle (long enough for the block search to find it) between two smaller such ranges.
void Nested(std::mt19937 &rng, std::size_t size, std::string &a, std::string &b) {
  auto randomRun = [&](std::size_t n) {
    std::uniform_int_distribution<int> byte(33, 126);
    std::string s(n, ' ');
    for (char &c : s)
      c = static_cast<char>(byte(rng));
    return s;
  };
  if (size < 24) {
    a += '<' + randomRun(3) + '>';
    b += '[' + randomRun(2) + ']';
    return;
  }
  const std::size_t shared = size / 40 + 8;
  Nested(rng, (size - shared) / 2, a, b);
  const std::string middle = randomRun(shared);
  a += middle;
  b += middle;
  Nested(rng, (size - shared) / 2, a, b);
}

TEST(DiffScale, AHundredThousandSeparatedDifferences) {
  std::mt19937 rng(7);
  std::string first, second;
  Nested(rng, 4'000'000, first, second);
  TVDiff diff;
  diff.Run(first, second);
  ExpectInvariants(first, second, diff);
  EXPECT_GT(diff.FirstChunks, 100'000);
}

TEST(DiffScale, TextsStayValidAfterRunReturns) {
  TVDiff diff;
  {
    std::string first = "shared line\r\nnew\r\n", second = "shared line\r\nold\r\n";
    diff.Run(std::move(first), std::move(second));
  }
  EXPECT_EQ(diff.Text(0), "shared line\r\n");
  EXPECT_EQ(Pieces(diff).back(), (Piece{Equal, "\r\n"}));
}

} // namespace
