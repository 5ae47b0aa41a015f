// A status bar of fixed-width panels whose pixel arithmetic is ours: panel edges, the progress
// bar placed over two of them, and the double-click hit test.
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class TStatusPanels : public QWidget {
  Q_OBJECT

public:
  struct Panel {
    int Width; // the last panel takes the rest of the bar
    Qt::Alignment Alignment;
    bool Bevel = true;
    QString Text = {};
  };

  TStatusPanels(std::vector<Panel> panels, QWidget *parent = nullptr);

  void SetText(int panel, const QString &text);
  QString Text(int panel) const { return FPanels.at(static_cast<std::size_t>(panel)).Text; }
  int PanelWidth(int panel) const { return FPanels.at(static_cast<std::size_t>(panel)).Width; }
  // The panel a point at x hits, or -1: edges run from 1, and a point on a border belongs to
  // the panel on its left.
  int PanelAt(int x) const;

  QSize sizeHint() const override;

signals:
  void PanelDoubleClicked(int panel);

protected:
  void paintEvent(QPaintEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  std::vector<Panel> FPanels;
};
