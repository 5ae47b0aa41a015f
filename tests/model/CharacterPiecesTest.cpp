// UTF-8 pieces: what the automatic choice of encoding decides, and pieces that never split a
// character, on chosen and on random pairs.
#include "CharacterChecks.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<std::pair<std::int32_t, std::string>> Pieces(const std::string &first,
                                                         const std::string &second) {
  TVDiff diff;
  diff.RunOn(first, second);
  const TVCharacterPieces pieces(diff);
  std::vector<std::pair<std::int32_t, std::string>> out;
  for (int k = 0; k < pieces.Count(); ++k)
    out.emplace_back(pieces.GetKind(k), std::string(pieces.Text(k)));
  return out;
}

using P = std::vector<std::pair<std::int32_t, std::string>>;

TEST(Encoding, TheAutomaticChoice) {
  const std::string ascii = "plain text\tafter a tab\n", utf8 = "привет, мир\n",
                    cp1251 = "\xEF\xF0\xE8\n";
  EXPECT_EQ(DetectEncoding(utf8, ascii), TVEncoding::Utf8);
  EXPECT_EQ(DetectEncoding(ascii, ascii), TVEncoding::Utf8) << "plain ASCII is valid UTF-8";
  EXPECT_EQ(DetectEncoding("", ""), TVEncoding::Utf8);
  EXPECT_EQ(DetectEncoding(utf8, cp1251), TVEncoding::Windows1251) << "one is not UTF-8";
  EXPECT_EQ(DetectEncoding("\xEF\xBB\xBFx", cp1251), TVEncoding::Utf8) << "a mark decides";
  EXPECT_EQ(EncodingInForce(TVEncoding::Auto, true, true), TVEncoding::Dos866)
      << "the OEM mode still reads DOS";
  EXPECT_EQ(EncodingInForce(TVEncoding::Auto, false, true), TVEncoding::Utf8);
  EXPECT_EQ(EncodingInForce(TVEncoding::Koi8r, false, true), TVEncoding::Koi8r);
}

TEST(Encoding, WellFormedUtf8) {
  EXPECT_TRUE(IsValidUtf8("abc \xD0\xBF \xE2\x82\xAC \xF0\x9F\x98\x80 and a long ASCII tail."));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF")) << "overlong";
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")) << "a surrogate";
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")) << "past U+10FFFF";
  EXPECT_FALSE(IsValidUtf8("ab\xD0")) << "cut short";
  EXPECT_FALSE(IsValidUtf8("\x80"));
  EXPECT_EQ(WellFormedUtf8Length("\xE2\x82\xAC!"), 3u);
  EXPECT_EQ(EncodingNamed("koi8-r"), TVEncoding::Koi8r);
  EXPECT_EQ(EncodingName(TVEncoding::Dos866), "cp866");
  EXPECT_EQ(EncodingNamed("latin1"), std::nullopt);
}

TEST(CharacterPieces, ALetterWhoseFirstByteIsSharedMovesWhole) {
  // "е" is D0 B5 and "ё" D1 91; "п" D0 BF and "р" D1 80: the engine shares single bytes.
  EXPECT_EQ(Pieces("ап", "ар"), (P{{0, "а"}, {2, "р"}, {1, "п"}}));
  EXPECT_EQ(Pieces("мир", "мер"), (P{{0, "м"}, {2, "е"}, {1, "и"}, {0, "р"}}));
  EXPECT_EQ(Pieces("plain", "plain"), (P{{0, "plain"}}));
}

TEST(CharacterPieces, ShareNothingThatIsNotWholeCharacters) {
  const std::string cases[][2] = {{"ёж", "еж"},        {"€", "₽"},     {"😀x", "😃x"},
                                  {"я", "Я"},          {"ab€", "ab₽"}, {"щи щи", "ши"},
                                  {"\xD0", "\xD0\xB5"}};
  for (const auto &pair : cases)
    EXPECT_EQ(CharacterPiecesFault(pair[0], pair[1]), "") << pair[0] << " / " << pair[1];
}

TEST(CharacterPieces, RandomUtf8PairsKeepEveryProperty) {
  std::mt19937 rng(11);
  const std::string letters[] = {"a", "b", " ", "\n",  "п", "р", "и",
                                 "е", "ё", "€", "₽", "😀", "中"};
  auto letter = [&] { return letters[rng() % std::size(letters)]; };
  for (int round = 0; round < 400; ++round) {
    // The second text is the first with a few letters replaced, inserted or removed.
    std::vector<std::string> a(rng() % 60);
    for (std::string &l : a)
      l = letter();
    std::vector<std::string> b = a;
    for (int edits = static_cast<int>(rng() % 5); edits > 0 && !b.empty(); --edits) {
      const std::size_t at = rng() % b.size();
      switch (rng() % 3) {
      case 0:
        b[at] = letter();
        break;
      case 1:
        b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), letter());
        break;
      default:
        b.erase(b.begin() + static_cast<std::ptrdiff_t>(at));
      }
    }
    std::string first, second;
    for (const std::string &l : a)
      first += l;
    for (const std::string &l : b)
      second += l;
    ASSERT_EQ(CharacterPiecesFault(first, second), "") << first << " / " << second;
  }
}

TEST(CharacterPieces, InvalidBytesStillGiveBothTextsBack) {
  std::mt19937 rng(5);
  for (int round = 0; round < 300; ++round) {
    std::string first(rng() % 40, ' '), second(rng() % 40, ' ');
    for (char &c : first)
      c = static_cast<char>(0x7C + rng() % 0x60);
    for (char &c : second)
      c = static_cast<char>(0x7C + rng() % 0x60);
    ASSERT_EQ(CharacterPiecesFault(first, second), "") << round;
  }
}

} // namespace
