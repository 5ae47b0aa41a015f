#include "GreyedItems.h"

#include <QAction>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

constexpr char kGreyed[] = "dorixGreyed";

class TGreyedItemStyle : public QProxyStyle {
public:
  void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                   const QWidget *widget) const override {
    const auto *menu = qobject_cast<const QMenu *>(widget);
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element == CE_MenuItem && menu && item)
      for (QAction *action : menu->actions())
        if (IsGreyed(*action) && menu->actionGeometry(action) == option->rect) {
          QStyleOptionMenuItem greyed(*item);
          greyed.state &= ~State_Enabled;
          greyed.palette.setCurrentColorGroup(QPalette::Disabled);
          QProxyStyle::drawControl(element, &greyed, painter, widget);
          return;
        }
    QProxyStyle::drawControl(element, option, painter, widget);
  }
};

} // namespace

void DrawGreyedItems(QMenu &menu) {
  auto *style = new TGreyedItemStyle; // over a style of the application's kind
  style->setParent(&menu);            // goes with the menu
  menu.setStyle(style);
}

void MarkGreyed(QAction &item, bool greyed) {
  item.setProperty(kGreyed, greyed);
}

bool IsGreyed(const QAction &item) {
  return item.property(kGreyed).toBool();
}
