#pragma once
// The Chords page apart from its pixels: which sets stand on the page, which diagram is selected
// (the red frame, shown on the fretboard) and which one the popup commands act on (the target).
// The diagrams themselves live in the main window's PageHolders; the model owns only the
// selection and target.
#include <array>
#include <optional>
#include <string>

#include "core/pages/PageHolders.h"
#include "core/pages/PageLayout.h"

namespace strumly {

enum class PressButton { Left, Right };

// What a press on the page image did.
struct ChordsPagePress {
  bool armPopup = false;  // the popup may open (only over a used set)
  // Set when a left press moved the selection: the old frame to draw over in white (nothing when
  // there was no selection) and the new one in red. The new selection is already chordPageChord.
  std::optional<GridCell> previousSelection;
  std::optional<GridCell> newSelection;
};

class ChordsPageModel {
 public:
  static constexpr int kSets = PageHolders::kChordSets;
  static constexpr int kDiagrams = PageHolders::kDiagramsPerSet;
  using Voicings = std::array<ChordDiagram, kDiagrams>;

  explicit ChordsPageModel(PageHolders& holders) : holders_(holders) {}

  int setCount() const { return holders_.chordSetCount; }
  bool isFull() const { return setCount() >= kSets; }
  const ChordDiagram& diagram(GridCell cell) const { return holders_.chordAt(cell.column, cell.row); }
  const ChordDiagram& chordPageChord() const { return holders_.chordPageChord; }

  std::optional<GridCell> selection() const { return selection_; }
  std::optional<GridCell> target() const { return target_; }
  // The diagram the popup commands act on: the target when it holds a chord.
  std::optional<ChordDiagram> targetDiagram() const;

  // Appends a set of six voicings as the next row, selects and targets its first diagram and makes
  // it chordPageChord. Returns the row, or nothing when five sets already stand (nothing changes).
  // Pitches are brought up to date from tuning and frets, as drawing would.
  std::optional<int> addSet(const Voicings& voicings);

  // A press at image pixel (x, y). Presses outside the grid change nothing; any press on a grid
  // cell moves the target there, but only a press over a used set arms the popup, and only a left
  // press on another diagram than the selected one moves the selection.
  ChordsPagePress press(int x, int y, PressButton button);

  // Makes a used cell the selection and chordPageChord ("Play Chord" and "Show Arpeggio" on a
  // target that is not selected). Returns the previous selection like a press.
  ChordsPagePress select(GridCell cell);

  // The next diagram as the foot switch steps: nothing when the page is empty.
  std::optional<GridCell> nextDiagram() const;

  // Erase / New: every diagram and chordPageChord empty, no sets, no selection or target.
  void erase();

  // A chord page file was read into the holder: the sets recounted, and set 0 diagram 0 selected,
  // targeted and made chordPageChord when a set exists (nothing selected otherwise).
  void opened();

  // After the holder was replaced (page file opened) or the page is redrawn: the sets counted row
  // by row up to the first set with an empty diagram; a selection or target beyond them is dropped.
  void recount();

  // Heading of a set as a full redraw writes it: root name + " " + the record's name, with the
  // notes and formula of diagram 0 of the set.
  std::string redrawHeading(int set, const NoteNames& names) const;

 private:
  PageHolders& holders_;
  std::optional<GridCell> selection_;
  std::optional<GridCell> target_;
};

}  // namespace strumly
