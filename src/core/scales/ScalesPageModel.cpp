#include "core/scales/ScalesPageModel.h"

#include "core/pages/RecordConversions.h"
#include "core/scales/ScalePositions.h"

namespace strumly {

int ScalesPageModel::shownBeginFret() const {
  const int position = selection_ ? selection_->column : 0;
  return holders_.currentScale.beginFrets[static_cast<std::size_t>(position)];
}

std::optional<int> ScalesPageModel::addSet(const ScaleDiagram& scale) {
  if (isFull()) return std::nullopt;
  const int s = setCount();
  setAt(s) = scale;
  setAt(s).empty = 0;
  holders_.scaleSetCount = s + 1;
  becomeNewSet(s);
  return s;
}

void ScalesPageModel::becomeNewSet(int s) {
  selection_ = GridCell{0, s};
  target_ = GridCell{0, s};
  holders_.currentScale = set(s);
}

std::optional<GridCell> ScalesPageModel::pressTarget(int x, int y) {
  const std::optional<GridCell> cell = pageHitTest(DiagramPage::Scales, x, y);
  if (cell) target_ = cell;
  return cell;
}

bool ScalesPageModel::select(GridCell cell) {
  if (cell.row < 0 || cell.row >= setCount() || cell.column < 0 || cell.column >= kPositions) return false;
  selection_ = cell;
  holders_.currentScale = set(cell.row);
  return true;
}

void ScalesPageModel::dropCell(const PrintCell& cell, int s) {
  s = dropSet(s);
  if (s >= kSets) return;
  const bool wasUnused = s >= setCount();
  ScaleDiagram scale = cellToScale(cell);
  scale.empty = 0;
  scale.beginFrets = kNewSetBeginFrets;
  setAt(s) = scale;
  if (wasUnused) holders_.scaleSetCount = s + 1;
  becomeNewSet(s);
}

bool ScalesPageModel::setTargetBeginFret(int beginFret) {
  if (!target_ || target_->row >= setCount()) return false;
  auto& fret = setAt(target_->row).beginFrets[static_cast<std::size_t>(target_->column)];
  if (fret == beginFret) return false;
  fret = static_cast<std::uint8_t>(beginFret);
  if (selection_ && selection_->row == target_->row) holders_.currentScale = set(target_->row);
  return true;
}

std::optional<GridCell> ScalesPageModel::nextPosition() const {
  if (setCount() == 0) return std::nullopt;
  return nextSetDiagram(selection_.value_or(GridCell{-1, 0}), setCount());
}

void ScalesPageModel::erase() {
  holders_.clearScalePage();
  holders_.scaleSetCount = 0;
  holders_.currentScale = ScaleDiagram{};
  selection_.reset();
  target_.reset();
}

void ScalesPageModel::reloaded(bool selectFirst) {
  selection_.reset();
  target_.reset();
  if (selectFirst && setCount() > 0) {
    selection_ = GridCell{0, 0};
    target_ = GridCell{0, 0};
  }
}

}  // namespace strumly
