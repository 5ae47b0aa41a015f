// The readable pass: changes slid to whole lines and the crumbs between changes folded, on the
// pairs that were seen to read as letter soup, and on random pairs against the plain reference.
#include "CharacterPieces.h"
#include "ReadableChecks.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TRefPieces Of(const TVKindStringList &list) {
  return RefPiecesOf(list);
}

// The merged text in dorix-diff's marks: [-old-]{+new+}.
std::string Marked(const TVKindStringList &list) {
  std::string out;
  for (int k = 0; k < list.Count(); ++k) {
    const std::string text(list.Text(k));
    out += list.GetKind(k) == 0   ? text
           : list.GetKind(k) == 2 ? "[-" + text + "-]"
                                  : "{+" + text + "+}";
  }
  return out;
}

// A shared piece, an inserted one and a shared one, cut from one text as the engine's views of
// the first file are: the pass moves them as views.
struct TLone {
  std::string Text;
  TVKindStringList List;
  TLone(std::string text, std::size_t from, std::size_t to) : Text(std::move(text)) {
    const std::string_view t(Text);
    List.AddKind(t.substr(0, from), 0);
    List.AddKind(t.substr(from, to - from), 1);
    List.AddKind(t.substr(to), 0);
  }
};

// The readable pieces of a pair as the comparison makes them: slide, under UTF-8 snap, fold.
std::string Readable(const std::string &first, const std::string &second, bool utf8) {
  TVDiff diff;
  diff.RunOn(first, second);
  const TVSlidPieces slid(diff);
  if (!utf8)
    return Marked(TVFoldedPieces(slid));
  const TVCharacterPieces snapped(slid);
  return Marked(TVFoldedPieces(snapped));
}

TEST(ReadablePieces, WordsChangedReadAsWords) {
  EXPECT_EQ(Readable("Version 3, 29 June 2007", "Version 2, June 1991", false),
            "Version [-2,-]{+3, 29+} June [-1991-]{+2007+}");
  EXPECT_EQ(Readable("Здравствуй", "Привет", true), "[-Привет-]{+Здравствуй+}");
}

TEST(ReadablePieces, AnInsertedLineSlidesToWholeLines) {
  // "\nb" inserted across a line end: aligned one byte left and one byte right, the right wins.
  const TLone both("a\nb\nb\nc\n", 3, 5);
  EXPECT_EQ(Of(TVSlidPieces(both.List)), (TRefPieces{{0, "a\nb\n"}, {1, "b\n"}, {0, "c\n"}}));
  // Only the left place aligned: it moves there.
  const TLone left("a\nb\nbc\n", 3, 5);
  EXPECT_EQ(Of(TVSlidPieces(left.List)), (TRefPieces{{0, "a\n"}, {1, "b\n"}, {0, "bc\n"}}));
  // Already aligned: nothing moves.
  TVKindStringList aligned;
  aligned.AddKind("a\n", 0);
  aligned.AddKind("b\n", 2);
  aligned.AddKind("c\n", 0);
  EXPECT_EQ(Of(TVSlidPieces(aligned)), Of(aligned));
}

TEST(ReadablePieces, AnEqualPieceEmptiedBySlidingIsGone) {
  // "\nx" inserted after a shared "x": it slides left to the start of the text, where there is
  // no text before it, and the shared "x" before it is used up.
  const TLone lone("x\nxyz\n", 1, 3);
  EXPECT_EQ(Of(TVSlidPieces(lone.List)), (TRefPieces{{1, "x\n"}, {0, "xyz\n"}}));
}

TEST(ReadablePieces, CrumbsBetweenChangesFoldButLinesDoNot) {
  TVKindStringList list;
  list.AddKind("ab", 2);
  list.AddKind("cd", 1);
  list.AddKind("e", 0); // one byte between changes of two: folds
  list.AddKind("fg", 1);
  list.AddKind("\n", 0); // a line end never folds
  list.AddKind("h", 2);
  EXPECT_EQ(Of(TVFoldedPieces(list)), (TRefPieces{{2, "abe"}, {1, "cdefg"}, {0, "\n"}, {2, "h"}}));
  TVKindStringList longer;
  longer.AddKind("x", 1);
  longer.AddKind("shared", 0); // longer than either change
  longer.AddKind("y", 1);
  EXPECT_EQ(Of(TVFoldedPieces(longer)), Of(longer));
}

TEST(ReadablePieces, SharedPiecesSideBySideAreOne) {
  const std::string text = "one\r\ntwo";
  TVKindStringList list;
  list.AddKind(std::string_view(text).substr(0, 5), 0);
  list.AddKind(std::string_view(text).substr(5), 0);
  const TVFoldedPieces folded(list);
  ASSERT_EQ(folded.Count(), 1);
  EXPECT_EQ(folded.Text(0), text);
  EXPECT_EQ(folded.Text(0).data(), text.data()) << "a view of the text, not a copy";
}

std::string RandomText(std::mt19937 &rng, std::size_t length, std::string_view alphabet) {
  std::string s(length, ' ');
  for (char &c : s)
    c = alphabet[rng() % alphabet.size()];
  return s;
}

// On random pairs: the pass agrees with the plain reference and keeps its properties.
TEST(ReadablePieces, RandomPairsAgreeWithTheReference) {
  std::mt19937 rng(25);
  for (int round = 0; round < 2000; ++round) {
    const std::string alphabet = round % 2 ? "ab \r\n" : "abcab\n\n xyz";
    const std::string first = RandomText(rng, rng() % 60, alphabet);
    std::string second = first;
    for (int edit = static_cast<int>(rng() % 5); edit > 0; --edit) {
      const std::size_t at = second.empty() ? 0 : rng() % second.size();
      if (rng() % 2 && at < second.size())
        second.erase(at, 1 + rng() % 4);
      else
        second.insert(at, RandomText(rng, 1 + rng() % 5, alphabet));
    }
    ASSERT_EQ(ReadablePiecesFault(first, second), "") << "round " << round;
  }
}

} // namespace
