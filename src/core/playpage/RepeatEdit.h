#pragma once
// The rules of the repeat-marker dialog for one measure: what it shows when it opens and how its
// OK writes the markers back. The dialog only carries the ticks and the typed count.
#include <string>
#include <string_view>

#include "core/playpage/PlayPageData.h"

namespace strumly {

// The state of the dialog's controls for one measure.
struct RepeatChoice {
  bool returnHere = false;  // a repeated section starts at this measure
  bool repeatHere = false;  // a repeated section ends at this measure
  std::string countText;    // the repeat count as typed; empty when there is no end repeat
  bool loopHere = false;    // Loop Play returns to measure 1 after this measure
  bool operator==(const RepeatChoice&) const = default;
};

// What the dialog shows for measure (0-based). loopHere doubles as the record that the loop
// marker sat on this measure when the dialog opened.
RepeatChoice repeatChoiceAt(const RepeatMarkers& markers, int measure);

// The typed count as stored: empty or not a number → 1, at most 0 → 1, above 255 → 255.
int repeatCountFromText(std::string_view text);

// Writes the choice for measure (0-based) into markers. loopWasHere is repeatChoiceAt(...).loopHere
// of the markers the dialog opened with. The first measure always keeps its start marker, and a
// song has one loop marker: unticking it where it was sends it back to the last measure.
void applyRepeatChoice(RepeatMarkers& markers, int measure, TimeSignature signature,
                       const RepeatChoice& choice, bool loopWasHere);

}  // namespace strumly
