// The pieces of two compared forms turned back into the files' own bytes, against a reference
// that walks the forms a compared byte at a time as the reader gives them.
#include "OriginalPieces.h"
#include "CharacterPieces.h"
#include "VDiff.h"

#include "FormTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using TEntries = std::vector<std::pair<std::int32_t, std::string>>;

} // namespace

void PrintTo(const TVOriginalSpan &span, std::ostream *out) {
  *out << span.Kind << ':' << span.FirstBytes << '/' << span.SecondBytes;
}

namespace {

TEntries EntriesOf(const TVKindStringList &list) {
  TEntries entries;
  for (int k = 0; k < list.Count(); ++k)
    entries.emplace_back(list.GetKind(k), std::string(list.Text(k)));
  return entries;
}

// Each compared byte's original bytes, as the reader gives them: the bytes of a folded character
// all carry its span; what is dropped at the end joins the last byte.
std::vector<std::pair<std::size_t, std::size_t>> ReaderSpans(std::string_view text,
                                                             const TFormOptions &o) {
  std::vector<std::pair<std::size_t, std::size_t>> spans;
  TFormReader reader(text, o);
  while (reader.Next())
    spans.emplace_back(reader.SpanStart(), reader.SpanEnd());
  if (!spans.empty())
    spans.back().second = text.size();
  return spans;
}

struct TReference {
  TEntries Shown;
  std::vector<TVOriginalSpan> Spans;
};

// The rule itself: a piece stands for its bytes' spans; in a shared one, each compared byte whose
// two spans differ is an ignored difference, and under UTF-8 a character of the compared form
// with any of its bytes ignored goes whole.
TReference Reference(const TVKindStringList &pieces, std::string_view first,
                     std::string_view second, const TFormOptions &o, bool showSecond) {
  const auto spans1 = ReaderSpans(first, o), spans2 = ReaderSpans(second, o);
  TReference ref;
  std::size_t in1 = 0, in2 = 0;
  const auto range = [](const auto &spans, std::size_t from, std::size_t length) {
    return std::pair(spans[from].first, spans[from + length - 1].second);
  };
  for (int k = 0; k < pieces.Count(); ++k) {
    const std::int32_t kind = pieces.GetKind(k);
    const std::size_t length = pieces.Text(k).size();
    using TRange = std::pair<std::size_t, std::size_t>;
    const auto [s1, e1] = kind != kindDeleted ? range(spans1, in1, length) : TRange();
    const auto [s2, e2] = kind != kindInserted ? range(spans2, in2, length) : TRange();
    ref.Spans.push_back({kind, e1 - s1, e2 - s2});
    if (kind != kindEqual) {
      const std::string_view text =
          kind == kindInserted ? first.substr(s1, e1 - s1) : second.substr(s2, e2 - s2);
      ref.Shown.emplace_back(kind, std::string(text));
    } else {
      // Which compared bytes differ, a character of the form going whole under UTF-8.
      const std::string_view form = pieces.Text(k);
      std::vector<bool> differs(length);
      for (std::size_t i = 0; i < length; ++i) {
        const auto [a1, b1] = spans1[in1 + i];
        const auto [a2, b2] = spans2[in2 + i];
        differs[i] = first.substr(a1, b1 - a1) != second.substr(a2, b2 - a2);
      }
      for (std::size_t i = 0, next = 0; i < length; i = next) {
        next = i + 1;
        while (o.Utf8 && next < length && (static_cast<unsigned char>(form[next]) & 0xC0) == 0x80)
          ++next;
        const bool any =
            std::find(differs.begin() + i, differs.begin() + next, true) != differs.begin() + next;
        std::fill(differs.begin() + i, differs.begin() + next, any);
      }
      const std::string_view shownText = showSecond ? second : first;
      const std::size_t from = showSecond ? s2 : s1, to = showSecond ? e2 : e1;
      std::vector<std::int32_t> kinds(to - from, kindEqual);
      for (std::size_t i = 0; i < length; ++i) {
        const auto [as, bs] = showSecond ? spans2[in2 + i] : spans1[in1 + i];
        for (std::size_t p = as; p < bs && differs[i]; ++p)
          kinds[p - from] = kindIgnored;
      }
      for (std::size_t p = 0; p < kinds.size(); ++p) {
        if (p == 0 || kinds[p] != kinds[p - 1])
          ref.Shown.emplace_back(kinds[p], "");
        ref.Shown.back().second += shownText[from + p];
      }
    }
    in1 += kind != kindDeleted ? length : 0;
    in2 += kind != kindInserted ? length : 0;
  }
  // A text with nothing left in its form stands at the end on its own.
  const std::string_view a = spans1.empty() ? first : "", b = spans2.empty() ? second : "";
  if (!a.empty() || !b.empty()) {
    ref.Spans.push_back({kindEqual, a.size(), b.size()});
    if (!(showSecond ? b : a).empty())
      ref.Shown.emplace_back(a == b ? kindEqual : kindIgnored, std::string(showSecond ? b : a));
  }
  return ref;
}

// The engine's pieces of the two forms, whole characters under UTF-8, turned back both ways and
// checked against the reference and against the files' sizes.
void ExpectAsTheReference(const std::string &first, const std::string &second,
                          const TFormOptions &o) {
  const TComparedText form1(first, o), form2(second, o);
  TVDiff engine;
  engine.RunOn(form1.Form(), form2.Form());
  const TVCharacterPieces whole(engine);
  const TVKindStringList &pieces = o.Utf8 ? static_cast<const TVKindStringList &>(whole) : engine;
  for (const bool showSecond : {false, true}) {
    const TVOriginalPieces shown(pieces, {first, &form1}, {second, &form2}, showSecond, o.Utf8);
    const TReference ref = Reference(pieces, first, second, o, showSecond);
    EXPECT_EQ(EntriesOf(shown), ref.Shown) << "showing the second: " << showSecond;
    EXPECT_EQ(shown.Spans(), ref.Spans);
    std::size_t bytes1 = 0, bytes2 = 0;
    for (const TVOriginalSpan &span : shown.Spans())
      bytes1 += span.FirstBytes, bytes2 += span.SecondBytes;
    EXPECT_EQ(bytes1, first.size());
    EXPECT_EQ(bytes2, second.size());
  }
}

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
      ExpectAsTheReference(a, b, o);
      // A copy with its form changed, so that most of it is shared.
      std::string c = a;
      for (char &ch : c)
        ch = ch == 'a' ? 'A' : ch == ' ' ? '\t' : ch;
      ExpectAsTheReference(a, c + "\r\n", o);
      if (testing::Test::HasFailure())
        return;
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
