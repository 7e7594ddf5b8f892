#include "core/views/KeyboardLayout.h"

#include <algorithm>
#include <array>

#include "core/pages/DiagramRecords.h"

namespace strumly {
namespace {

constexpr std::array<int, 12> kDotOffset{0, 4, 8, 12, 16, 24, 28, 32, 36, 40, 44, 48};
constexpr std::array<bool, 12> kBlackKey{false, true,  false, true,  false, false,
                                         true,  false, true,  false, true,  false};
constexpr std::array<int, 7> kWhitePitchClasses{0, 2, 4, 5, 7, 9, 11};
// First X within the octave of each pitch class over the black keys' height.
constexpr std::array<int, 12> kUpperBandStart{0, 6, 11, 14, 19, 24, 30, 35, 38, 43, 46, 51};
constexpr int kWhiteKeyWidth = 8;
constexpr int kMaxIntervals = 10;

}  // namespace

KeyboardDot keyboardDotAt(int key) {
  const int pc = ((key % 12) + 12) % 12;
  const auto i = static_cast<std::size_t>(pc);
  return {key, 3 + kKeyboardOctaveWidth * (key / 12) + kDotOffset[i], kBlackKey[i] ? 6 : 12, false};
}

std::vector<KeyboardDot> keyboardDots(std::span<const std::uint8_t> intervals, PitchClass root) {
  std::array<bool, 12> marked{};
  bool any = false;
  for (std::size_t i = 0; i < intervals.size() && i < kMaxIntervals; ++i) {
    if (intervals[i] == kScaleEnd) break;
    marked[pitchClassOf(intervals[i] + root)] = true;
    any = true;
  }
  std::vector<KeyboardDot> dots;
  if (!any) return dots;
  for (int key = 0; key < kKeyboardKeys; ++key) {
    const PitchClass pc = pitchClassOf(key);
    const bool isRoot = pc == pitchClassOf(root);
    if (!isRoot && !marked[pc]) continue;
    KeyboardDot dot = keyboardDotAt(key);
    dot.root = isRoot;
    dots.push_back(dot);
  }
  return dots;
}

int keyboardKeyAt(int x, int y, int previousKey) {
  if (x < 0 || x >= kKeyboardWidth) return previousKey;
  if (y > 9) {
    const int white = std::min(x / kWhiteKeyWidth, 34);  // the last white key runs to X 280
    return 12 * (white / 7) + kWhitePitchClasses[static_cast<std::size_t>(white % 7)];
  }
  const int octave = std::min(x / kKeyboardOctaveWidth, 4);  // the last B runs to X 280
  const int within = x - octave * kKeyboardOctaveWidth;
  int pc = 11;
  while (pc > 0 && within < kUpperBandStart[static_cast<std::size_t>(pc)]) --pc;
  return 12 * octave + pc;
}

}  // namespace strumly
