// Properties that hold for every input, checked on many random pairs, and a reference
// implementation written the plain way (recursive, copied ranges, character loops, positions
// from 1) that the engine must agree with entry for entry.
#include "DiffTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class ReferenceDiff {
public:
  std::vector<Piece> Run(const std::string &a, const std::string &b) {
    out.clear();
    DiffRange(a, b);
    return out;
  }

private:
  std::vector<Piece> out;
  static constexpr long T = 1;

  static bool Brk(char c) { return c == '\r' || c == '\n'; }
  static char At(const std::string &s, long pos) { return s[static_cast<std::size_t>(pos - 1)]; }
  static std::string Sub(const std::string &s, long from, long to) { // 1-based, inclusive
    return to < from ? std::string()
                     : s.substr(static_cast<std::size_t>(from - 1),
                                static_cast<std::size_t>(to - from + 1));
  }

  static long Find(const std::string &block, const std::string &b) {
    const auto n = static_cast<long>(b.size()), w = static_cast<long>(block.size());
    for (long q = 1; q + w - 1 <= n; ++q) {
      long k = 0;
      while (k < w && At(b, q + k) == block[static_cast<std::size_t>(k)])
        ++k;
      if (k == w)
        return q;
    }
    return 0;
  }

  void Add(const std::string &s, std::int32_t kind) { out.push_back({kind, s}); }

  void DiffRange(const std::string &a, const std::string &b) {
    const auto na = static_cast<long>(a.size()), nb = static_cast<long>(b.size());
    if (T >= na || T >= nb) {
      Add(b, Second);
      Add(a, First);
      return;
    }
    const long w = na <= 200 ? 1 : na / 200, blocks = na / w;
    long bp = 0, bq = 0, bl = 0;
    for (long i = 0; i < blocks;) {
      const long q0 = Find(Sub(a, i * w + 1, i * w + w), b);
      if (q0 > 0) {
        long p = i * w + 1, q = q0, l = w;
        while (p > 1 && q > 1 && At(a, p - 1) == At(b, q - 1))
          --p, --q, ++l;
        while (p + l <= na && q + l <= nb && At(a, p + l) == At(b, q + l))
          ++l;
        if (l > bl)
          bp = p, bq = q, bl = l;
        i = std::max(i + 1, (p + l - w - 1) / w);
      } else {
        ++i;
      }
    }
    Snap(a, b, bp, bq, bl);
    if (bl <= T) {
      Add(b, Second);
      Add(a, First);
      return;
    }
    if (bp > 1 && bq > 1) {
      DiffRange(Sub(a, 1, bp - 1), Sub(b, 1, bq - 1));
    } else {
      if (bq > 1)
        Add(Sub(b, 1, bq - 1), Second);
      if (bp > 1)
        Add(Sub(a, 1, bp - 1), First);
    }
    Add(Sub(a, bp, bp + bl - 1), Equal);
    if (bp + bl < na && bq + bl < nb) {
      DiffRange(Sub(a, bp + bl, na), Sub(b, bq + bl, nb));
    } else {
      if (bq + bl <= nb)
        Add(Sub(b, bq + bl, nb), Second);
      if (bp + bl <= na)
        Add(Sub(a, bp + bl, na), First);
    }
  }

  static void Snap(const std::string &a, const std::string &b, long &p, long &q, long &l) {
    long last = 0;
    for (long k = p + l - 1; k >= p && last == 0; --k)
      if (Brk(At(a, k)))
        last = k;
    if (last == 0)
      return;
    const long e = last + 1, h = e - p;
    long s = p;
    if (!(p == 1 || Brk(At(a, p - 1)) || q == 1 || Brk(At(b, q - 1)))) {
      while (s < e && !Brk(At(a, s)))
        ++s;
      while (s < e && Brk(At(a, s)))
        ++s;
    }
    if (s < e) {
      q += s - p;
      l = e - s;
      p = s;
      return;
    }
    const long r = p + l - e;
    if (h < r) {
      p = e;
      q += h;
      l = r;
    } else {
      l = h;
    }
  }
};

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

void ExpectInvariants(const std::string &first, const std::string &second, const TVDiff &diff) {
  std::string joinedFirst, joinedSecond;
  int seconds = 0, firsts = 0; // pieces since the last shared one
  std::int64_t sumEqual = 0, sumFirst = 0, sumSecond = 0;
  for (int i = 0; i < diff.Count(); ++i) {
    const auto text = diff.Text(i);
    switch (diff.GetKind(i)) {
    case Equal:
      joinedFirst += text;
      joinedSecond += text;
      sumEqual += static_cast<std::int64_t>(text.size());
      seconds = firsts = 0;
      break;
    case First:
      joinedFirst += text;
      sumFirst += static_cast<std::int64_t>(text.size());
      ++firsts;
      break;
    case Second:
      joinedSecond += text;
      sumSecond += static_cast<std::int64_t>(text.size());
      ASSERT_EQ(firsts, 0) << "a second-text piece after a first-text piece at " << i;
      ++seconds;
      break;
    default:
      FAIL() << "unexpected kind at " << i;
    }
    ASSERT_LE(seconds, 1) << "two second-text pieces in one stretch at " << i;
    ASSERT_LE(firsts, 1) << "two first-text pieces in one stretch at " << i;
    if (!first.empty() && !second.empty()) {
      ASSERT_FALSE(text.empty()) << "empty entry at " << i;
    }
  }
  EXPECT_EQ(joinedFirst, first);
  EXPECT_EQ(joinedSecond, second);
  EXPECT_EQ(sumEqual, diff.EqualChars);
  EXPECT_EQ(sumFirst, diff.FirstChars);
  EXPECT_EQ(sumSecond, diff.SecondChars);
  EXPECT_EQ(diff.EqualChars + diff.FirstChars, static_cast<std::int32_t>(first.size()));
  EXPECT_EQ(diff.EqualChars + diff.SecondChars, static_cast<std::int32_t>(second.size()));
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
