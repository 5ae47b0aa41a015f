// Cells of UTF-8 text: a cell per character, two for a wide one, none for a combining mark, a tab
// to the next stop; and lines wrapped by cells without splitting a character.
#include "ModelFixture.h"

namespace {

const TVTextForm kUtf8{true, 8};

TEST(Cells, CharactersTakeTheCellsATerminalGivesThem) {
  EXPECT_EQ(CodePointCells(U'a'), 1);
  EXPECT_EQ(CodePointCells(U'п'), 1);
  EXPECT_EQ(CodePointCells(U'中'), 2);
  EXPECT_EQ(CodePointCells(U'😀'), 2);
  EXPECT_EQ(CodePointCells(0x0301), 0) << "a combining acute accent";
  EXPECT_EQ(CellsOf("привет", kUtf8), 6);
  EXPECT_EQ(CellsOf("中文", kUtf8), 4);
  EXPECT_EQ(CellsOf("e\u0301", kUtf8), 1);
  EXPECT_EQ(CellsOf("a\xFF\xD0", kUtf8), 3) << "each byte that begins no character is a cell";
  EXPECT_EQ(CellsOf("привет", TVTextForm{}), 12) << "a single-byte code page: a cell a byte";
}

TEST(Cells, TabsReachTheNextStopInUtf8Only) {
  EXPECT_EQ(CellsOf("a\tb", kUtf8), 1 + 7 + 1);
  EXPECT_EQ(CellsOf("\t", kUtf8, 8), 8);
  EXPECT_EQ(CellsOf("\t", kUtf8, 5), 3);
  EXPECT_EQ(CellsOf("ab\t", TVTextForm{true, 4}), 4);
  EXPECT_EQ(CellsOf("a\tb", TVTextForm{}), 3) << "one cell with its glyph";
  const TVCharacter c = Utf8CharacterAt("\xE2\x82\xAC", 0);
  EXPECT_EQ(c.CodePoint, 0x20ACu);
  EXPECT_EQ(c.Bytes, 3);
  EXPECT_FALSE(Utf8CharacterAt("\xE2\x82", 0).Valid);
}

class Utf8Lines : public ModelFixture {
protected:
  void SetUp() override {
    ModelFixture::SetUp();
    model.SetTextForm(kUtf8);
    model.SetLfBreaks(true);
  }
  std::vector<std::int32_t> Lengths() const {
    std::vector<std::int32_t> out;
    for (int i = 0; i < model.LineCount(); ++i)
      out.push_back(model.GetLine(i).FLength);
    return out;
  }
};

TEST_F(Utf8Lines, TheWidthCountsCellsAndNoCharacterIsSplit) {
  Add(kEqual, "приветмир");
  Build(4);
  EXPECT_EQ(LineTexts(), (Strings{"прив", "етми", "р"}));
  EXPECT_EQ(Lengths(), (std::vector<std::int32_t>{8, 8, 2})) << "lengths stay in bytes";
  EXPECT_EQ(Starts(), (std::vector<std::int64_t>{0, 8, 16}));
  EXPECT_EQ(model.MaxLineLength(), 4) << "in cells";
}

TEST_F(Utf8Lines, WideCharactersCombiningMarksAndTabs) {
  Add(kEqual, "中文字");
  Build(3);
  EXPECT_EQ(LineTexts(), (Strings{"中", "文", "字"})) << "the second wide one does not fit";
  list.Clear();
  Add(kEqual, "中x");
  Build(1);
  EXPECT_EQ(LineTexts(), (Strings{"中", "x"})) << "wider than a line: a line of its own";
  list.Clear();
  Add(kEqual, "cafe\u0301s");
  Build(4);
  EXPECT_EQ(LineTexts(), (Strings{"cafe\u0301", "s"})) << "the accent joins its letter";
  list.Clear();
  Add(kEqual, "ab\tcd\n\tx");
  Build(9);
  EXPECT_EQ(LineTexts(), (Strings{"ab\tc", "d", "\tx"})) << "the tab reaches cell 8";
  Build(kNoWrap);
  EXPECT_EQ(model.MaxLineLength(), 10);
}

TEST_F(Utf8Lines, TheHexLayoutStillCountsBytes) {
  Add(kEqual, "привет, мир!");
  Build(kHexBytesPerLine, true);
  EXPECT_EQ(Lengths(), (std::vector<std::int32_t>{16, 5}));
}

} // namespace
