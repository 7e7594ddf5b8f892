#pragma once
// Which pages lock the tuning, the order of the save questions, which keys the main window
// takes for itself, and how wheel turns become scroll steps. Pure decisions: the main window asks and acts.
#include <optional>

#include "core/playpage/PlayPageData.h"

namespace strumly {

// The pages of the page control, in tab order. A page's identity is this value and nothing else.
enum class PageId { Chords, ChordDesign, PlayPage, Print, Scales, Tablature };
constexpr int kPageCount = 6;

// The tuning up-downs are locked on the pages whose chords carry no tuning of their own.
bool tuningLocked(PageId page);

// The order in which the save questions come before the program closes: the play page, the
// Chord Design page, then the tab page's raw tab and tab file.
inline constexpr PageId kClosingOrder[] = {PageId::PlayPage, PageId::ChordDesign, PageId::Tablature};

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
  PageId page = PageId::Chords;
  bool playing = false;        // sbtnPlay down
  bool stepPlay = false;       // sbtnStep down
  bool chordSounding = false;  // a stepped chord has not ended yet
};

struct KeyDecision {
  KeyAction action = KeyAction::None;
  bool focusStrumSpeed = false;        // keys the transport does not take go back to the strum-speed bar
  std::optional<FingerButton> finger;  // finger buttons answer 1..4 and P on Chord Design
  bool transportKey = false;           // Space and the arrows belong to the window, acted on or not
  // Whether the focused control must not see the key as well. The transport keys never reach it,
  // also when the window ignores them now, or the arrows would move the strum-speed bar.
  bool consumed() const { return transportKey || finger.has_value(); }
};

KeyDecision decideKey(PreviewKey key, const KeyState& state);

// Step play moves through the 288 half-beat slots of the play page and wraps at both ends.
int stepPlayPosition(int position, int direction);

}  // namespace strumly
