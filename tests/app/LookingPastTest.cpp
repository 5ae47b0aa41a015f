// The "Сравнение" menu: a comparison that looks past line ends, spaces and letter case, as the
// window shows it: the text once, what was looked past in its own style, said in the status bar,
// offered by a bar when the verdict names it, counted in the statistics and kept per user.
#include "MainWindowFixture.h"

#include "FormDorixCfgUnit.h"
#include "FormDorixTextCfgUnit.h"
#include "FormOnlyBar.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

namespace {

QByteArray Lines(const char *end) {
  QByteArray text;
  for (int i = 0; i < 20; ++i)
    text +=
        "    value_" + QByteArray::number(i) + " = compute(" + QByteArray::number(i) + ");" + end;
  return text;
}

class LookingPast : public MainWindowFixture {
protected:
  bool NoChangedLine() const {
    const TVLineModel &model = w->mm->Model();
    for (int i = 0; i < model.LineCount(); ++i)
      if (model.GetLine(i).FKind != kindEqual)
        return false;
    return true;
  }
  QByteArray ShownText() const {
    QByteArray text;
    const TVLineModel &model = w->mm->Model();
    for (int i = 0; i < model.LineCount(); ++i)
      text += QByteArray::fromStdString(model.GetLineText(i)) + "\n";
    return text;
  }
};

TEST_F(LookingPast, TheMenuComesAfterTheViewAndItsItemsCombine) {
  Start();
  QStringList menus;
  for (QAction *menu : w->menuBar()->actions())
    menus << menu->text();
  EXPECT_EQ(menus, (QStringList{"&Файл", "&Правка", "&Вид", "С&равнение", "&Справка"}));
  QStringList items;
  for (QAction *item : w->mmCompare->actions())
    items << item->text().remove('&');
  EXPECT_EQ(items, (QStringList{"Не различать концы строк", "Не различать число пробелов",
                                "Не различать пробелы", "Не различать регистр букв", "",
                                "Следующий различающийся файл", "Предыдущий различающийся файл",
                                "Назад к папкам"}));
  for (QAction *item :
       {w->mmIgnoreLineEnds, w->mmIgnoreSpaceChange, w->mmIgnoreAllSpace, w->mmIgnoreCase})
    item->trigger();
  EXPECT_EQ(w->Ignore(), (TIgnoreChoices{true, true, true, true}));
  EXPECT_EQ(Panel(spIgnored), "≈");
  EXPECT_EQ(w->StatusBar1->PanelAt(w->StatusBar1->width() - 1), spStatus);
  w->mmIgnoreAllSpace->trigger();
  EXPECT_EQ(w->Ignore(), (TIgnoreChoices{true, true, false, true}));
}

// The CR LF copy of a file: the verdict names the line ends and a bar offers to look past them;
// its button does, without reading the files again, and the text shows once with no change.
TEST_F(LookingPast, ACrLfCopyShowsOnceWhenLineEndsAreLookedPast) {
  const QByteArray crlf = Lines("\r\n"), lf = Lines("\n");
  Start(Write("new.txt", crlf), Write("old.txt", lf));
  EXPECT_EQ(Panel(spStatus), "Файлы отличаются только концами строк.");
  EXPECT_FALSE(NoChangedLine());
  EXPECT_TRUE(w->FormOnlyBar->isVisible());
  EXPECT_EQ(w->FormOnlyBar->lblMessage->text(), "Файлы отличаются только концами строк.");
  EXPECT_EQ(Panel(spIgnored), "") << "nothing is looked past yet";
  const int reads = w->FileReads();
  QTest::mouseClick(w->FormOnlyBar->btnAction, Qt::LeftButton);
  Settle();
  EXPECT_TRUE(w->mmIgnoreLineEnds->isChecked());
  EXPECT_EQ(w->FileReads(), reads) << "compared again, not read again";
  EXPECT_FALSE(w->FormOnlyBar->isVisible());
  EXPECT_EQ(Panel(spStatus), "Файлы отличаются только концами строк.") << "never identical";
  EXPECT_EQ(Panel(spIgnored), "≈");
  EXPECT_TRUE(NoChangedLine());
  EXPECT_EQ(w->mm->Model().LineCount(), 21) << "every line once, then the empty last one";
  EXPECT_EQ(Counts().EqualChars, crlf.size());
  EXPECT_EQ(Counts().IgnoredChars, 40) << "twenty CR LF";
  // The statistics count each file's shared text in its own bytes, and the ignored ones.
  w->btnChart->click();
  EXPECT_EQ(w->FormDorixChart->lblEqu1->text().trimmed(), QString::number(crlf.size()));
  EXPECT_EQ(w->FormDorixChart->lblEqu2->text().trimmed(), QString::number(lf.size()));
  EXPECT_TRUE(w->FormDorixChart->lblIgnored->isVisibleTo(w->FormDorixChart.get()));
  EXPECT_EQ(w->FormDorixChart->lblIgnored->text().trimmed(), "40");
  w->mmIgnoreLineEnds->trigger();
  Settle();
  EXPECT_FALSE(NoChangedLine());
  EXPECT_TRUE(w->FormOnlyBar->isVisible());
  EXPECT_FALSE(w->FormDorixChart->lblIgnored->isVisibleTo(w->FormDorixChart.get()));
}

// Spaces and letter case: the bar turns on what the verdict names; the text is the new file's
// in the view of both and of the new one, the old file's in the old one.
TEST_F(LookingPast, EachViewShowsItsOwnFilesBytes) {
  Start(Write("new.txt", "if (X)  {\n\tgo();\n}\n"), Write("old.txt", "if (x) {\n    go();\n}\n"));
  EXPECT_FALSE(w->FormOnlyBar->isVisible()) << "case and spaces at once: no single form names it";
  w->ChangeIgnore({false, true, false, true});
  Settle();
  EXPECT_TRUE(NoChangedLine());
  EXPECT_EQ(ShownText(), "if (X)  {\n\tgo();\n}\n\n");
  QStringList zones;
  for (const TVMemoLineZone &zone : w->mm->Model().LineZones(0))
    zones << QStringLiteral("%1:%2").arg(zone.Kind).arg(QString::fromUtf8(zone.Text()));
  EXPECT_EQ(zones, (QStringList{"0:if (", "4:X", "0:)", "4:  ", "0:{"}));
  w->tsView->setCurrentIndex(viewOld);
  Settle();
  EXPECT_EQ(ShownText(), "if (x) {\n    go();\n}\n\n");
  w->tsView->setCurrentIndex(viewBoth);
  Settle();
  w->mm->MoveCaret(0, 0, true);
  w->mmDiffRight->trigger();
  EXPECT_EQ(w->mm->Caret(), (TVPosition{0, 0})) << "no difference to go to";
}

TEST_F(LookingPast, IgnoredTextTakesItsOwnStyleKeptPerUser) {
  Start(Write("new.txt", "SAME\n"), Write("old.txt", "same\n"));
  w->Platform.ChooseColor = [](QWidget *, const QColor &) {
    return std::optional<QColor>(QColor(9, 8, 7));
  };
  WhenModal<TFormDorixCfg>([&](TFormDorixCfg &d) {
    EXPECT_EQ(d.edColorIgnored->text(), " Не учитываемые различия");
    WhenModal<TFormDorixTextCfg>([](TFormDorixTextCfg &s) {
      s.btnBkgColor->click();
      s.btnOk->click();
    });
    d.btnChangeColorIgnored->click();
    d.btnOk->click();
  });
  w->mmFormatProp->trigger();
  EXPECT_EQ(w->Settings().Light.Ignored, (TVTextStyle{0x808080, 0, 0x070809}));
  w->mmIgnoreCase->trigger();
  Settle();
  const TVMemoLineZone &zone = w->mm->Model().LineZones(0)[0];
  ASSERT_EQ(zone.Kind, kindIgnored);
  // The zone's cells are drawn on the style's background.
  const QRect viewport(w->mm->viewport()->mapTo(w.get(), QPoint(0, 0)), w->mm->viewport()->size());
  const QImage image = w->grab(viewport).toImage();
  const int x = static_cast<int>(w->mm->Geometry().ColumnX(paneText, 0)) + 1;
  EXPECT_EQ(image.pixelColor(x, 1), QColor(9, 8, 7));
  w->close();
  EXPECT_EQ(StoredValue("IgnoreCase"), "1");
  EXPECT_EQ(StoredValue("IgnoreLineEnds"), "0");
  Start(Write("a", "x\n"), Write("b", "X\n"));
  EXPECT_TRUE(w->mmIgnoreCase->isChecked()) << "kept for the next start";
  EXPECT_EQ(Panel(spStatus), "Файлы отличаются только регистром букв.");
  EXPECT_TRUE(NoChangedLine());
}

TEST_F(LookingPast, ThePanelNamesWhatIsLookedPast) {
  Start();
  w->ChangeIgnore({true, true, false, false});
  int x = 0;
  for (int panel = 0; panel < spIgnored; ++panel)
    x += w->StatusBar1->PanelWidth(panel);
  EXPECT_EQ(w->StatusBar1->PanelAt(x + 5), spIgnored);
  EXPECT_EQ(w->StatusBar1->ToolTip(spIgnored),
            "Сравнение не различает: концы строк, число пробелов");
  w->ChangeIgnore({false, true, true, true});
  EXPECT_EQ(w->StatusBar1->ToolTip(spIgnored), "Сравнение не различает: пробелы, регистр букв")
      << "all spaces covers their number";
  w->ChangeIgnore({});
  EXPECT_EQ(w->StatusBar1->PanelAt(x + 5), spStatus) << "the panel takes no room when off";
}

TEST(FormOnlyVerdict, NamesWhatToLookPast) {
  EXPECT_EQ(FormOf(csOnlyLineEnds), (TIgnoreChoices{true, false, false, false}));
  EXPECT_EQ(FormOf(csOnlySpaces), (TIgnoreChoices{false, true, false, false}));
  EXPECT_EQ(FormOf(csOnlySpacesAndLineEnds), (TIgnoreChoices{true, true, false, false}));
  EXPECT_EQ(FormOf(csOnlyCase), (TIgnoreChoices{false, false, false, true}));
  EXPECT_FALSE(FormOf(csSimilar).Any());
  EXPECT_FALSE(FormOf(csOnlyIgnored).Any());
}

} // namespace
