#pragma once
// What the pages that show scales ask of the fretboard: ShowScale puts a scale set on the neck,
// the keyboard, the read-outs, the tuning controls and the LED guitar. The fretboard answers it;
// a test answers it with a recorder.
#include "core/pages/DiagramRecords.h"

namespace strumly::gui {

class ScaleDisplay {
 public:
  virtual ~ScaleDisplay() = default;
  // The neck shows the frets of the position beginning at `beginFret` with `span` frets (4..6),
  // or the whole neck while Display Full Fretboard is down. An empty set clears the fretboard and
  // puts the tuning controls back to standard tuning.
  virtual void ShowScale(const ScaleDiagram& scale, int beginFret, int span) = 0;
};

}  // namespace strumly::gui
