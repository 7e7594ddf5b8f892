#include "gui/tab/TabPage.h"

#include "gui/common/PageCanvas.h"

namespace strumly::gui {

TabPage::TabPage(QWidget* parent) : QWidget(parent) {
  setObjectName("pageTablature");
  addPageCanvas(this, "scrollTabPage", QString());
}

}  // namespace strumly::gui
