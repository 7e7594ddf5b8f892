#pragma once
// What the main window does when the user moves between pages, which keys it takes for itself,
// and how wheel turns become scroll steps. Pure decisions: the main window asks and acts.
#include <optional>

namespace strumly {

// The pages of the page control, in tab order.
enum class Page { Chords, ChordDesign, PlayPage, Print, Scales, Tablature };
constexpr int kPageCount = 6;

// Which document's file name the window caption shows for a page.
enum class CaptionDocument { ChordPage, DesignPage, PlayPage, ScalePage, PrintPage, TabFile };

// What the fretboard shows when a page becomes active.
enum class FretboardShows {
  ChordPageChord,  // the Chords page's selected diagram
  DesignChord,     // the design, with the interval display when Show Intervals is down
  Nothing,         // cleared after the play page is redrawn
  CurrentScale,
  PrintPageCell,  // the last print cell, chord or scale
  Unchanged,      // the tab page loads its own tuning instead
};

struct PageEntry {
  bool tuningLocked = true;  // the six tuning up-downs disabled
  CaptionDocument caption = CaptionDocument::ChordPage;
  FretboardShows fretboard = FretboardShows::Unchanged;
  bool undoFromPage = false;    // the Undo button reflects the page's own undo state
  bool loadsOwnTuning = false;  // the page's tuning goes into the tuning controls
};

PageEntry pageEntry(Page page);

// The scroll area the wheel drives on each page; the tab page scrolls its text view when it shows.
enum class ScrollTarget {
  ChordPage,
  DesignList,
  PlayPage,
  PrintPage,
  ScalesPage,
  TabText,
  TabPage,
};
ScrollTarget wheelTarget(Page page, bool tabTextVisible);

// Wheel distance in the units of the platform (120 per notch). Each full 120 becomes one step:
// positive steps scroll up, negative steps down; the rest waits for the next turn.
class WheelAccumulator {
 public:
  static constexpr int kNotch = 120;
  // Adds a turn and returns the number of whole notches it completed (signed).
  int add(int delta);
  int pending() const { return pending_; }

 private:
  int pending_ = 0;
};

// The keys the main window previews and what becomes of them.
enum class PreviewKey { Space, Right, Left, Digit1, Digit2, Digit3, Digit4, P, Other };

// StepBackward on the Scales page only turns the step direction backward.
enum class KeyAction { None, StartPlay, Stop, StepForward, StepBackward };
enum class FingerButton { One, Two, Three, Four, Plain };

struct KeyState {
  Page page = Page::Chords;
  bool playing = false;        // sbtnPlay down
  bool stepPlay = false;       // sbtnStep down
  bool chordSounding = false;  // a stepped chord has not ended yet
};

struct KeyDecision {
  KeyAction action = KeyAction::None;
  bool focusStrumSpeed = false;        // keys the transport does not take go back to the strum-speed bar
  std::optional<FingerButton> finger;  // finger buttons answer 1..4 and P on Chord Design
  bool consumed() const { return action != KeyAction::None || finger.has_value(); }
};

KeyDecision decideKey(PreviewKey key, const KeyState& state);

// Step play moves through the 288 half-beat slots of the play page and wraps at both ends.
constexpr int kPlaySlots = 288;
int stepPlayPosition(int position, int direction);

}  // namespace strumly
