// dorix-diff --encoding: under UTF-8 no piece splits a character, in every output; under a
// single-byte code page the pieces are the engine's exact ones.
#include "Encoding.h"
#include "CliRun.h"

namespace {

using Encodings = CliTest;

// The pieces of merged text written without colour, markers taken off.
std::vector<std::string> MarkedPieces(std::string merged) {
  std::vector<std::string> pieces;
  for (const auto &[open, close] : {std::pair{"[-", "-]"}, std::pair{"{+", "+}"}}) {
    for (std::size_t at = merged.find(open); at != std::string::npos; at = merged.find(open, at))
      pieces.push_back(merged.substr(at + 2, merged.find(close, at) - at - 2)), at += 2;
  }
  return pieces;
}

TEST_F(Encodings, Utf8TextIsMarkedInWholeCharacters) {
  const std::string n = Write("n", "Привет, мир! Цена: 5 €\n"),
                    o = Write("o", "Привет, мер! Цена: 5 ₽\n");
  const auto r = Run({"--color=never", n, o});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Привет, м[-е-]{+и+}р! Цена: 5 [-₽-]{+€+}\n");
  for (const std::string &piece : MarkedPieces(r.out))
    EXPECT_TRUE(IsValidUtf8(piece)) << piece;
  EXPECT_EQ(Run({"--color=never", "--encoding=utf-8", n, o}).out, r.out);
}

TEST_F(Encodings, SingleByteTextIsPassedThroughAsTheEngineCutIt) {
  const std::string n = Write("n", "мир"), o = Write("o", "мер");
  const auto r = Run({"--color=never", "--encoding=cp1251", n, o});
  EXPECT_FALSE(IsValidUtf8(MarkedPieces(r.out).at(0))) << "the engine's byte pieces";
  const std::string cp1251 = Write("w", "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0"); // Привет, мир
  const std::string cp1251b = Write("x", "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE5\xF0");
  EXPECT_EQ(Run({"--color=never", cp1251, cp1251b}).out,
            "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC[-\xE5\xF0-]{+\xE8\xF0+}")
      << "not UTF-8: the automatic choice is Windows-1251, and nothing moves";
}

TEST_F(Encodings, ChunksAndStatsFollowTheEncodingInForce) {
  const std::string n = Write("n", "мир"), o = Write("o", "мер");
  for (const std::string utf8 : {"--encoding=auto", "--encoding=utf-8"}) {
    EXPECT_EQ(Run({"--stats", utf8, n, o}).out, "4 2 2 2 1 1\nФайлы более-менее похожи.\n") << utf8;
    EXPECT_EQ(Run({"--chunks", utf8, n, o}).out, "0\t2\n2\t2\n1\t2\n0\t2\n") << utf8;
  }
  EXPECT_EQ(Run({"--stats", "--encoding=cp1251", n, o}).out,
            "5 1 1 2 1 1\nФайлы более-менее похожи.\n")
      << "the engine's exact result";
  // Two characters that share their first two bytes share no character.
  const std::string a = Write("a", "ア"), b = Write("b", "イ");
  EXPECT_EQ(Run({"--stats", a, b}).out, "0 3 3 0 1 1\nФайлы абсолютно не похожи.\n");
  EXPECT_EQ(Run({a, b}).err, "Файлы абсолютно не похожи.\n");
  const auto bad = Run({"--encoding=latin1", n, o});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--encoding принимает auto, utf-8, cp1251, cp866 или koi8-r"),
            std::string::npos);
}

} // namespace
