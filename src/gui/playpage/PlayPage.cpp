#include "gui/playpage/PlayPage.h"

#include <QScrollArea>

#include "gui/common/PageCanvas.h"
#include "gui/views/ChordDisplay.h"

namespace strumly::gui {

PlayPage::PlayPage(ChordDisplay& display, QWidget* parent)
    : QWidget(parent), display_(display), scrollPlayPage_(addPageCanvas(this, "scrollPlayPage", QString())) {
  setObjectName("pagePlayPage");
}

void PlayPage::entered() {
  display_.ClearFretboard();
}

}  // namespace strumly::gui
