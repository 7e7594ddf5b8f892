#pragma once
// The Scales page apart from its pixels: which sets stand on the page, which position is selected
// (the red frame; its set is currentScale, shown on the fretboard) and which one the popup
// commands act on (the target). The sets live in the main window's PageHolders.
#include <optional>

#include "core/pages/PageHolders.h"
#include "core/pages/PageLayout.h"

namespace strumly {

class ScalesPageModel {
 public:
  static constexpr int kSets = PageHolders::kScaleSets;
  static constexpr int kPositions = 6;

  explicit ScalesPageModel(PageHolders& holders) : holders_(holders) {}

  int setCount() const { return holders_.scaleSetCount; }
  bool isFull() const { return setCount() >= kSets; }
  const ScaleDiagram& set(int s) const { return holders_.scalePage[static_cast<std::size_t>(s)]; }
  const ScaleDiagram& currentScale() const { return holders_.currentScale; }

  std::optional<GridCell> selection() const { return selection_; }
  std::optional<GridCell> target() const { return target_; }
  // The beginning fret the neck starts from: that of the selected position, else position 0.
  int shownBeginFret() const;

  // Appends a set; nothing when five stand. The new set's first position becomes the selection
  // and the target, and the set currentScale.
  std::optional<int> addSet(const ScaleDiagram& scale);

  // A press at image pixel (x, y): the cell under it becomes the target; nothing outside the grid.
  std::optional<GridCell> pressTarget(int x, int y);
  bool isUsed(GridCell cell) const { return cell.row >= 0 && cell.row < setCount(); }
  // Makes a position of a used set the selection and its set currentScale; false otherwise.
  bool select(GridCell cell);

  // Where a scale cell carried from the Print page lands when dropped on `pressedSet`: that set
  // when it is used (it is replaced), else the first unused set.
  int dropSet(int pressedSet) const { return pressedSet < setCount() ? pressedSet : setCount(); }
  // Drops the cell as set `set` (see dropSet) with the beginning frets of a new set; the count
  // grows when the set was unused. Its first position becomes the selection and the target.
  void dropCell(const PrintCell& cell, int set);

  // Stores a beginning fret for the target position (and in currentScale when the target set is
  // the selected one). False when there is no target or the fret is the one it has.
  bool setTargetBeginFret(int beginFret);

  // The next position as the foot switch steps: nothing when the page is empty.
  std::optional<GridCell> nextPosition() const;

  // Erase / New: every set and currentScale empty, no sets, no selection or target.
  void erase();
  // After the holder was replaced (page file opened): a selection or target beyond the sets is
  // dropped, and the page selects position 0 of set 0 when it opens with one.
  void reloaded(bool selectFirst);

 private:
  ScaleDiagram& setAt(int s) { return holders_.scalePage[static_cast<std::size_t>(s)]; }
  void becomeNewSet(int s);

  PageHolders& holders_;
  std::optional<GridCell> selection_;
  std::optional<GridCell> target_;
};

}  // namespace strumly
