#include <gtest/gtest.h>

#include "core/theory/Pitch.h"

using namespace strumly;

TEST(Pitch, TuningNamesFollowStandardAndSpelling) {
  NoteNames flats;
  NoteNames sharps{Spelling::Sharps};
  Tuning t;
  EXPECT_EQ(tuningName(t, flats), "Standard");
  t.pitches[5] = 38;  // drop D
  EXPECT_EQ(tuningName(t, flats), "D A D G B E ");
  EXPECT_EQ(tuningName(t, sharps), "D A D G B E ");
  t.pitches[4] = 46;
  EXPECT_EQ(tuningName(t, flats), "D Bb D G B E ");
  EXPECT_EQ(tuningName(t, sharps), "D A# D G B E ");
}

TEST(Pitch, OpenStringStepsWrapAtTheEnds) {
  EXPECT_EQ(stepOpenString(69, +1), 33);
  EXPECT_EQ(stepOpenString(33, -1), 69);
  EXPECT_EQ(stepOpenString(40, +1), 41);
  EXPECT_EQ(NoteNames{Spelling::Sharps}.nameWithOctave(34), "A#1");
  EXPECT_EQ(NoteNames{}.nameWithOctave(34), "Bb1");
  EXPECT_EQ(NoteNames{}.nameWithOctave(60), "C4");
  EXPECT_EQ(NoteNames{}.nameWithOctave(69), "A4");
}
