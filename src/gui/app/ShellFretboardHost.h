#pragma once
// What the fretboard asks of the rest of the program, answered from the transport, the page
// list, the tuning controls and the current spelling.
#include "gui/views/Fretboard.h"

namespace strumly::gui {

class ChordDesignPage;
class NoteSpelling;
class PageList;
class Transport;
class TuningControls;

class ShellFretboardHost : public FretboardHost {
 public:
  ShellFretboardHost(const Transport& transport, const PageList& pages, const TuningControls& tuning,
                     const NoteSpelling& spelling, const ChordDesignPage& designPage)
      : transport_(transport), pages_(pages), tuning_(tuning), spelling_(spelling), designPage_(designPage) {}

  bool isPlayingOrBusy() const override;
  bool playButtonDown() const override;
  bool chordDesignActive() const override;
  bool displayIntervalsDown() const override;
  Tuning currentTuning() const override;
  const NoteNames& noteNames() const override;
  std::optional<ChordDiagram> arpeggioChord() const override;

 private:
  const Transport& transport_;
  const PageList& pages_;
  const TuningControls& tuning_;
  const NoteSpelling& spelling_;
  const ChordDesignPage& designPage_;
};

}  // namespace strumly::gui
