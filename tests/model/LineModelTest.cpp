// Display lines built from the chunk list: kinds, zones, offsets, wrapping and the hex layout.
#include "ModelFixture.h"

namespace {

using LineModel = ModelFixture;

TEST_F(LineModel, EmptyListGivesOneEmptyEqualLine) {
  Build(kNoWrap);
  ASSERT_EQ(model.LineCount(), 1);
  EXPECT_EQ(model.GetLine(0).FKind, kEqual);
  EXPECT_EQ(model.GetLine(0).FStart, 0);
  EXPECT_TRUE(model.LineZones(0).empty());
}

TEST_F(LineModel, LineBreaksEndLinesAndCountInOffsets) {
  Add(kEqual, "one\r\ntwo\rthree\r\n");
  Build(kNoWrap);
  EXPECT_EQ(LineTexts(), (Strings{"one", "two", "three", ""}));
  EXPECT_EQ(Starts(), (std::vector<std::int64_t>{0, 5, 9, 16}));
  EXPECT_EQ(model.MaxLineLength(), 5);
}

TEST_F(LineModel, KindsThatMeetMakeAnUpdatedLine) {
  Add(kEqual, "ab");
  Add(kInserted, "X");
  Add(kEqual, "c");
  Build(kNoWrap);
  ASSERT_EQ(model.LineCount(), 1);
  EXPECT_EQ(model.GetLine(0).FKind, kUpdated);
  EXPECT_EQ(Zones(0), (std::vector<Zone>{{kUpdated, "ab"}, {kInserted, "X"}, {kUpdated, "c"}}));
}

// A line break only one file has marks the line it ends, wherever it lies in its piece: an
// inserted or deleted blank line is a changed line. A shared one counts only inside its piece.
TEST_F(LineModel, BreakOnlyInOneFileMarksTheLineItEnds) {
  Add(kEqual, "a");
  Add(kInserted, "\r\n");
  Add(kEqual, "b");
  Build(kNoWrap);
  EXPECT_EQ(LineTexts(), (Strings{"a", "b"}));
  EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kUpdated, kEqual}));

  list.Clear();
  Add(kEqual, "a\r\n");
  Add(kDeleted, "\r\n");
  Add(kEqual, "b\r\n");
  Build(kNoWrap);
  EXPECT_EQ(LineTexts(), (Strings{"a", "", "b", ""}));
  EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kEqual, kDeleted, kEqual, kEqual}))
      << "a deleted blank line";

  list.Clear();
  Add(kEqual, "ab\r");
  Add(kEqual, "\ncd");
  Build(kNoWrap);
  EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kEqual, kEqual})) << "shared breaks at edges";
}

TEST_F(LineModel, BreakAtTheWrapPointCountsForNothing) {
  Add(kEqual, "abc");
  Add(kInserted, "\r\nx");
  Build(3);
  EXPECT_EQ(LineTexts(), (Strings{"abc", "x"}));
  EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kEqual, kInserted}));
}

TEST_F(LineModel, BreakInsideAnEntryCountsForTheLineKind) {
  Add(kInserted, "x\r\n\r\ny");
  Add(kEqual, "z");
  Build(kNoWrap);
  EXPECT_EQ(LineTexts(), (Strings{"x", "", "yz"}));
  EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kInserted, kInserted, kUpdated}));
}

TEST_F(LineModel, LoneLineFeedIsAnOrdinaryCharacter) {
  Add(kEqual, "ab\ncd\nef");
  Build(kNoWrap);
  EXPECT_EQ(LineTexts(), (Strings{"ab\ncd\nef"}));
}

TEST_F(LineModel, CarriageReturnEndingOneEntryAndLineFeedStartingTheNext) {
  Add(kEqual, "ab\r");
  Add(kInserted, "\ncd");
  Build(kNoWrap);
  EXPECT_EQ(LineTexts(), (Strings{"ab", "\ncd"}));
  EXPECT_EQ(Starts(), (std::vector<std::int64_t>{0, 3}));
}

TEST_F(LineModel, WrappingIsByCountAndSwallowsABreakAtTheWrapPoint) {
  const int w = 9;
  const std::string full(static_cast<std::size_t>(w), 'a');
  const auto cs = [](int n) { return std::string(static_cast<std::size_t>(n), 'c'); };
  Add(kEqual, full + "\r\n" + full + std::string("\nb").append(cs(w + 2)));
  Build(w);
  EXPECT_EQ(LineTexts(), (Strings{full, full, std::string("b").append(cs(w - 1)), "ccc"}));
}

TEST_F(LineModel, OneVersionViewsShowOnlyThatFilesText) {
  Add(kEqual, "same ");
  Add(kDeleted, "old");
  Add(kInserted, "new");
  Add(kEqual, " tail\r\nnext");
  Build(kNoWrap, false, viewNew);
  EXPECT_EQ(LineTexts(), (Strings{"same new tail", "next"}));
  EXPECT_EQ(Starts(), (std::vector<std::int64_t>{0, 15}));
  EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kUpdated, kEqual}));
  Build(kNoWrap, false, viewOld);
  EXPECT_EQ(LineTexts(), (Strings{"same old tail", "next"}));
  Build(kNoWrap, false, viewBoth);
  EXPECT_EQ(LineTexts(), (Strings{"same oldnew tail", "next"}));
}

TEST_F(LineModel, HexLinesHoldSixteenBytesWithBreaksAsBytes) {
  Add(kEqual, std::string(20, 'a') + "\r\n" + std::string(18, 'b'));
  Build(kHexBytesPerLine, true);
  ASSERT_EQ(model.LineCount(), 3);
  EXPECT_EQ(model.GetLine(0).FLength, 16);
  EXPECT_EQ(model.GetLine(1).FLength, 16);
  EXPECT_EQ(model.GetLine(2).FLength, 8);
  EXPECT_EQ(model.GetLineText(1), "aaaa\r\nbbbbbbbbbb");
  EXPECT_EQ(model.MaxLineLength(), kHexMaxLineLength);
}

TEST_F(LineModel, ProgressOncePerEntryRounded) {
  std::vector<std::pair<std::int32_t, TVProgressStage>> reports;
  model.OnProgress = [&](const void *sender, std::int32_t percent, TVProgressStage stage) {
    EXPECT_EQ(sender, &model);
    reports.emplace_back(percent, stage);
  };
  Add(kEqual, "a");
  Add(kInserted, "b");
  Add(kEqual, "c");
  Add(kDeleted, "d");
  Build(kNoWrap);
  using R = std::pair<std::int32_t, TVProgressStage>;
  EXPECT_EQ(
      reports,
      (std::vector<R>{
          {0, psStart}, {0, psStep}, {33, psStep}, {67, psStep}, {100, psStep}, {100, psDone}}));
  reports.clear();
  list.Clear();
  Add(kEqual, "single");
  Build(kNoWrap);
  EXPECT_EQ(reports, (std::vector<R>{{0, psStart}, {-1, psStep}, {100, psDone}}));
}

TEST_F(LineModel, IdleCallsDuringALongEntry) {
  Add(kEqual, std::string(3u << 20, 'l'));
  int idle = 0;
  model.OnIdle = [&] { ++idle; };
  Build(80);
  EXPECT_EQ(idle, 3) << "about once a megabyte";
}

TEST_F(LineModel, AStopRequestEndsTheBuildWithNoLines) {
  Add(kEqual, std::string(3u << 20, 'l') + "\r\n");
  Add(kInserted, "new\r\n");
  std::stop_source stop;
  int idle = 0;
  model.OnIdle = [&] {
    ++idle;
    stop.request_stop();
  };
  model.Clear();
  EXPECT_FALSE(model.BuildLines(80, false, stop.get_token()));
  EXPECT_EQ(idle, 1) << "seen at the next megabyte";
  EXPECT_EQ(model.LineCount(), 0);
  EXPECT_FALSE(model.BuildLines(80, false, stop.get_token())) << "a request made before";
  EXPECT_EQ(model.LineCount(), 0);
  model.OnIdle = nullptr;
  EXPECT_TRUE(model.BuildLines(80, false, std::stop_source().get_token()));
  EXPECT_EQ(model.LineCount(), 39324);
}

TEST_F(LineModel, ZonesAreViewsIntoTheChunkText) {
  Add(kEqual, "shared text");
  Build(kNoWrap);
  EXPECT_EQ(model.LineZones(0)[0].Data, texts.front().data());
}

// The LF rule: the cases above with LF where they have CR, and what only LF text has.
class LfRule : public ModelFixture {
protected:
  void SetUp() override {
    ModelFixture::SetUp();
    model.SetLfBreaks(true);
  }
};

TEST_F(LfRule, EveryKindOfLineEndEndsALine) {
  Add(kEqual, "one\ntwo\r\nthree\rfour\n\n");
  Build(kNoWrap);
  EXPECT_EQ(LineTexts(), (Strings{"one", "two", "three", "four", "", ""}));
  EXPECT_EQ(Starts(), (std::vector<std::int64_t>{0, 4, 9, 15, 20, 21}));
  EXPECT_EQ(model.MaxLineLength(), 5);
  EXPECT_EQ(model.LineEnd(), "\n");
}

TEST_F(LfRule, AnLfOnlyOneFileHasMarksItsLineAndOneInsideCountsForTheKind) {
  Add(kEqual, "a");
  Add(kInserted, "\n");
  Add(kEqual, "b");
  Build(kNoWrap);
  EXPECT_EQ(LineTexts(), (Strings{"a", "b"}));
  EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kUpdated, kEqual}));

  list.Clear();
  Add(kInserted, "x\n\ny");
  Add(kEqual, "z");
  Build(kNoWrap);
  EXPECT_EQ(LineTexts(), (Strings{"x", "", "yz"}));
  EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kInserted, kInserted, kUpdated}));
}

TEST_F(LfRule, ACrLfSplitBetweenEntriesIsOneLineEnd) {
  Add(kEqual, "ab\r");
  Add(kInserted, "\ncd");
  Build(kNoWrap);
  EXPECT_EQ(LineTexts(), (Strings{"ab", "cd"}));
  EXPECT_EQ(Starts(), (std::vector<std::int64_t>{0, 4}));
  EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kUpdated, kInserted}))
      << "the inserted LF counts for the line its CR ended";

  // Across an entry the view hides, and an empty one: still the next text of the view.
  list.Clear();
  Add(kEqual, "ab\r");
  Add(kDeleted, "old");
  Add(kInserted, "");
  Add(kInserted, "\n\ncd");
  Build(kNoWrap, false, viewNew);
  EXPECT_EQ(LineTexts(), (Strings{"ab", "", "cd"}));
  EXPECT_EQ(Starts(), (std::vector<std::int64_t>{0, 4, 5}));
  EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kUpdated, kInserted, kInserted}));
  Build(kNoWrap, false, viewBoth);
  EXPECT_EQ(LineTexts(), (Strings{"ab", "old", "", "cd"})) << "the old text stands between them";
}

TEST_F(LfRule, AnLfAtTheWrapPointIsSwallowed) {
  const int w = 6;
  const std::string full(w, 'a');
  Add(kEqual, full + "\n" + full + "\r\nb" + std::string(w + 2, 'c'));
  Build(w);
  EXPECT_EQ(LineTexts(), (Strings{full, full, "b" + std::string(w - 1, 'c'), "ccc"}));
}

TEST_F(LfRule, OneVersionViewsAndTheHexLayout) {
  Add(kEqual, "same ");
  Add(kDeleted, "old");
  Add(kInserted, "new");
  Add(kEqual, " tail\nnext");
  Build(kNoWrap, false, viewNew);
  EXPECT_EQ(LineTexts(), (Strings{"same new tail", "next"}));
  EXPECT_EQ(Starts(), (std::vector<std::int64_t>{0, 14}));
  Build(kNoWrap, false, viewOld);
  EXPECT_EQ(LineTexts(), (Strings{"same old tail", "next"}));
  Build(kHexBytesPerLine, true);
  EXPECT_EQ(model.LineCount(), 2) << "the hex layout takes an LF as a byte";
  EXPECT_EQ(model.GetLine(0).FLength, 16);
}

TEST(LineEnds, AutomaticChoiceFollowsAnLfWithoutACr) {
  EXPECT_FALSE(HasLoneLineFeed("a\r\nb\r\n"));
  EXPECT_FALSE(HasLoneLineFeed("a\rb"));
  EXPECT_TRUE(HasLoneLineFeed("a\r\nb\n"));
  EXPECT_TRUE(HasLoneLineFeed("\nab"));
  EXPECT_TRUE(LfBreaksFor(leAuto, true));
  EXPECT_FALSE(LfBreaksFor(leAuto, false));
  EXPECT_TRUE(LfBreaksFor(leLF, false));
  EXPECT_FALSE(LfBreaksFor(leCR, true));
}

} // namespace
