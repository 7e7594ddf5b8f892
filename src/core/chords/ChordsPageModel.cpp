#include "core/chords/ChordsPageModel.h"

#include "core/chords/ChordName.h"

namespace strumly {

std::optional<ChordDiagram> ChordsPageModel::targetDiagram() const {
  if (!target_ || target_->row >= setCount()) return std::nullopt;
  const ChordDiagram& chord = diagram(*target_);
  if (chord.isEmpty()) return std::nullopt;
  return chord;
}

std::optional<int> ChordsPageModel::addSet(const Voicings& voicings) {
  if (isFull()) return std::nullopt;
  int set = setCount();
  for (int d = 0; d < kDiagrams; ++d) {
    ChordDiagram& slot = holders_.chordAt(d, set);
    slot = voicings[static_cast<std::size_t>(d)];
    updatePitches(slot);
  }
  holders_.chordSetCount = set + 1;
  selection_ = GridCell{0, set};
  target_ = GridCell{0, set};
  holders_.chordPageChord = holders_.chordAt(0, set);
  return set;
}

ChordsPagePress ChordsPageModel::press(int x, int y, PressButton button) {
  ChordsPagePress result;
  std::optional<GridCell> cell = pageHitTest(DiagramPage::Chords, x, y);
  if (!cell) return result;
  target_ = cell;
  if (cell->row >= setCount()) return result;
  result.armPopup = true;
  if (button == PressButton::Right || selection_ == cell) return result;
  ChordsPagePress moved = select(*cell);
  moved.armPopup = true;
  return moved;
}

ChordsPagePress ChordsPageModel::select(GridCell cell) {
  ChordsPagePress result;
  if (cell.row < 0 || cell.row >= setCount() || cell.column < 0 || cell.column >= kDiagrams) return result;
  result.previousSelection = selection_;
  result.newSelection = cell;
  selection_ = cell;
  holders_.chordPageChord = diagram(cell);
  return result;
}

std::optional<GridCell> ChordsPageModel::nextDiagram() const {
  if (setCount() == 0) return std::nullopt;
  return nextSetDiagram(selection_.value_or(GridCell{-1, 0}), setCount());
}

void ChordsPageModel::erase() {
  holders_.clearChordPage();
  holders_.chordSetCount = 0;
  holders_.chordPageChord = ChordDiagram{};
  selection_.reset();
  target_.reset();
}

void ChordsPageModel::recount() {
  int count = 0;
  while (count < kSets) {
    bool complete = true;
    for (int d = 0; d < kDiagrams; ++d) complete = complete && !holders_.chordAt(d, count).isEmpty();
    if (!complete) break;
    ++count;
  }
  holders_.chordSetCount = count;
  if (selection_ && selection_->row >= count) selection_.reset();
  if (target_ && target_->row >= count) target_.reset();
}

void ChordsPageModel::opened() {
  selection_.reset();
  target_.reset();
  recount();
  holders_.chordPageChord = ChordDiagram{};
  if (setCount() == 0) return;
  select(GridCell{0, 0});
  target_ = GridCell{0, 0};
}

std::string ChordsPageModel::redrawHeading(int set, const NoteNames& names) const {
  const ChordDiagram& first = holders_.chordAt(0, set);
  return chordSetHeading(names.name(first.root), trimRight(first.name.view()), first.intervals, first.root,
                         first.formula.view(), names);
}

}  // namespace strumly
