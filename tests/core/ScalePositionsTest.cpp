// Scale positions on the neck, worked out by hand for A minor pentatonic (A C D E G) in standard
// tuning (strings 0..5: E B G D A E).
#include <gtest/gtest.h>

#include "core/scales/ScalePositions.h"

namespace strumly {
namespace {

ScaleDiagram aMinorPentatonic() {
  ScaleDiagram scale;
  scale.empty = 0;
  scale.root = 9;
  scale.intervals = {0, 3, 5, 7, 10, 99, 99, 99, 99, 99};
  return scale;
}

// The frets of one string's notes, a trailing 'r' on roots: "0 3 5r".
std::string stringNotes(const std::vector<ScaleNote>& notes, int string) {
  std::string text;
  for (const ScaleNote& n : notes) {
    if (n.string != string) continue;
    if (!text.empty()) text += ' ';
    text += std::to_string(n.fret) + (n.root ? "r" : "");
  }
  return text;
}

TEST(ScalePositionsTest, SpanSixFromFretOneTakesTheOpenStringsAndFiveFrets) {
  ScaleDiagram scale = aMinorPentatonic();
  scale.beginFrets = {1, 4, 8, 12, 16, 20};
  const auto positions = scalePositions(scale, 6);
  const ScalePosition& first = positions[0];
  EXPECT_EQ(first.frets.first, 0);
  EXPECT_EQ(first.frets.last, 5);
  const char* expected[6] = {"0 3 5r", "1 3 5", "0 2r 5", "0 2 5", "0r 3 5", "0 3 5r"};
  for (int s = 0; s < 6; ++s) EXPECT_EQ(stringNotes(first.notes, s), expected[s]) << "string " << s;
  // The LED guitar gets the same map, roots marked.
  const LedFrame leds = scaleLeds(first.notes);
  EXPECT_EQ(leds.at(5, 0), (LedCell{1, 1}));
  EXPECT_EQ(leds.at(1, 1), (LedCell{1, 0}));
  EXPECT_EQ(leds.at(1, 0), (LedCell{0, 0}));
}

TEST(ScalePositionsTest, SpanSixFromFretTwentyStopsAtTheLastFret) {
  ScaleDiagram scale = aMinorPentatonic();
  const auto positions = scalePositions(scale, 6);
  const ScalePosition& last = positions[5];
  EXPECT_EQ(last.beginFret, 20);
  EXPECT_EQ(last.frets.first, 20);
  EXPECT_EQ(last.frets.last, 22);
  const char* expected[6] = {"20 22", "20 22r", "21", "22", "22", "20 22"};
  for (int s = 0; s < 6; ++s) EXPECT_EQ(stringNotes(last.notes, s), expected[s]) << "string " << s;
  // Fret 22 has no LED.
  EXPECT_EQ(scaleLeds(last.notes).at(20, 0), (LedCell{1, 0}));
  // Display Full Fretboard covers the whole neck whatever the position.
  EXPECT_EQ(shownFrets(scale, 5, 6, true).first, 0);
  EXPECT_EQ(shownFrets(scale, 5, 6, true).last, 22);
}

TEST(ScalePositionsTest, UnnamedTuningNamesEachStringAfterABlankLowestFirstCutToFifteen) {
  const Tuning halfStepDown{{63, 58, 54, 49, 44, 39}};
  EXPECT_EQ(builtScaleTuningName(halfStepDown, NoteNames{}), " Eb Ab Db Gb Bb");
  ScaleRecord record;
  record.intervals = {0, 2, 4, 5, 7, 9, 11, 99, 99, 99};
  record.formula = "1 2 3 4 5 6 7  ";
  const ScaleDiagram set = newScaleSet(record, "Ionian (Major)", halfStepDown, "", 7, NoteNames{});
  EXPECT_EQ(set.tuningName.str(), " Eb Ab Db Gb Bb");
  EXPECT_EQ(scaleSetHeading(set, NoteNames{}),
            "G Ionian (Major) Scale   [  G A B C D E Gb ]    [ 1 2 3 4 5 6 7 ] Tuning:  Eb Ab Db Gb Bb");
}

}  // namespace
}  // namespace strumly
