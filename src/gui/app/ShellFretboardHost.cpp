#include "gui/app/ShellFretboardHost.h"

#include <QToolButton>

#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/Page.h"
#include "gui/common/PageList.h"
#include "gui/controls/TuningControls.h"
#include "gui/playback/Transport.h"

namespace strumly::gui {

bool ShellFretboardHost::isPlayingOrBusy() const {
  return transport_.IsPlayingOrBusy();
}

bool ShellFretboardHost::playButtonDown() const {
  return transport_.playing();
}

bool ShellFretboardHost::chordDesignActive() const {
  return pages_.isActive(PageId::ChordDesign);
}

bool ShellFretboardHost::displayIntervalsDown() const {
  return designPage_.displayIntervalsButton()->isChecked();
}

Tuning ShellFretboardHost::currentTuning() const {
  return tuning_.tuning();
}

const NoteNames& ShellFretboardHost::noteNames() const {
  return spelling_.names();
}

std::optional<ChordDiagram> ShellFretboardHost::arpeggioChord() const {
  const Page* page = pages_.current();
  return page ? page->arpeggioChord() : std::nullopt;
}

}  // namespace strumly::gui
