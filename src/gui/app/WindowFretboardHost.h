#pragma once
// What the fretboard asks of the main window, answered from the window's parts: the tool panel's
// toggles, the active page, the tuning controls and the current spelling.
#include "gui/views/Fretboard.h"

namespace strumly::gui {

class TfrmMain;

class WindowFretboardHost : public FretboardHost {
 public:
  explicit WindowFretboardHost(TfrmMain& window) : window_(window) {}

  bool isPlayingOrBusy() const override;
  bool playButtonDown() const override;
  bool chordDesignActive() const override;
  bool displayIntervalsDown() const override;
  Tuning currentTuning() const override;
  const NoteNames& noteNames() const override;
  std::optional<ChordDiagram> arpeggioChord() const override;

 private:
  TfrmMain& window_;
};

}  // namespace strumly::gui
