// Find and copy: the find dialog, both directions, the options, the hex-digit pane, the clipboard.
#include "CodePageText.h"
#include "FindDialog.h"
#include "MemoFixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

namespace {

class Search : public MemoFixture {
protected:
  QStringList messages;

  void SetUp() override {
    MemoFixture::SetUp();
    memo->ShowMessage = [this](const QString &text) { messages << text; };
  }
  // Types the string into the find dialog, sets its options and presses its find button.
  void Find(const QString &text, bool down = true, bool matchCase = false, bool wholeWord = false) {
    memo->OpenFindDialog();
    TFindDialog *d = memo->FindDialog();
    d->edFind->setText(text);
    d->SetDown(down);
    d->chkMatchCase->setChecked(matchCase);
    d->chkWholeWord->setChecked(wholeWord);
    d->btnFind->click();
  }
  std::string Cp1251(const QString &s) { return EncodeWindows1251(s).value(); }
};

TEST_F(Search, DownTwiceThenNotFound) {
  Add(kEqual, "abc x abc y");
  Layout(false);
  Find("abc");
  EXPECT_FALSE(memo->FindDialogOpen()) << "each find closes the dialog";
  EXPECT_EQ(memo->Caret(), (TVPosition{3, 0}));
  EXPECT_TRUE(memo->FoundActive());
  EXPECT_EQ(memo->FoundStart(), (TVPosition{0, 0}));
  memo->FindNext({});
  EXPECT_EQ(memo->Caret(), (TVPosition{9, 0}));
  EXPECT_EQ(memo->FoundStart(), (TVPosition{6, 0}));
  memo->FindNext(QStringLiteral("больше "));
  EXPECT_EQ(messages, QStringList{"строка 'abc' больше не найдена"});
  EXPECT_FALSE(memo->FoundActive());
  EXPECT_EQ(memo->Caret(), (TVPosition{9, 0}));
}

TEST_F(Search, AStringTheCodePageCannotHoldIsNotFound) {
  Add(kEqual, "a?b and a?b");
  Layout(false);
  Find(QString::fromUtf16(u"a\u2603b")); // a snowman, which Windows-1251 lacks
  EXPECT_FALSE(memo->FoundActive());
  EXPECT_EQ(messages, QStringList{QString::fromUtf16(u"строка 'a\u2603b' не найдена")});
  memo->FindNext(QStringLiteral("больше "));
  EXPECT_EQ(messages.size(), 2) << "F3 repeats the search, and finds nothing either";
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 0}));
}

TEST_F(Search, AHitShowsOverTheSelectionAClickLeft) {
  Add(kEqual, "xx abc yy");
  Layout(false);
  Focus();
  QTest::mouseClick(memo->viewport(), Qt::LeftButton, {},
                    QPoint(memo->GutterWidth() + memo->HalfCharWidth() + memo->CharWidth(), 3));
  ASSERT_TRUE(memo->SelActive()) << "a click leaves an empty selection";
  memo->clearFocus();
  Find("abc");
  EXPECT_TRUE(memo->FoundActive());
  EXPECT_FALSE(memo->SelActive());
  const QImage image = Grab();
  const int x = memo->GutterWidth() + memo->HalfCharWidth() + 4 * memo->CharWidth() + 1;
  EXPECT_EQ(Pixel(image, x, 1), 0u) << "the hit is drawn black";
}

TEST_F(Search, UpFindsTheOccurrenceEndingAtTheCaret) {
  Add(kEqual, "abc x abc y");
  Layout(false);
  memo->MoveCaret(9, 0, false);
  Find("abc", false);
  EXPECT_EQ(memo->Caret(), (TVPosition{6, 0}));
  memo->FindNext({});
  EXPECT_EQ(memo->Caret(), (TVPosition{0, 0}));
  memo->FindNext({});
  EXPECT_EQ(messages, QStringList{"строка 'abc' не найдена"});
}

TEST_F(Search, EmptyStringIsRefused) {
  Add(kEqual, "text");
  Layout(false);
  Find("");
  EXPECT_EQ(messages, QStringList{"Строка поиска не может быть пустой"});
}

TEST_F(Search, CyrillicWithoutMatchCase) {
  Add(kEqual, Cp1251(QStringLiteral("строка ПРИВЕТ мир")));
  Layout(false);
  Find(QStringLiteral("привет"));
  EXPECT_EQ(memo->FoundStart(), (TVPosition{7, 0}));
  memo->MoveCaret(0, 0, false);
  Find(QStringLiteral("привет"), true, true);
  EXPECT_EQ(messages.size(), 1) << "with match case the upper-case word is not it";
}

TEST_F(Search, WholeWord) {
  Add(kEqual, "abcd xabc abc. abc");
  Layout(false);
  Find("abc", true, false, true);
  EXPECT_EQ(memo->FoundStart(), (TVPosition{10, 0})) << "not inside abcd or xabc";
  memo->FindNext({});
  EXPECT_EQ(memo->FoundStart(), (TVPosition{15, 0})) << "at the very end of the text";
  list.Clear();
  Add(kEqual, "abc def");
  Layout(false);
  memo->MoveCaret(0, 0, false);
  memo->FindNext({});
  EXPECT_EQ(memo->FoundStart(), (TVPosition{0, 0})) << "at the very beginning";
}

TEST_F(Search, Koi8rTextIsSearchedInItsOwnCodePage) {
  memo->SetCodePage(TCodePage::Koi8r);
  Add(kEqual, Encode(QStringLiteral("Привет, МИР мирный"), TCodePage::Koi8r).value());
  Layout(false);
  Find(QStringLiteral("мир"), true, false, true);
  EXPECT_EQ(memo->FoundStart(), (TVPosition{8, 0})) << "upper case and words of KOI8-R";
  memo->MoveCaret(0, 0, false);
  Find(QStringLiteral("мир"), true, true);
  EXPECT_EQ(memo->FoundStart(), (TVPosition{12, 0}));
}

// UTF-8 text: any typed text, Unicode case folding, words of Unicode letters, hits on characters.
class Utf8Search : public Search {
protected:
  void SetUp() override {
    Search::SetUp();
    memo->Model().SetTextForm({true, 8});
  }
};

TEST_F(Utf8Search, CaseFoldedWholeWordsAndAnyCharacter) {
  Add(kEqual, "Привет, МИР! мирный мир ☃ Straße");
  Layout(false);
  Find(QStringLiteral("мир"));
  EXPECT_EQ(memo->FoundStart(), (TVPosition{14, 0})) << "МИР, in bytes";
  EXPECT_EQ(memo->FoundEnd(), (TVPosition{20, 0}));
  Find(QStringLiteral("мир"), true, false, true);
  EXPECT_EQ(memo->FoundStart(), (TVPosition{35, 0})) << "not inside мирный";
  memo->MoveCaret(0, 0, false);
  Find(QStringLiteral("мир"), true, true);
  EXPECT_EQ(memo->FoundStart(), (TVPosition{22, 0})) << "match case: мирный comes first";
  memo->MoveCaret(0, 0, false);
  Find(QString::fromUtf16(u"\u2603"));
  EXPECT_EQ(memo->FoundStart(), (TVPosition{42, 0})) << "a character no code page has";
  memo->MoveCaret(0, 0, false);
  Find(QStringLiteral("STRASSE"));
  EXPECT_EQ(messages.size(), 1) << "a fold that changes the length is left as it is";
  Find(QStringLiteral("STRAßE"));
  EXPECT_EQ(memo->FoundStart(), (TVPosition{46, 0}));
}

TEST_F(Search, HexDigitPane) {
  Add(kEqual, "ab\r\ncd");
  Layout(false, true);
  memo->OpenFindDialog();
  EXPECT_FALSE(memo->FindDialog()->chkMatchCase->isEnabled());
  Find("0d0a");
  EXPECT_EQ(memo->FoundStart(), (TVPosition{6, 0}));
  EXPECT_EQ(memo->FoundEnd(), (TVPosition{12, 0}));
  memo->MoveCaret(0, 0, false);
  Find("D0");
  EXPECT_EQ(memo->FoundStart(), (TVPosition{6, 0})) << "from the byte that holds the first digit";
}

TEST_F(Search, OneVersionViewHidesTheOtherVersion) {
  Add(kEqual, "common ");
  Add(kDeleted, "oldword");
  Add(kInserted, "newword");
  Layout(false, false, 1);
  Find("oldword");
  EXPECT_EQ(messages.size(), 1);
  Layout(false, false, 2);
  memo->FindNext({});
  EXPECT_TRUE(memo->FoundActive());
}

TEST_F(Search, ANewComparisonIsSearchedAfresh) {
  Add(kEqual, "first text");
  Layout(false);
  Find("second");
  EXPECT_EQ(messages.size(), 1);
  memo->Model().Clear();
  list.Clear();
  Add(kEqual, "the second text");
  Layout(false);
  memo->MoveCaret(0, 0, false);
  memo->FindNext({});
  EXPECT_EQ(memo->FoundStart(), (TVPosition{4, 0}));
}

TEST_F(Search, TextEndsAtAZeroByteExceptInTheHexDigits) {
  Add(kEqual, std::string("ab\0cd", 5));
  Layout(false);
  Find("cd");
  EXPECT_EQ(messages.size(), 1);
  Layout(false, true);
  Find("6364");
  EXPECT_EQ(memo->FoundStart(), (TVPosition{9, 0}));
}

TEST_F(Search, CopyingSelections) {
  Add(kEqual, "one\r\ntwo\r\nthree");
  Layout(false);
  QGuiApplication::clipboard()->setText("before");
  memo->CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before") << "no selection, no change";
  memo->StartSelection(1, 0, paneText);
  memo->ExtendSelection(0, 2);
  EXPECT_EQ(memo->GetSelectedText(), "ne\r\ntwo\r\n");
  memo->StartSelection(1, 1, paneText);
  memo->CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before") << "an empty selection copies nothing";
  memo->ExtendSelection(3, 1);
  memo->CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "wo");
}

TEST_F(Search, CopyInTheHexDigitPane) {
  Add(kEqual, std::string(16, 'A') + "\xE0\x01" + std::string(14, 'B'));
  Layout(false, true);
  memo->SelectAll();
  std::string expected;
  for (int i = 0; i < 16; ++i)
    expected += "41 ";
  expected += "\r\nE0 01";
  for (int i = 0; i < 14; ++i)
    expected += " 42";
  EXPECT_EQ(memo->GetSelectedText(), expected) << "a full last line ends without its blank";

  // The character pane is the text itself: its rows of 16 bytes are joined again.
  memo->StartSelection(15, 0, paneHexChars);
  memo->ExtendSelection(2, 1);
  memo->CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf16(u"A\u0430\u0001"));
}

TEST_F(Search, CopyInWrapModeGivesTheTextsOwnLineBreaks) {
  const std::string text = "Copyright notice " + std::string(90, 'x') + "\r\nnext line\r\n" +
                           std::string(70, 'y') + "\r\n\r\nend";
  Add(kEqual, text);
  Layout(true);
  ASSERT_GT(memo->Model().LineCount(), 6) << "the long lines are wrapped";
  memo->SelectAll();
  memo->CopyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
  memo->StartSelection(3, 0, paneText);
  memo->ExtendSelection(2, 1); // across one wrap point
  EXPECT_EQ(memo->GetSelectedText(), text.substr(3, WrapWidth() - 1));
}

} // namespace
