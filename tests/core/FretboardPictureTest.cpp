// What the fretboard shows for a chord: markers, read-out texts, LED frame, staff notes and the
// arpeggio outlines.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/views/ChordPicture.h"

namespace strumly {
namespace {

// The open C major chord x32010 in standard tuning.
ChordDiagram cMajor() {
  ChordDiagram chord;
  chord.empty = 0;
  chord.name = "maj";
  chord.tuningName = "Standard";
  chord.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, kFingerMuted}};
  chord.pitches = {64, 60, 55, 52, 48, 0};
  chord.intervals = {0, 4, 7, 255, 255, 255, 255};
  chord.root = 0;
  chord.bass = 24;
  return chord;
}

const MarkerPlacement* markerOf(const ChordPicture& picture, int string) {
  auto it = std::find_if(picture.markers.begin(), picture.markers.end(),
                         [&](const MarkerPlacement& m) { return m.string == string; });
  return it == picture.markers.end() ? nullptr : &*it;
}

TEST(FretboardPicture, CMajorMarkersUseRootAndNormalCells) {
  const ChordPicture right = drawChord(cMajor(), Hand::Right, NoteNames{});
  ASSERT_EQ(right.markers.size(), 6u);
  struct Expect {
    int string, x, y, cell;
  };
  for (const Expect& e : {Expect{0, 12, 26, 36}, Expect{1, 86, 39, 120}, Expect{2, 12, 52, 36},
                          Expect{3, 150, 65, 60}, Expect{4, 209, 79, 144}, Expect{5, 12, 91, 12}}) {
    const MarkerPlacement* m = markerOf(right, e.string);
    ASSERT_NE(m, nullptr) << e.string;
    EXPECT_EQ(m->x, e.x) << e.string;
    EXPECT_EQ(m->y, e.y) << e.string;
    EXPECT_EQ(m->cellX, e.cell) << e.string;
  }
  const ChordPicture left = drawChord(cMajor(), Hand::Left, NoteNames{});
  EXPECT_EQ(markerOf(left, 4)->x, 679);
  EXPECT_EQ(markerOf(left, 0)->x, 875);
  EXPECT_EQ(markerOf(left, 4)->y, 79) << "string heights do not depend on the hand";
}

TEST(FretboardPicture, ReadoutTexts) {
  ChordDiagram chord = cMajor();
  chord.bass = 24 + 4;
  ChordPicture picture = drawChord(chord, Hand::Right, NoteNames{});
  EXPECT_EQ(picture.readout.chordName, "C maj /E");
  EXPECT_EQ(picture.readout.notes, " C E G");
  EXPECT_EQ(picture.readout.intervalCaptions[0], "1");
  EXPECT_EQ(picture.readout.intervalCaptions[1], "3");
  EXPECT_EQ(picture.readout.intervalCaptions[2], "5");
  EXPECT_EQ(picture.readout.intervalCaptions[3], "");
  EXPECT_EQ(picture.readout.intervalTags[2], 7);
  EXPECT_EQ(picture.readout.intervalTags[5], 0);
  EXPECT_EQ(picture.readout.tuningName, "Standard");
  EXPECT_TRUE(picture.readout.rootShown);
  EXPECT_EQ(picture.keyboardIntervals, (std::array<std::uint8_t, 10>{0, 4, 7, 99, 99, 99, 99, 99, 99, 99}));

  chord.root = 1;  // Db: no string plays it
  chord.bass = 25;
  chord.intervals = {0, 14, 255, 255, 255, 255, 255};
  picture = drawChord(chord, Hand::Right, NoteNames{Spelling::Sharps});
  EXPECT_FALSE(picture.readout.rootShown);
  EXPECT_EQ(picture.readout.chordName, "C# maj");
  EXPECT_EQ(picture.readout.intervalCaptions[1], "9");
  EXPECT_EQ(picture.readout.intervalTags[1], 2);
  EXPECT_EQ(picture.readout.notes, " C# D#");
}

TEST(FretboardPicture, LedFrameAndNoteSet) {
  const ChordPicture picture = drawChord(cMajor(), Hand::Right, NoteNames{});
  EXPECT_EQ(picture.leds.at(3, 4), (LedCell{1, 1}));
  EXPECT_EQ(picture.leds.at(1, 1), (LedCell{1, 1}));
  EXPECT_EQ(picture.leds.at(2, 3), (LedCell{1, 0}));
  EXPECT_EQ(picture.leds.at(0, 0), (LedCell{1, 0}));
  EXPECT_EQ(picture.leds.at(0, 5), (LedCell{0, 0})) << "a muted string lights nothing";
  int lit = 0;
  for (const auto& fret : picture.leds.cells)
    for (const LedCell& cell : fret) lit += cell.lit;
  EXPECT_EQ(lit, 5);
  for (int pitch = 0; pitch < 128; ++pitch) {
    const bool sounds = pitch == 48 || pitch == 52 || pitch == 55 || pitch == 60 || pitch == 64;
    EXPECT_EQ(picture.notes[static_cast<std::size_t>(pitch)], sounds ? 1 : 0) << pitch;
  }
}

TEST(FretboardPicture, MutedStringOnTheRootShowsNoRoot) {
  ChordDiagram chord = cMajor();
  chord.strings = {StringFret{0, kFingerMuted}, {0, kFingerMuted}, {0, kFingerMuted},
                   {0, kFingerMuted},           {3, kFingerMuted}, {0, kFingerMuted}};
  chord.pitches = {};
  const ChordPicture picture = drawChord(chord, Hand::Right, NoteNames{});
  EXPECT_FALSE(picture.readout.rootShown);
  EXPECT_EQ(markerOf(picture, 4)->cellX, 12);
  EXPECT_EQ(picture.leds, LedFrame{});
}

TEST(FretboardPicture, BadFretsAndCodesNeverReachTheTables) {
  ChordDiagram chord = cMajor();
  chord.strings[0] = {22, 4};  // on the neck, but the guitar has no LED there
  chord.pitches[0] = 86;
  chord.strings[1] = {200, 1};  // a damaged record
  chord.pitches[1] = 255;
  chord.strings[2] = {5, 9};  // no picture for code 9
  const ChordPicture picture = drawChord(chord, Hand::Right, NoteNames{});
  ASSERT_NE(markerOf(picture, 0), nullptr);
  EXPECT_EQ(markerOf(picture, 0)->x, 875);
  EXPECT_EQ(markerOf(picture, 1), nullptr);
  EXPECT_EQ(markerOf(picture, 2), nullptr);
  for (const auto& fret : picture.leds.cells) EXPECT_EQ(fret[0], LedCell{});
  EXPECT_EQ(picture.leds.at(5, 2), (LedCell{1, 1})) << "the string still sounds (G + 5 = C)";
  EXPECT_EQ(picture.notes[86], 1);
}

TEST(FretboardPicture, NotesAcrossTheWholeNeck) {
  const ChordDiagram chord = cMajor();
  const NotesAcrossNeckPicture picture = drawNotesAcrossNeck(chord, Hand::Right, NoteNames{}, Tuning{}, true);
  // Each string has a C, E and G in every octave: count them independently.
  std::size_t expected = 0;
  for (int s = 0; s < 6; ++s)
    for (int f = 0; f <= 22; ++f) {
      const int pc = (Tuning{}.pitches[static_cast<std::size_t>(s)] + f) % 12;
      expected += (pc == 0 || pc == 4 || pc == 7) ? 1 : 0;
    }
  EXPECT_EQ(picture.outlines.size(), expected);
  for (const NeckOutline& o : picture.outlines) {
    const int pc = (Tuning{}.pitches[static_cast<std::size_t>(o.string)] + o.fret) % 12;
    EXPECT_EQ(o.root, pc == 0);
    EXPECT_EQ(o.slot, pc == 0 ? 0 : (pc == 4 ? 1 : 2));
    EXPECT_EQ(o.x, *fretX(Hand::Right, o.fret));
    EXPECT_EQ(o.y, *stringY(o.fret, o.string));
    if (o.fret <= 21) {
      EXPECT_EQ(picture.leds.at(o.fret, o.string).lit, 1);
      EXPECT_EQ(picture.leds.at(o.fret, o.string).root, pc == 0 ? 1 : 0);
    }
  }
  EXPECT_EQ(picture.readout.chordName, "C maj") << "the display names the type, never the bass";
}

TEST(FretboardPicture, NotesAroundTheDiagramOnly) {
  ChordDiagram chord = cMajor();
  chord.beginFret = 5;
  Tuning dropD;
  dropD.pitches[5] = 38;
  const NotesAcrossNeckPicture picture = drawNotesAcrossNeck(chord, Hand::Left, NoteNames{}, dropD, false);
  ASSERT_FALSE(picture.outlines.empty());
  for (const NeckOutline& o : picture.outlines) {
    EXPECT_GE(o.fret, 4);
    EXPECT_LE(o.fret, 8);
    EXPECT_EQ(o.x, *fretX(Hand::Left, o.fret));
  }
  // On the dropped string the C sits at fret 10, outside the range; E at fret 2 is outside too,
  // but G at fret 5 is inside.
  const bool dropG = std::any_of(picture.outlines.begin(), picture.outlines.end(),
                                 [](const NeckOutline& o) { return o.string == 5 && o.fret == 5; });
  EXPECT_TRUE(dropG);
}

}  // namespace
}  // namespace strumly
