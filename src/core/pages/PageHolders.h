#pragma once
// The diagram holders of the Chords, Chord Design, Scales and Print pages and the single records
// that travel between pages. The main window owns one PageHolders for the whole run; the arrays
// are fixed and never grow, and a slot is free when its record's empty byte is set.
#include <array>

#include "core/pages/DiagramRecords.h"

namespace strumly {

struct PageHolders {
  static constexpr int kChordSets = 5;
  static constexpr int kDiagramsPerSet = 6;
  static constexpr int kDesignSlots = 6;
  static constexpr int kScaleSets = 5;
  static constexpr int kPrintColumns = 6;
  static constexpr int kPrintRows = 5;

  // Chords page, stored [diagram 0..5][set 0..4] as the page files hold it.
  std::array<std::array<ChordDiagram, kChordSets>, kDiagramsPerSet> chordPage{};
  int chordSetCount = 0;
  std::array<ChordDiagram, kDesignSlots> designGroup{};
  std::array<ScaleDiagram, kScaleSets> scalePage{};
  int scaleSetCount = 0;
  // Print page, stored [column 0..5][row 0..4].
  std::array<std::array<PrintCell, kPrintRows>, kPrintColumns> printPage{};

  ChordDiagram designChord = emptyDesignChord();  // on the fretboard while Chord Design is active
  ChordDiagram heldChord;                         // carried by a placement cursor; empty = nothing held
  PrintCell heldCell;                             // carried to or from the Print page
  // The last item selected on each page, shown again when that page becomes active.
  ChordDiagram chordPageChord;
  PrintCell printPageCell;
  ScaleDiagram currentScale;

  ChordDiagram& chordAt(int diagram, int set) { return chordPage[idx(diagram)][idx(set)]; }
  const ChordDiagram& chordAt(int diagram, int set) const { return chordPage[idx(diagram)][idx(set)]; }
  PrintCell& cellAt(int column, int row) { return printPage[idx(column)][idx(row)]; }
  const PrintCell& cellAt(int column, int row) const { return printPage[idx(column)][idx(row)]; }

  // Marks every diagram of the page free (the records' other bytes stay as they were).
  void clearChordPage();
  void clearDesignGroup();
  void clearScalePage();
  void clearPrintPage();
  // The state before any window exists: every page free, nothing held or selected, the fresh
  // design chord.
  void reset();

  int usedDesignSlots() const;
  int usedPrintCells() const;

 private:
  static std::size_t idx(int i) { return static_cast<std::size_t>(i); }
};

}  // namespace strumly
