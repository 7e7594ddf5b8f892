#include "gui/app/WindowFretboardHost.h"

#include <QTabWidget>
#include <QToolButton>

#include "gui/app/BottomPanel.h"
#include "gui/app/MainWindow.h"
#include "gui/common/NoteSpelling.h"
#include "gui/app/ToolPanel.h"
#include "gui/controls/TuningControls.h"
#include "gui/chorddesign/ChordDesignPage.h"

namespace strumly::gui {

bool WindowFretboardHost::isPlayingOrBusy() const {
  return window_.IsPlayingOrBusy();
}

bool WindowFretboardHost::playButtonDown() const {
  return window_.toolPanel()->button("sbtnPlay")->isChecked();
}

bool WindowFretboardHost::chordDesignActive() const {
  return window_.pageControl()->currentIndex() == TfrmMain::pageChordDesign;
}

bool WindowFretboardHost::displayIntervalsDown() const {
  return window_.chordDesignPage()->displayIntervalsButton()->isChecked();
}

Tuning WindowFretboardHost::currentTuning() const {
  return window_.bottomPanel()->tuningControls()->tuning();
}

const NoteNames& WindowFretboardHost::noteNames() const {
  return window_.spelling().names();
}

std::optional<ChordDiagram> WindowFretboardHost::arpeggioChord() const {
  switch (window_.pageControl()->currentIndex()) {
    case TfrmMain::pageChords:
      return window_.pageHolders().chordPageChord;
    case TfrmMain::pageChordDesign:
      // The interval display owns the neck while it is down.
      if (displayIntervalsDown()) return std::nullopt;
      return window_.pageHolders().designChord;
    default:
      return std::nullopt;
  }
}

}  // namespace strumly::gui
