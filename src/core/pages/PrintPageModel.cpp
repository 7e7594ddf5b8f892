#include "core/pages/PrintPageModel.h"

#include <algorithm>

#include "core/pages/PageFiles.h"

namespace strumly {
namespace {

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace

void PrintPageModel::cancelPlacement() {
  // A Move that is let go puts the diagram back: the user never asked to lose it.
  if (carry_ == PrintCarry::Moving && movedFrom_ && !holders_.heldCell.isEmpty() && !isUsed(*movedFrom_))
    holders_.cellAt(movedFrom_->column, movedFrom_->row) = holders_.heldCell;
  carry_ = PrintCarry::None;
  movedFrom_.reset();
}

PrintPress PrintPageModel::press(int x, int y, bool rightButton) {
  const std::optional<GridCell> hit = pageHitTest(DiagramPage::Print, x, y);
  if (!hit) return {};
  target_ = hit;
  if (carry_ != PrintCarry::None) {
    if (rightButton || holders_.heldCell.isEmpty()) {
      cancelPlacement();
      return {PrintPress::Outcome::PlacementEnded, hit};
    }
    if (isUsed(*hit)) return {PrintPress::Outcome::AskReplace, hit};
    drop();
    return {PrintPress::Outcome::Selected, hit};
  }
  if (!isUsed(*hit)) return {PrintPress::Outcome::Ignored, hit};
  if (rightButton) return {PrintPress::Outcome::ArmPopup, hit};
  if (selection_ == hit) return {PrintPress::Outcome::AlreadySelected, hit};
  select(*hit);
  return {PrintPress::Outcome::Selected, hit};
}

void PrintPageModel::drop() {
  if (!target_ || holders_.heldCell.isEmpty()) return;
  holders_.cellAt(target_->column, target_->row) = holders_.heldCell;
  carry_ = PrintCarry::None;
  movedFrom_.reset();
  select(*target_);
}

void PrintPageModel::select(GridCell at) {
  selection_ = at;
  holders_.printPageCell = cell(at);
}

std::optional<GridCell> PrintPageModel::nextUsedCell() const {
  PrintUsage used{};
  for (int column = 0; column < kGridColumns; ++column)
    for (int row = 0; row < kGridRows; ++row)
      used[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = isUsed({column, row});
  return nextPrintCell(selection_.value_or(GridCell{-1, -1}), used);
}

PrintPopupItems PrintPageModel::popupItems() const {
  if (!target_ || !isUsed(*target_)) return {};
  const bool chord = cell(*target_).isChord != 0;
  return {chord, chord, !chord};
}

PrintPageModel::Deleted PrintPageModel::deleteTarget() {
  if (!target_) return {};
  const bool wasSelected = selection_ == target_;
  holders_.cellAt(target_->column, target_->row).empty = 1;
  if (!anyUsed()) {
    erase();
    return {false, true};
  }
  if (!wasSelected) return {};
  selectFirstUsed();
  return {true, false};
}

bool PrintPageModel::moveTarget() {
  if (!target_ || !isUsed(*target_)) return false;
  PrintCell& moved = holders_.cellAt(target_->column, target_->row);
  holders_.heldCell = moved;
  moved.empty = 1;
  movedFrom_ = target_;
  carry_ = PrintCarry::Moving;
  return true;
}

void PrintPageModel::erase() {
  holders_.clearPrintPage();
  holders_.printPageCell.empty = 1;
  selection_.reset();
  target_.reset();
  carry_ = PrintCarry::None;
  movedFrom_.reset();
}

void PrintPageModel::selectFirstUsed() {
  if (const std::optional<GridCell> first = firstUsedPrintCell(holders_)) {
    select(*first);
  } else {
    selection_.reset();
    holders_.printPageCell.empty = 1;
  }
}

std::array<std::string, 4> printCellLines(const PrintCell& cell, const NoteNames& names) {
  const bool chord = cell.isChord != 0;
  std::string title = std::string(names.name(cell.root)) + ' ' + trimmed(cell.name.view());
  if (chord && pitchClassOf(cell.bass) != cell.root) title += " /" + std::string(names.name(cell.bass));
  std::string notes;
  const std::size_t entries = chord ? 7 : cell.intervals.size();
  for (std::size_t i = 0; i < entries; ++i) {
    // A chord skips its unused slots; a scale's list ends at its end mark, whatever follows it.
    if (chord && cell.intervals[i] == kUnusedInterval) continue;
    if (!chord && cell.intervals[i] == kScaleEnd) break;
    notes += ' ';
    notes += names.name(cell.root + cell.intervals[i]);
  }
  return {trimmed(title), trimmed(notes), trimmed(cell.formula.view()), trimmed(cell.tuningName.view())};
}

std::size_t textSheetCount(std::size_t lines, std::size_t linesPerPage) {
  return linesPerPage == 0 ? 0 : (lines + linesPerPage - 1) / linesPerPage;
}

std::vector<TextSheet> textSheets(std::size_t lines, const std::string& title, int from, int to,
                                  std::size_t linesPerPage) {
  std::vector<TextSheet> sheets;
  const int count = static_cast<int>(textSheetCount(lines, linesPerPage));
  for (int page = std::max(from, 1); page <= std::min(to, count); ++page) {
    const std::size_t first = static_cast<std::size_t>(page - 1) * linesPerPage;
    sheets.push_back(
        {title + " Page: " + std::to_string(page), first, std::min(linesPerPage, lines - first)});
  }
  return sheets;
}

}  // namespace strumly
