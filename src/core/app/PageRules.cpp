#include "core/app/PageRules.h"

namespace strumly {

bool tuningLocked(PageId page) {
  return page == PageId::Chords || page == PageId::PlayPage || page == PageId::Print;
}

int WheelAccumulator::add(int delta) {
  pending_ += delta;
  int notches = pending_ / kNotch;  // truncates toward zero for both directions
  pending_ -= notches * kNotch;
  return notches;
}

namespace {

bool isStepPage(PageId page) {
  return page == PageId::PlayPage || page == PageId::Tablature;
}

KeyAction transportAction(PreviewKey key, const KeyState& s) {
  bool forward = key == PreviewKey::Space || key == PreviewKey::Right;
  if (forward) {
    if (!s.playing) return KeyAction::StartPlay;
    if (!s.stepPlay)
      return s.page == PageId::Chords || s.page == PageId::ChordDesign ? KeyAction::None : KeyAction::Stop;
    if (s.page == PageId::Scales || s.page == PageId::Print) return KeyAction::Stop;
    if (isStepPage(s.page) && !s.chordSounding) return KeyAction::StepForward;
    return KeyAction::None;
  }
  if (key == PreviewKey::Left && s.playing && s.stepPlay && !s.chordSounding &&
      (isStepPage(s.page) || s.page == PageId::Scales)) {
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
  decision.transportKey = transportKey;
  if (transportKey) {
    decision.action = transportAction(key, state);
  } else {
    decision.focusStrumSpeed = true;
  }
  if (state.page == PageId::ChordDesign) decision.finger = fingerFor(key);
  return decision;
}

int stepPlayPosition(int position, int direction) {
  int next = (position + (direction >= 0 ? 1 : -1)) % kPlaySlotCount;
  return next < 0 ? next + kPlaySlotCount : next;
}

}  // namespace strumly
