// Two folders in the window: the folder view instead of the text, filled in by a comparison on
// its own thread, its toggles, a file opened from it and back, the walk through the files that
// differ, a compare afresh, and the pair among the recent ones.
#include "MainWindowFixture.h"

#include "FolderView.h"
#include "StatusPanels.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeView>

namespace {

class FolderWindow : public MainWindowFixture {
protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    Put("new/same.txt", "same\n"), Put("old/same.txt", "same\n");
    Put("new/src/main.c", "int main() { return 0; }\n");
    Put("old/src/main.c", "int main() { return 1; }\n");
    Put("new/src/added.c", "new file\n");
    Put("old/gone.txt", "old file\n");
    Put("new/zz/same", "x"), Put("old/zz/same", "x");
  }
  void Put(const QString &path, const QByteArray &bytes) {
    QDir(dir.path()).mkpath(QFileInfo(dir.filePath(path)).path());
    Write(path, bytes);
  }
  QString New() const { return dir.filePath("new"); }
  QString Old() const { return dir.filePath("old"); }

  // The window as `dorix NEWDIR OLDDIR` opens it, once the folders are compared.
  void StartFolders() {
    w = std::make_unique<TfrmDorix>();
    w->ShowMessage = [this](const QString &text, const QString &) { messages << text; };
    w->ChangeActualPFN(New());
    w->ChangeObsoletePFN(Old());
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    SettleFolders();
  }
  void SettleFolders() {
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return w->FolderShown() && !w->FolderView->Running(); }, 60'000));
    QTest::qWait(150); // the last entries are taken on the view's next turn
  }
  // The names the tree shows, a folder's entries after it, indented by two spaces a level.
  QStringList Shown() const {
    QStringList rows;
    QTreeView *tree = w->FolderView->Tree;
    tree->expandAll();
    std::function<void(const QModelIndex &, int)> walk = [&](const QModelIndex &parent, int depth) {
      for (int r = 0; r < tree->model()->rowCount(parent); ++r) {
        const QModelIndex row = tree->model()->index(r, 0, parent);
        rows << QString(2 * depth, ' ') + row.data().toString();
        walk(row, depth + 1);
      }
    };
    walk({}, 0);
    return rows;
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
  }
};

TEST_F(FolderWindow, TwoFoldersShowAsATreeWithIdenticalOnesHidden) {
  StartFolders();
  EXPECT_FALSE(w->mm->isVisible());
  EXPECT_EQ(Shown(), (QStringList{"gone.txt", "src", "  added.c", "  main.c"}))
      << "identical entries, and folders with nothing else, are hidden by default";
  EXPECT_EQ(w->StatusBar1->Text(spStatus),
            "Одинаковых: 2, различающихся: 1, только в новой: 1, только в старой: 1, "
            "несравнимых: 0");
  EXPECT_EQ(w->windowTitle(), "new \u2194 old \u2014 Сравнение содержимого файлов");
  w->FolderView->actHidden[fsnIdentical]->trigger();
  EXPECT_EQ(Shown(),
            (QStringList{"gone.txt", "same.txt", "src", "  added.c", "  main.c", "zz", "  same"}));
  EXPECT_FALSE(w->Settings().FolderHideIdentical) << "the toggle is kept";
  w->FolderView->actHidden[fsnOnlyOld]->trigger();
  EXPECT_FALSE(Shown().contains("gone.txt"));
  ASSERT_FALSE(w->RecentPairs().isEmpty());
  EXPECT_EQ(w->RecentPairs().front().Actual, New()) << "the folder pair joins the recent ones";
}

TEST_F(FolderWindow, AFileOpensInTheWindowAndBackspaceReturnsToTheFolders) {
  StartFolders();
  QTreeView *tree = w->FolderView->Tree;
  tree->setFocus();
  const QModelIndex main = tree->model()->index(1, 0, tree->model()->index(1, 0));
  ASSERT_EQ(main.data().toString(), "main.c");
  tree->setCurrentIndex(main);
  QTest::keyClick(tree, Qt::Key_Return);
  Settle();
  EXPECT_TRUE(w->mm->isVisible());
  EXPECT_FALSE(w->FolderShown());
  EXPECT_EQ(w->ActualPFN(), New() + "/src/main.c");
  EXPECT_EQ(w->windowTitle(), "src/main.c \u2014 Сравнение содержимого файлов");
  EXPECT_TRUE(w->actBackToFolders->isVisible());
  EXPECT_EQ(w->Status(), csSimilar);
  Key(Qt::Key_Backspace);
  EXPECT_TRUE(w->FolderShown());
  EXPECT_EQ(tree->currentIndex().data().toString(), "main.c") << "the selection is kept";
  EXPECT_FALSE(w->actBackToFolders->isVisible());
}

TEST_F(FolderWindow, F7WalksTheFilesThatDifferAndAOneSidedFileMeetsAnEmptySide) {
  StartFolders();
  w->FolderView->Tree->setFocus(); // on the first row, gone.txt: the walk goes on from there
  QStringList walked;
  for (int k = 0; k < 3; ++k) {
    w->mmNextDiffFile->trigger();
    Settle();
    walked << w->windowTitle().section(' ', 0, 0);
  }
  EXPECT_EQ(walked, (QStringList{"src/added.c", "src/main.c", "src/main.c"}))
      << "the last stays when there is no other";
  EXPECT_EQ(w->StatusBar1->Text(spStatus), "Других различающихся файлов нет.");
  w->mmPrevDiffFile->trigger();
  Settle();
  EXPECT_EQ(w->ActualPFN(), New() + "/src/added.c");
  EXPECT_EQ(w->ObsoletePFN(), "") << "only in the new folder: against nothing";
  ASSERT_NE(w->Comparison(), nullptr);
  EXPECT_EQ(w->Comparison()->Counts().FirstChars, 9) << "the whole file inserted";
  EXPECT_EQ(w->Comparison()->Counts().EqualChars, 0);
}

TEST_F(FolderWindow, F5ComparesTheFoldersAgain) {
  StartFolders();
  Put("new/later.txt", "x");
  w->mmEditRefresh->trigger();
  SettleFolders();
  EXPECT_TRUE(Shown().contains("later.txt"));
}

} // namespace
