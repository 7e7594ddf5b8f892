#include "core/app/PageRules.h"

namespace strumly {

PageEntry pageEntry(Page page) {
  switch (page) {
    case Page::Chords:
      return {true, CaptionDocument::ChordPage, FretboardShows::ChordPageChord, false, false};
    case Page::ChordDesign:
      return {false, CaptionDocument::DesignPage, FretboardShows::DesignChord, false, false};
    case Page::PlayPage:
      return {true, CaptionDocument::PlayPage, FretboardShows::Nothing, true, false};
    case Page::Scales:
      return {false, CaptionDocument::ScalePage, FretboardShows::CurrentScale, false, false};
    case Page::Print:
      return {true, CaptionDocument::PrintPage, FretboardShows::PrintPageCell, false, false};
    case Page::Tablature:
      return {false, CaptionDocument::TabFile, FretboardShows::Unchanged, true, true};
  }
  return {};
}

ScrollTarget wheelTarget(Page page, bool tabTextVisible) {
  switch (page) {
    case Page::Chords:
      return ScrollTarget::ChordPage;
    case Page::ChordDesign:
      return ScrollTarget::DesignList;
    case Page::PlayPage:
      return ScrollTarget::PlayPage;
    case Page::Print:
      return ScrollTarget::PrintPage;
    case Page::Scales:
      return ScrollTarget::ScalesPage;
    case Page::Tablature:
      return tabTextVisible ? ScrollTarget::TabText : ScrollTarget::TabPage;
  }
  return ScrollTarget::ChordPage;
}

int WheelAccumulator::add(int delta) {
  pending_ += delta;
  int notches = pending_ / kNotch;  // truncates toward zero for both directions
  pending_ -= notches * kNotch;
  return notches;
}

namespace {

bool isStepPage(Page page) {
  return page == Page::PlayPage || page == Page::Tablature;
}

KeyAction transportAction(PreviewKey key, const KeyState& s) {
  bool forward = key == PreviewKey::Space || key == PreviewKey::Right;
  if (forward) {
    if (!s.playing) return KeyAction::StartPlay;
    if (!s.stepPlay)
      return s.page == Page::Chords || s.page == Page::ChordDesign ? KeyAction::None : KeyAction::Stop;
    if (s.page == Page::Scales || s.page == Page::Print) return KeyAction::Stop;
    if (isStepPage(s.page) && !s.chordSounding) return KeyAction::StepForward;
    return KeyAction::None;
  }
  if (key == PreviewKey::Left && s.playing && s.stepPlay && !s.chordSounding &&
      (isStepPage(s.page) || s.page == Page::Scales)) {
    return KeyAction::StepBackward;
  }
  return KeyAction::None;
}

std::optional<FingerButton> fingerFor(PreviewKey key) {
  switch (key) {
    case PreviewKey::Digit1:
      return FingerButton::One;
    case PreviewKey::Digit2:
      return FingerButton::Two;
    case PreviewKey::Digit3:
      return FingerButton::Three;
    case PreviewKey::Digit4:
      return FingerButton::Four;
    case PreviewKey::P:
      return FingerButton::Plain;
    default:
      return std::nullopt;
  }
}

}  // namespace

KeyDecision decideKey(PreviewKey key, const KeyState& state) {
  KeyDecision decision;
  bool transportKey = key == PreviewKey::Space || key == PreviewKey::Right || key == PreviewKey::Left;
  if (transportKey) {
    decision.action = transportAction(key, state);
  } else {
    decision.focusStrumSpeed = true;
  }
  if (state.page == Page::ChordDesign) decision.finger = fingerFor(key);
  return decision;
}

int stepPlayPosition(int position, int direction) {
  int next = (position + (direction >= 0 ? 1 : -1)) % kPlaySlots;
  return next < 0 ? next + kPlaySlots : next;
}

}  // namespace strumly
