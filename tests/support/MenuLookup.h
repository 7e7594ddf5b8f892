#pragma once
// Finds a menu item by its caption anywhere below a menu, as a user would look for it.
#include <QAction>
#include <QMenu>
#include <QString>

namespace strumly::gui {

inline QAction* itemNamed(QMenu* menu, const QString& caption) {
  for (QAction* a : menu->actions()) {
    if (a->menu()) {
      if (QAction* inner = itemNamed(a->menu(), caption)) return inner;
    } else if (a->text() == caption) {
      return a;
    }
  }
  return nullptr;
}

}  // namespace strumly::gui
