#include "gui/print/PrintPage.h"

#include <QScrollArea>

#include "core/pages/PageHolders.h"
#include "core/pages/RecordConversions.h"
#include "gui/common/PageCanvas.h"
#include "gui/views/ChordDisplay.h"

namespace strumly::gui {

PrintPage::PrintPage(const PageHolders& holders, ChordDisplay& display, QWidget* parent)
    : QWidget(parent),
      holders_(holders),
      display_(display),
      scrollPrintPage_(addPageCanvas(this, "scrollPrintPage", QString())) {
  setObjectName("pagePrint");
}

void PrintPage::entered() {
  const PrintCell& cell = holders_.printPageCell;
  if (cell.isEmpty())
    display_.ClearFretboard();
  else if (cell.isChord)
    display_.RedrawFretboard(cellToChord(cell));
}

}  // namespace strumly::gui
