#pragma once
// What the pages that show chords ask of the fretboard: show a chord (or nothing), the hand the
// diagrams are drawn for, the arpeggio and the hover read-outs. The fretboard answers it; a test
// answers it with a recorder.
#include "core/pages/DiagramRecords.h"

namespace strumly::gui {

class ChordDisplay {
 public:
  virtual ~ChordDisplay() = default;
  virtual void RedrawFretboard(const ChordDiagram& chord) = 0;
  virtual void ClearFretboard() = 0;
  virtual bool leftHanded() const = 0;
  // Presses Show Arpeggio and shows the active page's chord as an arpeggio.
  virtual void showArpeggio() = 0;
  // The note and interval under the mouse are named only while it is over the neck.
  virtual void clearPointerReadOuts() = 0;
};

}  // namespace strumly::gui
