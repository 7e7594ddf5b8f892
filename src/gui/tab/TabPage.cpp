#include "gui/tab/TabPage.h"

#include "gui/app/PageCanvas.h"

namespace strumly::gui {

TabPage::TabPage(QWidget* parent) : QWidget(parent) {
  setObjectName("pageTablature");
  addPageCanvas(this, "scrollTabPage", QString());
}

void TabPage::takeOverTuning(const Tuning& tuning, const QString& tuningName) {
  tuning_ = tuning;
  tuningName_ = tuningName.left(static_cast<int>(kTuningNameCapacity));
}

}  // namespace strumly::gui
