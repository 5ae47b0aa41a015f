// A text's compared form built whole, against the same form read a byte at a time: the same
// bytes, and every compared byte back at the original bytes it stands for.
#include "ComparedText.h"

#include "FormTexts.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

// Every combination of the four options, for UTF-8 and for a single-byte code page.
std::vector<TFormOptions> AllOptions() {
  std::vector<TFormOptions> all;
  for (int bits = 0; bits < 32; ++bits) {
    TFormOptions o;
    o.LineEnds = bits & 1, o.SpaceChange = bits & 2, o.AllSpace = bits & 4, o.Case = bits & 8;
    o.Utf8 = bits & 16;
    all.push_back(o);
  }
  return all;
}

// The reader gives each step of the form (a character folded into several bytes is one step)
// with one span; the whole form must give the same bytes, start each step at its span and end
// the last one at its span's end, and never go back.
void ExpectSameAsReader(const std::string &text, const TFormOptions &o) {
  const TComparedText whole(text, o);
  TFormReader reader(text, o);
  std::size_t at = 0, step = SIZE_MAX; // the span start of the reader's last step
  while (reader.Next()) {
    ASSERT_LT(at, whole.Form().size());
    EXPECT_EQ(whole.Form()[at], reader.Byte()) << at;
    if (reader.SpanStart() != step) {
      step = reader.SpanStart();
      EXPECT_EQ(whole.Original(at), step) << at;
    }
    EXPECT_LE(whole.Original(at), reader.SpanEnd()) << at;
    EXPECT_LE(at == 0 ? 0 : whole.Original(at - 1), whole.Original(at)) << at;
    ++at;
  }
  EXPECT_EQ(at, whole.Form().size());
  EXPECT_EQ(whole.Original(at), text.size()) << "what is dropped at the end joins the last byte";
  for (std::size_t k = 0; k < at; k = whole.NextMove(k))
    for (std::size_t j = k; j < whole.NextMove(k); ++j)
      ASSERT_EQ(whole.Original(j), whole.Original(k) + (j - k)) << "one to one up to a move";
}

TEST(ComparedText, TheWholeFormIsTheFormReadByteByByte) {
  std::mt19937 random(26);
  for (const TFormOptions &o : AllOptions())
    for (int round = 0; round < 40; ++round) {
      const std::string text = RandomFormText(random, round);
      SCOPED_TRACE(testing::Message()
                   << "options " << o.LineEnds << o.SpaceChange << o.AllSpace << o.Case << o.Utf8
                   << " text " << testing::PrintToString(text));
      ExpectSameAsReader(text, o);
      if (testing::Test::HasFailure())
        return;
    }
}

// A walk answers as the lookups from the start do, forward by small and large steps and back.
TEST(ComparedText, AWalkAlongTheFormAnswersAsEveryLookup) {
  std::mt19937 random(27);
  TFormOptions o;
  o.LineEnds = o.SpaceChange = o.Case = o.Utf8 = true;
  const TComparedText whole(RandomFormText(random, 3000), o);
  const std::size_t size = whole.Form().size();
  ASSERT_GT(size, 1000u);
  TComparedText::TWalk walk(whole);
  std::uniform_int_distribution<std::size_t> step(0, 40), jump(0, size);
  for (std::size_t at = 0, round = 0; round < 2000; ++round) {
    at = round % 50 == 49 ? jump(random) : std::min(size, at + step(random));
    ASSERT_EQ(walk.Original(at), whole.Original(at)) << at;
    ASSERT_EQ(walk.NextMove(at), whole.NextMove(at)) << at;
  }
}

TEST(ComparedText, EdgesOfTheForm) {
  TFormOptions all;
  all.LineEnds = all.SpaceChange = all.AllSpace = all.Case = all.Utf8 = true;
  EXPECT_EQ(TComparedText("", all).Form(), "");
  EXPECT_EQ(TComparedText("", all).Original(0), 0u);
  const TComparedText blanks(" \t  ", all);
  EXPECT_EQ(blanks.Form(), "") << "a text of blanks alone";
  EXPECT_EQ(blanks.Original(0), 4u);
  // Kelvin folds to one byte that stands for its three; the letter after it is back one to one.
  const TComparedText kelvin("\xE2\x84\xAAx", all);
  EXPECT_EQ(kelvin.Form(), "kx");
  EXPECT_EQ(kelvin.Original(1), 3u);
  // Ⱥ folds to three bytes from two: the third stands for nothing, at the end of the letter.
  const TComparedText longer("\xC8\xBAy", all);
  EXPECT_EQ(longer.Form(), "\xE2\xB1\xA5y");
  EXPECT_EQ(longer.Original(2), 2u);
  EXPECT_EQ(longer.Original(3), 2u);
}

TEST(ComparedText, AStopLeavesTheFormShort) {
  std::stop_source stop;
  stop.request_stop();
  TFormOptions o;
  o.LineEnds = true;
  EXPECT_LT(TComparedText(std::string(3 << 20, 'a'), o, stop.get_token()).Form().size(), 3u << 20);
}

} // namespace
