#pragma once
// The five-octave keyboard under the tool panel: where the dots of a chord or scale go and which
// key lies under the mouse. Pixels of the 281 x 18 keyboard picture.
#include <cstdint>
#include <span>
#include <vector>

#include "core/theory/Pitch.h"

namespace strumly {

constexpr int kKeyboardWidth = 281;
constexpr int kKeyboardHeight = 18;
constexpr int kKeyboardKeys = 60;  // key 0 is the lowest C
constexpr int kKeyboardOctaveWidth = 56;
constexpr int kKeyboardDotSize = 3;

struct KeyboardDot {
  int key = 0;
  int x = 0;  // top-left of the 3 x 3 dot
  int y = 0;
  bool root = false;  // red; the other notes are green
  bool operator==(const KeyboardDot&) const = default;
};

// Top-left of the dot of key 0..59.
KeyboardDot keyboardDotAt(int key);

// The dots for an interval list read up to its first 99 (at most ten entries) above `root`. The
// root's keys are red, the other notes green; no list, no dots.
std::vector<KeyboardDot> keyboardDots(std::span<const std::uint8_t> intervals, PitchClass root);

// The key under (x, y). Below the black keys only white keys count; beyond the keyboard's right
// edge (or left of it) the previous key stays.
int keyboardKeyAt(int x, int y, int previousKey);

}  // namespace strumly
