#include "core/chords/RecordConversions.h"

#include <algorithm>

namespace strumly {

PrintCell chordToCell(const ChordDiagram& chord) {
  PrintCell cell;
  cell.empty = chord.empty;
  cell.isChord = 1;
  cell.name = chord.name.view();
  cell.tuningName = chord.tuningName.view();
  cell.formula = chord.formula.view();
  cell.tuning = chord.tuning;
  cell.strings = chord.strings;
  cell.intervals.fill(kUnusedInterval);
  std::copy(chord.intervals.begin(), chord.intervals.end(), cell.intervals.begin());
  cell.pitches = chord.pitches;
  cell.beginFret = chord.beginFret;
  cell.root = chord.root;
  cell.bass = chord.bass;
  return cell;
}

ChordDiagram cellToChord(const PrintCell& cell) {
  ChordDiagram chord;
  chord.empty = cell.empty;
  chord.name = cell.name.view();
  chord.tuningName = cell.tuningName.view();
  chord.formula = cell.formula.view();
  chord.tuning = cell.tuning;
  chord.strings = cell.strings;
  std::copy_n(cell.intervals.begin(), chord.intervals.size(), chord.intervals.begin());
  chord.pitches = cell.pitches;
  chord.beginFret = cell.beginFret;
  chord.root = cell.root;
  chord.bass = cell.bass;
  return chord;
}

PrintCell scaleToCell(const ScaleDiagram& scale) {
  PrintCell cell;
  cell.empty = scale.empty;
  cell.isChord = 0;
  cell.name = scale.name.view();
  cell.tuningName = scale.tuningName.view();
  cell.formula = scale.formula.view();
  cell.tuning = scale.tuning;
  cell.intervals = scale.intervals;
  cell.root = scale.root;
  return cell;
}

ScaleDiagram cellToScale(const PrintCell& cell) {
  ScaleDiagram scale;
  scale.empty = cell.empty;
  scale.name = cell.name.view();
  scale.tuningName = cell.tuningName.view();
  scale.formula = cell.formula.view();
  scale.tuning = cell.tuning;
  scale.intervals = cell.intervals;
  scale.beginFrets.fill(cell.beginFret);
  scale.root = cell.root;
  return scale;
}

}  // namespace strumly
