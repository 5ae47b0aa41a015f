#include "FormDorixChartUnit.h"

#include "SizeToText.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kNumberRight = 465; // right edge of every number on the chart page
constexpr int kNumberWidth = 33;

QLabel *Label(QWidget *parent, const QString &text, int x, int y, bool bold = false) {
  auto *label = new QLabel(text, parent);
  if (bold) {
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
  }
  label->move(x, y);
  label->adjustSize();
  return label;
}

QFrame *Bevel(QWidget *parent, int x, int y) {
  auto *line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(x, y, 121, 2);
  return line;
}

QLabel *Swatch(QWidget *parent, const QString &text, int top) {
  auto *panel = new QLabel(text, parent);
  panel->setAlignment(Qt::AlignCenter);
  panel->setGeometry(8, top, 73, 20);
  return panel;
}

} // namespace

TFormDorixChart::TFormDorixChart(QWidget *parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(QCoreApplication::translate("Dorix", "Дополнительная информация"));
  resize(543, 346);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSize(8);
  setFont(font);

  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  PageControl1 = new QTabWidget(this);
  tsChart = new QWidget;
  tsLegend = new QWidget;
  PageControl1->addTab(tsChart, QCoreApplication::translate("Dorix", "Диаграмма"));
  PageControl1->addTab(tsLegend, QCoreApplication::translate("Dorix", "Легенда"));
  layout->addWidget(PageControl1);
  pnlBottom = new QWidget(this);
  pnlBottom->setFixedHeight(41);
  btnClose = new QPushButton(QStringLiteral("Ok"), pnlBottom);
  btnClose->setGeometry(216, 8, 75, 25);
  connect(btnClose, &QPushButton::clicked, this, &QWidget::close); // closing only hides it
  layout->addWidget(pnlBottom);

  BuildChartPage();
  BuildLegendPage();
  FillNumbers(0, 0, 0, 0, 0);
  SetFileCaptions({}, {});
}

void TFormDorixChart::BuildChartPage() {
  QWidget *page = tsChart;
  Chart1 = new TPieChart(page);
  Chart1->setGeometry(8, 4, 289, 237);

  auto number = [page](int y) {
    auto *label = new QLabel(page);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->move(kNumberRight - kNumberWidth, y);
    return label;
  };
  // One file's block: heading and caption, shared + own text = total.
  struct Block {
    QLabel *heading, *caption, *equ, *equNumber, *diff, *diffNumber, *totalNumber;
  };
  auto block = [&](const QString &heading, int headingX, int y) {
    Block b{};
    b.heading = Label(page, heading, headingX, y, true);
    b.caption = Label(page, QStringLiteral("()"), 424, y);
    b.equ = Label(page, QCoreApplication::translate("Dorix", " совпадает "), 347, y + 16);
    b.equNumber = number(y + 16);
    Label(page, QStringLiteral("+"), 339, y + 24);
    b.diff = Label(page, QCoreApplication::translate("Dorix", " отличается "), 347, y + 32);
    b.diffNumber = number(y + 32);
    Bevel(page, 344, y + 48);
    Label(page, QCoreApplication::translate("Dorix", "Итого"), 347, y + 52);
    b.totalNumber = number(y + 52);
    return b;
  };
  const Block first = block(QCoreApplication::translate("Dorix", "Первый файл:"), 332, 0);
  Label1 = first.heading, lblFirstCaption = first.caption, lblFirstEqu = first.equ;
  lblEqu1 = first.equNumber, lblFirstDiff = first.diff, lblIns = first.diffNumber;
  lblA = first.totalNumber;
  const Block second = block(QCoreApplication::translate("Dorix", "Второй файл:"), 336, 80);
  Label2 = second.heading, lblSecondCaption = second.caption, lblSecondEqu = second.equ;
  lblEqu2 = second.equNumber, lblSecondDiff = second.diff, lblDel = second.diffNumber;
  lblO = second.totalNumber;

  Label(page,
        QCoreApplication::translate("Dorix",
                                    "Если первый файл - это новая\nверсия, а второй - старая, то:"),
        322, 163);
  lblAllEqu = Label(page, QCoreApplication::translate("Dorix", " совпадает "), 347, 192);
  lblEqual = number(192);
  lblAllIns = Label(page, QCoreApplication::translate("Dorix", " добавлено "), 347, 208);
  lblInserted = number(208);
  lblAllDel = Label(page, QCoreApplication::translate("Dorix", " удалено "), 347, 224);
  lblDeleted = number(224);
  lblAllIgnored = Label(page, QCoreApplication::translate("Dorix", " не различается "), 347, 240);
  lblIgnored = number(240);
  lblAllMoved = Label(page, QCoreApplication::translate("Dorix", " перемещено "), 347, 256);
  lblMoved = number(256);
}

void TFormDorixChart::BuildLegendPage() {
  QWidget *page = tsLegend;
  pnlIns = Swatch(page, QCoreApplication::translate("Dorix", "добавлено"), 16);
  Label(page,
        QCoreApplication::translate("Dorix", "- текст, который встречается только в первом файле"),
        88, 19);
  pnlDel = Swatch(page, QCoreApplication::translate("Dorix", "удалено"), 40);
  Label(page,
        QCoreApplication::translate("Dorix", "- текст, который встречается только во втором файле"),
        88, 43);
  pnlEqu = Swatch(page, QCoreApplication::translate("Dorix", "совпадает"), 72);
  Label(page, QCoreApplication::translate("Dorix", "- текст, одинаковый в обоих файлах"), 88, 75);
  pnlDiff = Swatch(page, QCoreApplication::translate("Dorix", "отличается"), 96);
  Label(page,
        QCoreApplication::translate("Dorix",
                                    "- строки, содержащие и совпадающий, и отличающийся текст"),
        88, 99);
  pnlMoved = Swatch(page, QCoreApplication::translate("Dorix", "перемещено"), 120);
  Label(page,
        QCoreApplication::translate(
            "Dorix", "- текст, удалённый в одном месте и добавленный в другом (оба конца)"),
        88, 123);
  Label(page,
        QCoreApplication::translate(
            "Dorix", "Если первый файл представляет собой новую версию, а второй - старую,\n"
                     "то цвет показывает изменения (что добавлено и что удалено)\n\n"
                     "Если файлы заданы в обратном порядке, и цвета не соответствуют, то \n"
                     "их можно обменять нажатием F6"),
        8, 152);
}

void TFormDorixChart::SetNumber(QLabel *label, std::int32_t value) {
  label->setText(QString::fromStdString(SizeToText(value, ' ')));
  // Right-aligned against the same edge; wider than the box only when the text needs it.
  const int width = std::max(kNumberWidth, label->sizeHint().width());
  label->setGeometry(kNumberRight - width, label->y(), width, label->sizeHint().height());
}

void TFormDorixChart::FillNumbers(std::int32_t equalChars, std::int32_t firstChars,
                                  std::int32_t secondChars, std::int32_t actualLength,
                                  std::int32_t obsoleteLength,
                                  const std::optional<TLookedPastFigures> &lookedPast,
                                  std::optional<std::int32_t> moved) {
  for (QLabel *label : {lblEqu1, lblEqu2, lblEqual})
    SetNumber(label, equalChars);
  if (lookedPast) {
    SetNumber(lblEqu2, lookedPast->SecondEqualChars);
    SetNumber(lblIgnored, lookedPast->IgnoredChars);
  }
  lblAllIgnored->setVisible(lookedPast.has_value());
  lblIgnored->setVisible(lookedPast.has_value());
  // The moved figure takes the row under the last one shown.
  const int movedY = lookedPast ? 256 : 240;
  lblAllMoved->move(lblAllMoved->x(), movedY);
  lblMoved->move(lblMoved->x(), movedY);
  if (moved)
    SetNumber(lblMoved, *moved);
  lblAllMoved->setVisible(moved.has_value());
  lblMoved->setVisible(moved.has_value());
  for (QLabel *label : {lblIns, lblInserted})
    SetNumber(label, firstChars);
  for (QLabel *label : {lblDel, lblDeleted})
    SetNumber(label, secondChars);
  SetNumber(lblA, actualLength);
  SetNumber(lblO, obsoleteLength);
}

void TFormDorixChart::ClearFigures() {
  for (QLabel *label :
       {lblEqu1, lblEqu2, lblEqual, lblIns, lblInserted, lblDel, lblDeleted, lblA, lblO})
    label->clear();
  for (QLabel *label : {lblAllIgnored, lblIgnored, lblAllMoved, lblMoved})
    label->hide();
  Chart1->Clear();
}

void TFormDorixChart::FillPie(std::int32_t equalChars, std::int32_t firstChars,
                              std::int32_t secondChars, const TVTextStyle &equal,
                              const TVTextStyle &inserted, const TVTextStyle &deleted) {
  Chart1->Clear();
  const QPalette pal = palette();
  if (std::int64_t{equalChars} + firstChars + secondChars <= 0) {
    Chart1->Add(QCoreApplication::translate("Dorix", "Совпадает"), 100, Qt::white);
    return;
  }
  if (equalChars > 0)
    Chart1->Add(QCoreApplication::translate("Dorix", "Совпадает"), equalChars,
                ToQColor(equal.BkgColor, pal));
  if (firstChars > 0)
    Chart1->Add(QCoreApplication::translate("Dorix", "Есть только в первом"), firstChars,
                ToQColor(inserted.BkgColor, pal));
  if (secondChars > 0)
    Chart1->Add(QCoreApplication::translate("Dorix", "Есть только во втором"), secondChars,
                ToQColor(deleted.BkgColor, pal));
}

void TFormDorixChart::ApplyStyles(const TVTextStyle &inserted, const TVTextStyle &deleted,
                                  const TVTextStyle &updated, const TVTextStyle &equal) {
  for (QLabel *label : {lblFirstEqu, lblSecondEqu, lblAllEqu})
    TextStyleToLabel(equal, *label);
  for (QLabel *label : {lblAllIns, lblFirstDiff})
    TextStyleToLabel(inserted, *label);
  for (QLabel *label : {lblAllDel, lblSecondDiff})
    TextStyleToLabel(deleted, *label);
  TextStyleToPanel(equal, *pnlEqu);
  TextStyleToPanel(inserted, *pnlIns);
  TextStyleToPanel(deleted, *pnlDel);
  TextStyleToPanel(updated, *pnlDiff);
  for (QLabel *label :
       {lblFirstEqu, lblSecondEqu, lblAllEqu, lblAllIns, lblFirstDiff, lblAllDel, lblSecondDiff})
    label->adjustSize(); // bold or italic text needs its own width
}

void TFormDorixChart::ApplyIgnoredStyle(const TVTextStyle &ignored) {
  TextStyleToLabel(ignored, *lblAllIgnored);
  lblAllIgnored->adjustSize();
}

void TFormDorixChart::ApplyMovedStyle(const TVTextStyle &moved) {
  TextStyleToLabel(moved, *lblAllMoved);
  lblAllMoved->adjustSize();
  TextStyleToPanel(moved, *pnlMoved);
}

void TFormDorixChart::SetFileCaptions(const QString &first, const QString &second) {
  FFirstName = first;
  FSecondName = second;
  PlaceFileCaptions();
}

void TFormDorixChart::PlaceFileCaptions() {
  // At the design position, or just behind the bold heading where its font makes it wider. A
  // name too long for the page loses its start, so that the file's own name shows; the tool
  // tip holds it whole.
  auto place = [this](QLabel *caption, const QLabel *heading, const QString &name) {
    const int x = std::max(424, heading->geometry().right() + 4);
    const int room = width() - x - 12; // the page, less the frame of the tabs around it
    const QString shown = caption->fontMetrics().elidedText(
        name, Qt::ElideLeft, room - caption->fontMetrics().horizontalAdvance(QStringLiteral("()")));
    caption->setText(QLatin1Char('(') + shown + QLatin1Char(')'));
    caption->setToolTip(shown == name ? QString() : name);
    caption->adjustSize();
    caption->move(x, caption->y());
  };
  place(lblFirstCaption, Label1, FFirstName);
  place(lblSecondCaption, Label2, FSecondName);
}

void TFormDorixChart::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  PlaceFileCaptions();
}

void TFormDorixChart::keyPressEvent(QKeyEvent *event) {
  // Like a dialog: Escape and Enter close it (closing only hides it).
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}
