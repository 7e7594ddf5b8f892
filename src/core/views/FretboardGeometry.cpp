#include "core/views/FretboardGeometry.h"

#include <algorithm>

namespace strumly {
namespace {

constexpr FretXTable kRightFretX{12,  86,  150, 209, 265, 318, 368, 415, 459, 501, 541, 578,
                                 613, 646, 679, 707, 736, 762, 788, 811, 834, 856, 875};
constexpr FretXTable kLeftFretX{875, 802, 737, 679, 623, 570, 520, 473, 429, 387, 348, 310,
                                275, 242, 211, 181, 154, 127, 102, 78,  55,  33,  14};

// Marker top edge by fret row (frets 0 and 1 share a row, as do 21 and 22).
constexpr std::array<std::array<int, 6>, kNeckPositions> kStringY{{
    {26, 39, 52, 65, 78, 91},  {26, 39, 52, 65, 78, 91},  {25, 38, 51, 65, 79, 92},
    {24, 37, 51, 65, 79, 93},  {23, 36, 50, 65, 79, 93},  {22, 36, 50, 65, 80, 94},
    {21, 35, 50, 65, 80, 95},  {20, 35, 50, 65, 80, 95},  {20, 34, 49, 65, 81, 96},
    {19, 34, 49, 65, 81, 97},  {18, 34, 50, 66, 81, 97},  {18, 33, 49, 66, 82, 98},
    {17, 33, 49, 66, 82, 98},  {17, 33, 49, 66, 82, 99},  {16, 32, 49, 66, 83, 99},
    {16, 32, 49, 66, 83, 100}, {15, 32, 49, 66, 83, 100}, {15, 31, 49, 66, 83, 101},
    {15, 31, 48, 67, 84, 101}, {14, 31, 48, 67, 84, 101}, {14, 31, 48, 67, 84, 102},
    {13, 31, 48, 67, 84, 102}, {13, 31, 48, 67, 84, 102},
}};

// First X of each right-handed fret band, fret 0..22; the band of fret 22 ends at 892.
constexpr FretXTable kRightBandStart{0,   37,  107, 171, 230, 286, 339, 389, 436, 480, 522, 561,
                                     599, 634, 667, 699, 728, 756, 783, 808, 831, 853, 875};
constexpr int kRightDeadStripStart = 893;
// First X of each left-handed fret band, fret 0..22 (the bands run from the body to the nut).
constexpr FretXTable kLeftBandStart{864, 794, 730, 671, 615, 562, 512, 465, 421, 379, 340, 302,
                                    268, 234, 203, 173, 145, 118, 93,  70,  47,  26,  5};

// First Y of strings 1..5 in the hover band of each fret; string 0 starts at Y 9.
constexpr std::array<std::array<int, 5>, kNeckPositions> kStringBandStart{{
    {40, 52, 64, 77, 90},  {39, 51, 64, 77, 91},  {38, 51, 65, 79, 92},  {37, 51, 65, 79, 93},
    {36, 50, 64, 79, 93},  {36, 50, 64, 79, 94},  {35, 49, 64, 79, 94},  {34, 49, 64, 79, 94},
    {34, 48, 64, 80, 95},  {33, 48, 64, 80, 96},  {33, 48, 64, 80, 96},  {32, 48, 64, 81, 97},
    {32, 48, 64, 81, 97},  {32, 48, 64, 81, 97},  {31, 47, 64, 81, 98},  {31, 47, 64, 81, 98},
    {30, 47, 64, 81, 98},  {30, 47, 64, 81, 99},  {30, 46, 64, 82, 99},  {29, 46, 64, 82, 99},
    {29, 46, 64, 82, 100}, {29, 46, 64, 82, 100}, {29, 46, 64, 82, 100},
}};

// Marker cells for finger codes 0..6: open, fingers 1..4, muted, plain.
constexpr std::array<int, 7> kChordCells{36, 48, 60, 72, 84, 12, 24};
constexpr std::array<int, 7> kRootCells{108, 120, 132, 144, 156, 12, 96};
constexpr std::array<int, 7> kPlayingCells{180, 192, 204, 216, 228, 12, 168};

const FretboardLayout kRightLayout{
    Hand::Right, kRightFretX, {91, 76, 61, 46, 31, 16}, {53, 44, 35, 26, 17, 8}};
const FretboardLayout kLeftLayout{Hand::Left, kLeftFretX, {16, 31, 46, 61, 76, 91}, {8, 17, 26, 35, 44, 53}};

constexpr bool onNeck(int fret) {
  return fret >= 0 && fret < kNeckPositions;
}

}  // namespace

const FretboardLayout& fretboardLayout(Hand hand) {
  return hand == Hand::Left ? kLeftLayout : kRightLayout;
}

std::optional<int> fretX(Hand hand, int fret) {
  if (!onNeck(fret)) return std::nullopt;
  return fretboardLayout(hand).fretX[static_cast<std::size_t>(fret)];
}

std::optional<int> stringY(int fret, int string) {
  if (!onNeck(fret) || string < 0 || string > 5) return std::nullopt;
  return kStringY[static_cast<std::size_t>(fret)][static_cast<std::size_t>(string)];
}

std::optional<int> chordMarkerCell(std::uint8_t finger, bool isRoot) {
  if (finger > kFingerCodeCount - 1) return std::nullopt;
  return (isRoot ? kRootCells : kChordCells)[finger];
}

std::optional<int> playingMarkerCell(std::uint8_t finger) {
  if (finger > kFingerCodeCount - 1) return std::nullopt;
  return kPlayingCells[finger];
}

std::optional<int> fretAtX(Hand hand, int x, int previousFret) {
  if (x < 5 || x > 895) return std::nullopt;
  if (hand == Hand::Right) {
    if (x >= kRightDeadStripStart) return onNeck(previousFret) ? previousFret : 0;
    // The last band whose start is not beyond x.
    auto it = std::upper_bound(kRightBandStart.begin(), kRightBandStart.end(), x);
    return static_cast<int>(it - kRightBandStart.begin()) - 1;
  }
  for (int fret = 0; fret < kNeckPositions; ++fret)
    if (x >= kLeftBandStart[static_cast<std::size_t>(fret)]) return fret;
  return std::nullopt;  // unreachable: the band of fret 22 starts at the area's edge
}

std::optional<int> stringAtY(int fret, int y) {
  if (!onNeck(fret) || y < 9 || y > 123) return std::nullopt;
  const auto& starts = kStringBandStart[static_cast<std::size_t>(fret)];
  int string = 0;
  while (string < 5 && y >= starts[static_cast<std::size_t>(string)]) ++string;
  return string;
}

std::optional<NeckPosition> neckPositionAt(Hand hand, int x, int y, int previousFret) {
  if (!insideNeckArea(x, y)) return std::nullopt;
  const auto fret = fretAtX(hand, x, previousFret);
  if (!fret) return std::nullopt;
  const auto string = stringAtY(*fret, y);
  if (!string) return std::nullopt;
  return NeckPosition{*string, *fret};
}

}  // namespace strumly
