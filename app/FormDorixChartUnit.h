// The statistics window: how much of each file was found in the other, as numbers and a pie,
// and a colour legend of the four kinds of text.
#pragma once

#include "PieChart.h"
#include "TextStyle.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;
class QTabWidget;

// Of a comparison that looked past something: the shared text in the second file's own bytes,
// and how much of it differs from the first file's in what was looked past.
struct TLookedPastFigures {
  std::int32_t SecondEqualChars = 0, IgnoredChars = 0;
};

class TFormDorixChart : public QWidget {
public:
  explicit TFormDorixChart(QWidget *parent = nullptr);

  // No numbers and no pie: nothing was compared to the end.
  void ClearFigures();
  // The nine numbers of a finished comparison; equalChars is in the first file's bytes. Where
  // it looked past something, the second file's shared text is its own and the ignored
  // figure shows below the rest; where it looked for moved text, the bytes moved (the same in
  // both files, inside their inserted and deleted text) show last.
  void FillNumbers(std::int32_t equalChars, std::int32_t firstChars, std::int32_t secondChars,
                   std::int32_t actualLength, std::int32_t obsoleteLength,
                   const std::optional<TLookedPastFigures> &lookedPast = std::nullopt,
                   std::optional<std::int32_t> moved = std::nullopt);
  // The pie: one white slice when nothing was compared, else a slice per kind that has text,
  // in the background colour of that kind's style.
  void FillPie(std::int32_t equalChars, std::int32_t firstChars, std::int32_t secondChars,
               const TVTextStyle &equal, const TVTextStyle &inserted, const TVTextStyle &deleted);
  // Captions and swatches take the look of their kind of text.
  void ApplyStyles(const TVTextStyle &inserted, const TVTextStyle &deleted,
                   const TVTextStyle &updated, const TVTextStyle &equal);
  void ApplyIgnoredStyle(const TVTextStyle &ignored);
  void ApplyMovedStyle(const TVTextStyle &moved);
  void SetFileCaptions(const QString &first, const QString &second);

  QTabWidget *PageControl1;
  QWidget *tsChart, *tsLegend;
  TPieChart *Chart1;       // holds the pie series
  QLabel *Label1, *Label2; // the bold headings of the two files
  QLabel *lblFirstCaption, *lblSecondCaption;
  QLabel *lblFirstEqu, *lblFirstDiff, *lblSecondEqu, *lblSecondDiff;
  QLabel *lblAllEqu, *lblAllIns, *lblAllDel, *lblAllIgnored, *lblAllMoved;
  QLabel *lblEqu1, *lblIns, *lblA, *lblEqu2, *lblDel, *lblO, *lblEqual, *lblInserted, *lblDeleted;
  QLabel *lblIgnored, *lblMoved;
  QLabel *pnlIns, *pnlDel, *pnlEqu, *pnlDiff, *pnlMoved;
  QWidget *pnlBottom;
  QPushButton *btnClose;

protected:
  void resizeEvent(QResizeEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  void PlaceFileCaptions();
  void BuildChartPage();
  void BuildLegendPage();
  void SetNumber(QLabel *label, std::int32_t value);

  QString FFirstName, FSecondName;
};
