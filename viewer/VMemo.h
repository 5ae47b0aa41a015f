// TVMemo: the custom-drawn viewer of a comparison. It lays out the model's display lines (plain,
// wrapped or hex) for its width, paints them with a gutter glyph per changed line, and lets the
// user move a caret, select, scroll and step through the differences.
#pragma once

#include "BackgroundTask.h"
#include "CellGeometry.h"
#include "CodePages.h"
#include "ColorValue.h"
#include "Disposer.h"
#include "LineModel.h"
#include "TextSearch.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <atomic>
#include <climits>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QPainter;
class TFindDialog;

// A font with the colour its text is drawn in.
struct TVFont {
  QFont Font;
  TColorValue Color = 0;
};

// One entry of the style table; the table index is the kind. Font and glyph belong to the
// owner of the control and must outlive it.
struct TVMemoStyle {
  const QImage *Glyph = nullptr; // 9 by 6, white is transparent
  const TVFont *Font = nullptr;  // none: the control's own font
  TColorValue Color = 0xFFFFFF;  // background
  QPixmap GlyphPixmap;           // the glyph with its white made transparent
};

// The three texts a search may run over, built on first need.
enum TVSearchKind : unsigned { skPlain = 1, skUpper = 2, skHex = 4 };

inline constexpr std::int32_t kEndOfLine = INT32_MIN; // MoveCaret column: the end of the line

// Where a walk over a line's characters stands: the character's byte column and first cell, its
// bytes and cells (none at the line's end), and the zone that holds it. A character takes the
// combining marks that follow it, in whichever zone they are: their bytes count with its own,
// the first few are kept to be drawn with it, and they take no cell.
struct TVCharacterStep {
  static constexpr int kMostMarks = 4;
  std::int64_t Col = 0, Cell = 0;
  int Bytes = 0, Cells = 0;
  TVCharacter Char;
  std::array<char32_t, kMostMarks> Marks{};
  int MarkCount = 0;
  const TVMemoLineZone *Zone = nullptr;
};

// The characters a walk along a line may count without visiting them: plain ones (printable
// ASCII, a byte and a cell each) that end at or before both a byte column and a cell. A caret
// or a scroll far into a long line then costs little.
struct TVSkipBefore {
  static constexpr std::int64_t kAll = INT64_MAX;
  std::int64_t Col = 0, Cell = 0;
};

// How many characters from byte b of a zone's text may be counted at once: plain ones each
// followed by another plain one in the zone (so that no mark joins them), at most `most`.
inline std::int64_t PlainRun(std::string_view text, std::size_t b, std::int64_t most) {
  const auto plain = [&](std::size_t at) { return text[at] >= 0x20 && text[at] < 0x7F; };
  std::int64_t n = 0;
  for (std::size_t at = b; n < most && at + 1 < text.size() && plain(at) && plain(at + 1); ++at)
    ++n;
  return n;
}

class TVMemo : public QAbstractScrollArea {
  Q_OBJECT

public:
  explicit TVMemo(QWidget *parent = nullptr);
  ~TVMemo() override;

  // --- the lines shown and their styles ---
  // The lines come from the model; the control lays them out, and the owner may reach the
  // model for the chunk list, the kind of mixed lines and the build's progress reports.
  TVLineModel &Model() { return FModel; }
  const TVLineModel &Model() const { return FModel; }
  void SetSource(std::shared_ptr<const TVKindStringList> list) {
    FModel.SetSource(std::move(list));
  }
  void SetSource(const TVKindStringList *list) { FModel.SetSource(list); }
  int AddStyle(const TVFont *font, TColorValue color, const QImage *glyph);
  void SetStyle(int index, const TVFont *font, TColorValue color);
  const TVMemoStyle &GetLineStyle(int i) const;
  // The style whose glyph a line's gutter shows: that of moved text the line holds, if any has
  // one, else the line's own.
  const TVMemoStyle &GetGlyphStyle(int i) const;

  // --- modes and layout ---
  void SetWrapMode(bool on);
  void SetViewFilter(std::int32_t filter);
  void SetHexMode(bool on);
  void SetOemMode(bool on);
  // The single-byte code page text is drawn in (UTF-8 text is the model's text form).
  void SetCodePage(TCodePage page);
  TCodePage CodePage() const { return FCodePage; }
  void SetHaveLeft(bool on);
  bool HaveLeft() const { return FHaveLeft; }
  bool WrapMode() const { return FWrapMode; }
  bool HexMode() const { return FHexMode; }
  bool OemMode() const { return FCodePage == TCodePage::Dos866; }
  void BeginUpdate() { ++FUpdateLock; }
  void EndUpdate() { --FUpdateLock; }
  bool LayoutWidthChanged() const { return FClientArea.width() != FLayoutWidth; }
  TVLayoutMode CurrentLayoutMode() const;
  void ForgetSavedTops();
  void Relayout();
  // Large texts get their lines built on a thread of their own: Relayout lays out the lines
  // around the top at once and returns, and the whole build follows without blocking the
  // window. Off (the default), Relayout builds every line before it returns.
  void SetBackgroundBuilds(bool on) { FBackgroundBuilds = on; }
  // True until the lines a Relayout builds are all shown. Meanwhile whoever owns the control must
  // not change the chunk list or the modes; commands over the whole text wait for the end.
  bool Building() const { return FBuildTask.Running(); }
  // The share of a background build done, in percent.
  int BuildPercent() const { return FBuildPercent; }
  // Ends a background build under way: no lines are shown, the commands that waited for it are
  // dropped, and OnRelayoutDone does not come.
  void StopBuilding();
  std::function<void()> OnRelayoutDone;
  // Called when a background build begins, by itself too (after a size change).
  std::function<void()> OnBuildStarted;
  // Called on the build's thread as a background build begins; a test holds the build there.
  std::function<void(const std::stop_token &)> OnBuildStart;
  // What a background build that failed threw (memory exhaustion), once, for the owner to tell.
  std::exception_ptr TakeBuildFailure() { return std::exchange(FBuildFailure, nullptr); }
  void UpdateScrollBars();
  void SetAutoRelayout(bool on) { FAutoRelayout = on; }

  // The control's background colour and the colour of its own font's text.
  void SetColor(TColorValue color);
  TColorValue Color() const { return FColor; }
  void SetFontColor(TColorValue color);
  // The colours text found is shown in, against any style.
  void SetFoundColors(TColorValue color, TColorValue fontColor);

  // --- what the layout measured, for callers and tests ---
  // The cells where they are now: metrics, gutter, layout and scroll.
  TVCellGeometry Geometry() const;
  int CharWidth() const { return FCharWidth; }
  int LineHeight() const { return FLineHeight; }
  int GutterWidth() const { return Geometry().GutterWidth(); }
  int HalfCharWidth() const { return Geometry().HalfCharWidth(); }
  int VisibleLines() const { return FVisibleLines; }
  int TopLine() const { return FTopLine; }
  int ScrollX() const { return FScrollX; }

  // --- caret, selection and scrolling ---
  TVPosition Caret() const { return {FCaretCol, FCaretLine}; }
  bool CaretInHex() const { return FCaretInHex; }
  bool CaretShown() const { return FCaretShown; }
  TVPane CaretPane() const;
  std::int32_t LineEndColumn() const;
  void MoveCaret(std::int32_t col, std::int32_t line, bool force);
  void UpdateCaretPos();
  QRect CaretRect() const;
  void PointToCaret(int x, int y);
  void ScrollToColumn(std::int32_t col);
  void ScrollToCaret() { ScrollToColumn(FCaretCol); }
  void SyncVertScroll();
  void SyncHorzScroll();
  void ScrollView(std::int32_t lines);
  void ScrollWithCaret(std::int32_t lines);
  void SwitchPane();
  void CaretLeft();
  void CaretRight();

  const std::optional<TVTextRange> &Selection() const { return FSelection; }
  bool SelActive() const { return FSelection.has_value(); }
  TVPane SelPane() const { return FSelection ? FSelection->Pane : paneText; }
  TVPosition SelStart() const { return FSelection ? FSelection->Start : TVPosition{}; }
  TVPosition SelEnd() const { return FSelection ? FSelection->End : TVPosition{}; }
  void StartSelection(std::int32_t col, std::int32_t line, TVPane pane);
  void ExtendSelection(std::int32_t col, std::int32_t line);
  void ClearSelection() { FSelection.reset(); }
  void SelectAll();
  void DragTo();
  // A double click's selection: the word under the caret, or the one character there.
  void SelectWordAtCaret();

  // --- difference navigation ---
  void PrevBand() { StepBand(true); }
  void NextBand() { StepBand(false); }
  void PrevDiff() { StepDiff(false); }
  void NextDiff() { StepDiff(true); }
  void LeftmostDiff() { LeftmostDiffOf(FCaretLine); }
  void RightmostDiff() { RightmostDiffOf(FCaretLine); }
  void GoToFirstDiff();
  // From the source entry under the caret (or just before it) to the entry otherEnd gives for
  // it, which is then shown as found; false where it gives none (-1) or the view hides it.
  bool GoToOtherEnd(const std::function<int(int)> &otherEnd);

  // --- search and clipboard ---
  void OpenFindDialog();
  bool FindDialogOpen() const;
  void CloseFindDialog();
  void FindDialogFind();
  void FindNext(const QString &extra);
  TFindDialog *FindDialog() const { return FFindDialog.get(); }
  // The selection's bytes: the text's own, line ends as they are, or the hex digits a row a
  // line; nothing after a stop request, which is looked at every megabyte or few thousand rows.
  std::string GetSelectedText(const std::stop_token &stop = {}) const;
  void CopyToClipboard();
  // Asked before a copy of more than AskBeforeCopyingBytes goes to the clipboard, more than a
  // clipboard is made for; true: go on.
  std::function<bool(std::int64_t bytes)> ConfirmLargeCopy;
  std::int64_t AskBeforeCopyingBytes = std::int64_t{256} << 20;

  // A search or a copy over a large text runs on a thread of its own: meanwhile commands over
  // the whole text wait, and whoever owns the control must not change the chunk list.
  bool TextWorkRunning() const { return FTextTask.Running(); }
  // "Поиск.." or "Копирование..", for the status bar.
  const QString &TextWorkTitle() const { return FTextWorkTitle; }
  // Ends the search or copy under way; nothing is found or copied.
  void StopTextWork();
  // Called when a search or copy on its own thread begins and when it has ended.
  std::function<void()> OnTextWork;
  const std::optional<TVTextRange> &Found() const { return FFound; }
  bool FoundActive() const { return FFound.has_value(); }
  TVPosition FoundStart() const { return FFound ? FFound->Start : TVPosition{}; }
  TVPosition FoundEnd() const { return FFound ? FFound->End : TVPosition{}; }

  // Shows one of the search messages (a message box); tests put their own here.
  std::function<void(const QString &text)> ShowMessage;

  bool WantTab() const { return FWantTab; }
  void SetWantTab(bool on) { FWantTab = on; }

  // Handles one key of the control's keyboard map; false when the key is not in it.
  bool KeyDown(int key, Qt::KeyboardModifiers shift);

  // The drag timer, exposed so that a test can drive its ticks.
  QTimer &ScrollTimer() { return FScrollTimer; }
  // The caret's blink timer: stopped while the caret is hidden or the desktop turns blinking off.
  const QTimer &BlinkTimer() const { return FBlinkTimer; }

protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void changeEvent(QEvent *event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent *event) override;
  bool focusNextPrevChild(bool next) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;

private:
  struct SavedTop {
    std::int32_t Line = -1;
    std::int64_t Offset = -1;
  };
  // A relayout under way: the layout it builds, and where the top and the caret go.
  struct TRelayout {
    TVLayoutMode Mode = lmWrap;
    std::int32_t Width = kNoWrap;
    std::int64_t TopOffset = 0;
    std::int64_t CaretOffset = 0;
  };
  struct PaintState; // the canvas of one paint: painter, brush and font as the steps set them
  struct Column;     // one column of a line being painted

  int LineCount() const { return FModel.LineCount(); }
  // The lines shown are a part of the text while its whole build runs.
  bool ShowsPart() const { return FPending.has_value(); }
  // Below this much text a build, a search or a copy takes a few milliseconds: done in place.
  static constexpr std::int64_t kWorkInPlaceBytes = std::int64_t{1} << 20;

  // cells of UTF-8 lines (outside UTF-8 and in the hex layout a cell is a byte column)
  bool CellMode() const;
  template <typename Visit>
  void WalkCharacters(int line, Visit visit, TVSkipBefore skip = {}) const;
  std::int64_t CellColumn(int line, std::int64_t col) const;
  std::int32_t ByteColumn(int line, std::int64_t cell) const;
  std::int32_t CharacterStart(int line, std::int32_t col) const;
  std::int32_t NextCharacter(int line, std::int32_t col) const;

  // layout
  void UpdateFontMetrics();
  std::int32_t WrapWidth() const;
  void PostRelayout();
  std::optional<TRelayout> PlanRelayout();
  std::pair<std::int64_t, std::int64_t> TopAndCaretOffsets() const;
  std::int64_t WantedTopOffset(const TRelayout &plan) const;
  void BuildAll(const TRelayout &plan);
  void ShowSomeLines(const TRelayout &plan);
  void BuildInBackground(const TRelayout &plan);
  void LinesBuilt(std::exception_ptr failure);
  void ShowLines(const TRelayout &plan);
  void DisposeLines();
  void RunWaitingCommands();
  // Keeps a command over the whole text for the end of a background build; false when none runs.
  bool WaitForLines(std::function<void()> command);
  std::int64_t HorzScrollMaximum() const;
  void OnVertAction(int action);
  void OnHorzAction(int action);

  // painting
  void Paint(QPainter &painter, const QRect &dirty);
  void DrawGutter(PaintState &ps);
  void DrawHexSeparator(PaintState &ps);
  void DrawHexGrid(PaintState &ps);
  void PaintLine(PaintState &ps, int i);
  void DrawZoneClipped(PaintState &ps, Column &column, std::string_view text);
  void DrawZoneMarked(PaintState &ps, QRect rect, std::string_view text, std::int64_t startCol,
                      TVPane pane);
  void TextOutZone(PaintState &ps, QRect rect, const QString &glyphs);
  QString HexLineGlyphs(int i) const;
  void PaintCellRow(PaintState &ps, int i, const QColor &lineColor);
  void DrawCells(QPainter &p, const QFont &font, int x, int baseline, const QString &text);
  void DrawDecorations(QPainter &p, const QFont &font, int x, int baseline, int width);
  void DrawCharacter(QPainter &p, const QString &character, int x, int baseline);
  void FillBand(PaintState &ps, std::int64_t x, std::int64_t width, int top, int bottom,
                const QColor &color);
  void LineMarkRange(PaintState &ps, int i) const;
  void SetZoneCanvas(PaintState &ps, const TVMemoStyle &style);
  QColor Qc(TColorValue value) const { return ToQColor(value, palette()); }
  void DrawCaret(QPainter &painter);

  // navigation
  bool IsEqualLine(int i) const;
  bool IsSharedZone(const TVMemoLineZone &zone) const;
  bool CaretLineExists() const;
  std::int32_t ColumnFactor() const;
  std::int32_t ClampToPane(std::int32_t col) const;
  std::int32_t ScreenColumns() const;
  int ScanBandUp(int start, bool equal) const;
  int ScanBandDown(int start, bool equal) const;
  int PrevDiffLine() const;
  int NextDiffLine() const;
  void ToPrevDiffLine();
  void ToNextDiffLine();
  void LeftmostDiffOf(int line);
  void RightmostDiffOf(int line);
  void StepDiff(bool forward);
  void StepBand(bool up);

  // search and clipboard
  struct TSearch {
    std::shared_ptr<const TVKindStringList> Source; // what it runs over, whatever comes meanwhile
    TVSearchKind Kind = skPlain;
    TVPane Pane = paneText;
    std::string Pattern;
    TSearchRequest Request;
    std::optional<std::size_t> Hit;
    QString Extra;
  };
  static std::string SelectedText(const TVLineModel &model, const TVTextRange &sel,
                                  const std::stop_token &stop);
  // The text form and code page a case-folded search text was made in.
  struct TSearchTextForm {
    bool Utf8 = false;
    TCodePage Page = TCodePage::Windows1251;
    bool operator==(const TSearchTextForm &) const = default;
  };
  bool EnsureSearchText(const TSearch &search, const std::stop_token &stop);
  void ShowFound(const TSearch &search);
  void StartTextWork(const QString &title, std::function<void(const std::stop_token &)> work,
                     std::function<void()> done);
  TCodePage SearchCodePage() const; // the code page typed text is encoded in
  void ShowNotFound(const QString &extra);

  // caret and input
  void BeforeCaretMove();
  void AfterCaretMove();
  bool HasKeyboardFocus() const { return hasFocus(); }
  void ShowCaret(bool show);
  void BlinkCaret();
  void ApplyFlashTime();
  void RestartBlink();
  void MousePress(const QPoint &pos);
  void ExtendFromWord(const TVTextRange &word);

  // Fields: the lines and metrics first, then caret, modes, marks and search.
  TVLineModel FModel;
  QRect FClientArea;
  int FVisibleLines = 0;
  int FUpdateLock = 0;
  std::int32_t FCaretCol = 0;
  std::int32_t FCaretLine = 0;
  bool FCaretInHex = true;
  bool FCaretShown = false;
  std::array<SavedTop, 3> FSavedTops{};
  QTimer FScrollTimer;
  bool FHaveLeft = true;
  int FLineHeight = 10;
  int FCharWidth = 5;
  int FTopLine = 0;
  int FScrollX = 0;
  TCodePage FCodePage = TCodePage::Windows1251;
  bool FHexMode = false;
  bool FWrapMode = true;
  bool FWantTab = true;
  std::vector<TVMemoStyle> FStyles;
  bool FAutoRelayout = true;
  int FLayoutWidth = 300;
  TVLayoutMode FLayoutMode = lmWrap;
  std::optional<TVTextRange> FSelection;
  std::optional<TVTextRange> FFound; // the last search hit, shown while no selection is
  QString FFindString;               // as typed
  std::unique_ptr<TFindDialog> FFindDialog;
  std::string FSearchText, FSearchTextUpper, FSearchTextHex;
  unsigned FSearchCache = 0; // which search texts are built (bits of TVSearchKind)
  TSearchTextForm FSearchUpperForm;

  TColorValue FColor = clWindow;
  TColorValue FFontColor = clWindowText;
  TColorValue FFoundColor = 0x000000, FFoundFontColor = 0xFFFFFF;
  QTimer FBlinkTimer;
  bool FBlinkOn = true;
  bool FDragging = false; // the left button went down in the text area and is still held
  std::optional<TVTextRange> FDragWord; // ... after a double click, on this word
  QPoint FMousePos;                     // last known pointer position, in client coordinates
  QRect FCaretRect;                     // where UpdateCaretPos put the caret
  bool FRelayoutPosted = false;         // a relayout for a new width waits in the event queue
  bool FBuiltLfBreaks = false;          // the line-end rule of the lines built last

  // The background build: the lines shown meanwhile are a part laid out around the top (while
  // FPending holds the relayout under way); FPartialShown is where its top and caret were put,
  // to tell whether the user moved.
  bool FBackgroundBuilds = false;
  std::optional<TRelayout> FPending;
  struct {
    int Top = 0;
    TVPosition Caret;
  } FPartialShown;
  std::atomic<int> FBuildPercent = 0;
  std::exception_ptr FBuildFailure;
  std::vector<std::function<void()>> FAfterBuild;
  std::unique_ptr<TVLineModel> FBuilt; // written by the build's thread until it ends
  TDisposer FDisposer;                 // frees lines no longer shown
  QString FTextWorkTitle;
  TBackgroundTask FTextTask{this};  // a search or a copy; it reads the lines and search texts
  TBackgroundTask FBuildTask{this}; // last: it stops and joins before the rest goes
};

// Each character of a line in turn, with its marks, then once more with no bytes at the line's
// end; the plain characters skip names are counted, not visited. The walk stops where visit
// answers false.
template <typename Visit>
void TVMemo::WalkCharacters(int line, Visit visit, TVSkipBefore skip) const {
  const TVTextForm &form = FModel.TextForm();
  const std::span<const TVMemoLineZone> zones = FModel.ZonesOf(line);
  std::size_t z = 0, b = 0; // where the next character begins: a zone and a byte of it
  const auto atNext = [&] {
    while (z < zones.size() && b >= static_cast<std::size_t>(zones[z].Length))
      ++z, b = 0;
    return z < zones.size();
  };
  TVCharacterStep step;
  while (atNext()) {
    const std::int64_t counted =
        PlainRun(zones[z].Text(), b, std::min(skip.Col - step.Col, skip.Cell - step.Cell));
    b += static_cast<std::size_t>(counted);
    step.Col += counted, step.Cell += counted;
    step.Zone = &zones[z];
    step.Char = Utf8CharacterAt(zones[z].Text(), b);
    step.Bytes = step.Char.Bytes;
    step.Cells = CharacterCells(step.Char, form, step.Cell);
    step.MarkCount = 0;
    b += step.Char.Bytes;
    while (step.Cells > 0 && atNext()) {
      const TVCharacter mark = Utf8CharacterAt(zones[z].Text(), b);
      if (!JoinsThePrevious(mark))
        break;
      if (step.MarkCount < TVCharacterStep::kMostMarks)
        step.Marks[static_cast<std::size_t>(step.MarkCount++)] = mark.CodePoint;
      step.Bytes += mark.Bytes;
      b += mark.Bytes;
    }
    if (!visit(step))
      return;
    step.Col += step.Bytes, step.Cell += step.Cells;
  }
  step.Bytes = step.Cells = step.MarkCount = 0;
  visit(step); // the end of the line
}
