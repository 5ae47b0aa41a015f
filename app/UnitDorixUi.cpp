// The main window's controls: tool bar, menus, top panel, viewer panel and status bar.
#include "FileChangeBar.h"
#include "FolderView.h"
#include "FormOnlyBar.h"
#include "StatusPanels.h"
#include "UnitDorix.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget *Spacer(int width) {
  auto *spacer = new QWidget;
  spacer->setFixedWidth(width);
  return spacer;
}

QAction *Item(QMenu *menu, const QString &caption, const QKeySequence &shortcut = {}) {
  QAction *action = menu->addAction(caption);
  action->setShortcut(shortcut);
  return action;
}

// Checkable items of which one is always checked.
void RadioItems(std::initializer_list<QAction *> items) {
  auto *group = new QActionGroup((*items.begin())->parent());
  for (QAction *a : items) {
    a->setCheckable(true);
    group->addAction(a);
  }
}

} // namespace

void TfrmDorix::PaintCaptionGrounds() {
  // The names read as labels on the panel, not as fields to type in.
  for (QLineEdit *caption : {edActualCaption, edObsoleteCaption}) {
    QPalette p = QApplication::palette(caption);
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    caption->setPalette(p);
  }
}

void TfrmDorix::BuildToolBar() {
  ToolBar1 = new QToolBar(this);
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->setContentsMargins(5, 0, 0, 0); // indent 5
  addToolBar(ToolBar1);

  auto button = [this](const char *image, const QString &hint) {
    auto *b = new QToolButton;
    b->setIcon(QIcon(QStringLiteral(":/images/%1.svg").arg(QLatin1String(image))));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    ToolBar1->addWidget(b);
    return b;
  };
  auto check = [this](const QString &caption, const QString &hint, int width) {
    auto *box = new QCheckBox(caption);
    box->setToolTip(hint);
    box->setFocusPolicy(Qt::NoFocus); // like a tool button: the text keeps the keyboard
    box->setMinimumWidth(width);
    ToolBar1->addWidget(box);
    return box;
  };
  btnOpen = button("open-folder", QCoreApplication::translate("Dorix", "Выбор файлов  Ctrl+O"));
  btnRefresh = button("refresh-page", QCoreApplication::translate("Dorix", "Обновить  F5"));
  // Back to the folders: shown only while a file opened from them is.
  btnBackToFolders = new QToolButton;
  btnBackToFolders->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
  btnBackToFolders->setToolTip(QCoreApplication::translate("Dorix", "Назад к папкам  Backspace"));
  btnBackToFolders->setAutoRaise(true);
  actBackToFolders = ToolBar1->addWidget(btnBackToFolders);
  actBackToFolders->setVisible(false);
  ToolBar1->addWidget(Spacer(8));
  btnPrevDiff =
      button("arrow-up", QCoreApplication::translate("Dorix", "Предыдущее изменение  Alt+Up"));
  btnNextDiff =
      button("arrow-down", QCoreApplication::translate("Dorix", "Следующее изменение  Alt+Down"));
  ToolBar1->addWidget(Spacer(8));
  btnExch = button("swap", QCoreApplication::translate("Dorix", "Обменять файлы   F6"));
  ToolBar1->addWidget(Spacer(7));
  btnChart = button("pie", QCoreApplication::translate("Dorix", "Диаграмма, легенда"));
  ToolBar1->addWidget(Spacer(23));
  chkWrapMode =
      check(QStringLiteral("Wrap"), QCoreApplication::translate("Dorix", "Автоперенос строк"), 48);
  ToolBar1->addWidget(Spacer(8));
  chkDosMode =
      check(QStringLiteral("OEM"), QCoreApplication::translate("Dorix", "Кодировка DOS"), 48);
  ToolBar1->addWidget(Spacer(8));
  chkHexMode = check(QStringLiteral("Hex"),
                     QCoreApplication::translate("Dorix", "Шестнадцатеричный вид"), 40);

  connect(btnOpen, &QToolButton::clicked, this, &TfrmDorix::btnOpenClick);
  connect(btnRefresh, &QToolButton::clicked, this, &TfrmDorix::StartupCompare);
  connect(btnBackToFolders, &QToolButton::clicked, this, &TfrmDorix::BackToFolders);
  connect(btnPrevDiff, &QToolButton::clicked, this, [this] { mm->PrevBand(); });
  connect(btnNextDiff, &QToolButton::clicked, this, [this] { mm->NextBand(); });
  connect(btnExch, &QToolButton::clicked, this, &TfrmDorix::btnExchClick);
  connect(btnChart, &QToolButton::clicked, this, &TfrmDorix::btnChartClick);
  // Setting a box from code echoes here with the value already stored: the change returns at
  // once and the comparison applies it.
  connect(chkWrapMode, &QCheckBox::toggled, this, [this](bool on) {
    ChangeWrapMode(on);
    CompareFiles();
  });
  connect(chkDosMode, &QCheckBox::toggled, this, [this](bool on) {
    ChangeOEMMode(on);
    CompareFiles();
  });
  connect(chkHexMode, &QCheckBox::toggled, this, [this](bool on) {
    ChangeHexMode(on);
    CompareFiles();
  });
}

void TfrmDorix::BuildMenus() {
  QMenuBar *bar = menuBar();
  mmFile = bar->addMenu(QCoreApplication::translate("Dorix", "&Файл"));
  mmFileOpen = Item(mmFile, QCoreApplication::translate("Dorix", "&Выбор файлов для сравнения"),
                    QKeySequence(Qt::CTRL | Qt::Key_O));
  mmFileSaveHtml = Item(mmFile, QCoreApplication::translate("Dorix", "&Сохранить как HTML…"),
                        QKeySequence(Qt::CTRL | Qt::Key_S));
  // Ctrl+Break: the keyboard's Break is Pause with Ctrl held.
  mmFileStop = Item(mmFile, QCoreApplication::translate("Dorix", "&Остановить"),
                    QKeySequence(Qt::CTRL | Qt::Key_Pause));
  mmFileStop->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
  mmFileStop->setEnabled(false);
  connect(mmFileStop, &QAction::triggered, this, &TfrmDorix::StopRun);
  BuildRecentMenu();
  mmFile->addSeparator();
  mmFileExit =
      Item(mmFile, QCoreApplication::translate("Dorix", "В&ыход"), QKeySequence(Qt::Key_Escape));

  mmEdit = bar->addMenu(QCoreApplication::translate("Dorix", "&Правка"));
  mmEditCopy = Item(mmEdit, QCoreApplication::translate("Dorix", "&Копировать"),
                    QKeySequence(Qt::CTRL | Qt::Key_C));
  mmEditSelectAll = Item(mmEdit, QCoreApplication::translate("Dorix", "&Выделить все"),
                         QKeySequence(Qt::CTRL | Qt::Key_A));
  mmEdit->addSeparator();
  mmEditFind = Item(mmEdit, QCoreApplication::translate("Dorix", "&Найти..."),
                    QKeySequence(Qt::CTRL | Qt::Key_F));
  mmEditFindNext =
      Item(mmEdit, QCoreApplication::translate("Dorix", "Найти &далее"), QKeySequence(Qt::Key_F3));
  mmEditGoto = mmEdit->addMenu(QCoreApplication::translate("Dorix", "&Переход"));
  mmDiffUp = Item(mmEditGoto, QCoreApplication::translate("Dorix", "&Предыдущая полоса"),
                  QKeySequence(Qt::ALT | Qt::Key_Up));
  mmDiffDown = Item(mmEditGoto, QCoreApplication::translate("Dorix", "&Следующая полоса"),
                    QKeySequence(Qt::ALT | Qt::Key_Down));
  mmEditGoto->addSeparator();
  mmDiffLeft = Item(mmEditGoto, QCoreApplication::translate("Dorix", "П&редыдущее различие"),
                    QKeySequence(Qt::ALT | Qt::Key_Left));
  mmDiffRight = Item(mmEditGoto, QCoreApplication::translate("Dorix", "С&ледующее различие"),
                     QKeySequence(Qt::ALT | Qt::Key_Right));
  mmEditGoto->addSeparator();
  mmDiffHome = Item(mmEditGoto, QCoreApplication::translate("Dorix", "&Крайнее левое различие"),
                    QKeySequence(Qt::ALT | Qt::Key_Home));
  mmDiffEnd = Item(mmEditGoto, QCoreApplication::translate("Dorix", "Крайнее пра&вое различие"),
                   QKeySequence(Qt::ALT | Qt::Key_End));
  mmEditGoto->addSeparator();
  mmDiffOtherEnd =
      Item(mmEditGoto, QCoreApplication::translate("Dorix", "Другой &конец перемещения"),
           QKeySequence(Qt::CTRL | Qt::Key_M));
  mmEdit->addSeparator();
  mmEditRefresh =
      Item(mmEdit, QCoreApplication::translate("Dorix", "&Обновить"), QKeySequence(Qt::Key_F5));
  mmEditExchangeFiles = Item(mmEdit, QCoreApplication::translate("Dorix", "Обменять &файлы"),
                             QKeySequence(Qt::Key_F6));

  mmFormat = bar->addMenu(QCoreApplication::translate("Dorix", "&Вид"));
  mmFormatWrap = Item(mmFormat, QCoreApplication::translate("Dorix", "&Автоперенос строк"),
                      QKeySequence(Qt::Key_F2));
  mmFormatDOS = Item(mmFormat, QCoreApplication::translate("Dorix", "Кодировка &DOS"),
                     QKeySequence(Qt::Key_F8));
  mmFormatHex = Item(mmFormat, QCoreApplication::translate("Dorix", "&Шестнадцатеричный вид"),
                     QKeySequence(Qt::Key_F4));
  mmFormatReadable = Item(mmFormat, QCoreApplication::translate("Dorix", "&Разборчиво"));
  mmFormatMoves = Item(mmFormat, QCoreApplication::translate("Dorix", "&Перемещения"));
  for (QAction *a : {mmFormatWrap, mmFormatDOS, mmFormatHex, mmFormatReadable, mmFormatMoves})
    a->setCheckable(true);
  mmFormatLineEnds = mmFormat->addMenu(QCoreApplication::translate("Dorix", "&Концы строк"));
  mmLineEndsAuto = Item(mmFormatLineEnds, QCoreApplication::translate("Dorix", "&Авто"));
  mmLineEndsCR = Item(mmFormatLineEnds, QCoreApplication::translate("Dorix", "&CR и CR LF"));
  mmLineEndsLF = Item(mmFormatLineEnds, QCoreApplication::translate("Dorix", "&LF, CR и CR LF"));
  RadioItems({mmLineEndsAuto, mmLineEndsCR, mmLineEndsLF});
  mmFormatEncoding = mmFormat->addMenu(QCoreApplication::translate("Dorix", "К&одировка"));
  mmEncodingAuto = Item(mmFormatEncoding, QCoreApplication::translate("Dorix", "&Авто"));
  mmEncodingUtf8 = Item(mmFormatEncoding, QStringLiteral("&UTF-8"));
  mmEncodingWindows = Item(mmFormatEncoding, QStringLiteral("&Windows-1251"));
  mmEncodingDos = Item(mmFormatEncoding, QStringLiteral("&DOS (866)"));
  mmEncodingKoi8 = Item(mmFormatEncoding, QStringLiteral("&KOI8-R"));
  RadioItems({mmEncodingAuto, mmEncodingUtf8, mmEncodingWindows, mmEncodingDos, mmEncodingKoi8});
  mmFormatScheme = mmFormat->addMenu(QCoreApplication::translate("Dorix", "&Цветовая схема"));
  mmSchemeLight = Item(mmFormatScheme, QCoreApplication::translate("Dorix", "&Светлая"));
  mmSchemeDark = Item(mmFormatScheme, QCoreApplication::translate("Dorix", "&Тёмная"));
  mmSchemeSystem = Item(mmFormatScheme, QCoreApplication::translate("Dorix", "&Как в системе"));
  RadioItems({mmSchemeLight, mmSchemeDark, mmSchemeSystem});
  mmFormat->addSeparator();
  mmFormatProp = Item(mmFormat, QCoreApplication::translate("Dorix", "&Настройки..."));

  // What the comparison looks past; all four combine.
  mmCompare = bar->addMenu(QCoreApplication::translate("Dorix", "С&равнение"));
  mmIgnoreLineEnds =
      Item(mmCompare, QCoreApplication::translate("Dorix", "Не различать &концы строк"));
  mmIgnoreSpaceChange =
      Item(mmCompare, QCoreApplication::translate("Dorix", "Не различать &число пробелов"));
  mmIgnoreAllSpace = Item(mmCompare, QCoreApplication::translate("Dorix", "Не различать &пробелы"));
  mmIgnoreCase =
      Item(mmCompare, QCoreApplication::translate("Dorix", "Не различать &регистр букв"));
  // Two folders: the files that differ, one after another, and back to the folders.
  mmCompare->addSeparator();
  mmNextDiffFile =
      Item(mmCompare, QCoreApplication::translate("Dorix", "&Следующий различающийся файл"),
           QKeySequence(Qt::Key_F7));
  mmPrevDiffFile =
      Item(mmCompare, QCoreApplication::translate("Dorix", "П&редыдущий различающийся файл"),
           QKeySequence(Qt::SHIFT | Qt::Key_F7));
  mmBackToFolders = Item(mmCompare, QCoreApplication::translate("Dorix", "&Назад к папкам"),
                         QKeySequence(Qt::Key_Backspace));
  for (QAction *a : {mmNextDiffFile, mmPrevDiffFile, mmBackToFolders})
    a->setEnabled(false);
  connect(mmNextDiffFile, &QAction::triggered, this, [this] { StepDifferentFile(1); });
  connect(mmPrevDiffFile, &QAction::triggered, this, [this] { StepDifferentFile(-1); });
  connect(mmBackToFolders, &QAction::triggered, this, &TfrmDorix::BackToFolders);

  mmHelp = bar->addMenu(QCoreApplication::translate("Dorix", "&Справка"));
  mmHelpIndex = Item(mmHelp, QCoreApplication::translate("Dorix", "&Вызов справки"),
                     QKeySequence(Qt::Key_F1));
  mmHelpMore = Item(mmHelp, QCoreApplication::translate("Dorix", "&Хотите большего?"));
  mmHelpAbout = Item(mmHelp, QCoreApplication::translate("Dorix", "&О программе"));

  // Ctrl+Q quits and Ctrl+W closes the window, as in other desktop programs: with one window,
  // both close it (and Esc, as ever).
  for (const QKeyCombination key : {Qt::CTRL | Qt::Key_Q, Qt::CTRL | Qt::Key_W})
    connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, &QWidget::close);

  // F10 opens the menu bar's first menu, as on other desktop programs; Alt with a menu's
  // underlined letter opens that menu.
  auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(f10, &QShortcut::activated, this,
          [this] { menuBar()->setActiveAction(mmFile->menuAction()); });

  // The viewer's pop-up menu shows the same shortcuts; the main menu is the one that takes them.
  ppmMemo = new QMenu(this);
  ppmMemoCopy = Item(ppmMemo, QCoreApplication::translate("Dorix", "&Копировать"),
                     QKeySequence(Qt::CTRL | Qt::Key_C));
  ppmMemo->addSeparator();
  ppmMemoSelectAll = Item(ppmMemo, QCoreApplication::translate("Dorix", "&Выделить все"),
                          QKeySequence(Qt::CTRL | Qt::Key_A));
  for (QAction *a : {ppmMemoCopy, ppmMemoSelectAll})
    a->setShortcutContext(Qt::WidgetShortcut);

  connect(mmFileExit, &QAction::triggered, this, [this] {
    if (mm->FindDialogOpen())
      mm->CloseFindDialog(); // Escape closes the find dialog first
    else
      close();
  });
  connect(mmFileOpen, &QAction::triggered, this, &TfrmDorix::btnOpenClick);
  connect(mmFileSaveHtml, &QAction::triggered, this, &TfrmDorix::mmFileSaveHtmlClick);
  connect(mmFormatProp, &QAction::triggered, this, &TfrmDorix::mmFormatPropClick);
  connect(mmHelpIndex, &QAction::triggered, this, [this] { OpenHelp({}); });
  connect(mmHelpMore, &QAction::triggered, this,
          [this] { OpenHelp(QStringLiteral("/HTML/more.htm")); });
  connect(mmHelpAbout, &QAction::triggered, this, &TfrmDorix::mmHelpAboutClick);
  connect(mmEditCopy, &QAction::triggered, this, [this] { mm->CopyToClipboard(); });
  connect(ppmMemoCopy, &QAction::triggered, this, [this] { mm->CopyToClipboard(); });
  connect(mmEditSelectAll, &QAction::triggered, this, [this] { mm->SelectAll(); });
  connect(ppmMemoSelectAll, &QAction::triggered, this, [this] { mm->SelectAll(); });
  connect(mmEditFind, &QAction::triggered, this, [this] { mm->OpenFindDialog(); });
  connect(mmEditFindNext, &QAction::triggered, this, [this] { mm->FindNext({}); });
  connect(mmDiffUp, &QAction::triggered, this, [this] { mm->PrevBand(); });
  connect(mmDiffDown, &QAction::triggered, this, [this] { mm->NextBand(); });
  connect(mmDiffLeft, &QAction::triggered, this, [this] { mm->PrevDiff(); });
  connect(mmDiffRight, &QAction::triggered, this, [this] { mm->NextDiff(); });
  connect(mmDiffHome, &QAction::triggered, this, [this] { mm->LeftmostDiff(); });
  connect(mmDiffEnd, &QAction::triggered, this, [this] { mm->RightmostDiff(); });
  connect(mmDiffOtherEnd, &QAction::triggered, this, &TfrmDorix::GoToOtherEnd);
  connect(mmEditRefresh, &QAction::triggered, this, &TfrmDorix::StartupCompare);
  connect(mmEditExchangeFiles, &QAction::triggered, this, &TfrmDorix::btnExchClick);
  connect(mmFormatWrap, &QAction::triggered, this,
          [this] { ChangeWrapMode(!FRequested.WrapMode); });
  connect(mmFormatDOS, &QAction::triggered, this, [this] { ChangeOEMMode(!OEMMode()); });
  connect(mmFormatHex, &QAction::triggered, this, [this] { ChangeHexMode(!FRequested.HexMode); });
  connect(mmFormatReadable, &QAction::triggered, this,
          [this] { ChangeReadable(!FRequested.Choices.Readable); });
  connect(mmFormatMoves, &QAction::triggered, this,
          [this] { ChangeDetectMoves(!FRequested.Choices.Moves); });
  connect(mmSchemeLight, &QAction::triggered, this, [this] { ChangeColorScheme(schemeLight); });
  connect(mmSchemeDark, &QAction::triggered, this, [this] { ChangeColorScheme(schemeDark); });
  connect(mmSchemeSystem, &QAction::triggered, this, [this] { ChangeColorScheme(schemeSystem); });
  connect(mmLineEndsAuto, &QAction::triggered, this, [this] { ChangeLineEnds(leAuto); });
  connect(mmLineEndsCR, &QAction::triggered, this, [this] { ChangeLineEnds(leCR); });
  connect(mmLineEndsLF, &QAction::triggered, this, [this] { ChangeLineEnds(leLF); });
  const std::pair<QAction *, TVEncoding> encodings[] = {
      {mmEncodingAuto, TVEncoding::Auto},
      {mmEncodingUtf8, TVEncoding::Utf8},
      {mmEncodingWindows, TVEncoding::Windows1251},
      {mmEncodingDos, TVEncoding::Dos866},
      {mmEncodingKoi8, TVEncoding::Koi8r}};
  for (const auto &[item, encoding] : encodings)
    connect(item, &QAction::triggered, this, [this, e = encoding] { ChangeEncoding(e); });
  const std::pair<QAction *, bool TIgnoreChoices::*> ignored[] = {
      {mmIgnoreLineEnds, &TIgnoreChoices::LineEnds},
      {mmIgnoreSpaceChange, &TIgnoreChoices::SpaceChange},
      {mmIgnoreAllSpace, &TIgnoreChoices::AllSpace},
      {mmIgnoreCase, &TIgnoreChoices::Case}};
  for (const auto &[item, option] : ignored) {
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, o = option](bool on) {
      TIgnoreChoices ignore = Ignore();
      ignore.*o = on;
      ChangeIgnore(ignore);
    });
  }
}

void TfrmDorix::BuildPanels() {
  auto *central = new QWidget(this);
  auto *layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  setCentralWidget(central);

  Bevel1 = new QFrame(central);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Bevel1->setFixedHeight(4);
  layout->addWidget(Bevel1);

  pnlTop = new QWidget(central);
  pnlTop->setFixedHeight(33);
  pnlTop->installEventFilter(this); // its resize lays the captions out
  auto swatch = [this](const QString &hint) {
    auto *s = new QFrame(pnlTop);
    s->setFrameStyle(QFrame::Box | QFrame::Plain);
    s->setLineWidth(1);
    s->setAutoFillBackground(true);
    s->resize(25, 17);
    s->setToolTip(hint);
    return s;
  };
  auto caption = [this](const QString &hint) {
    auto *e = new QLineEdit(pnlTop);
    e->setReadOnly(true);
    e->setFrame(false);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAcceptDrops(false); // a file dropped here is the window's to take
    e->setFixedHeight(17);
    e->setToolTip(hint);
    return e;
  };
  stActual = swatch(QCoreApplication::translate(
      "Dorix", "Цвет текста, который уникален для первого файла\n(цвет "
               "добавленного текста, если первый файл - новая версия)"));
  stObsolete = swatch(
      QCoreApplication::translate("Dorix", "Цвет текста, который уникален для второго файла\n(цвет "
                                           "удаленного текста, если второй файл - старая версия)"));
  edActualCaption = caption(QCoreApplication::translate("Dorix", "Первый из сравниваемых файлов"));
  edObsoleteCaption =
      caption(QCoreApplication::translate("Dorix", "Второй из сравниваемых файлов"));
  PaintCaptionGrounds();
  layout->addWidget(pnlTop);

  pnlResult = new QWidget(central);
  auto *result = new QVBoxLayout(pnlResult);
  result->setContentsMargins(0, 0, 0, 0);
  result->setSpacing(0);
  ChangeBar = new TFileChangeBar(pnlResult);
  connect(ChangeBar, &TNoteBar::ActionClicked, this, &TfrmDorix::StartupCompare);
  result->addWidget(ChangeBar);
  FormOnlyBar = new TFormOnlyBar(pnlResult);
  connect(FormOnlyBar, &TNoteBar::ActionClicked, this, [this] {
    TIgnoreChoices ignore = Ignore();
    const TIgnoreChoices form = FormOf(FStatus);
    ignore.LineEnds |= form.LineEnds;
    ignore.SpaceChange |= form.SpaceChange;
    ignore.Case |= form.Case;
    ChangeIgnore(ignore);
  });
  result->addWidget(FormOnlyBar);
  mm = new TVMemo(pnlResult);
  QFont font(QStringLiteral("Courier New"));
  font.setPixelSize(13);
  mm->setFont(font);
  mm->SetHaveLeft(true);
  mm->SetWantTab(true);
  mm->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(mm, &QWidget::customContextMenuRequested, this,
          [this](const QPoint &pos) { ppmMemo->exec(mm->viewport()->mapToGlobal(pos)); });
  result->addWidget(mm);
  BuildFolderView(pnlResult);
  result->addWidget(FolderView, 1);
  tsView = new QTabBar(pnlResult);
  tsView->setShape(QTabBar::RoundedSouth);
  for (const char *tab :
       {QT_TRANSLATE_NOOP("Dorix", "обе версии"), QT_TRANSLATE_NOOP("Dorix", "новая"),
        QT_TRANSLATE_NOOP("Dorix", "старая")})
    tsView->addTab(QCoreApplication::translate("Dorix", tab));
  tsView->setFixedHeight(21);
  tsView->hide(); // nothing shows it: the view filter stays on both versions
  connect(tsView, &QTabBar::currentChanged, this, &TfrmDorix::tsViewChange);
  result->addWidget(tsView);
  ProgressBar1 = new QProgressBar(pnlResult);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->hide();
  btnStop = new QToolButton(pnlResult);
  btnStop->setDefaultAction(mmFileStop);
  btnStop->setToolTip(QCoreApplication::translate("Dorix", "Остановить (Ctrl+Break)"));
  btnStop->setAutoRaise(true);
  btnStop->hide();
  btnStartup = new QPushButton(pnlResult);
  btnStartup->hide();
  connect(btnStartup, &QPushButton::clicked, this, &TfrmDorix::StartupCompare);
  layout->addWidget(pnlResult, 1);
}

void TfrmDorix::BuildStatusBar() {
  // In the order of TStatusPanel.
  StatusBar1 = new TStatusPanels({{5, Qt::AlignLeft, false},
                                  {75, Qt::AlignHCenter},
                                  {50, Qt::AlignHCenter},
                                  {50, Qt::AlignHCenter},
                                  {50, Qt::AlignHCenter},
                                  {25, Qt::AlignHCenter},
                                  {0, Qt::AlignLeft}},
                                 centralWidget());
  centralWidget()->layout()->addWidget(StatusBar1);
  connect(StatusBar1, &TStatusPanels::PanelDoubleClicked, this, &TfrmDorix::StatusDoubleClick);
}

void TfrmDorix::StatusDoubleClick(int panel) {
  if (panel == spWrap)
    ChangeWrapMode(!FRequested.WrapMode);
  else if (panel == spCodePage)
    ChangeOEMMode(!OEMMode());
  else if (panel == spLayout)
    ChangeHexMode(!FRequested.HexMode);
  else if (panel == spLineEnds) // the other rule, chosen explicitly
    ChangeLineEnds(mm->Model().LfBreaks() ? leCR : leLF);
}
