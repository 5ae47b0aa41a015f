#include "FormDorixChartUnit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <tuple>

#include <gtest/gtest.h>

namespace {

const TVTextStyle kEqual{0, 0, 0xFFFFFF}, kInserted{0, 0, 0xC888FF}, kDeleted{0, 0, 0xFF8800};

struct Slice {
  QString label;
  double value;
  QRgb color;
  bool operator==(const Slice &) const = default;
};

std::vector<Slice> Slices(const TFormDorixChart &chart) {
  std::vector<Slice> out;
  for (const auto &s : chart.Chart1->Slices())
    out.push_back({s.Label, s.Value, s.Color.rgb() & 0xFFFFFF});
  return out;
}

TEST(StatisticsWindow, HasItsCaptionPagesAndSize) {
  TFormDorixChart chart;
  EXPECT_EQ(chart.windowTitle(), "Дополнительная информация");
  EXPECT_EQ(chart.size(), QSize(543, 346));
  EXPECT_EQ(chart.PageControl1->tabText(0), "Диаграмма");
  EXPECT_EQ(chart.PageControl1->tabText(1), "Легенда");
  EXPECT_EQ(chart.PageControl1->currentIndex(), 0);
}

TEST(StatisticsWindow, NothingComparedShowsZerosAndOneWhiteSlice) {
  TFormDorixChart chart;
  chart.FillNumbers(0, 0, 0, 0, 0);
  chart.FillPie(0, 0, 0, kEqual, kInserted, kDeleted);
  for (QLabel *l : {chart.lblEqu1, chart.lblIns, chart.lblA, chart.lblEqu2, chart.lblDel,
                    chart.lblO, chart.lblEqual, chart.lblInserted, chart.lblDeleted})
    EXPECT_EQ(l->text(), " 0 ");
  EXPECT_EQ(Slices(chart), (std::vector<Slice>{{"Совпадает", 100, 0xFFFFFF}}));
  EXPECT_EQ(PercentMark(100, 100), "100 %");
}

TEST(StatisticsWindow, IdenticalFilesShowOneEqualSlice) {
  TFormDorixChart chart;
  const TVTextStyle greyEqual{0, 0, 0xEEEEEE};
  chart.FillNumbers(5000, 0, 0, 5000, 5000);
  chart.FillPie(5000, 0, 0, greyEqual, kInserted, kDeleted);
  EXPECT_EQ(chart.lblEqu1->text(), " 4K");
  EXPECT_EQ(chart.lblIns->text(), " 0 ");
  EXPECT_EQ(chart.lblInserted->text(), " 0 ");
  EXPECT_EQ(Slices(chart), (std::vector<Slice>{{"Совпадает", 5000, 0xEEEEEE}}));
}

TEST(StatisticsWindow, DifferingFilesShowThreeSlicesLargestFirst) {
  TFormDorixChart chart;
  chart.FillNumbers(300, 900, 12, 1200, 312);
  chart.FillPie(300, 900, 12, kEqual, kInserted, kDeleted);
  EXPECT_EQ(chart.lblA->text(), " 1K");
  EXPECT_EQ(chart.lblO->text(), " 312 ");
  EXPECT_EQ(chart.lblDeleted->text(), " 12 ");
  EXPECT_EQ(Slices(chart), (std::vector<Slice>{{"Есть только в первом", 900, 0xFF88C8},
                                               {"Совпадает", 300, 0xFFFFFF},
                                               {"Есть только во втором", 12, 0x0088FF}}));
  EXPECT_EQ(PercentMark(300, 1212), "24.75 %");
  // Numbers end at the same right edge whatever their width.
  EXPECT_EQ(chart.lblA->geometry().right() + 1, 465);
  EXPECT_EQ(chart.lblO->geometry().right() + 1, 465);
}

TEST(StatisticsWindow, StylesColourCaptionsAndSwatches) {
  TFormDorixChart chart;
  chart.ApplyStyles({0, fsBold, 0x0000FF}, kDeleted, {0, 0, 0x00FF00}, kEqual);
  EXPECT_EQ(chart.pnlIns->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_TRUE(chart.lblAllIns->font().bold());
  EXPECT_EQ(chart.pnlDiff->palette().color(QPalette::Window), QColor(0, 255, 0));
  EXPECT_EQ(chart.lblSecondDiff->palette().color(QPalette::Window), QColor(0, 136, 255));
}

TEST(StatisticsWindow, OkHidesTheWindowAndKeepsItsContents) {
  TFormDorixChart chart;
  chart.FillNumbers(7, 0, 0, 7, 7);
  chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
  QTest::mouseClick(chart.btnClose, Qt::LeftButton);
  EXPECT_FALSE(chart.isVisible());
  EXPECT_EQ(chart.lblEqu1->text(), " 7 ");
}

TEST(StatisticsWindow, LabelsAreNotClipped) {
  TFormDorixChart chart;
  chart.FillNumbers(1 << 30, 1000, 2000000, 1 << 30, 2000000);
  for (QLabel *l : chart.tsChart->findChildren<QLabel *>())
    EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
  for (QLabel *l : chart.tsLegend->findChildren<QLabel *>()) {
    if (l->width() == 73)
      continue; // the swatches keep their design size
    EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
  }
}

// The mark of a slice on the left, wider than "100 %", stays whole inside the pie's widget.
TEST(StatisticsWindow, MarksAreDrawnWhole) {
  TFormDorixChart chart;
  chart.FillPie(5047, 4953, 0, kEqual, kInserted, kDeleted);
  chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
  const QImage image = chart.Chart1->grab().toImage();
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFE1) { // the marks' fill
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(right, 0) << "marks are drawn";
  EXPECT_GT(left, 0) << "the left mark's frame is inside the widget";
  EXPECT_LT(right, image.width() - 1) << "the right mark's frame is inside the widget";
}

// Two small slices beside a large one have their marks side by side at the top of the pie: each
// stands whole, apart from the others and off the pie.
TEST(StatisticsWindow, MarksOfSmallSlicesStandApart) {
  TFormDorixChart chart;
  chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
  for (const auto &[equal, first, second] :
       {std::tuple{100000, 3, 2}, std::tuple{5, 100000, 4}, std::tuple{900, 6, 100000},
        std::tuple{300, 900, 12}}) {
    chart.FillPie(equal, first, second, kEqual, kInserted, kDeleted);
    const std::vector<QRectF> boxes = chart.Chart1->MarkBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    for (std::size_t a = 0; a < boxes.size(); ++a) {
      EXPECT_TRUE(QRectF(chart.Chart1->rect()).contains(boxes[a])) << a;
      for (std::size_t b = a + 1; b < boxes.size(); ++b)
        EXPECT_FALSE(boxes[a].intersects(boxes[b]))
            << "marks " << a << " and " << b << " of " << equal << " " << first << " " << second;
    }
  }
}

TEST(StatisticsWindow, ALongNameLosesItsStartAndKeepsTheFileName) {
  TFormDorixChart chart;
  const QString name = "/home/user/projects/" + QString(60, 'x') + "/examples/setup-new.txt";
  chart.SetFileCaptions(name, "old.txt");
  chart.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
  const QString shown = chart.lblFirstCaption->text();
  EXPECT_TRUE(shown.startsWith(QString::fromUtf16(u"(\u2026"))) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith("setup-new.txt)")) << shown.toStdString();
  EXPECT_LE(chart.lblFirstCaption->geometry().right(), chart.tsChart->width());
  EXPECT_EQ(chart.lblFirstCaption->toolTip(), name);
  EXPECT_EQ(chart.lblSecondCaption->text(), "(old.txt)");
  chart.resize(1200, chart.height());
  QApplication::processEvents();
  EXPECT_EQ(chart.lblFirstCaption->text(), "(" + name + ")") << "a wider window shows it whole";
}

TEST(StatisticsWindow, EscapeAndEnterCloseIt) {
  TFormDorixChart chart;
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QTest::keyClick(&chart, key);
    EXPECT_FALSE(chart.isVisible()) << key;
  }
}

} // namespace
