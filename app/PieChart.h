// A pie chart drawn tilted in three dimensions, with a percentage mark per slice and a legend
// of slice names underneath; no title, axes or frame.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

struct TPieSlice {
  QString Label;
  double Value = 0;
  QColor Color;
};

class TPieChart : public QWidget {
public:
  explicit TPieChart(QWidget *parent = nullptr) : QWidget(parent) {}

  void Clear();
  void Add(const QString &label, double value, const QColor &color);
  // The slices largest first, the order they are drawn and listed in.
  std::vector<TPieSlice> Slices() const;

  // Where each slice's percentage mark goes at the widget's size, in the order of Slices(): beside
  // its slice where there is room, else moved to the nearest place that overlaps no other mark
  // and not the pie, with a leader line to it. Empty when the pie does not fit.
  std::vector<QRectF> MarkBoxes() const;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  struct TLayout;
  TLayout Layout() const;

  std::vector<TPieSlice> FSlices;
};

// "75 %", "33.33 %": a slice's share of the whole with up to two decimals.
QString PercentMark(double value, double total);
