#include "core/views/ChordPicture.h"

#include "core/chords/ChordName.h"
#include "core/theory/Intervals.h"

namespace strumly {
namespace {

void fillIntervalTexts(const ChordDiagram& chord, const NoteNames& names, ChordReadout& readout) {
  for (std::size_t slot = 0; slot < chord.intervals.size(); ++slot) {
    const std::uint8_t interval = chord.intervals[slot];
    if (interval == kUnusedInterval) continue;
    readout.intervalCaptions[slot] = std::string(intervalName(interval));
    readout.intervalTags[slot] = static_cast<std::uint8_t>(interval % 12);
  }
  readout.notes = chordNotesText(chord.intervals, chord.root, names);
}

}  // namespace

void LedFrame::light(int fret, int string, bool isRoot) {
  if (fret < 0 || fret >= kLedFrets || string < 0 || string > 5) return;
  auto& cell = cells[static_cast<std::size_t>(fret)][static_cast<std::size_t>(string)];
  cell.lit = 1;
  if (isRoot) cell.root = 1;
}

ChordPicture drawChord(const ChordDiagram& chord, Hand hand, const NoteNames& names) {
  ChordPicture picture;
  picture.root = chord.root;
  picture.tuning.pitches = chord.tuning;
  picture.readout.chordName = chordNameText(chord, names);
  picture.readout.tuningName = chord.tuningName.str();
  fillIntervalTexts(chord, names, picture.readout);

  for (int s = 0; s < kStringCount; ++s) {
    const auto index = static_cast<std::size_t>(s);
    const StringFret& sf = chord.strings[index];
    const PitchNumber pitch = chord.pitches[index];
    if (pitch != 0 && pitch < picture.notes.size()) picture.notes[pitch] = 1;

    const bool muted = sf.finger == kFingerMuted;
    const bool playsRoot = pitchClassOf(chord.tuning[index] + sf.fret) == pitchClassOf(chord.root);
    if (playsRoot && !muted) picture.readout.rootShown = true;
    if (!muted) picture.leds.light(sf.fret, s, playsRoot);

    const auto x = fretX(hand, sf.fret);
    const auto y = stringY(sf.fret, s);
    const auto cell = chordMarkerCell(sf.finger, playsRoot);
    if (x && y && cell) picture.markers.push_back({s, sf.fret, *x, *y, *cell});
  }

  for (std::size_t i = 0; i < picture.keyboardIntervals.size(); ++i) {
    const std::uint8_t interval = i < chord.intervals.size() ? chord.intervals[i] : kUnusedInterval;
    picture.keyboardIntervals[i] = interval == kUnusedInterval ? kScaleEnd : interval;
  }
  return picture;
}

NotesAcrossNeckPicture drawNotesAcrossNeck(const ChordDiagram& chord, Hand hand, const NoteNames& names,
                                           const Tuning& openPitches, bool wholeNeck) {
  NotesAcrossNeckPicture picture;
  picture.readout.chordName = std::string(names.name(chord.root)) + " " + chord.name.str();
  picture.readout.tuningName = chord.tuningName.str();
  fillIntervalTexts(chord, names, picture.readout);

  const FretRange range = notesAcrossNeckRange(wholeNeck, chord.beginFret);
  for (const NeckMark& mark : notesAcrossNeck(chord.intervals, chord.root, openPitches.pitches, range)) {
    const auto x = fretX(hand, mark.fret);
    const auto y = stringY(mark.fret, mark.string);
    if (!x || !y) continue;
    picture.outlines.push_back({*x, *y, mark.string, mark.fret, mark.root, mark.slot});
    picture.leds.light(mark.fret, mark.string, mark.root);
  }
  return picture;
}

}  // namespace strumly
