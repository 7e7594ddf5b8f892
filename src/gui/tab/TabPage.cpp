#include "gui/tab/TabPage.h"

#include <QScrollArea>

#include "gui/common/PageCanvas.h"
#include "gui/controls/TuningControls.h"

namespace strumly::gui {

TabPage::TabPage(TuningControls& tuningControls, QWidget* parent)
    : QWidget(parent),
      tuningControls_(tuningControls),
      scrollTabPage_(addPageCanvas(this, "scrollTabPage", QString())) {
  setObjectName("pageTablature");
}

void TabPage::entered() {
  tuningControls_.showTuning(tuning(), tuningName());
}

}  // namespace strumly::gui
