// Moved text: the parts the pass keeps, against the reference on named and random pairs; their
// places in the files; the marks in the pieces and the links between their ends; and the
// comparison that both programs present.
#include "../TempFilesTest.h"
#include "Comparison.h"
#include "Encoding.h"
#include "MovedReference.h"
#include "ReadablePieces.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Readable pieces of two texts, as a comparison without anything looked past shows them.
struct TReadable {
  TVDiff Engine;
  std::optional<TVSlidPieces> Slid;
  std::optional<TVFoldedPieces> Folded;
  TReadable(const std::string &first, const std::string &second) {
    Engine.RunOn(first, second);
    Slid.emplace(Engine);
    Folded.emplace(*Slid);
  }
};

std::string Function(const std::string &name) {
  return "def " + name + "(values, limit):\n    total = 0\n    for value in values:\n" +
         "        total += min(value, limit)\n    return total\n\n";
}

// Six functions, and the same with the second moved down before the last: the new text first.
std::pair<std::string, std::string> BetaMovedDown() {
  std::string old;
  for (const char *name : {"alpha", "beta", "gamma", "delta", "epsilon", "zeta"})
    old += Function(name);
  const std::string beta = Function("beta");
  std::string moved = old;
  moved.erase(moved.find(beta), beta.size());
  moved.insert(moved.find(Function("zeta")), beta);
  return {moved, old};
}

// The joined texts of the kinds given: the first file is shared, inserted and moved-here text.
std::string Joined(const TVKindStringList &pieces, std::initializer_list<std::int32_t> kinds) {
  std::string out;
  for (int k = 0; k < pieces.Count(); ++k)
    if (std::find(kinds.begin(), kinds.end(), pieces.GetKind(k)) != kinds.end())
      out += pieces.Text(k);
  return out;
}

TEST(MovedText, WhatIsKeptAsMoved) {
  EXPECT_TRUE(WorthMarking("abcdefghijklmnop                ")) << "32 bytes, 16 letters";
  EXPECT_FALSE(WorthMarking("abcdefghijklmno                 ")) << "15 letters";
  EXPECT_FALSE(WorthMarking("abcdefghijklmnopqrstuvwxyz01234")) << "31 bytes";
  EXPECT_TRUE(WorthMarking("\xD0\xB0\xD0\xB1\xD0\xB2\xD0\xB3\xD0\xB4\xD0\xB5\xD0\xB6\xD0\xB7"
                           "----------------"))
      << "bytes from 0x80 up count as letters";
  EXPECT_FALSE(WorthMarking(std::string(64, ' ') + "}")) << "blanks and braces move by chance";
  for (const char c : std::string("09AZaz"))
    EXPECT_TRUE(WorthMarking(std::string(16, c) + std::string(16, '_'))) << c;
  for (const char c : std::string("/:@[`{"))
    EXPECT_FALSE(WorthMarking(std::string(32, c))) << "just outside the ranges: " << c;
}

TEST(MovedText, AFunctionMovedDownIsFoundAtBothEnds) {
  const auto [moved, old] = BetaMovedDown();
  const std::string beta = Function("beta");
  const TReadable r(moved, old);
  const auto parts = FindMovedParts(*r.Folded);
  ASSERT_TRUE(parts.has_value());
  EXPECT_EQ(*parts, ReferenceMoves(*r.Folded));
  ASSERT_FALSE(parts->empty());
  std::size_t total = 0;
  for (const TMovedPart &part : *parts)
    total += part.Length;
  EXPECT_GE(total + 31, beta.size()) << "all of it but what the engine shares by chance";

  const TVMovedPieces marked(*r.Folded, *parts, false);
  EXPECT_EQ(Joined(marked, {0, 1, 6}), moved);
  EXPECT_EQ(Joined(marked, {0, 2, 5}), old);
  for (int k = 0; k < marked.Count(); ++k) {
    if (!IsMovedKind(marked.GetKind(k))) {
      EXPECT_EQ(marked.OtherEnd(k), -1);
      continue;
    }
    const int other = marked.OtherEnd(k);
    ASSERT_GE(other, 0);
    EXPECT_NE(marked.GetKind(other), marked.GetKind(k));
    EXPECT_EQ(marked.Text(other), marked.Text(k));
    EXPECT_EQ(marked.OtherEnd(other), k) << "and back";
  }
}

TEST(MovedText, NothingMovesWithoutBothSidesOrInUnrelatedText) {
  const std::string text = Function("alpha") + Function("beta");
  EXPECT_TRUE(FindMovedParts(TReadable(text + Function("gamma"), text).Folded.value())->empty())
      << "only inserted text";
  EXPECT_TRUE(FindMovedParts(TReadable(text, Function("gamma") + text).Folded.value())->empty())
      << "only deleted text";
  EXPECT_TRUE(FindMovedParts(TReadable("The quick brown fox jumps over the lazy dog, twice.\n",
                                       "Pack my box with five dozen liquor jugs, said Jim.\n")
                                 .Folded.value())
                  ->empty());
  std::stop_source stop;
  stop.request_stop();
  EXPECT_FALSE(FindMovedParts(TReadable(Function("b") + text, text + Function("b")).Folded.value(),
                              stop.get_token())
                   .has_value())
      << "stopped";
}

// A part is cut where a piece of I or of D ends: moved text pasted with a line typed into its
// middle comes out as two parts, one before the line and one after.
TEST(MovedText, APieceBoundaryCutsAPart) {
  TVKindStringList pieces;
  const std::string head = "first half of the moved paragraph, long enough\n";
  const std::string tail = "second half of the moved paragraph, long too!!\n";
  const std::string both = head + tail;
  pieces.AddKind(both, kindDeleted);
  pieces.AddKind("shared text between the two places\n", kindEqual);
  pieces.AddKind(head, kindInserted);
  pieces.AddKind("a line typed into it\n", kindEqual);
  pieces.AddKind(tail, kindInserted);
  const auto parts = FindMovedParts(pieces);
  ASSERT_TRUE(parts.has_value());
  const std::vector<TMovedPart> expected = {{0, 0, head.size()},
                                            {head.size(), head.size(), tail.size()}};
  EXPECT_EQ(*parts, expected);
  EXPECT_EQ(ReferenceMoves(pieces), expected);
}

// Under UTF-8 a mark never splits a character: the engine may share the first byte of two
// letters, and the mark then leaves that byte to the text beside it.
TEST(MovedText, MarksUnderUtf8HoldWholeCharacters) {
  TVKindStringList pieces;
  const std::string moved = "Переместили этот абзац ниже по тексту, целиком.";
  const std::string away = moved + "\xD0\xB0", here = moved + "\xD0\xBE"; // "а", "о": D0 shared
  pieces.AddKind(away, kindDeleted);
  pieces.AddKind("\n", kindEqual);
  pieces.AddKind(here, kindInserted);
  const auto parts = FindMovedParts(pieces);
  ASSERT_EQ(parts->size(), 1u);
  EXPECT_EQ((*parts)[0].Length, moved.size() + 1) << "the rule's part ends inside the letter";
  const TVMovedPieces marked(pieces, *parts, true);
  for (int k = 0; k < marked.Count(); ++k)
    EXPECT_TRUE(IsValidUtf8(marked.Text(k))) << k;
  EXPECT_EQ(marked.Text(0), moved);
  const TVMovedPieces bytes(pieces, *parts, false);
  EXPECT_EQ(bytes.Text(0).size(), moved.size() + 1) << "single-byte text is marked as found";
}

// Random texts of lines from a small vocabulary, blocks moved and lines edited: the parts are the
// reference's, each part's two ends hold the same bytes inside one inserted and one deleted
// piece, and the marks keep both texts whole.
TEST(MovedText, RandomEditsAgreeWithTheReference) {
  std::mt19937 random(29);
  const char *words[] = {"alpha", "beta", "gamma", "x", "=", "(", ")", "Ж", "return", " ", "\t"};
  int found = 0;
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> lines;
    for (int n = 0; n < 30; ++n) {
      std::string line;
      for (int w = static_cast<int>(random() % 10); w >= 0; --w)
        line += std::string(words[random() % std::size(words)]) + ' ';
      lines.push_back(line + '\n');
    }
    std::vector<std::string> edited = lines;
    for (int e = static_cast<int>(random() % 4); e >= 0; --e) {
      const std::size_t from = random() % edited.size(), n = 1 + random() % 5;
      const std::size_t to = std::min(edited.size(), from + n);
      std::vector<std::string> block(edited.begin() + from, edited.begin() + to);
      edited.erase(edited.begin() + from, edited.begin() + to);
      edited.insert(edited.begin() + random() % (edited.size() + 1), block.begin(), block.end());
      edited[random() % edited.size()] += words[random() % std::size(words)];
    }
    std::string first, second;
    for (const auto &l : edited)
      first += l;
    for (const auto &l : lines)
      second += l;
    const TReadable r(first, second);
    for (const TVKindStringList *pieces : {static_cast<const TVKindStringList *>(&r.Engine),
                                           static_cast<const TVKindStringList *>(&*r.Folded)}) {
      const auto parts = FindMovedParts(*pieces);
      ASSERT_EQ(*parts, ReferenceMoves(*pieces)) << first << "\n---\n" << second;
      found += static_cast<int>(parts->size());
      for (const TMovedSpot &spot : MovedSpots(*parts, *pieces, *pieces))
        ASSERT_EQ(first.substr(spot.First, spot.Length), second.substr(spot.Second, spot.Length));
      const TVMovedPieces marked(*pieces, *parts, false);
      ASSERT_EQ(Joined(marked, {0, 1, 6}), first);
      ASSERT_EQ(Joined(marked, {0, 2, 5}), second);
    }
  }
  EXPECT_GT(found, 100) << "the pairs move enough text to test the rule";
}

class MovedComparison : public TempFilesTest {};

// The comparison finds moved text in the pieces it shows, tells the places in the files (in the
// original bytes where something is looked past), and leaves the counters alone.
TEST_F(MovedComparison, PlacesInTheFilesAndUnchangedCounters) {
  const auto [moved, old] = BetaMovedDown();
  TComparisonChoices choices;
  const auto c = TComparison::Run({Write("new", moved), Write("old", old)}, choices);
  ASSERT_FALSE(c->Moves().empty());
  for (const TMovedSpot &spot : c->MovedSpots())
    EXPECT_EQ(moved.substr(spot.First, spot.Length), old.substr(spot.Second, spot.Length));
  choices.Moves = false;
  const auto plain = c->WithChoices(choices);
  EXPECT_TRUE(plain->Moves().empty());
  EXPECT_EQ(plain->Counts(), c->Counts()) << "moved text counts as inserted and deleted";
  EXPECT_EQ(&plain->Pieces(), &c->UnmarkedPieces()) << "the same pieces, unmarked";

  // CR LF in the new file only, looked past: the places are in each file's own bytes.
  std::string crlf;
  for (const char ch : moved)
    crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  choices.Moves = true;
  choices.Ignore.LineEnds = true;
  const auto lookedPast = TComparison::Run({Write("crlf", crlf), Write("old", old)}, choices);
  ASSERT_FALSE(lookedPast->Moves().empty());
  for (const TMovedSpot &spot : lookedPast->MovedSpots()) {
    std::string lf = crlf.substr(spot.First, spot.Length);
    std::erase(lf, '\r');
    EXPECT_EQ(lf, old.substr(spot.Second, lf.size()));
  }
  for (const std::int32_t view : {viewNew, viewOld})
    for (int k = 0; k < lookedPast->Pieces(view).Count(); ++k)
      EXPECT_EQ(lookedPast->OtherEnd(view, k), -1) << "one file's view shows one end";
}

} // namespace
