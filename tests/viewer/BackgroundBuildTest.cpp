// Large texts get their lines on a thread of their own: the lines around the top show at once,
// the whole build replaces them when done, and a build under way can be held, restarted by a
// new width, stopped, or made to wait for by a command over the whole text.
#include "FindDialog.h"
#include "MemoFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

class BackgroundBuild : public MemoFixture {
protected:
  std::atomic<bool> held{false}, release{false};
  int done = 0; // ends of relayouts

  // About 2.6 MB in 60,000 lines of differing lengths, a changed pair every 100 lines.
  void AddLargeText() {
    std::string shared;
    for (int i = 0; i < 60000; ++i) {
      shared += "line " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 70), 'x');
      shared += "\r\n";
      if (i % 100 == 99) {
        Add(kEqual, std::exchange(shared, {}));
        Add(kInserted, "new " + std::to_string(i) + "\r\n");
        Add(kDeleted, "old\r\n");
      }
    }
    Add(kEqual, shared);
  }

  // The next background build waits on its thread until released or stopped.
  void HoldBuilds() {
    memo->OnBuildStart = [this](const std::stop_token &stop) {
      held = true;
      while (!release && !stop.stop_requested())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
  }

  // A wrapped layout of the large text whose whole build waits to be released.
  void StartHeldBuild() {
    AddLargeText();
    memo->SetBackgroundBuilds(true);
    memo->OnRelayoutDone = [this] { ++done; };
    HoldBuilds();
    Layout(true);
  }

  void Release() {
    release = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !memo->Building(); }));
  }

  // What a build made at once, in place, at the same width and mode.
  std::vector<std::string> WholeBuild() {
    const std::unique_ptr<TVLineModel> copy = memo->Model().EmptyCopy();
    copy->BuildLines(memo->WrapMode() && !memo->HexMode() ? WrapWidth() : kNoWrap, false);
    std::vector<std::string> out;
    for (int i = 0; i < copy->LineCount(); ++i)
      out.push_back(copy->GetLineText(i));
    return out;
  }

  std::int64_t TopOffset() const { return memo->Model().GetLine(memo->TopLine()).FStart; }
  std::int64_t CaretOffset() const {
    return memo->Model().PositionToOffset(memo->Caret().Col, memo->Caret().Line, false);
  }
};

TEST_F(BackgroundBuild, TheTopShowsAtOnceAndTheWholeBuildFollows) {
  StartHeldBuild();
  EXPECT_TRUE(memo->Building());
  EXPECT_EQ(done, 0);
  ASSERT_GT(memo->Model().LineCount(), memo->VisibleLines()) << "a screenful and more at once";
  EXPECT_LT(memo->Model().LineCount(), 200) << "not the whole text";
  EXPECT_EQ(memo->Model().GetLineText(0), "line 0");
  Release();
  EXPECT_EQ(done, 1);
  EXPECT_EQ(LineTexts(), WholeBuild());
  EXPECT_EQ(memo->verticalScrollBar()->maximum(), memo->Model().LineCount() - memo->VisibleLines());
}

TEST_F(BackgroundBuild, ANewWidthKeepsTheTopOnItsTextAtOnceAndAfter) {
  AddLargeText();
  Layout(true);
  memo->ScrollView(-30000);                                   // down
  while (!memo->Model().EndsWithLineEnd(memo->TopLine() - 1)) // at the start of a text line
    memo->ScrollView(-1);
  memo->MoveCaret(0, memo->TopLine() + 2, true); // a relayout brings the caret into view
  const std::int64_t top = TopOffset();
  const std::int64_t caret = CaretOffset();
  const std::string topText = memo->Model().GetLineText(memo->TopLine());
  memo->SetBackgroundBuilds(true);
  memo->SetAutoRelayout(true);
  HoldBuilds();
  for (const int width : {330, 260, 200}) { // a drag: each size restarts the build
    Resize(width, 300);
    EXPECT_TRUE(memo->Building());
    EXPECT_EQ(TopOffset(), top) << "the part laid out at once starts its top line there";
    EXPECT_EQ(memo->Model().GetLineText(memo->TopLine()).substr(0, 6), topText.substr(0, 6));
  }
  Release();
  EXPECT_EQ(LineTexts(), WholeBuild());
  EXPECT_EQ(TopOffset(), top) << "a line of the old layout starts where a text line does";
  EXPECT_EQ(memo->verticalScrollBar()->value(), memo->TopLine());
  EXPECT_EQ(CaretOffset(), caret) << "the caret is on its text too";
}

TEST_F(BackgroundBuild, WholeTextCommandsWaitForTheEnd) {
  AddLargeText();
  memo->SetBackgroundBuilds(true);
  HoldBuilds();
  Layout(false);
  memo->SelectAll();
  memo->NextDiff();
  EXPECT_FALSE(memo->SelActive()) << "not over a part of the lines";
  Release();
  ASSERT_TRUE(memo->SelActive());
  EXPECT_EQ(memo->SelEnd().Line, memo->Model().LineCount() - 1);
}

TEST_F(BackgroundBuild, AStoppedBuildShowsNothingAndDropsWhatWaited) {
  StartHeldBuild();
  ASSERT_TRUE(QTest::qWaitFor([&] { return held.load(); }));
  memo->SelectAll();
  memo->StopBuilding();
  EXPECT_FALSE(memo->Building());
  EXPECT_EQ(memo->Model().LineCount(), 0);
  QApplication::processEvents();
  EXPECT_EQ(done, 0);
  EXPECT_FALSE(memo->SelActive());
  memo->OnBuildStart = nullptr;
  Layout(true); // and a build after it is whole
  ASSERT_TRUE(QTest::qWaitFor([&] { return !memo->Building(); }));
  EXPECT_EQ(LineTexts(), WholeBuild());
  EXPECT_EQ(done, 1);
}

// Searches and copies of a large text run on a thread of their own and end as they would at once.
class TextWork : public BackgroundBuild {
protected:
  QStringList messages;

  void SetUp() override {
    BackgroundBuild::SetUp();
    memo->ShowMessage = [this](const QString &text) { messages << text; };
    AddLargeText();
    memo->SetBackgroundBuilds(true);
    Layout(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !memo->Building(); }));
  }

  void Find(const QString &text) {
    memo->OpenFindDialog();
    memo->FindDialog()->edFind->setText(text);
    memo->FindDialog()->btnFind->click();
  }

  std::int64_t Offset(TVPosition p) const {
    return memo->Model().PositionToOffset(p.Col, p.Line, false);
  }
};

TEST_F(TextWork, ASearchFindsWhatItWouldAtOnce) {
  Find("line 59998x");
  EXPECT_TRUE(memo->TextWorkRunning());
  EXPECT_EQ(memo->TextWorkTitle(), "Поиск..");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !memo->TextWorkRunning(); }));
  ASSERT_TRUE(memo->FoundActive()) << messages.join("|").toStdString();
  const std::string all = [&] {
    std::string text;
    for (const std::string &t : texts)
      text += t;
    return text;
  }();
  EXPECT_EQ(Offset(memo->FoundStart()), static_cast<std::int64_t>(all.find("line 59998x")));
  QStringList events; // the owner hears of the end before the message: it is no longer busy
  memo->OnTextWork = [&] { events << (memo->TextWorkRunning() ? "start" : "end"); };
  memo->ShowMessage = [&](const QString &text) { events << text; };
  memo->FindNext({}); // no more: the message comes when the thread is done
  ASSERT_TRUE(QTest::qWaitFor([&] { return !memo->TextWorkRunning(); }));
  EXPECT_EQ(events, (QStringList{"start", "end", "строка 'line 59998x' не найдена"}));
}

TEST_F(TextWork, AStoppedSearchFindsNothingAndSaysNothing) {
  Find("line 59998x");
  memo->SelectAll(); // waits for the search, and goes with it
  memo->StopTextWork();
  EXPECT_FALSE(memo->TextWorkRunning());
  QTest::qWait(20);
  EXPECT_FALSE(memo->FoundActive());
  EXPECT_FALSE(memo->SelActive());
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TextWork, ALargeCopyAsksFirstAndCopiesTheSelection) {
  memo->AskBeforeCopyingBytes = 2 << 20;
  std::vector<std::int64_t> asked;
  bool answer = false;
  memo->ConfirmLargeCopy = [&](std::int64_t bytes) {
    asked.push_back(bytes);
    return answer;
  };
  QGuiApplication::clipboard()->setText("before");
  memo->SelectAll();
  memo->CopyToClipboard();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_GT(asked[0], 2 << 20);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before") << "the user said no";
  answer = true;
  memo->CopyToClipboard();
  EXPECT_TRUE(memo->TextWorkRunning());
  EXPECT_EQ(memo->TextWorkTitle(), "Копирование..");
  memo->NextDiff(); // waits for the copy
  ASSERT_TRUE(QTest::qWaitFor([&] { return !memo->TextWorkRunning(); }));
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), memo->GetSelectedText());
}

TEST_F(BackgroundBuild, SmallTextsAreBuiltAtOnce) {
  Add(kEqual, std::string(5000, 'a') + "\r\n");
  memo->SetBackgroundBuilds(true);
  Layout(true);
  EXPECT_FALSE(memo->Building());
  EXPECT_EQ(LineTexts(), WholeBuild());
}

} // namespace
