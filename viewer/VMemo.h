// TVMemo: the custom-drawn viewer of a comparison. It turns the engine's chunk list into display
// lines (plain, wrapped or hex), paints them with a gutter glyph per changed line, and lets the
// user move a caret, select, scroll and step through the differences.
#pragma once

#include "ColorValue.h"
#include "VClasses.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QPainter;
class TFindDialog;

// A run of characters of one kind inside a display line: a view into the chunk list's text.
struct TVMemoLineZone {
  const char *Data = nullptr;
  std::int32_t Length = 0;
  std::int32_t Kind = 0;

  std::string_view Text() const { return {Data, static_cast<std::size_t>(Length)}; }
};

// One display line. Its zones are FZoneCount consecutive entries of the control's zone store.
struct TVMemoLine {
  std::int64_t FStart = 0;  // offset of the first character in the view's running text
  std::int32_t FKind = 0;   // style index; FUpdatedKind when kinds mix
  std::int32_t FLength = 0; // characters, line terminator excluded
  std::uint32_t FFirstZone = 0;
  std::uint32_t FZoneCount = 0;
};

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

// A caret or selection position: a column in the unit of a pane, and a display line.
struct TVPosition {
  std::int32_t Col = 0;
  std::int32_t Line = 0;
  bool operator==(const TVPosition &) const = default;
};

// The columns a line is drawn in: text layouts have one, the hex layout two.
enum TVPane : std::uint8_t { paneText = 0, paneHexDigits = 1, paneHexChars = 2 };

// Layout modes, also the index of their saved top.
enum TVLayoutMode : std::uint8_t { lmPlain = 0, lmWrap = 1, lmHex = 2 };

inline constexpr std::int32_t kEndOfLine = INT32_MIN; // MoveCaret column: the end of the line
inline constexpr std::int32_t kHexDigitColumns = 48;  // 16 bytes, three cells each
inline constexpr std::int32_t kHexLastColumn = 47;
inline constexpr std::int32_t kHexBytesPerLine = 16;
inline constexpr std::int32_t kHexGap = 5; // pixels between the hex digits and the characters

// Column of a byte's first hex digit, at most the last column; and back.
inline std::int32_t ByteToHexColumn(std::int64_t byte) {
  return byte >= 16 ? kHexLastColumn : static_cast<std::int32_t>(3 * byte);
}
inline std::int32_t HexColumnToByte(std::int32_t col) {
  return (col + 1) / 3;
}

// Each byte as two upper-case hex digits and a blank (the hex-digit column), or without the
// blank (the text a hex-digit search runs over).
std::string HexDigits(std::string_view text);
std::string HexPairs(std::string_view text);

class TVMemo : public QAbstractScrollArea {
  Q_OBJECT

public:
  explicit TVMemo(QWidget *parent = nullptr);
  ~TVMemo() override;

  // --- line model ---
  void SetSource(TVKindStringList *list);
  int AddStyle(const TVFont *font, TColorValue color, const QImage *glyph);
  void SetStyle(int index, const TVFont *font, TColorValue color);
  const TVMemoLine &GetLine(int i) const { return FLines[static_cast<std::size_t>(i)]; }
  const TVMemoStyle &GetLineStyle(int i) const;
  std::span<const TVMemoLineZone> LineZones(int i) const;
  std::string GetLineText(int i) const;
  int LineCount() const { return static_cast<int>(FLines.size()); }
  void Clear();
  TVMemoLine &AddLine();                                  // a new Equal line at the end
  void AddZone(std::string_view text, std::int32_t kind); // onto the last line
  bool KindVisible(std::int32_t kind) const;
  void BuildLines(std::int32_t width, bool hex);

  std::int32_t FUpdatedKind = 0; // kind of lines that mix kinds; set by the owner
  TVProgressEvent OnProgress;
  // Called about every megabyte while lines are built, between the per-entry reports, so that
  // the owner can keep its window responsive during a very long entry.
  std::function<void()> OnIdle;

  // --- modes and layout ---
  void SetWrapMode(bool on);
  void SetViewFilter(std::int32_t filter);
  void SetHexMode(bool on);
  void SetOemMode(bool on);
  void SetHaveLeft(bool on);
  bool HaveLeft() const { return FHaveLeft; }
  bool WrapMode() const { return FWrapMode; }
  bool HexMode() const { return FHexMode; }
  bool OemMode() const { return FOemMode; }
  void BeginUpdate() { ++FUpdateLock; }
  void EndUpdate() { --FUpdateLock; }
  bool LayoutWidthChanged() const { return FClientArea.width() != FLayoutWidth; }
  TVLayoutMode CurrentLayoutMode() const;
  void ForgetSavedTops();
  void Relayout();
  // True while Relayout builds the lines: it lets events through, and whoever owns the control
  // must not change the chunk list or the modes until OnRelayoutDone.
  bool Building() const { return FBuilding; }
  std::function<void()> OnRelayoutDone;
  void UpdateScrollBars();
  void SetAutoRelayout(bool on) { FAutoRelayout = on; }

  // The control's background colour and the colour of its own font's text.
  void SetColor(TColorValue color);
  TColorValue Color() const { return FColor; }
  void SetFontColor(TColorValue color);

  // --- what the layout measured, for callers and tests ---
  int CharWidth() const { return FCharWidth; }
  int LineHeight() const { return FLineHeight; }
  int GutterWidth() const { return FGutterWidth; }
  int HalfCharWidth() const { return FHalfCharWidth; }
  int VisibleLines() const { return FVisibleLines; }
  int TopLine() const { return FTopLine; }
  int ScrollX() const { return FScrollX; }
  std::int32_t MaxLineLength() const { return FMaxLineLength; }
  // Bytes held by the display lines and their zones (the text itself is the chunk list's).
  std::size_t LineStorageBytes() const {
    return FLines.capacity() * sizeof(TVMemoLine) + FZoneStore.capacity() * sizeof(TVMemoLineZone);
  }

  // --- caret, selection and scrolling ---
  TVPosition Caret() const { return {FCaretCol, FCaretLine}; }
  bool CaretInHex() const { return FCaretInHex; }
  bool CaretShown() const { return FCaretShown; }
  TVPane CaretPane() const;
  std::int32_t LineEndColumn() const;
  std::int64_t PositionToOffset(std::int32_t col, std::int32_t line, bool hexCells) const;
  TVPosition OffsetToPosition(std::int64_t offset, bool hexCells) const;
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

  bool SelActive() const { return FSelActive; }
  TVPane SelPane() const { return FSelPane; }
  TVPosition SelStart() const { return {FSelStartCol, FSelStartLine}; }
  TVPosition SelEnd() const { return {FSelEndCol, FSelEndLine}; }
  void StartSelection(std::int32_t col, std::int32_t line, TVPane pane);
  void ExtendSelection(std::int32_t col, std::int32_t line);
  void ClearSelection() { FSelActive = false; }
  void SelectAll();
  void DragTo();

  // --- difference navigation ---
  void PrevBand() { StepBand(true); }
  void NextBand() { StepBand(false); }
  void PrevDiff() { StepDiff(false); }
  void NextDiff() { StepDiff(true); }
  void LeftmostDiff() { LeftmostDiffOf(FCaretLine); }
  void RightmostDiff() { RightmostDiffOf(FCaretLine); }
  void GoToFirstDiff();

  // --- search and clipboard ---
  void OpenFindDialog();
  bool FindDialogOpen() const;
  void CloseFindDialog();
  void FindDialogFind();
  void FindNext(const QString &extra);
  TFindDialog *FindDialog() const { return FFindDialog.get(); }
  std::string GetSelectedText() const;
  void CopyToClipboard();
  bool FoundActive() const { return FFoundActive; }
  TVPosition FoundStart() const { return {FFoundStartCol, FFoundStartLine}; }
  TVPosition FoundEnd() const { return {FFoundEndCol, FFoundEndLine}; }

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
  struct PaintState; // the canvas of one paint: painter, brush and font as the steps set them
  struct Column;     // one column of a line being painted

  // line model
  void ReserveLines(std::int32_t width, bool hex);
  void FinishLine(TVMemoLine &line);
  void ReportProgress(std::int32_t percent, TVProgressStage stage);
  int LineOfOffset(std::int64_t offset) const;

  // layout
  void UpdateFontMetrics();
  std::int32_t WrapWidth() const;
  void PostRelayout();
  void RebuildLines();
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
  void TextOutZone(PaintState &ps, QRect rect, std::string_view text);
  void DrawCells(QPainter &p, const QFont &font, int x, int baseline, const QString &text);
  void FillBand(PaintState &ps, std::int64_t x, std::int64_t width, int top, int bottom,
                const QColor &color);
  void LineMarkRange(int i, std::int64_t &from, std::int64_t &to);
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
  std::span<const TVMemoLineZone> ZonesOf(int line) const; // none for a line that does not exist
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
  void EnsureSearchText(TVSearchKind kind);
  bool EndsWithLineEnd(int i) const;
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

  // Fields: the source and geometry first, then caret, lines, modes, marks and search.
  TVKindStringList *FSource = nullptr;
  std::unique_ptr<TVKindStringList> FOwnedSource; // set while the control owns FSource
  QRect FClientArea;
  int FCharAreaX = 0;
  int FHalfCharWidth = 2;
  int FHexSeparatorX = 0;
  int FVisibleLines = 0;
  int FGlyphX = 0;
  int FGlyphY = 0;
  int FUpdateLock = 0;
  std::int32_t FCaretCol = 0;
  std::int32_t FCaretLine = 0;
  bool FCaretInHex = true;
  bool FCaretShown = false;
  std::array<SavedTop, 3> FSavedTops{};
  QTimer FScrollTimer;
  std::vector<TVMemoLine> FLines;
  std::vector<TVMemoLineZone> FZoneStore;
  bool FHaveLeft = true;
  int FGutterWidth = 30;
  int FLineHeight = 10;
  int FCharWidth = 5;
  int FTopLine = 0;
  int FScrollX = 0;
  bool FOemMode = false;
  bool FHexMode = false;
  bool FWrapMode = true;
  std::int32_t FViewFilter = 0;
  bool FWantTab = true;
  std::vector<TVMemoStyle> FStyles;
  std::int32_t FMaxLineLength = 500;
  bool FAutoRelayout = true;
  int FLayoutWidth = 300;
  TVLayoutMode FLayoutMode = lmWrap;
  bool FSelActive = false;
  TVPane FSelPane = paneText;
  std::int32_t FSelStartCol = 0, FSelStartLine = 0, FSelEndCol = 0, FSelEndLine = 0;
  std::int32_t FSelAnchorCol = 0, FSelAnchorLine = 0;
  bool FFoundActive = false;
  TVPane FFoundPane = paneText;
  std::int32_t FFoundStartCol = 0, FFoundStartLine = 0, FFoundEndCol = 0, FFoundEndLine = 0;
  QString FFindString;                  // as typed
  std::optional<std::string> FFindText; // in Windows-1251; none when it cannot be expressed
  std::unique_ptr<TFindDialog> FFindDialog;
  std::string FSearchText, FSearchTextUpper, FSearchTextHex;
  unsigned FSearchCache = 0; // which search texts are built (bits of TVSearchKind)
  bool FMarkActive = false;
  TVPane FMarkPane = paneText;
  bool FMarkIsFound = false;

  TColorValue FColor = clWindow;
  TColorValue FFontColor = clWindowText;
  QTimer FBlinkTimer;
  bool FBlinkOn = true;
  bool FDragging = false;       // the left button went down in the text area and is still held
  QPoint FMousePos;             // last known pointer position, in client coordinates
  QPoint FCaretPoint;           // where UpdateCaretPos put the caret
  bool FRelayoutPosted = false; // a relayout for a new width waits in the event queue
  bool FBuilding = false;       // Relayout is building the lines
};
