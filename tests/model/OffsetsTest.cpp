// Offsets in the running text and (column, line) positions, both ways, in the text and hex
// layouts; where a line ends; and ranges grown from an anchor.
#include "ModelFixture.h"

namespace {

using Offsets = ModelFixture;

TEST_F(Offsets, PositionsAndOffsetsRoundTripOverLineBreaks) {
  Add(kEqual, "one\r\ntwo\rthree");
  Build(kNoWrap);
  // Line starts 0, 5, 9; the terminators belong to no line.
  const std::vector<std::pair<std::int64_t, TVPosition>> rows = {
      {0, {0, 0}}, {3, {3, 0}}, {5, {0, 1}}, {8, {3, 1}}, {9, {0, 2}}, {14, {5, 2}}};
  for (const auto &[offset, position] : rows) {
    EXPECT_EQ(model.OffsetToPosition(offset, false), position) << offset;
    EXPECT_EQ(model.PositionToOffset(position.Col, position.Line, false), offset) << offset;
  }
  EXPECT_EQ(model.OffsetToPosition(4, false), (TVPosition{4, 0})) << "inside the CR LF";
  EXPECT_EQ(model.PositionToOffset(99, 1, false), 8) << "a column past the end: the line's end";
  EXPECT_EQ(model.PositionToOffset(0, 7, false), 0) << "no such line";
  EXPECT_EQ(model.LineOfOffset(-3), 0);
  EXPECT_EQ(model.LineOfOffset(1000), 2);
}

TEST_F(Offsets, HexCellsCountThreeColumnsToAByte) {
  Add(kEqual, std::string(40, 'x'));
  Build(kHexBytesPerLine, true);
  EXPECT_EQ(model.OffsetToPosition(17, true), (TVPosition{3, 1}));
  EXPECT_EQ(model.OffsetToPosition(32, true), (TVPosition{0, 2}));
  EXPECT_EQ(model.PositionToOffset(3, 1, true), 17);
  EXPECT_EQ(model.PositionToOffset(4, 1, true), 17) << "the second digit of the same byte";
  EXPECT_EQ(model.PositionToOffset(5, 1, true), 18) << "the blank goes with the next byte";
  EXPECT_EQ(model.PositionToOffset(kHexLastColumn, 0, true), 16);
  EXPECT_EQ(ByteToHexColumn(16), kHexLastColumn);
  EXPECT_EQ(HexDigits("\x01\xAB"), "01 AB ");
  EXPECT_EQ(HexPairs("\x01\xAB"), "01AB");
}

TEST_F(Offsets, ALineEndsAtATerminatorOrBecauseItIsFull) {
  Add(kEqual, "abcdef\r\ngh");
  Build(4);
  EXPECT_EQ(LineTexts(), (Strings{"abcd", "ef", "gh"}));
  EXPECT_FALSE(model.EndsWithLineEnd(0));
  EXPECT_TRUE(model.EndsWithLineEnd(1));
  EXPECT_TRUE(model.EndsWithLineEnd(2)) << "the last line";
  EXPECT_TRUE(model.ZonesOf(3).empty());
  EXPECT_TRUE(model.ZonesOf(-1).empty());
}

TEST(TextRange, GrowsAroundItsAnchorInTextOrder) {
  TVTextRange r = TVTextRange::At({5, 2}, paneHexChars);
  r.ExtendTo({1, 4});
  EXPECT_EQ(r.Start, (TVPosition{5, 2}));
  EXPECT_EQ(r.End, (TVPosition{1, 4}));
  r.ExtendTo({9, 1});
  EXPECT_EQ(r.Start, (TVPosition{9, 1}));
  EXPECT_EQ(r.End, (TVPosition{5, 2})) << "back over the anchor: the anchor ends it";
  r.ExtendTo({3, 2});
  EXPECT_EQ(r.Start, (TVPosition{3, 2})) << "same line, a column before the anchor";
  EXPECT_EQ(r.Pane, paneHexChars);

  r = TVTextRange::At({2, 1}, paneText);
  r.ExtendTo({4, 3});
  EXPECT_FALSE(r.ColumnsOn(0));
  EXPECT_EQ(r.ColumnsOn(1)->From, 2);
  EXPECT_EQ(r.ColumnsOn(1)->To, INT64_MAX);
  EXPECT_EQ(r.ColumnsOn(2)->From, 0);
  EXPECT_EQ(r.ColumnsOn(3)->To, 4);
  EXPECT_FALSE(r.ColumnsOn(4));
}

} // namespace
