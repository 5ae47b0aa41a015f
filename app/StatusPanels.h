// A status bar of fixed-width panels whose pixel arithmetic is ours: panel edges, the progress
// bar placed over two of them, the double-click hit test and a tool tip per panel. A panel with
// nothing to show may take no room at all.
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
    QString ToolTip = {};
    bool Shown = true;
  };

  TStatusPanels(std::vector<Panel> panels, QWidget *parent = nullptr);

  void SetText(int panel, const QString &text);
  void SetToolTip(int panel, const QString &text);
  QString ToolTip(int panel) const { return FPanels.at(static_cast<std::size_t>(panel)).ToolTip; }
  // A panel not shown takes no room; the panels after it move up.
  void SetShown(int panel, bool shown);
  QString Text(int panel) const { return FPanels.at(static_cast<std::size_t>(panel)).Text; }
  int PanelWidth(int panel) const { return FPanels.at(static_cast<std::size_t>(panel)).Width; }
  // The panel a point at x hits, or -1: edges run from 1, and a point on a border belongs to
  // the panel on its left.
  int PanelAt(int x) const;

  QSize sizeHint() const override;

signals:
  void PanelDoubleClicked(int panel);

protected:
  bool event(QEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  // The width a panel takes: none when it is not shown, the rest of the bar for the last one.
  int TakenWidth(std::size_t i, int left) const;

  std::vector<Panel> FPanels;
};
