#include "gui/scales/ScalesPage.h"

#include "gui/common/PageCanvas.h"

namespace strumly::gui {

ScalesPage::ScalesPage(QWidget* parent) : QWidget(parent) {
  setObjectName("pageScales");
  addPageCanvas(this, "scrollScales", QString());
}

}  // namespace strumly::gui
