#include "gui/scales/ScalesPage.h"

#include "gui/app/PageCanvas.h"

namespace strumly::gui {

ScalesPage::ScalesPage(QWidget* parent) : QWidget(parent) {
  setObjectName("pageScales");
  addPageCanvas(this, "scrollScales", QString());
}

void ScalesPage::takeOverTuning(const Tuning& tuning, const QString& tuningName) {
  tuning_ = tuning;
  tuningName_ = tuningName.left(static_cast<int>(kTuningNameCapacity));
}

}  // namespace strumly::gui
