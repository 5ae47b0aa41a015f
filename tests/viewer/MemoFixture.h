// A TVMemo in a window of its own, with the main window's three styles, fed from a chunk list
// the test writes piece by piece.
#pragma once

#include "VMemo.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <string>

enum : std::int32_t { kEqual = 0, kInserted = 1, kDeleted = 2, kUpdated = 3 };

class MemoFixture : public testing::Test {
protected:
  std::deque<std::string> texts; // the list holds views of these
  TVKindStringList list;
  TVFont fonts[3];
  QImage glyph{9, 6, QImage::Format_RGB32};
  QWidget window;                        // the main window
  QWidget *panel = new QWidget(&window); // the panel that holds the viewer in it
  TVMemo *memo = new TVMemo(panel);

  void SetUp() override {
    QFont font("Courier New");
    font.setPixelSize(13);
    memo->setFont(font);
    glyph.fill(Qt::white);
    glyph.setPixel(4, 2, qRgb(255, 0, 0));
    const TColorValue backgrounds[3] = {0xC888FF, 0xFF8800, 0x00FF00};
    for (int k = 0; k < 3; ++k) {
      fonts[k].Font = font;
      memo->AddStyle(&fonts[k], backgrounds[k], &glyph);
    }
    memo->Model().FUpdatedKind = kUpdated;
    memo->SetColor(0xC0C0C0); // grey, so the area below the last line differs from white
    memo->SetSource(&list);
    memo->SetAutoRelayout(false);
    Resize(400, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    memo->clearFocus(); // no caret in the pictures unless a test gives the focus
  }

  void Resize(int width, int height) {
    window.resize(width, height);
    panel->setGeometry(0, 0, width, height);
    memo->setGeometry(0, 0, width, height);
    QApplication::processEvents();
  }

  void Focus() {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    memo->setFocus();
    ASSERT_TRUE(memo->hasFocus());
  }

  void Add(std::int32_t kind, std::string text) {
    list.AddKind(texts.emplace_back(std::move(text)), kind);
  }

  void Layout(bool wrap, bool hex = false, std::int32_t view = 0) {
    memo->SetHexMode(hex);
    memo->SetWrapMode(wrap);
    memo->SetViewFilter(view);
    memo->Relayout();
  }

  std::vector<std::string> LineTexts() const {
    std::vector<std::string> out;
    for (int i = 0; i < memo->Model().LineCount(); ++i)
      out.push_back(memo->Model().GetLineText(i));
    return out;
  }

  // The viewport as the window shows it: painted inside its parents, as on a screen.
  QImage Grab() {
    const QRect area(memo->viewport()->mapTo(&window, QPoint(0, 0)), memo->viewport()->size());
    return window.grab(area).toImage();
  }

  // Characters the wrap layout puts on a line at the current width.
  int WrapWidth() const { return memo->Geometry().WrapWidth(memo->viewport()->width()); }
};

// Pixels compare as 8-bit RGB, the way they are stored.
inline QRgb Pixel(const QImage &image, int x, int y) {
  return image.pixel(x, y) & 0xFFFFFF;
}
inline QRgb Rgb(const QColor &c) {
  return c.rgb() & 0xFFFFFF;
}
