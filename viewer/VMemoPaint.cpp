// TVMemo: painting. Every paint draws the whole client area from the lines: gutter, bands,
// zones in their styles, the marked range, the hex columns and grid, the area below. Where
// things are comes from the cell geometry of the moment; the painter stores nothing.
#include "CodePageText.h"
#include "VMemo.h"

#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>

#include <algorithm>

struct TVMemo::PaintState {
  QPainter &p;
  const TVCellGeometry g; // where the cells are during this paint
  int clientRight;
  int clientBottom;
  int top = 0, bottom = 0;     // the band of the line being painted
  QColor brush{};              // background of text output
  const QFont *font = nullptr; // font of text output
  QColor fontColor{};
  QColor zoneBrush{}, zoneFontColor{}; // the zone's own colours, restored after a highlight
  // The marked columns of the line being painted: the selection, else the search hit.
  const TVTextRange *mark = nullptr;
  QString lineGlyphs{}; // UTF-8 in the hex layout: the character pane of the line being painted
  bool markIsFound = false;
  std::int64_t markFrom = -1, markTo = -1;
};

struct TVMemo::Column {
  std::int64_t x; // where the next zone starts
  int limit;      // right edge of the column
  TVPane pane;
  std::int64_t counter = 0; // column within the line where the next zone starts
  bool done = false;
};

void TVMemo::paintEvent(QPaintEvent *event) {
  QPainter painter(viewport());
  Paint(painter, event->rect());
  DrawCaret(painter);
}

void TVMemo::Paint(QPainter &painter, const QRect &dirty) {
  PaintState ps{painter, Geometry(), FClientArea.width(), FClientArea.height()};
  ps.font = &font();

  DrawGutter(ps);
  if (FHexMode)
    DrawHexSeparator(ps);

  // One partly visible row below the whole ones is drawn too. Rows outside the dirty
  // rectangle would be clipped anyway; a row's extra pixel row is overdrawn by the next one.
  const int rows = std::clamp(LineCount() - FTopLine, 0, FVisibleLines + 1);
  const int firstRow = std::max(0, dirty.top() / FLineHeight - 1);
  const int lastRow = std::min(rows - 1, dirty.bottom() / FLineHeight + 1);
  for (int r = firstRow; r <= lastRow; ++r)
    PaintLine(ps, FTopLine + r);
  const int lastBottom = rows > 0 ? rows * FLineHeight + 1 : 0;

  if (FHexMode)
    DrawHexGrid(ps);
  const int gutter = ps.g.GutterWidth();
  if (ps.clientBottom > lastBottom)
    FillBand(ps, gutter, ps.clientRight - gutter, lastBottom, ps.clientBottom, Qc(FColor));
}

void TVMemo::DrawGutter(PaintState &ps) {
  if (!FHaveLeft)
    return;
  const int gutter = ps.g.GutterWidth();
  ps.p.fillRect(0, 0, gutter, ps.clientBottom, Qc(clBtnFace));
  const TColorValue edges[] = {clBtnShadow, clBtnHighlight, clBtnFace};
  for (int k = 0; k < 3; ++k) {
    ps.p.setPen(Qc(edges[k]));
    ps.p.drawLine(gutter - 1 - k, 0, gutter - 1 - k, ps.clientBottom - 1);
  }
}

void TVMemo::DrawHexSeparator(PaintState &ps) {
  static constexpr TColorValue colours[kHexGap] = {0xC0C0C0, 0xFFFFFF, 0xC0C0C0, 0xC0C0C0,
                                                   0x808080};
  for (int k = 0; k < kHexGap; ++k) {
    const auto x = static_cast<int>(ps.g.HexSeparatorX() + k);
    if (x < ps.g.GutterWidth())
      continue;
    ps.p.setPen(Qc(colours[k]));
    ps.p.drawLine(x, 0, x, ps.clientBottom - 1);
  }
}

void TVMemo::DrawHexGrid(PaintState &ps) {
  auto line = [&](std::int64_t x, TColorValue colour) {
    if (x < ps.g.GutterWidth() || x > ps.clientRight)
      return;
    ps.p.setPen(Qc(colour));
    ps.p.drawLine(static_cast<int>(x), 0, static_cast<int>(x), ps.clientBottom - 1);
  };
  line(ps.g.HexDigitGroupX(0), 0xC0C0C0);
  line(ps.g.HexDigitGroupX(1), 0x808080);
  line(ps.g.HexDigitGroupX(2), 0xC0C0C0);
  for (int k = 0; k < 3; ++k)
    line(ps.g.HexCharGroupX(k), 0xC8C8C8);
  line(ps.g.HexCharGroupX(3), 0x808080);
}

void TVMemo::FillBand(PaintState &ps, std::int64_t x, std::int64_t width, int top, int bottom,
                      const QColor &color) {
  const std::int64_t right = std::min<std::int64_t>(x + width, ps.clientRight);
  const std::int64_t left = std::max<std::int64_t>(x, ps.g.GutterWidth());
  if (right <= left)
    return;
  ps.p.fillRect(QRect(static_cast<int>(left), top, static_cast<int>(right - left), bottom - top),
                color);
}

void TVMemo::SetZoneCanvas(PaintState &ps, const TVMemoStyle &style) {
  ps.brush = ps.zoneBrush = Qc(style.Color);
  ps.font = style.Font ? &style.Font->Font : &font();
  ps.fontColor = ps.zoneFontColor = Qc(style.Font ? style.Font->Color : FFontColor);
}

void TVMemo::PaintLine(PaintState &ps, int i) {
  const TVRect band = ps.g.RangeRect(paneText, i, 0, 0);
  ps.top = static_cast<int>(band.Top);
  ps.bottom = static_cast<int>(band.Top + band.Height);
  const QColor lineColor = Qc(GetLineStyle(i).Color);
  if (const TVMemoStyle &marked = GetGlyphStyle(i); FHaveLeft && marked.Glyph)
    ps.p.drawPixmap(ps.g.GlyphX(), ps.top + ps.g.GlyphY(), marked.GlyphPixmap);

  // The half-cell margin before each pane's first column takes the line's colour.
  const int half = ps.g.HalfCharWidth();
  FillBand(ps, ps.g.ColumnX(paneText, 0) - half, half, ps.top, ps.bottom, lineColor);
  if (FHexMode)
    FillBand(ps, ps.g.CharAreaX(), half, ps.top, ps.bottom, lineColor);
  if (CellMode()) {
    PaintCellRow(ps, i, lineColor);
    return;
  }

  const std::int64_t separator = ps.g.HexSeparatorX();
  Column columns[2] = {{ps.g.ColumnX(paneText, 0),
                        FHexMode ? static_cast<int>(separator) : ps.clientRight,
                        FHexMode ? paneHexDigits : paneText},
                       {ps.g.ColumnX(paneHexChars, 0), ps.clientRight, paneHexChars}};
  const int columnCount = FHexMode ? 2 : 1;

  LineMarkRange(ps, i);
  if (FHexMode && FModel.TextForm().Utf8)
    ps.lineGlyphs = HexLineGlyphs(i);
  for (const TVMemoLineZone &zone : FModel.LineZones(i)) {
    const auto kind = static_cast<std::size_t>(zone.Kind);
    SetZoneCanvas(ps, kind < FStyles.size() ? FStyles[kind] : FStyles[0]);
    bool allDone = true;
    for (int c = 0; c < columnCount; ++c) {
      if (columns[c].done)
        continue;
      if (columns[c].pane == paneHexDigits)
        DrawZoneClipped(ps, columns[c], HexDigits(zone.Text()));
      else
        DrawZoneClipped(ps, columns[c], zone.Text());
      allDone = allDone && columns[c].done;
    }
    if (allDone)
      break;
  }

  if (!FHexMode) {
    FillBand(ps, columns[0].x, ps.clientRight - columns[0].x, ps.top, ps.bottom, lineColor);
    return;
  }
  FillBand(ps, columns[0].x, separator - columns[0].x, ps.top, ps.bottom, lineColor);
  const std::int64_t charEnd = ps.g.HexCharsEndX();
  FillBand(ps, columns[1].x, charEnd - columns[1].x, ps.top, ps.bottom, lineColor);
  FillBand(ps, charEnd, ps.clientRight - charEnd, ps.top, ps.bottom, Qc(FColor));
}

void TVMemo::DrawZoneClipped(PaintState &ps, Column &column, std::string_view text) {
  const auto length = static_cast<std::int64_t>(text.size());
  std::int64_t x = column.x;
  const std::int64_t right = x + length * FCharWidth;
  std::int64_t startCol = column.counter;
  column.x = right;
  column.counter += length;
  const int gutter = ps.g.GutterWidth();
  if (right < gutter)
    return; // wholly behind the gutter

  // Characters wholly behind the gutter are skipped; a partly hidden one is drawn clipped.
  const std::int64_t hidden = (gutter - x) / FCharWidth - 1;
  if (hidden > 0) {
    x += hidden * FCharWidth;
    startCol += hidden;
    text.remove_prefix(static_cast<std::size_t>(hidden));
  }
  std::int64_t rectRight = right;
  if (right > column.limit) {
    column.done = true;
    rectRight = column.limit;
  }
  if (rectRight <= x)
    return;
  // Only the cells that can show are converted and drawn: the pixels are the same.
  const std::int64_t cells = (rectRight - x + FCharWidth - 1) / FCharWidth + 1;
  if (static_cast<std::int64_t>(text.size()) > cells)
    text = text.substr(0, static_cast<std::size_t>(cells));
  DrawZoneMarked(ps,
                 QRect(QPoint(static_cast<int>(x), ps.top),
                       QPoint(static_cast<int>(rectRight) - 1, ps.bottom - 1)),
                 text, startCol, column.pane);
}

void TVMemo::DrawZoneMarked(PaintState &ps, QRect rect, std::string_view text,
                            std::int64_t startCol, TVPane pane) {
  const std::int64_t s = startCol, e = s + static_cast<std::int64_t>(text.size());
  // The UTF-8 characters of the hex character pane come from the whole line: a character cut
  // by a zone's edge or by the marked range still stands in its first byte's cell.
  const bool lineGlyphs = pane == paneHexChars && FModel.TextForm().Utf8;
  auto out = [&](QRect r, std::size_t from, std::size_t count) {
    const std::string_view part = text.substr(from, count);
    TextOutZone(ps, r,
                lineGlyphs ? ps.lineGlyphs.mid(s + static_cast<qsizetype>(from),
                                               static_cast<qsizetype>(part.size()))
                           : DecodeForDisplay(part, FCodePage));
  };
  if (!(ps.mark && ps.mark->Pane == pane && e > ps.markFrom && s < ps.markTo)) {
    out(rect, 0, text.size());
    return;
  }
  const std::int64_t a = std::max(s, ps.markFrom), b = std::min(e, ps.markTo);
  const auto lead = static_cast<std::size_t>(a - s), middle = static_cast<std::size_t>(b - a);
  auto piece = [&](std::int64_t fromCell, std::int64_t toCell) {
    QRect r = rect;
    r.setLeft(rect.left() + static_cast<int>(fromCell) * FCharWidth);
    if (toCell >= 0)
      r.setRight(std::min(rect.right(), rect.left() + static_cast<int>(toCell) * FCharWidth - 1));
    return r;
  };
  if (lead > 0)
    out(piece(0, static_cast<std::int64_t>(lead)), 0, lead);
  if (middle > 0) {
    ps.brush = Qc(ps.markIsFound ? FFoundColor : clHighlight);
    ps.fontColor = Qc(ps.markIsFound ? FFoundFontColor : clHighlightText);
    out(piece(lead, lead + middle), lead, middle);
    ps.brush = ps.zoneBrush;
    ps.fontColor = ps.zoneFontColor;
  }
  if (lead + middle < text.size())
    out(piece(lead + middle, -1), lead + middle, std::string_view::npos);
}

void TVMemo::TextOutZone(PaintState &ps, QRect rect, const QString &glyphs) {
  const int origin = rect.left();
  rect.setLeft(std::max(rect.left(), ps.g.TextLeft()));
  if (rect.width() <= 0)
    return;
  ps.p.fillRect(rect, ps.brush);
  ps.p.save();
  ps.p.setClipRect(rect);
  ps.p.setFont(*ps.font);
  ps.p.setPen(ps.fontColor);
  DrawCells(ps.p, *ps.font, origin, rect.top() + QFontMetrics(*ps.font).ascent(), glyphs);
  ps.p.restore();
}

// Every character starts at the left edge of its own cell. A font's advances are fractional and
// differ from the cell width that the caret, the selection and the hit test use, so a string
// drawn whole drifts off the grid; the glyphs are placed one by one instead. A character the
// font has no glyph for is drawn in its cell from whichever font the system falls back to.
void TVMemo::DrawCells(QPainter &p, const QFont &font, int x, int baseline, const QString &text) {
  const QRawFont raw = QRawFont::fromFont(font);
  QList<quint32> glyphs(text.size());
  int count = static_cast<int>(glyphs.size());
  if (!raw.isValid() ||
      !raw.glyphIndexesForChars(text.constData(), static_cast<int>(text.size()), glyphs.data(),
                                &count) ||
      count != text.size())
    glyphs.fill(0); // no glyph table: every character takes the fallback
  QList<quint32> found;
  QList<QPointF> positions;
  for (qsizetype k = 0; k < text.size(); ++k) {
    const int cell = static_cast<int>(k) * FCharWidth;
    if (glyphs[k] != 0) {
      found.append(glyphs[k]);
      positions.append(QPointF(cell, 0));
    } else if (!text[k].isSpace()) {
      p.drawText(QPoint(x + cell, baseline), QString(text[k]));
    }
  }
  if (found.isEmpty())
    return;
  QGlyphRun run;
  run.setRawFont(raw);
  run.setGlyphIndexes(found);
  run.setPositions(positions);
  p.drawGlyphRun(QPointF(x, baseline), run);
  DrawDecorations(p, font, x, baseline, static_cast<int>(text.size()) * FCharWidth);
}

// Underline and strike-out across the cells: Qt's own for a glyph run miss their place when the
// painter is translated, as it is for a widget inside a window.
void TVMemo::DrawDecorations(QPainter &p, const QFont &font, int x, int baseline, int width) {
  if (!font.underline() && !font.strikeOut())
    return;
  const QFontMetrics metrics(font);
  const int thickness = std::max(1, metrics.lineWidth());
  const auto line = [&](int y) { p.fillRect(x, y, width, thickness, p.pen().color()); };
  if (font.underline()) // at most the descent below the baseline, inside the line
    line(baseline + std::min(metrics.underlinePos(), metrics.descent() - thickness));
  if (font.strikeOut())
    line(baseline - metrics.strikeOutPos());
}

// A UTF-8 line, a character at a time in the cells it takes: a wide one in two, with its combining
// marks in its own cell (a mark with no character before it over the cell before), a tab as
// blank cells up to its stop, a control character as its glyph and a byte that begins no
// character as the replacement mark.
void TVMemo::PaintCellRow(PaintState &ps, int i, const QColor &lineColor) {
  const TCodePageTable &glyphs = DisplayTable(TCodePage::Windows1251);
  const int textLeft = ps.g.TextLeft();
  LineMarkRange(ps, i);
  std::int64_t lastCell = 0;
  int baseline = 0;
  const TVMemoLineZone *zone = nullptr;
  // The cells scrolled out on the left, less one for a wide character cut by the edge.
  const std::int64_t hidden = std::max<std::int64_t>(0, ps.g.ScrollX / FCharWidth - 1);
  ps.p.save(); // each character is clipped to its cells
  WalkCharacters(
      i,
      [&](const TVCharacterStep &at) {
        lastCell = at.Cell;
        if (at.Bytes == 0)
          return false;
        if (at.Zone != zone) {
          zone = at.Zone;
          const auto kind = static_cast<std::size_t>(at.Zone->Kind);
          SetZoneCanvas(ps, kind < FStyles.size() ? FStyles[kind] : FStyles[0]);
          QFont plain = *ps.font; // the decorations are drawn across the cells, as in DrawCells
          plain.setUnderline(false);
          plain.setStrikeOut(false);
          ps.p.setFont(plain);
          baseline = ps.top + QFontMetrics(*ps.font).ascent();
        }
        const std::int64_t x = ps.g.ColumnX(paneText, at.Cells > 0 ? at.Cell : at.Cell - 1);
        if (x > ps.clientRight)
          return false;
        const std::int64_t right = x + std::max(at.Cells, 1) * std::int64_t{FCharWidth};
        if (right <= textLeft)
          return true;
        const bool marked = ps.mark && at.Col >= ps.markFrom && at.Col < ps.markTo;
        const QColor brush = !marked          ? ps.brush
                             : ps.markIsFound ? Qc(FFoundColor)
                                              : Qc(clHighlight);
        const QColor pen = !marked          ? ps.fontColor
                           : ps.markIsFound ? Qc(FFoundFontColor)
                                            : Qc(clHighlightText);
        const QRect rect(QPoint(static_cast<int>(std::max<std::int64_t>(x, textLeft)), ps.top),
                         QPoint(static_cast<int>(std::min<std::int64_t>(right, ps.clientRight)) - 1,
                                ps.bottom - 1));
        ps.p.setClipRect(rect);
        ps.p.setPen(pen);
        if (at.Cells > 0) {
          ps.p.fillRect(rect, brush);
          DrawDecorations(ps.p, *ps.font, static_cast<int>(x), baseline, at.Cells * FCharWidth);
        }
        if (at.Char.CodePoint == '\t')
          return true;
        char32_t shown = at.Char.Valid ? at.Char.CodePoint : U'\uFFFD';
        if (at.Char.Valid && (shown < 0x20 || shown == 0x7F))
          shown = glyphs[shown];
        DrawCharacter(
            ps.p, QString::fromUcs4(&shown, 1) + QString::fromUcs4(at.Marks.data(), at.MarkCount),
            static_cast<int>(x), baseline);
        return true;
      },
      {TVSkipBefore::kAll, hidden});
  ps.p.restore();
  const std::int64_t end = ps.g.ColumnX(paneText, lastCell);
  FillBand(ps, end, ps.clientRight - end, ps.top, ps.bottom, lineColor);
}

// A character and its combining marks in the character's cell. Composed where the text has a
// character for them (a and a combining breve are ă), so that the font draws them as one. A mark
// left over may come from another font than the character's, and Qt would set it after the
// character instead of over it; drawn alone from the character's origin it goes over the cell,
// as the fonts design a mark with no advance of its own to.
void TVMemo::DrawCharacter(QPainter &p, const QString &character, int x, int baseline) {
  const QList<uint> composed = character.normalized(QString::NormalizationForm_C).toUcs4();
  for (const uint cp : composed)
    p.drawText(QPoint(x, baseline), QStringView(QChar::fromUcs4(cp)).toString());
}

// A hex line's bytes a cell each as UTF-8, looking three bytes into the lines around it for a
// character the line begins or ends inside.
QString TVMemo::HexLineGlyphs(int i) const {
  std::string before = i > 0 ? FModel.GetLineText(i - 1) : std::string();
  before = before.substr(before.size() - std::min<std::size_t>(before.size(), 3));
  const std::string line = FModel.GetLineText(i);
  const std::string after = i + 1 < LineCount() ? FModel.GetLineText(i + 1).substr(0, 3) : "";
  return DecodeUtf8ByBytes(before + line + after)
      .mid(static_cast<qsizetype>(before.size()), static_cast<qsizetype>(line.size()));
}

void TVMemo::LineMarkRange(PaintState &ps, int i) const {
  ps.markIsFound = !FSelection;
  ps.mark = FSelection ? &*FSelection : FFound ? &*FFound : nullptr;
  const auto columns = ps.mark ? ps.mark->ColumnsOn(i) : std::nullopt;
  if (!columns)
    ps.mark = nullptr;
  ps.markFrom = columns ? columns->From : -1;
  ps.markTo = columns ? columns->To : -1;
}

void TVMemo::DrawCaret(QPainter &painter) {
  if (!FCaretShown || !FBlinkOn)
    return;
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.fillRect(CaretRect(), Qt::white);
}
