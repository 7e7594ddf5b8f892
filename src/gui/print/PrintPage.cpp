#include "gui/print/PrintPage.h"

#include "gui/common/PageCanvas.h"

namespace strumly::gui {

PrintPage::PrintPage(QWidget* parent) : QWidget(parent) {
  setObjectName("pagePrint");
  addPageCanvas(this, "scrollPrintPage", QString());
}

}  // namespace strumly::gui
