// The pieces of two compared forms turned back into the files' own bytes, against a reference
// that walks the forms a compared byte at a time as the reader gives them.
#include "OriginalReference.h"

#include "FormTexts.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(OriginalPieces, RandomPairsUnderEveryOptionAsTheReference) {
  std::mt19937 random(2026);
  for (int bits = 1; bits < 32; ++bits) {
    TFormOptions o;
    o.LineEnds = bits & 1, o.SpaceChange = bits & 2, o.AllSpace = bits & 4, o.Case = bits & 8;
    o.Utf8 = bits & 16;
    for (int round = 0; round < 60; ++round) {
      const std::string a = RandomFormText(random, round % 25),
                        b = RandomFormText(random, round % 17);
      SCOPED_TRACE(testing::Message() << "options " << bits << ": " << testing::PrintToString(a)
                                      << " against " << testing::PrintToString(b));
      ASSERT_EQ(OriginalPiecesFault(a, b, o), "");
      // A copy with its form changed, so that most of it is shared.
      std::string c = a;
      for (char &ch : c)
        ch = ch == 'a' ? 'A' : ch == ' ' ? '\t' : ch;
      ASSERT_EQ(OriginalPiecesFault(a, c + "\r\n", o), "");
    }
  }
}

TFormOptions Options(bool lineEnds, bool spaceChange, bool allSpace, bool letterCase) {
  TFormOptions o;
  o.LineEnds = lineEnds, o.SpaceChange = spaceChange, o.AllSpace = allSpace, o.Case = letterCase;
  o.Utf8 = true;
  return o;
}

TEntries Shown(const std::string &first, const std::string &second, const TFormOptions &o,
               bool showSecond = false) {
  const TComparedText form1(first, o), form2(second, o);
  TVDiff engine;
  engine.RunOn(form1.Form(), form2.Form());
  return EntriesOf(TVOriginalPieces(TVCharacterPieces(engine), {first, &form1}, {second, &form2},
                                    showSecond, true));
}

TEST(OriginalPieces, TheEdgesOfTheForms) {
  const TFormOptions spaces = Options(false, true, false, false);
  EXPECT_EQ(Shown("if (a)\t {\n", "if (a) {\n", spaces),
            (TEntries{{0, "if (a)"}, {4, "\t "}, {0, "{\n"}}))
      << "a tab inside a run goes with the run";
  EXPECT_EQ(Shown("x  \r\nsame line\r\n", "x\r\nsame line\r\n", spaces),
            (TEntries{{0, "x"}, {4, "  \r"}, {0, "\nsame line\r\n"}}))
      << "the blanks join the CR, the LF after it is shared";
  EXPECT_EQ(Shown("x  \r\nsame line\r\n", "x\r\nsame line\r\n", spaces, true),
            (TEntries{{0, "x"}, {4, "\r"}, {0, "\nsame line\r\n"}}))
      << "the old file's bytes in its view";
  const TFormOptions all = Options(true, true, true, true);
  EXPECT_EQ(Shown(" \t ", "", all), (TEntries{{4, " \t "}})) << "a text of blanks alone";
  EXPECT_EQ(Shown("", "", all), TEntries{});
  EXPECT_EQ(Shown("WORDS  ", "words", all), (TEntries{{4, "WORDS  "}}))
      << "the blanks at the end join the last piece";
  EXPECT_EQ(Shown("\xE2\x84\xAA\xD0\x96k", "k\xD0\xB6k", Options(false, false, false, true)),
            (TEntries{{4, "\xE2\x84\xAA\xD0\x96"}, {0, "k"}}))
      << "the Kelvin sign's three bytes against k's one, and Ж against ж";
}

TEST(OriginalPieces, CountersCountTheNewFilesBytesAndTheIgnoredOnes) {
  const TFormOptions o = Options(true, false, false, false);
  const std::string first = "one\r\ntwo\r\nnew\r\n", second = "one\ntwo\n";
  const TComparedText form1(first, o), form2(second, o);
  TVDiff engine;
  engine.RunOn(form1.Form(), form2.Form());
  const TVOriginalPieces shown(engine, {first, &form1}, {second, &form2}, false, true);
  const TVPieceCounts c = shown.Counts();
  EXPECT_EQ(c.EqualChars, 10) << "the shared lines as the first file has them";
  EXPECT_EQ(c.IgnoredChars, 4) << "two CR LF";
  EXPECT_EQ(c.FirstChars, 5);
  EXPECT_EQ(c.EqualChunks + c.FirstChunks + c.SecondChunks, static_cast<int>(shown.Spans().size()));
}

} // namespace
