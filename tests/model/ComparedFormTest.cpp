// The compared form of a text, byte by byte with the original bytes each stands for, and texts
// that read alike in it.
#include "ComparedForm.h"

#include "FormTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using TSpans = std::vector<std::tuple<char, std::size_t, std::size_t>>;

TSpans Read(std::string_view text, const TFormOptions &options) {
  TSpans out;
  TFormReader reader(text, options);
  while (reader.Next())
    out.emplace_back(reader.Byte(), reader.SpanStart(), reader.SpanEnd());
  return out;
}

TFormOptions Options(bool lineEnds, bool spaceChange, bool allSpace, bool letterCase,
                     bool utf8 = false) {
  TFormOptions o;
  o.LineEnds = lineEnds, o.SpaceChange = spaceChange, o.AllSpace = allSpace, o.Case = letterCase;
  o.Utf8 = utf8;
  return o;
}

TEST(ComparedForm, LineEndsAreLfWithTheirBytes) {
  EXPECT_EQ(
      Read("a\r\nb\rc\n", Options(true, false, false, false)),
      (TSpans{{'a', 0, 1}, {'\n', 1, 3}, {'b', 3, 4}, {'\n', 4, 5}, {'c', 5, 6}, {'\n', 6, 7}}));
}

TEST(ComparedForm, ARunOfBlanksIsOneSpaceAndNoneBeforeALineEnd) {
  // The blanks before the CR LF are dropped and join the line end's span; those at the end of
  // the text join nothing.
  EXPECT_EQ(Read("a \t b \r\nc  ", Options(true, true, false, false)),
            (TSpans{{'a', 0, 1}, {' ', 1, 4}, {'b', 4, 5}, {'\n', 5, 8}, {'c', 8, 9}}));
  EXPECT_EQ(Read("a \nb", Options(false, true, false, false)),
            (TSpans{{'a', 0, 1}, {'\n', 1, 3}, {'b', 3, 4}}))
      << "without the line-end option the LF is itself";
}

TEST(ComparedForm, AllBlanksGoAndJoinTheNextByte) {
  EXPECT_EQ(Read("\tx y ", Options(false, false, true, false)), (TSpans{{'x', 0, 2}, {'y', 2, 4}}));
  EXPECT_TRUE(Read("  \t ", Options(false, true, true, false)).empty()) << "only blanks";
}

TEST(ComparedForm, LettersInTheirLowerCase) {
  EXPECT_EQ(Read("Ab\xC0\xA8", Options(false, false, false, true)),
            (TSpans{{'a', 0, 1}, {'b', 1, 2}, {'\xE0', 2, 3}, {'\xB8', 3, 4}}))
      << "Windows-1251: А and Ё";
  // UTF-8 a character at a time: ẞ (three bytes) folds to ß (two), both with its three.
  EXPECT_EQ(Read("\xE1\xBA\x9E\xD0\x96", Options(false, false, false, true, true)),
            (TSpans{{'\xC3', 0, 3}, {'\x9F', 0, 3}, {'\xD0', 3, 5}, {'\xB6', 3, 5}}))
      << "ẞ and Ж";
  EXPECT_EQ(Read("\xFF", Options(false, false, false, true, true)), (TSpans{{'\xFF', 0, 1}}))
      << "a byte that begins no character stays";
}

bool ReadAlike(std::string_view a, std::string_view b, const TFormOptions &options) {
  return ReadAlike(a, b, SharedStart(a, b), options);
}

TEST(ComparedForm, TextsReadAlikeFromTheLineOfTheirFirstDifference) {
  const TFormOptions lineEnds = Options(true, false, false, false);
  EXPECT_EQ(SharedStart("same\nx", "same\ny"), 5u);
  EXPECT_EQ(SharedStart(std::string(3'000'000, 'a') + "b", std::string(3'000'000, 'a')), 3'000'000u)
      << "across slices";
  const std::string shared = "same\nsame \n";
  EXPECT_TRUE(ReadAlike(shared + "x\r\n", shared + "x\n", lineEnds));
  EXPECT_FALSE(ReadAlike(shared + "x\r\n", shared + "y\n", lineEnds));
  EXPECT_FALSE(ReadAlike(shared + "x\r\n", shared + "x\n" + "more", lineEnds)) << "one goes on";
  EXPECT_TRUE(ReadAlike("same", "same", lineEnds));
  const TFormOptions spaces = Options(false, true, false, false);
  EXPECT_TRUE(ReadAlike("a  b\n", "a b \n", spaces)) << "the run begins before the difference";
  EXPECT_FALSE(ReadAlike("ab\n", "a b\n", spaces));
  EXPECT_TRUE(ReadAlike("ab\n", "a b\n", Options(false, false, true, false)));
}

// Reading alike skips the stretches both texts share byte for byte; the reference reads both
// whole forms. The pairs repeat a text's parts with now and then one that reads alike under
// some option and now and then one that does not, on several lines.
TEST(ComparedForm, ReadingAlikeIsComparingTheWholeForms) {
  const std::vector<std::pair<std::string, std::string>> swaps = {
      {"\r\n", "\n"},
      {"\r", "\n"},
      {" ", "  "},
      {" ", "\t"},
      {" ", ""},
      {"A", "a"},
      {"\xD0\x96", "\xD0\xB6"},
      {"\xE2\x84\xAA", "k"},
      {"x", "y"},
      {"\xE1\xBC\x88", "\xE1\xBC\x80"}}; // Ἀ ἀ: only the last byte differs
  std::mt19937 random(26);
  std::uniform_int_distribution<std::size_t> part(0, kFormParts.size() - 1), swap(0, 40);
  const auto bytes = [](const TSpans &spans) {
    std::string out;
    for (const auto &[byte, start, end] : spans)
      out += byte;
    return out;
  };
  int alike = 0, unlike = 0;
  for (int round = 0; round < 400; ++round) {
    std::string a, b;
    for (int k = 0; k < 40; ++k) {
      const std::size_t s = swap(random);
      const std::string &p = s < swaps.size() ? swaps[s].first : kFormParts[part(random)];
      a += p;
      b += s < swaps.size() ? swaps[s].second : p;
    }
    for (int mask = 0; mask < 32; ++mask) {
      const TFormOptions o = Options(mask & 1, mask & 2, mask & 4, mask & 8, mask & 16);
      const bool expected = bytes(Read(a, o)) == bytes(Read(b, o));
      ASSERT_EQ(ReadAlike(a, b, o), expected) << "round " << round << " options " << mask;
      (expected ? alike : unlike) += 1;
    }
  }
  EXPECT_GT(alike, 300);
  EXPECT_GT(unlike, 1000);
}

} // namespace
