#include "gui/common/Page.h"

#include <QWidget>

#include "gui/common/Resources.h"

namespace strumly::gui {

void Page::startPlacement() {
  if (QWidget* image = placementImage()) image->setCursor(cursor("CURFRET"));
}

void Page::dropPlacement() {
  if (QWidget* image = placementImage()) image->unsetCursor();
}

}  // namespace strumly::gui
