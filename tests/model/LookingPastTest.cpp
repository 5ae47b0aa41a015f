// Comparisons that look past line ends, spaces and letter case: what they share, what the
// views show of each file, and what stays told.
#include "../TempFilesTest.h"
#include "Comparison.h"

#include <string>

namespace {

// About 100 KB of source text, LF line ends, indented by two.
std::string Source() {
  std::string text;
  for (int k = 0; text.size() < 100'000; ++k) {
    text += "int step" + std::to_string(k) + "(int value) {\n";
    text += "  if (value > " + std::to_string(k % 97) + ")\n";
    text += "    return value * 2; // Twice\n";
    text += "  return value;\n}\n\n";
  }
  return text;
}

// Each line of text changed by change, its line end given back after it.
template <typename Change> std::string EveryLine(const std::string &text, Change change) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    out += change(text.substr(at, end - at)) + "\n";
    at = end + 1;
  }
  return out;
}

TComparisonChoices Ignoring(bool lineEnds, bool spaceChange, bool allSpace, bool letterCase) {
  TComparisonChoices choices;
  choices.Ignore = {lineEnds, spaceChange, allSpace, letterCase};
  return choices;
}

std::string Joined(const TVKindStringList &pieces, std::int32_t without) {
  std::string text;
  for (int k = 0; k < pieces.Count(); ++k)
    if (pieces.GetKind(k) != without)
      text += pieces.Text(k);
  return text;
}

class LookingPast : public TempFilesTest {
protected:
  std::shared_ptr<const TComparison> Compare(const std::string &first, const std::string &second,
                                             const TComparisonChoices &choices) {
    return TComparison::Run({Write("first", first), Write("second", second)}, choices);
  }

  // Every byte of both files is in shared pieces, the views show each file whole and the
  // verdict says what differs, never that the files are identical.
  void ExpectNoChange(const std::string &first, const std::string &second,
                      const TComparisonChoices &choices, TCompareStatus verdict) {
    const auto c = Compare(first, second, choices);
    for (const TVOriginalSpan &span : c->Spans())
      EXPECT_EQ(span.Kind, kindEqual);
    EXPECT_EQ(c->Counts().EqualChars, static_cast<std::int32_t>(first.size()));
    EXPECT_EQ(c->Counts().FirstChars + c->Counts().SecondChars, 0);
    EXPECT_GT(c->Counts().IgnoredChars, 0);
    EXPECT_EQ(Joined(c->Pieces(viewBoth), kindDeleted), first);
    EXPECT_EQ(Joined(c->Pieces(viewNew), kindDeleted), first);
    EXPECT_EQ(Joined(c->Pieces(viewOld), kindInserted), second);
    EXPECT_EQ(c->Outcome(), verdict);
    EXPECT_TRUE(c->Alike());
    EXPECT_FALSE(c->Identical());
  }
};

TEST_F(LookingPast, ACopyThatDiffersOnlyInItsFormIsAllShared) {
  const std::string text = Source();
  ExpectNoChange(EveryLine(text, [](const std::string &line) { return line + "\r"; }), text,
                 Ignoring(true, false, false, false), csOnlyLineEnds);
  ExpectNoChange(EveryLine(text, [](const std::string &line) { return line + "  "; }), text,
                 Ignoring(false, true, false, false), csOnlySpaces);
  const std::string reindented = EveryLine(text, [](const std::string &line) {
    const std::size_t indent = line.find_first_not_of(' ');
    return indent == std::string::npos ? line : std::string(indent * 2, ' ') + line.substr(indent);
  });
  ExpectNoChange(reindented, text, Ignoring(false, false, true, false), csOnlySpaces);
  std::string upper = text;
  for (char &c : upper)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ExpectNoChange(upper, text, Ignoring(false, false, false, true), csOnlyCase);
  ExpectNoChange("DEF F(X):\r\n  RETURN X\r\n", "def f(x):\n    return x\n",
                 Ignoring(true, false, true, true), csOnlyIgnored);
}

TEST_F(LookingPast, ARealChangeStaysAmongTheIgnoredOnes) {
  const auto c = Compare("if (a) {\r\n    go(1);\r\n}\r\n", "if (a) {\n  go(2);\n}\n",
                         Ignoring(true, true, false, false));
  EXPECT_EQ(c->Outcome(), csSimilar);
  EXPECT_FALSE(c->Alike());
  EXPECT_EQ(Joined(c->Pieces(), kindDeleted), "if (a) {\r\n    go(1);\r\n}\r\n");
  EXPECT_EQ(Joined(c->Pieces(), kindInserted), "if (a) {\r\n    go(2);\r\n}\r\n")
      << "the shared text as the first file has it, the deleted as the second";
  EXPECT_EQ(Joined(c->Pieces(viewOld), kindInserted), "if (a) {\n  go(2);\n}\n");
  EXPECT_EQ(c->Counts().FirstChars + c->Counts().SecondChars, 2) << "the digits alone";
  EXPECT_EQ(c->Spans().size(), 4u);
}

TEST_F(LookingPast, WithoutAnythingLookedPastThePiecesAreTheEnginesOwn) {
  const auto c = Compare("one\r\ntwo\n", "one\ntwo\n", {});
  EXPECT_TRUE(c->Spans().empty());
  EXPECT_EQ(&c->Pieces(viewOld), &c->Pieces(viewBoth)) << "one list for every view";
  EXPECT_EQ(c->Counts().IgnoredChars, 0);
  EXPECT_FALSE(c->Alike());
}

TEST_F(LookingPast, OtherChoicesCompareAgainOnlyForAnotherForm) {
  const auto plain = Compare("Один\r\nДва\r\n", "один\nдва\n", {});
  EXPECT_EQ(plain->Outcome(), csSimilar);
  const auto lineEnds = plain->WithChoices(Ignoring(true, false, false, false));
  EXPECT_FALSE(lineEnds->Alike());
  const auto both = lineEnds->WithChoices(Ignoring(true, false, false, true));
  EXPECT_TRUE(both->Alike()) << "UTF-8 letters folded";
  EXPECT_EQ(&both->Actual(), &plain->Actual()) << "the files are not read again";
  TComparisonChoices bytes = Ignoring(true, false, false, true);
  bytes.Encoding = TVEncoding::Windows1251;
  EXPECT_FALSE(both->WithChoices(bytes)->Alike())
      << "read as Windows-1251 the same bytes are other letters, which do not fold alike";
  std::stop_source stop;
  stop.request_stop();
  EXPECT_EQ(lineEnds->WithChoices(Ignoring(false, true, false, false), stop.get_token()), nullptr)
      << "a stop while comparing the new form";
  TComparisonChoices koi8 = Ignoring(true, false, false, false);
  koi8.Encoding = TVEncoding::Koi8r;
  EXPECT_NE(lineEnds->WithChoices(koi8, stop.get_token()), nullptr)
      << "nothing to compare again: without letter case the form does not depend on the encoding";
}

} // namespace
