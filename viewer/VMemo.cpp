// TVMemo: construction and the style table.
#include "VMemo.h"

#include "FindDialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleHints>

TVMemo::TVMemo(QWidget *parent) : QAbstractScrollArea(parent) {
  resize(180, 90);
  setFocusPolicy(Qt::StrongFocus);
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent); // Paint covers every pixel itself
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setMouseTracking(true);

  FStyles.push_back({nullptr, nullptr, 0xFFFFFF, {}});
  ShowMessage = [this](const QString &text) {
    QMessageBox::information(window(), window()->windowTitle(), text);
  };
  ConfirmLargeCopy = [this](std::int64_t bytes) {
    const QString text =
        QCoreApplication::translate("Dorix", "Скопировать в буфер обмена %1 МБ текста?")
            .arg(bytes >> 20);
    return QMessageBox::question(window(), window()->windowTitle(), text) == QMessageBox::Yes;
  };

  FScrollTimer.setInterval(100);
  connect(&FScrollTimer, &QTimer::timeout, this, &TVMemo::DragTo);
  connect(&FBlinkTimer, &QTimer::timeout, this, &TVMemo::BlinkCaret);
  ApplyFlashTime();
  connect(QGuiApplication::styleHints(), &QStyleHints::cursorFlashTimeChanged, this,
          &TVMemo::ApplyFlashTime);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &TVMemo::OnVertAction);
  connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, &TVMemo::OnHorzAction);
  UpdateFontMetrics();
}

TVMemo::~TVMemo() = default;

int TVMemo::AddStyle(const TVFont *font, TColorValue color, const QImage *glyph) {
  TVMemoStyle style{glyph, font, color, {}};
  if (glyph) {
    style.GlyphPixmap = QPixmap::fromImage(*glyph);
    style.GlyphPixmap.setMask(style.GlyphPixmap.createMaskFromColor(Qt::white));
  }
  FStyles.push_back(std::move(style));
  return static_cast<int>(FStyles.size()) - 1;
}

void TVMemo::SetStyle(int index, const TVFont *font, TColorValue color) {
  TVMemoStyle &style = FStyles.at(static_cast<std::size_t>(index));
  style.Font = font;
  style.Color = color;
}

const TVMemoStyle &TVMemo::GetLineStyle(int i) const {
  const auto kind = static_cast<std::size_t>(FModel.GetLine(i).FKind);
  return kind < FStyles.size() ? FStyles[kind] : FStyles[0];
}

const TVMemoStyle &TVMemo::GetGlyphStyle(int i) const {
  for (const TVMemoLineZone &zone : FModel.LineZones(i)) {
    const auto kind = static_cast<std::size_t>(zone.Kind);
    if (IsMovedKind(zone.Kind) && kind < FStyles.size() && FStyles[kind].Glyph)
      return FStyles[kind];
  }
  return GetLineStyle(i);
}
