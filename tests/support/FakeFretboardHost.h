#pragma once
// A fretboard host whose answers a test or benchmark sets by hand.
#include <optional>

#include "core/pages/DiagramRecords.h"
#include "core/theory/Pitch.h"
#include "gui/views/Fretboard.h"

namespace strumly::gui {

class FakeFretboardHost : public FretboardHost {
 public:
  bool busy = false;
  bool playing = false;
  bool design = false;
  bool intervalsDown = false;
  Tuning tuning;
  NoteNames names;
  std::optional<ChordDiagram> arpeggio;

  bool isPlayingOrBusy() const override { return busy; }
  bool playButtonDown() const override { return playing; }
  bool chordDesignActive() const override { return design; }
  bool displayIntervalsDown() const override { return intervalsDown; }
  Tuning currentTuning() const override { return tuning; }
  const NoteNames& noteNames() const override { return names; }
  std::optional<ChordDiagram> arpeggioChord() const override { return arpeggio; }
};

}  // namespace strumly::gui
