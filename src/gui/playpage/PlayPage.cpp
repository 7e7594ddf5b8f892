#include "gui/playpage/PlayPage.h"

#include "gui/common/PageCanvas.h"

namespace strumly::gui {

PlayPage::PlayPage(QWidget* parent) : QWidget(parent) {
  setObjectName("pagePlayPage");
  addPageCanvas(this, "scrollPlayPage", QString());
}

}  // namespace strumly::gui
