// The one comparison both programs run: from two files' names to the pieces shown, one set of
// counters and the verdict, whichever choices come after.
#include "Comparison.h"
#include "../TempFilesTest.h"

#include <string>

namespace {

class Comparison : public TempFilesTest {
protected:
  std::shared_ptr<const TComparison> Compare(const std::string &first, const std::string &second,
                                             const TComparisonChoices &choices = {}) {
    return TComparison::Run({Write("first", first), Write("second", second)}, choices);
  }
};

// When the files differ only in their form, the verdict says which form, the first of line ends,
// spaces, both, letter case that explains the difference; otherwise the pieces decide.
TEST_F(Comparison, TheVerdictSaysWhenOnlyTheFormDiffers) {
  const std::string text = "def f(x):\n    return x  # Value\n";
  std::string crlf;
  for (const char c : text)
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(Compare(crlf, text)->Outcome(), csOnlyLineEnds);
  EXPECT_EQ(Compare("def f(x):  \n\treturn   x  # Value\n", text)->Outcome(), csOnlySpaces);
  EXPECT_EQ(Compare("def f(x): \r\n    return x  # Value\r\n", text)->Outcome(),
            csOnlySpacesAndLineEnds);
  EXPECT_EQ(Compare("DEF F(X):\n    RETURN X  # VALUE\n", text)->Outcome(), csOnlyCase);
  EXPECT_EQ(Compare("Привет, МИР\n", "привет, мир\n")->Outcome(), csOnlyCase) << "UTF-8";
  EXPECT_EQ(Compare("DEF F(X):\r\n    RETURN X  # VALUE\r\n", text)->Outcome(), csSimilar)
      << "case and line ends at once: no rule explains it";
  EXPECT_EQ(Compare(text, text)->Outcome(), csIdentical);
  EXPECT_EQ(Compare("x", "X")->Outcome(), csOnlyCase) << "whatever the pieces show";
}

TEST_F(Comparison, OtherChoicesShareTheTextsAndRecountThePieces) {
  const auto utf8 = Compare("ア", "イ");
  EXPECT_EQ(utf8->Encoding(), TVEncoding::Utf8);
  EXPECT_EQ(utf8->Outcome(), csDissimilar) << "no whole character is shared";
  TComparisonChoices bytes;
  bytes.Encoding = TVEncoding::Windows1251;
  const auto single = utf8->WithChoices(bytes);
  EXPECT_EQ(single->Counts().EqualChars, 2) << "the engine shares the first two bytes";
  EXPECT_EQ(single->Outcome(), csSimilar);
  EXPECT_EQ(&single->Actual(), &utf8->Actual()) << "the files are not read again";
  bytes.Encoding = TVEncoding::Koi8r;
  EXPECT_EQ(&single->WithChoices(bytes)->Pieces(), &single->Pieces())
      << "another single-byte code page draws the same pieces";
}

TEST_F(Comparison, AFileThatCannotBeReadIsToldAndComparedAsEmpty) {
  const auto c = TComparison::Run({(dir / "missing").string(), Write("b", "text")}, {});
  EXPECT_TRUE(c->Actual().Failed());
  EXPECT_EQ(c->Actual().Status().Error, TLoadError::OpenFailed);
  EXPECT_EQ(c->Outcome(), csReadingActual);
  EXPECT_EQ(c->Counts().SecondChars, 4);
  EXPECT_EQ(TComparison::Run({"", ""}, {})->Outcome(), csNoFiles);
  EXPECT_EQ(TComparison::Run({Write("a", "x"), "/dev/null"}, {})->Outcome(), csObsoleteEmpty)
      << "the null device is an empty file";
}

TEST_F(Comparison, AStopRequestGivesNothing) {
  std::stop_source stop;
  stop.request_stop();
  EXPECT_EQ(TComparison::Run({Write("a", "one"), Write("b", "two")}, {}, stop.get_token()),
            nullptr);
}

} // namespace
