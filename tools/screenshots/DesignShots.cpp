// chord-design-search.png  the Chord Design page after C E G was fingered on the neck and searched
//                          for: the list names every chord type holding those notes, and the
//                          group holds the six C maj7 voicings dragged in from the list
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "ShotKit.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/ChordSearchPanel.h"
#include "gui/chorddesign/DesignGroupView.h"
#include "gui/common/PageList.h"
#include "gui/controls/TuningControls.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

static RegisterShots reg("45-design", [](ShotContext& c) {
  ChordDesignPage& page = c.parts.chordDesignPage();
  c.parts.pages().activate(PageId::ChordDesign);
  if (page.displayIntervalsButton()->isChecked()) page.displayIntervalsButton()->click();
  // C major in the open position, the low E string silent; a right press on the C names the root.
  TuningControls* tuning = c.parts.bottomPanel().tuningControls();
  const std::optional<int> frets[6] = {0, 1, 0, 2, 3, std::nullopt};
  for (int string = 0; string < 6; ++string)
    page.fretEdited(tuning->tuning(), tuning->tuningName(), string, frets[string]);
  press(c.parts.bottomPanel().fretboard(), neckPoint(4, 3), Qt::RightButton);
  ChordSearchPanel* search = page.searchPanel();
  search->setIntervalOption(IntervalOption::Containing);
  search->btnSearchClick();
  QListWidget* list = search->list();
  const QList<QListWidgetItem*> rows = list->findItems("C maj7\t", Qt::MatchStartsWith);
  if (rows.isEmpty()) return false;
  list->setCurrentItem(rows.first());
  page.groupView()->imgChordDesignDragDrop(DesignGroupView::DragSource::SearchList, 0);
  settle();
  return save(c.parts.mainWindow(), c.out + "chord-design-search.png");
});
