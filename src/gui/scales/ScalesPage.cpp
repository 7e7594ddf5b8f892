#include "gui/scales/ScalesPage.h"

#include <QScrollArea>

#include "gui/common/PageCanvas.h"

namespace strumly::gui {

ScalesPage::ScalesPage(QWidget* parent)
    : QWidget(parent), scrollScales_(addPageCanvas(this, "scrollScales", QString())) {
  setObjectName("pageScales");
}

}  // namespace strumly::gui
