#pragma once
// Where things sit on the drawn neck: marker positions for both hands, the fanning strings, the
// marker cells of the finger strip and the hover bands that turn a mouse position into a string
// and fret. Everything is in pixels of the 900 x 132 neck picture.
#include <array>
#include <cstdint>
#include <optional>

namespace strumly {

enum class Hand { Right, Left };

constexpr int kNeckWidth = 900;
constexpr int kNeckHeight = 132;
constexpr int kFretNumberStripHeight = 14;
constexpr int kMarkerSize = 12;
constexpr int kMarkerStripWidth = 240;
constexpr int kNeckPositions = 23;  // fret 0 (open, at the nut) .. fret 22
constexpr int kHighestFret = kNeckPositions - 1;
constexpr std::uint8_t kFingerCodeCount = 7;  // open, fingers 1..4, muted, plain

using FretXTable = std::array<int, kNeckPositions>;
using StringColumns = std::array<int, 6>;

// The tables that change with handedness. The diagram painter reads the string columns so that a
// left-handed player sees every diagram mirrored like the neck.
struct FretboardLayout {
  Hand hand = Hand::Right;
  FretXTable fretX{};              // left edge of the marker at fret 0..22
  StringColumns diagramStringX{};  // string 0..5 columns of the chord diagrams
  StringColumns smallDiagramStringX{};
};

const FretboardLayout& fretboardLayout(Hand hand);

// Left edge of the marker at `fret`, or nullopt for a fret that is not on the neck.
std::optional<int> fretX(Hand hand, int fret);
// Top edge of the marker of `string` at `fret` (the strings fan out towards the body).
std::optional<int> stringY(int fret, int string);

// Left edge of a 12 x 12 cell in the marker strip; nullopt for a code that has no picture.
std::optional<int> chordMarkerCell(std::uint8_t finger, bool isRoot);
std::optional<int> playingMarkerCell(std::uint8_t finger);

struct NeckPosition {
  int string = 0;
  int fret = 0;
  bool operator==(const NeckPosition&) const = default;
};

// The area in which the neck answers the mouse at all.
constexpr bool insideNeckArea(int x, int y) {
  return x >= 5 && x <= 895 && y >= 9 && y <= 123;
}

// Fret under X. Right-handed, X 893..895 is a dead strip that keeps `previousFret`.
// nullopt outside the neck area's X range.
std::optional<int> fretAtX(Hand hand, int x, int previousFret);
// String under Y at `fret`; nullopt outside Y 9..123 or for a fret not on the neck.
std::optional<int> stringAtY(int fret, int y);
// Both together; nullopt outside the neck area.
std::optional<NeckPosition> neckPositionAt(Hand hand, int x, int y, int previousFret);

}  // namespace strumly
