#pragma once
// The Print page's rules: 6 x 5 cells of chords and scale positions, the press that selects,
// arms the popup or drops a carried cell, Move, Delete and what the popup offers. The cells are
// the holders' print page; the page draws what the answers say.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/pages/PageHolders.h"
#include "core/pages/PageLayout.h"
#include "core/theory/Pitch.h"

namespace strumly {

enum class PrintCarry {
  None,
  Sent,    // a cell sent from another page ("CURFRET")
  Moving,  // a cell picked up by Move ("CURMOVE")
};

struct PrintPress {
  enum class Outcome {
    Ignored,          // outside the grid or nothing to do
    PlacementEnded,   // the carried cell was let go without a drop
    AskReplace,       // the target is used: drop() runs when the user agrees
    ArmPopup,         // a used cell under a right press: the popup opens
    Selected,         // a left press moved the selection
    AlreadySelected,  // a left press on the selected cell
  };
  Outcome outcome = Outcome::Ignored;
  std::optional<GridCell> target;
};

struct PrintPopupItems {
  bool sendToDesign = false;
  bool sendToPlay = false;
  bool sendToScale = false;
};

class PrintPageModel {
 public:
  explicit PrintPageModel(PageHolders& holders) : holders_(holders) {}

  const PrintCell& cell(GridCell at) const { return holders_.cellAt(at.column, at.row); }
  bool isUsed(GridCell at) const { return !cell(at).isEmpty(); }
  bool anyUsed() const { return holders_.usedPrintCells() > 0; }
  std::optional<GridCell> selection() const { return selection_; }
  std::optional<GridCell> target() const { return target_; }
  PrintCarry carry() const { return carry_; }

  // A cell arrived in heldCell from another page.
  void startPlacement() { carry_ = PrintCarry::Sent; }
  // Leaving the page lets a carried cell go; a moved cell goes back where it came from.
  void cancelPlacement();

  // A press at image pixel (x, y). With a carried cell, a left press on an empty cell drops it
  // at once (Outcome::Selected, the target being the new selection); on a used cell the page
  // asks and calls drop() on Yes.
  PrintPress press(int x, int y, bool rightButton);
  // Copies heldCell into the target and selects it.
  void drop();

  // Makes a cell the selection and printPageCell.
  void select(GridCell at);
  // The used cell the foot switch steps to from the selection, in row order and wrapping;
  // nothing with fewer than two used cells.
  std::optional<GridCell> nextUsedCell() const;
  PrintPopupItems popupItems() const;

  // Delete on the target. `needsQuestion` tells whether to ask first (a used target).
  bool deleteNeedsQuestion() const { return target_ && isUsed(*target_); }
  struct Deleted {
    bool selectionMoved = false;  // the selected cell went: the first used cell is the selection
    bool pageCleared = false;     // no used cell is left: the whole page is erased
  };
  Deleted deleteTarget();
  // Move on the target: it becomes heldCell and its cell empties until the next press.
  bool moveTarget();

  // Everything empty, nothing selected or carried.
  void erase();
  // After the page was filled from a file: the first used cell in row order is the selection.
  void selectFirstUsed();

 private:
  PageHolders& holders_;
  std::optional<GridCell> selection_;
  std::optional<GridCell> target_;
  PrintCarry carry_ = PrintCarry::None;
  std::optional<GridCell> movedFrom_;
};

// The four text lines above a cell's diagram, in the records' code page: name (with " /" and the
// bass for a chord whose bass differs from its root), note names, formula, tuning name.
std::array<std::string, 4> printCellLines(const PrintCell& cell, const NoteNames& names);

// Text printed page by page: a heading on each page, then up to `linesPerPage` lines.
struct TextSheet {
  std::string heading;  // title + " Page: " + page number
  std::size_t firstLine = 0;
  std::size_t lineCount = 0;
};
constexpr std::size_t kTabLinesPerSheet = 56;
std::size_t textSheetCount(std::size_t lines, std::size_t linesPerPage = kTabLinesPerSheet);
// Sheets `from`..`to` (1-based, clamped to the sheets that exist).
std::vector<TextSheet> textSheets(std::size_t lines, const std::string& title, int from, int to,
                                  std::size_t linesPerPage = kTabLinesPerSheet);

}  // namespace strumly
