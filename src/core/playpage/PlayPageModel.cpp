#include "core/playpage/PlayPageModel.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "core/playpage/PlayPageLayout.h"

namespace strumly {

const char* questionText(PlayQuestion question) {
  switch (question) {
    case PlayQuestion::ReplaceDiagram:
      return "Do you want to replace this diagram?";
    case PlayQuestion::ReplaceMeasure:
      return "Do you want to replace this measure?";
    case PlayQuestion::DeleteDiagram:
      return "Do you want to delete this diagram?";
    case PlayQuestion::DeleteMeasure:
      return "Do you want to delete this measure?";
  }
  return "";
}

int measureOfSlot(TimeSignature signature, SlotPos slot) {
  const int c = slot.column;
  const int r = slot.row;
  if (signature == TimeSignature::ThreeFour) return c <= 5 ? 2 * r + 1 : 2 * r + 2;
  const bool odd = r % 2 == 1;
  const int k = (odd && c > 3) || (!odd && c > 7) ? 2 : 1;
  return (3 * r) / 2 + k;
}

PlayPageModel::PlayPageModel() {
  erase();
}

bool PlayPageModel::measureHasChord(int measure) const {
  const int n = slotsPerMeasure();
  for (int s = measure * n; s < (measure + 1) * n; ++s) {
    if (!slots_[static_cast<std::size_t>(s)].isEmpty()) return true;
  }
  return false;
}

void PlayPageModel::setTimeSignature(TimeSignature signature) {
  signature_ = signature;
  playStart_ = {};
  loadWorkingMarkers();
}

void PlayPageModel::erase() {
  for (ChordDiagram& chord : slots_) chord.empty = 1;
  undoSlots_ = slots_;
  undoAvailable_ = false;
  saved34_ = RepeatMarkers::defaults(TimeSignature::ThreeFour);
  saved44_ = RepeatMarkers::defaults(TimeSignature::FourFour);
  loadWorkingMarkers();
  playStart_ = {};
  cancelPlacement();
  heldMeasure_ = 0;
  clickedSlot_ = {};
  modified_ = false;
  undoMarkers_.reset();
}

void PlayPageModel::eraseUndoably() {
  const PlaySlots before = slots_;
  const std::pair<RepeatMarkers, RepeatMarkers> markers{saved34_, saved44_};
  erase();
  if (std::none_of(before.begin(), before.end(), [](const ChordDiagram& c) { return !c.isEmpty(); })) return;
  undoSlots_ = before;
  undoAvailable_ = true;
  undoMarkers_ = markers;
}

RepeatMarkers& PlayPageModel::savedMarkers(TimeSignature signature) {
  return signature == TimeSignature::ThreeFour ? saved34_ : saved44_;
}

const RepeatMarkers& PlayPageModel::savedMarkers(TimeSignature signature) const {
  return signature == TimeSignature::ThreeFour ? saved34_ : saved44_;
}

void PlayPageModel::loadWorkingMarkers() {
  working_ = savedMarkers(signature_);
}

void PlayPageModel::storeWorkingMarkers() {
  savedMarkers(signature_) = working_;
}

std::optional<SlotPos> PlayPageModel::doubleClick() {
  if (placement_ != PlacementCursor::None) return std::nullopt;
  const std::optional<int> column = playStartColumn(signature_, clickedSlot_);
  if (!column) return std::nullopt;
  playStart_ = {*column, clickedSlot_.row};
  return playStart_;
}

void PlayPageModel::takeUndoSnapshot() {
  undoSlots_ = slots_;
  undoAvailable_ = true;
  undoMarkers_.reset();
}

bool PlayPageModel::undo() {
  if (!undoAvailable_) return false;
  slots_ = undoSlots_;
  undoAvailable_ = false;
  if (undoMarkers_) {
    std::tie(saved34_, saved44_) = *undoMarkers_;
    undoMarkers_.reset();
    loadWorkingMarkers();
  }
  return true;
}

bool PlayPageModel::press(SlotPos pos) {
  clickedSlot_ = pos;
  return isFilled(pos);
}

PlayPopupItems PlayPageModel::popupItems() const {
  const bool filled = isFilled(clickedSlot_);
  return {filled, filled, filled, filled, filled, filled};
}

void PlayPageModel::cancelPlacement() {
  placement_ = PlacementCursor::None;
  chordCutPending_ = false;
  measureCutPending_ = false;
}

std::optional<PlayQuestion> PlayPageModel::placeHeld(SlotPos pos, const ChordDiagram& held, bool rightButton,
                                                     PlaceKeys keys) {
  if (placement_ == PlacementCursor::None) return std::nullopt;
  // A measure on the cursor needs no held chord: only a chord cursor with nothing held cancels.
  const bool nothingHeld = held.isEmpty() && placement_ != PlacementCursor::MoveMeasure;
  if (nothingHeld || rightButton) {
    cancelPlacement();
    return std::nullopt;
  }
  if (!keys.alt) {
    if (placement_ == PlacementCursor::MoveMeasure) {
      if (measureHasChord(measureOfSlot(pos) - 1)) return PlayQuestion::ReplaceMeasure;
    } else if (isFilled(pos)) {
      return PlayQuestion::ReplaceDiagram;
    }
  }
  placeHeldConfirmed(pos, held, keys);
  return std::nullopt;
}

void PlayPageModel::placeHeldConfirmed(SlotPos pos, const ChordDiagram& held, PlaceKeys keys) {
  switch (placement_) {
    case PlacementCursor::None:
      return;
    case PlacementCursor::MoveMeasure:
      placeMeasure(MeasureFill::CopyOfSource, keys.alt ? MeasureMode::Insert : MeasureMode::Replace,
                   heldMeasure_, measureOfSlot(pos) - 1);
      break;
    case PlacementCursor::FromOtherPage:
    case PlacementCursor::MoveChord:
      if (keys.alt) {
        insertIntoMeasure(pos, held);
      } else {
        // Cut and Copy and Move Chord took their snapshot when the chord was picked up.
        if (placement_ == PlacementCursor::FromOtherPage) takeUndoSnapshot();
        slots_[index(pos)] = held;
      }
      break;
  }
  finishPlacement(keys);
}

void PlayPageModel::finishPlacement(PlaceKeys keys) {
  modified_ = true;
  chordCutPending_ = false;
  measureCutPending_ = false;
  if (!keys.ctrl) placement_ = PlacementCursor::None;
}

std::optional<PlayQuestion> PlayPageModel::dropDragged(SlotPos target, ChordDiagram& heldChord,
                                                       PlaceKeys keys) {
  if (!isFilled(clickedSlot_)) return std::nullopt;
  if (!keys.alt && isFilled(target)) return PlayQuestion::ReplaceDiagram;
  dropDraggedConfirmed(target, heldChord, keys);
  return std::nullopt;
}

void PlayPageModel::dropDraggedConfirmed(SlotPos target, ChordDiagram& heldChord, PlaceKeys keys) {
  if (!isFilled(clickedSlot_)) return;
  heldChord = slot(clickedSlot_);
  if (keys.alt) {
    insertIntoMeasure(target, heldChord);
  } else {
    takeUndoSnapshot();
    slots_[index(target)] = heldChord;
  }
  if (keys.ctrl) placement_ = PlacementCursor::MoveChord;
  modified_ = true;
}

void PlayPageModel::insertSpace() {
  insertSpaceIntoMeasure(clickedSlot_);
  modified_ = true;
}

std::optional<PlayQuestion> PlayPageModel::deleteChord() {
  if (isFilled(clickedSlot_)) return PlayQuestion::DeleteDiagram;
  deleteChordConfirmed();
  return std::nullopt;
}

void PlayPageModel::deleteChordConfirmed() {
  takeUndoSnapshot();
  slots_[index(clickedSlot_)].empty = 1;
  modified_ = true;
}

ChordDiagram PlayPageModel::cutMoveChord() {
  takeUndoSnapshot();
  chordCutPending_ = true;
  const ChordDiagram held = slot(clickedSlot_);
  placement_ = PlacementCursor::MoveChord;
  slots_[index(clickedSlot_)].empty = 1;
  modified_ = true;
  return held;
}

ChordDiagram PlayPageModel::copyMoveChord() {
  takeUndoSnapshot();
  placement_ = PlacementCursor::MoveChord;
  return slot(clickedSlot_);
}

void PlayPageModel::insertMeasure() {
  placeMeasure(MeasureFill::Blank, MeasureMode::Insert, 0, measureOfSlot(clickedSlot_) - 1);
  modified_ = true;
}

std::optional<PlayQuestion> PlayPageModel::deleteMeasure() {
  takeUndoSnapshot();
  if (measureHasChord(measureOfSlot(clickedSlot_) - 1)) return PlayQuestion::DeleteMeasure;
  deleteMeasureConfirmed();
  return std::nullopt;
}

void PlayPageModel::deleteMeasureConfirmed() {
  blankMeasure(measureOfSlot(clickedSlot_) - 1);
  modified_ = true;
}

void PlayPageModel::cutMoveMeasure() {
  copyMoveMeasure();
  // The snapshot keeps the measure that placeMeasure copies from.
  measureCutPending_ = true;
  takeUndoSnapshot();
  blankMeasure(heldMeasure_);
  modified_ = true;
}

void PlayPageModel::copyMoveMeasure() {
  heldMeasure_ = measureOfSlot(clickedSlot_) - 1;
  placement_ = PlacementCursor::MoveMeasure;
}

void PlayPageModel::blankMeasure(int measure) {
  const int n = slotsPerMeasure();
  for (int s = measure * n; s < (measure + 1) * n; ++s) slots_[static_cast<std::size_t>(s)].empty = 1;
}

void PlayPageModel::insertIntoMeasure(SlotPos pos, const ChordDiagram& chord) {
  insertIntoMeasure(pos, &chord);
}

void PlayPageModel::insertSpaceIntoMeasure(SlotPos pos) {
  insertIntoMeasure(pos, nullptr);
}

void PlayPageModel::insertIntoMeasure(SlotPos pos, const ChordDiagram* chord) {
  if (!chordCutPending_) takeUndoSnapshot();
  chordCutPending_ = false;
  const int n = slotsPerMeasure();
  const int s = pos.index();
  const int after = n - 1 - s % n;
  for (int i = s + after - 1; i >= s; --i) {
    slots_[static_cast<std::size_t>(i + 1)] = slots_[static_cast<std::size_t>(i)];
  }
  if (chord) {
    slots_[index(pos)] = *chord;
  } else {
    slots_[index(pos)].empty = 1;
  }
}

void PlayPageModel::placeMeasure(MeasureFill fill, MeasureMode mode, int source, int target) {
  if (!measureCutPending_) takeUndoSnapshot();
  measureCutPending_ = false;
  const int n = slotsPerMeasure();
  std::vector<ChordDiagram> records(static_cast<std::size_t>(n));
  if (fill == MeasureFill::CopyOfSource) {
    for (int i = 0; i < n; ++i) {
      records[static_cast<std::size_t>(i)] = undoSlots_[static_cast<std::size_t>(source * n + i)];
    }
  }
  if (mode == MeasureMode::Insert && target != measureCount(signature_) - 1) {
    for (int s = kPlaySlotCount - 1; s >= (target + 1) * n; --s) {
      slots_[static_cast<std::size_t>(s)] = slots_[static_cast<std::size_t>(s - n)];
    }
  }
  for (int i = 0; i < n; ++i) {
    slots_[static_cast<std::size_t>(target * n + i)] = records[static_cast<std::size_t>(i)];
  }
}

std::optional<SlotPos> PlayPageModel::firstFilledSlotColumnMajor() const {
  for (int column = 0; column < kPlayColumns; ++column) {
    for (int row = 0; row < kPlayRows; ++row) {
      if (isFilled({column, row})) return SlotPos{column, row};
    }
  }
  return std::nullopt;
}

}  // namespace strumly
