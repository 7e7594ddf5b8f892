// Neck geometry: marker positions, marker cells and the hover bands of both hands.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/views/FretboardGeometry.h"

namespace strumly {
namespace {

// Inclusive X ranges of the fret bands as the neck picture is drawn, fret 0..22.
const std::vector<std::pair<int, int>> kRightBands{
    {5, 36},    {37, 106},  {107, 170}, {171, 229}, {230, 285}, {286, 338}, {339, 388}, {389, 435},
    {436, 479}, {480, 521}, {522, 560}, {561, 598}, {599, 633}, {634, 666}, {667, 698}, {699, 727},
    {728, 755}, {756, 782}, {783, 807}, {808, 830}, {831, 852}, {853, 874}, {875, 892}};
const std::vector<std::pair<int, int>> kLeftBands{
    {864, 895}, {794, 863}, {730, 793}, {671, 729}, {615, 670}, {562, 614}, {512, 561}, {465, 511},
    {421, 464}, {379, 420}, {340, 378}, {302, 339}, {268, 301}, {234, 267}, {203, 233}, {173, 202},
    {145, 172}, {118, 144}, {93, 117},  {70, 92},   {47, 69},   {26, 46},   {5, 25}};

TEST(FretboardGeometry, EveryFretBandBoundaryOfBothHands) {
  for (int fret = 0; fret <= kHighestFret; ++fret) {
    const auto [rFirst, rLast] = kRightBands[static_cast<std::size_t>(fret)];
    const auto [lFirst, lLast] = kLeftBands[static_cast<std::size_t>(fret)];
    for (int x : {rFirst, rLast}) EXPECT_EQ(fretAtX(Hand::Right, x, 7), fret) << "right x " << x;
    for (int x : {lFirst, lLast}) EXPECT_EQ(fretAtX(Hand::Left, x, 7), fret) << "left x " << x;
  }
}

TEST(FretboardGeometry, BandsCoverTheAreaWithoutGapsAndMirrorRoughly) {
  // Each X of the area maps to exactly one fret and the frets step monotonically.
  int last = 0;
  for (int x = 5; x <= 892; ++x) {
    const int fret = *fretAtX(Hand::Right, x, 0);
    EXPECT_TRUE(fret == last || fret == last + 1) << x;
    last = fret;
  }
  last = kHighestFret;
  for (int x = 5; x <= 895; ++x) {
    const int fret = *fretAtX(Hand::Left, x, 0);
    EXPECT_TRUE(fret == last || fret == last - 1) << x;
    last = fret;
  }
  // Every marker sits inside its own band, for both hands.
  for (int fret = 0; fret <= kHighestFret; ++fret) {
    for (Hand hand : {Hand::Right, Hand::Left}) {
      const int centre = *fretX(hand, fret) + kMarkerSize / 2;
      EXPECT_EQ(fretAtX(hand, centre, -1), fret) << "fret " << fret;
    }
  }
}

TEST(FretboardGeometry, RightHandedDeadStripKeepsThePreviousFret) {
  for (int x : {893, 894, 895}) {
    EXPECT_EQ(fretAtX(Hand::Right, x, 22), 22);
    EXPECT_EQ(fretAtX(Hand::Right, x, 4), 4);
    EXPECT_EQ(fretAtX(Hand::Right, x, 99), 0) << "a stale fret never leaves the neck";
  }
  EXPECT_EQ(fretAtX(Hand::Left, 893, 4), 0);
}

TEST(FretboardGeometry, LeftHandedExamples) {
  EXPECT_EQ(neckPositionAt(Hand::Left, 870, 60, 0)->fret, 0);
  EXPECT_EQ(neckPositionAt(Hand::Left, 10, 60, 0)->fret, 22);
}

TEST(FretboardGeometry, StringBandsPerFretRow) {
  // Boundaries of string bands 1..5 by fret: the first Y of each string.
  const std::vector<std::pair<std::vector<int>, std::vector<int>>> rows{
      {{0}, {40, 52, 64, 77, 90}},     {{1}, {39, 51, 64, 77, 91}},          {{2}, {38, 51, 65, 79, 92}},
      {{3}, {37, 51, 65, 79, 93}},     {{4}, {36, 50, 64, 79, 93}},          {{5}, {36, 50, 64, 79, 94}},
      {{6}, {35, 49, 64, 79, 94}},     {{7}, {34, 49, 64, 79, 94}},          {{8}, {34, 48, 64, 80, 95}},
      {{9, 10}, {33, 48, 64, 80, 96}}, {{11, 12, 13}, {32, 48, 64, 81, 97}}, {{14, 15}, {31, 47, 64, 81, 98}},
      {{16}, {30, 47, 64, 81, 98}},    {{17}, {30, 47, 64, 81, 99}},         {{18}, {30, 46, 64, 82, 99}},
      {{19}, {29, 46, 64, 82, 99}},    {{20, 21, 22}, {29, 46, 64, 82, 100}}};
  for (const auto& [frets, starts] : rows) {
    for (int fret : frets) {
      EXPECT_EQ(stringAtY(fret, 9), 0);
      EXPECT_EQ(stringAtY(fret, 123), 5);
      for (int s = 1; s <= 5; ++s) {
        const int first = starts[static_cast<std::size_t>(s - 1)];
        EXPECT_EQ(stringAtY(fret, first), s) << "fret " << fret << " y " << first;
        EXPECT_EQ(stringAtY(fret, first - 1), s - 1) << "fret " << fret << " y " << first - 1;
      }
    }
  }
}

TEST(FretboardGeometry, MarkersLieOnTheirOwnStringBand) {
  for (int fret = 0; fret <= kHighestFret; ++fret)
    for (int s = 0; s < 6; ++s) EXPECT_EQ(stringAtY(fret, *stringY(fret, s) + kMarkerSize / 2), s);
}

TEST(FretboardGeometry, PositionsOutsideTheAreaAnswerNothing) {
  for (auto [x, y] : std::vector<std::pair<int, int>>{
           {4, 60}, {896, 60}, {400, 8}, {400, 124}, {-1, -1}, {100000, 50}, {50, -100000}})
    EXPECT_FALSE(neckPositionAt(Hand::Right, x, y, 0).has_value()) << x << "," << y;
  EXPECT_EQ(neckPositionAt(Hand::Right, 5, 9, 0), (NeckPosition{0, 0}));
  EXPECT_EQ(neckPositionAt(Hand::Right, 895, 123, 3), (NeckPosition{5, 3}));
  EXPECT_FALSE(stringAtY(23, 50).has_value());
  EXPECT_FALSE(stringAtY(-1, 50).has_value());
}

TEST(FretboardGeometry, TablesAndMarkerCells) {
  EXPECT_EQ(fretX(Hand::Right, 0), 12);
  EXPECT_EQ(fretX(Hand::Right, 22), 875);
  EXPECT_EQ(fretX(Hand::Left, 0), 875);
  EXPECT_EQ(fretX(Hand::Left, 22), 14);
  EXPECT_FALSE(fretX(Hand::Right, 23).has_value());
  EXPECT_FALSE(fretX(Hand::Left, -1).has_value());
  EXPECT_EQ(stringY(0, 0), 26);
  EXPECT_EQ(stringY(1, 5), 91);
  EXPECT_EQ(stringY(22, 5), 102);
  EXPECT_FALSE(stringY(5, 6).has_value());

  const std::vector<int> normal{36, 48, 60, 72, 84, 12, 24}, root{108, 120, 132, 144, 156, 12, 96},
      playing{180, 192, 204, 216, 228, 12, 168};
  for (std::uint8_t code = 0; code < 7; ++code) {
    EXPECT_EQ(chordMarkerCell(code, false), normal[code]);
    EXPECT_EQ(chordMarkerCell(code, true), root[code]);
    EXPECT_EQ(playingMarkerCell(code), playing[code]);
  }
  EXPECT_FALSE(chordMarkerCell(7, false).has_value());
  EXPECT_FALSE(playingMarkerCell(255).has_value());

  const FretboardLayout& right = fretboardLayout(Hand::Right);
  const FretboardLayout& left = fretboardLayout(Hand::Left);
  EXPECT_EQ(right.diagramStringX, (StringColumns{91, 76, 61, 46, 31, 16}));
  EXPECT_EQ(left.smallDiagramStringX, (StringColumns{8, 17, 26, 35, 44, 53}));
  // The left-handed neck is the right-handed one mirrored within a pixel.
  for (int fret = 0; fret <= kHighestFret; ++fret) {
    const int mirrored = kNeckWidth - 1 - (right.fretX[static_cast<std::size_t>(fret)] + kMarkerSize - 1);
    EXPECT_NEAR(left.fretX[static_cast<std::size_t>(fret)], mirrored, 2) << fret;
  }
}

}  // namespace
}  // namespace strumly
