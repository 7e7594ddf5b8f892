#pragma once
// Moving diagrams between pages: the Print page keeps chords and single scale positions in one
// record shape, so chords and scale sets are converted field by field on the way in and out.
// Texts are cut to the width of the target field.
#include "core/pages/DiagramRecords.h"

namespace strumly {

PrintCell chordToCell(const ChordDiagram& chord);
ChordDiagram cellToChord(const PrintCell& cell);

// The caller then stores the beginning fret of the position being sent in the cell's beginFret.
PrintCell scaleToCell(const ScaleDiagram& scale);
// Every position of the set starts at the cell's beginFret.
ScaleDiagram cellToScale(const PrintCell& cell);

}  // namespace strumly
