// The keyboard's dots and its hover keys.
#include <gtest/gtest.h>

#include <vector>

#include "core/views/KeyboardLayout.h"

namespace strumly {
namespace {

TEST(KeyboardLayout, DMinorLightsDFAInEveryOctaveWithRedDs) {
  const std::vector<std::uint8_t> minor{0, 3, 7, 99, 99, 99, 99, 99, 99, 99};
  const auto dots = keyboardDots(minor, 2);
  ASSERT_EQ(dots.size(), 15u);
  for (const KeyboardDot& dot : dots) {
    const int pc = dot.key % 12;
    EXPECT_TRUE(pc == 2 || pc == 5 || pc == 9) << dot.key;
    EXPECT_EQ(dot.root, pc == 2);
    EXPECT_EQ(dot.y, 12) << "D, F and A are white keys";
  }
  EXPECT_EQ(dots.front(), (KeyboardDot{2, 11, 12, true}));
  EXPECT_EQ(dots.back(), (KeyboardDot{57, 3 + 4 * 56 + 40, 12, false}));
}

TEST(KeyboardLayout, DotPositions) {
  EXPECT_EQ(keyboardDotAt(0), (KeyboardDot{0, 3, 12, false}));
  EXPECT_EQ(keyboardDotAt(13), (KeyboardDot{13, 63, 6, false}));
  EXPECT_EQ(keyboardDotAt(59), (KeyboardDot{59, 3 + 224 + 48, 12, false}));
  // Every dot lies inside the picture, and over the key the hover test finds there.
  for (int key = 0; key < kKeyboardKeys; ++key) {
    const KeyboardDot dot = keyboardDotAt(key);
    EXPECT_LE(dot.x + kKeyboardDotSize, kKeyboardWidth);
    EXPECT_LE(dot.y + kKeyboardDotSize, kKeyboardHeight);
    EXPECT_EQ(keyboardKeyAt(dot.x + 1, dot.y + 1, -1), key) << key;
  }
}

TEST(KeyboardLayout, ListReadsToTheFirst99AndAtMostTen) {
  const std::vector<std::uint8_t> stopped{0, 99, 4, 7};
  for (const KeyboardDot& dot : keyboardDots(stopped, 0)) EXPECT_EQ(dot.key % 12, 0);
  EXPECT_TRUE(keyboardDots(std::vector<std::uint8_t>{99, 4}, 0).empty());
  EXPECT_TRUE(keyboardDots({}, 5).empty());
  // An eleventh entry is never read.
  const std::vector<std::uint8_t> eleven{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  for (const KeyboardDot& dot : keyboardDots(eleven, 0)) EXPECT_EQ(dot.key % 12, 0);
  // A scale list without the root still marks the root's keys red.
  const auto dots = keyboardDots(std::vector<std::uint8_t>{4, 99}, 0);
  EXPECT_EQ(dots.size(), 10u);
}

TEST(KeyboardLayout, HoverWhiteKeysBelowTheBlackKeys) {
  EXPECT_EQ(keyboardKeyAt(0, 10, -1), 0);
  EXPECT_EQ(keyboardKeyAt(7, 17, -1), 0);
  EXPECT_EQ(keyboardKeyAt(8, 10, -1), 2);
  EXPECT_EQ(keyboardKeyAt(16, 10, -1), 4);
  EXPECT_EQ(keyboardKeyAt(24, 10, -1), 5);
  EXPECT_EQ(keyboardKeyAt(55, 10, -1), 11);
  EXPECT_EQ(keyboardKeyAt(56, 10, -1), 12);
  EXPECT_EQ(keyboardKeyAt(264, 10, -1), 57);
  EXPECT_EQ(keyboardKeyAt(271, 10, -1), 57);
  EXPECT_EQ(keyboardKeyAt(272, 10, -1), 59);
  EXPECT_EQ(keyboardKeyAt(280, 10, -1), 59);
}

TEST(KeyboardLayout, HoverUpperBandsOfEachOctave) {
  const std::vector<std::pair<int, int>> bands{{0, 0},  {6, 1},  {11, 2}, {14, 3}, {19, 4},  {24, 5},
                                               {30, 6}, {35, 7}, {38, 8}, {43, 9}, {46, 10}, {51, 11}};
  for (int octave = 0; octave < 5; ++octave) {
    for (std::size_t i = 0; i < bands.size(); ++i) {
      const int first = 56 * octave + bands[i].first;
      const int last = i + 1 < bands.size() ? 56 * octave + bands[i + 1].first - 1 : 56 * octave + 55;
      EXPECT_EQ(keyboardKeyAt(first, 9, -1), 12 * octave + bands[i].second) << first;
      EXPECT_EQ(keyboardKeyAt(last, 0, -1), 12 * octave + bands[i].second) << last;
    }
  }
  EXPECT_EQ(keyboardKeyAt(280, 0, -1), 59) << "the last B runs to the edge";
}

TEST(KeyboardLayout, BeyondTheKeyboardThePreviousKeyStays) {
  EXPECT_EQ(keyboardKeyAt(281, 5, 17), 17);
  EXPECT_EQ(keyboardKeyAt(5000, 12, 3), 3);
  EXPECT_EQ(keyboardKeyAt(-1, 12, 40), 40);
}

}  // namespace
}  // namespace strumly
