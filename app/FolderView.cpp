#include "FolderView.h"

#include "FileNames.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <new>

namespace {

constexpr int kTakeEveryMs = 100; // how often the entries handed out meanwhile are shown
constexpr int kTurnMs = 20;       // how long taking them may hold the window's thread

QString Megabytes(std::uint64_t bytes) {
  return QLocale().toString(static_cast<double>(bytes) / (1 << 20), 'f', 1);
}

} // namespace

TFolderView::TFolderView(QWidget *parent) : QWidget(parent) {
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  ToolBar = new QToolBar(this);
  ToolBar->setIconSize(QSize(16, 16));
  const char *const toggles[] = {QT_TRANSLATE_NOOP("Dorix", "Скрыть одинаковые"),
                                 QT_TRANSLATE_NOOP("Dorix", "Скрыть различающиеся"),
                                 QT_TRANSLATE_NOOP("Dorix", "Скрыть только новые"),
                                 QT_TRANSLATE_NOOP("Dorix", "Скрыть только старые"),
                                 QT_TRANSLATE_NOOP("Dorix", "Скрыть несравнимые")};
  for (int k = 0; k < kFolderShownCount; ++k) {
    actHidden[k] = ToolBar->addAction(QCoreApplication::translate("Dorix", toggles[k]));
    actHidden[k]->setCheckable(true);
    connect(actHidden[k], &QAction::toggled, this,
            [this, k](bool on) { SetHidden(static_cast<TFolderShown>(k), on); });
  }
  ToolBar->addSeparator();
  Progress = new QProgressBar(ToolBar);
  Progress->setRange(0, 0); // how many entries there are is known only at the end
  Progress->setMaximumWidth(120);
  Progress->setTextVisible(false);
  lblProgress = new QLabel(ToolBar);
  btnStop = new QToolButton(ToolBar);
  btnStop->setText(QCoreApplication::translate("Dorix", "Остановить"));
  connect(btnStop, &QToolButton::clicked, this, &TFolderView::Stop);
  for (QWidget *w : {static_cast<QWidget *>(Progress), static_cast<QWidget *>(lblProgress),
                     static_cast<QWidget *>(btnStop)})
    FRunning << ToolBar->addWidget(w);
  ShowRunning(false);
  layout->addWidget(ToolBar);

  Tree = new QTreeView(this);
  Tree->setModel(&FFilter);
  Tree->setUniformRowHeights(true); // a tree of a hundred thousand entries scrolls at once
  Tree->setSelectionMode(QAbstractItemView::SingleSelection);
  Tree->header()->setStretchLastSection(false);
  Tree->header()->setSectionResizeMode(fcName, QHeaderView::Stretch);
  Tree->setColumnWidth(fcState, 160);
  Tree->setColumnWidth(fcSize, 150);
  Tree->setColumnWidth(fcModified, 250);
  connect(Tree, &QTreeView::activated, this, &TFolderView::Open);
  layout->addWidget(Tree, 1);

  FTake.setInterval(kTakeEveryMs);
  connect(&FTake, &QTimer::timeout, this, &TFolderView::TakeEntries);
}

TFolderView::~TFolderView() {
  FTask.Stop();
}

void TFolderView::Compare(const QString &newFolder, const QString &oldFolder,
                          const TFolderChoices &choices, bool afresh) {
  const bool same = newFolder == FNewFolder && oldFolder == FOldFolder &&
                    choices.Exclude == FChoices.Exclude && choices.Ignore == FChoices.Ignore;
  if (same && !afresh && FFeed)
    return;
  FTask.Stop();
  FFinishing = false;
  FModel.Clear();
  FNewFolder = newFolder, FOldFolder = oldFolder, FChoices = choices;
  FError.clear();
  FFeed = std::make_shared<TFolderFeed>();
  FProgress = std::make_shared<TFolderProgress>();
  auto error = std::make_shared<std::string>();
  FTask.Start(
      [feed = FFeed, progress = FProgress, error, choices,
       n = EncodeFileName(newFolder).toStdString(),
       o = EncodeFileName(oldFolder).toStdString()](std::stop_token stop) {
        YieldToTheWindow();
        *error = CompareFolders(n, o, choices, *feed, stop, progress.get());
      },
      [this, error](std::exception_ptr failure) {
        FError = QString::fromStdString(*error);
        Done(failure);
      });
  ShowRunning(true);
  FTake.start(kTakeEveryMs);
}

void TFolderView::Stop() {
  if (!FTask.Running())
    return;
  FTask.Stop();
  Done(nullptr);
}

void TFolderView::Done(std::exception_ptr failure) {
  if (failure) {
    try {
      std::rethrow_exception(failure);
    } catch (const std::bad_alloc &) {
      FError = QCoreApplication::translate("Dorix", "Недостаточно памяти для сравнения папок.");
    } catch (const std::exception &e) {
      FError = QString::fromLocal8Bit(e.what());
    }
  }
  FFinishing = true;
  TakeEntries();
}

void TFolderView::Finish() {
  FFinishing = false;
  FTake.stop();
  ShowRunning(false);
  if (Current() == kNoEntry && FFilter.rowCount() > 0)
    Tree->setCurrentIndex(FFilter.index(0, 0));
  emit StatusChanged();
}

// A turn's share at a time, so that the window answers however much came in meanwhile; what
// is left follows on the next turn of the event loop.
void TFolderView::TakeEntries() {
  if (!FFeed)
    return;
  QElapsedTimer turn;
  turn.start();
  const bool left = FFeed->PassOn(FModel, [&] { return turn.elapsed() >= kTurnMs; });
  lblProgress->setText(QCoreApplication::translate("Dorix", "Записей: %1, прочитано %2 МБ")
                           .arg(FProgress->Entries.load())
                           .arg(Megabytes(FProgress->Bytes.load())));
  FTake.setInterval(left ? 0 : kTakeEveryMs);
  if (!left && FFinishing)
    Finish();
  else
    emit StatusChanged();
}

void TFolderView::Open(const QModelIndex &index) {
  const std::uint32_t entry = TFolderModel::EntryOf(FFilter.mapToSource(index));
  const TFolderEntry &e = Result()[entry];
  const bool newFile = e.New.Kind == TEntryKind::File, oldFile = e.Old.Kind == TEntryKind::File;
  const bool newMissing = e.New.Kind == TEntryKind::Missing,
             oldMissing = e.Old.Kind == TEntryKind::Missing;
  // Two files, or one against nothing; a folder opens in the tree itself.
  if ((newFile && (oldFile || oldMissing)) || (oldFile && newMissing))
    emit EntryOpened(entry);
}

std::uint32_t TFolderView::Current() const {
  const QModelIndex index = FFilter.mapToSource(Tree->currentIndex());
  return index.isValid() ? TFolderModel::EntryOf(index) : kNoEntry;
}

void TFolderView::Select(std::uint32_t entry) {
  const QModelIndex index = FFilter.mapFromSource(FModel.IndexOf(entry));
  if (!index.isValid())
    return;
  Tree->setCurrentIndex(index);
  Tree->scrollTo(index);
}

void TFolderView::ShowRunning(bool running) {
  for (QAction *a : FRunning)
    a->setVisible(running);
}

void TFolderView::SetHidden(TFolderShown kind, bool hidden) {
  actHidden[kind]->setChecked(hidden);
  FFilter.SetHidden(kind, hidden);
}

void TFolderView::SetStyles(const TFolderStyles &styles) {
  FModel.SetStyles(styles);
  // Between and below the entries the list shows what the text view shows around its text.
  QPalette palette = Tree->palette();
  palette.setColor(QPalette::Base, ToQColor(styles.Equal.BkgColor, palette));
  // The branch arrows are drawn in the window text colour: the text's, so they show on any ground.
  for (const auto role : {QPalette::Text, QPalette::WindowText})
    palette.setColor(role, ToQColor(styles.Equal.FontColor, palette));
  Tree->setPalette(palette);
}

QString TFolderView::CountsText() const {
  const TFolderTree &t = Result();
  if (!FError.isEmpty())
    return FError;
  return QCoreApplication::translate("Dorix", "Одинаковых: %1, различающихся: %2, только в новой: "
                                              "%3, только в старой: %4, несравнимых: %5")
      .arg(t.Count(TFolderState::Identical))
      .arg(t.Count(TFolderState::Different))
      .arg(t.Count(TFolderState::OnlyNew))
      .arg(t.Count(TFolderState::OnlyOld))
      .arg(t.Count(TFolderState::NotRegular) + t.Count(TFolderState::Unreadable));
}
