#include "core/pages/RecordConversions.h"

#include <algorithm>

namespace strumly {
namespace {

// The fields every record carries: the empty flag, the three texts (cut to the target's
// capacity) and the tuning.
template <class From, class To>
void copyCommonFields(const From& from, To& to) {
  to.empty = from.empty;
  to.name = from.name.view();
  to.tuningName = from.tuningName.view();
  to.formula = from.formula.view();
  to.tuning = from.tuning;
}

}  // namespace

PrintCell chordToCell(const ChordDiagram& chord) {
  PrintCell cell;
  copyCommonFields(chord, cell);
  cell.isChord = 1;
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
  copyCommonFields(cell, chord);
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
  copyCommonFields(scale, cell);
  cell.isChord = 0;
  cell.intervals = scale.intervals;
  cell.root = scale.root;
  return cell;
}

ScaleDiagram cellToScale(const PrintCell& cell) {
  ScaleDiagram scale;
  copyCommonFields(cell, scale);
  scale.intervals = cell.intervals;
  scale.beginFrets.fill(cell.beginFret);
  scale.root = cell.root;
  return scale;
}

}  // namespace strumly
