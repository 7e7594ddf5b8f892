// The single-chord player and the play-page sequencer, heard through a recording sink: expected
// streams are worked out by hand from the time base (480 ticks a beat, 240 a slot, the click 20
// ticks into its slot) and the default MIDI settings (guitar 0/25/100, bass 1/33/100, click
// 9/note 34/65, accent trunc(1.5 x 65) = 97).
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "../support/RecordingSequenceSink.h"
#include "core/playback/ChordPlayer.h"
#include "core/playback/PlayPageSequencer.h"
#include "core/playback/SpeedTrainer.h"

namespace strumly {
namespace {

using Ev = std::tuple<std::uint64_t, int, int, int, int>;  // tick, status, data1..3

std::vector<Ev> stream(const RecordingSequenceSink& sink) {
  std::vector<Ev> out;
  for (const SinkCall& c : sink.events())
    out.emplace_back(c.tick, c.event.status, c.event.data1, c.event.data2, c.event.data3);
  return out;
}

std::vector<Ev> withStatus(const RecordingSequenceSink& sink, int status) {
  std::vector<Ev> out;
  for (const Ev& e : stream(sink))
    if (std::get<1>(e) == status) out.push_back(e);
  return out;
}

// Guitar notes only (the end event is a guitar note-off of note 0).
std::vector<Ev> guitarNotes(const RecordingSequenceSink& sink) {
  std::vector<Ev> out;
  for (const Ev& e : stream(sink))
    if ((std::get<1>(e) == 0x90 || std::get<1>(e) == 0x80) && std::get<2>(e) != 0) out.push_back(e);
  return out;
}

// Frets low string first as a guitarist writes them (-1 muted); fingers likewise.
ChordDiagram chord(std::array<int, 6> fretsLowFirst, std::array<int, 6> fingersLowFirst) {
  ChordDiagram c;
  c.empty = 0;
  for (int s = 0; s < 6; ++s) {
    const auto i = static_cast<std::size_t>(s);
    const int fret = fretsLowFirst[static_cast<std::size_t>(5 - s)];
    const int finger = fingersLowFirst[static_cast<std::size_t>(5 - s)];
    c.strings[i] = {static_cast<std::uint8_t>(fret < 0 ? 0 : fret),
                    static_cast<std::uint8_t>(fret < 0 ? 5 : finger)};
    c.pitches[i] = static_cast<PitchNumber>(fret < 0 ? 0 : c.tuning[i] + fret);
  }
  return c;
}

ChordDiagram openC() {
  return chord({-1, 3, 2, 0, 1, 0}, {5, 3, 2, 0, 1, 0});
}
ChordDiagram openE() {
  return chord({0, 2, 2, 1, 0, 0}, {0, 2, 3, 1, 0, 0});
}
// One note on the B string: pitch 59 + fret.
ChordDiagram note(int fretOnB) {
  return chord({-1, -1, -1, -1, fretOnB, -1}, {5, 5, 5, 5, 1, 5});
}

TEST(PlayersTest, OpenChordStrumsFromTheLowStringAndReleasesAfterTheHold) {
  RecordingSequenceSink sink;
  PlaybackSettings settings;  // strum -300
  ASSERT_TRUE(PlayChord(openC(), settings, sink));
  const std::vector<Ev> expected{
      {0, 0xC0, 25, 0, 0}, {0, 0xC1, 33, 0, 0},      {0, 0xC9, 0, 0, 0},  {0, 0x90, 48, 100, 0},
      {0, 1, 4, 3, 3},     {300, 0x90, 52, 100, 0},  {300, 1, 3, 2, 2},   {600, 0x90, 55, 100, 0},
      {600, 1, 2, 0, 0},   {900, 0x90, 60, 100, 0},  {900, 1, 1, 1, 1},   {1200, 0x90, 64, 100, 0},
      {1200, 1, 0, 0, 0},  {2000, 0x80, 48, 100, 0}, {2000, 1, 4, 3, 10}, {2000, 0x80, 52, 100, 0},
      {2000, 1, 3, 2, 10}, {2000, 0x80, 55, 100, 0}, {2000, 1, 2, 0, 10}, {2000, 0x80, 60, 100, 0},
      {2000, 1, 1, 1, 10}, {2000, 0x80, 64, 100, 0}, {2000, 1, 0, 0, 10}};
  EXPECT_EQ(stream(sink), expected);
  EXPECT_EQ(sink.kinds().back(), SinkCall::Kind::Start);

  RecordingSequenceSink none;
  EXPECT_FALSE(PlayChord(ChordDiagram{}, settings, none));
  EXPECT_TRUE(none.calls().empty());
}

ScaleDiagram cMajor() {
  ScaleDiagram s;
  s.empty = 0;
  s.intervals = {0, 2, 4, 5, 7, 9, 11, 99, 0, 0};
  return s;
}

std::vector<int> pitchesOn(const RecordingSequenceSink& sink) {
  std::vector<int> out;
  for (const Ev& e : withStatus(sink, 0x90)) out.push_back(std::get<2>(e));
  return out;
}

TEST(PlayersTest, ScalePositionRunsUpEachStringFromTheLowOne) {
  PlaybackSettings settings;
  RecordingSequenceSink sink;
  ASSERT_EQ(PlayScale(cMajor(), 0, settings, sink), ScalePlayResult::Played);
  // Frets 0-4 of C major in standard tuning.
  EXPECT_EQ(pitchesOn(sink),
            (std::vector<int>{40, 41, 43, 45, 47, 48, 50, 52, 53, 55, 57, 59, 59, 60, 62, 64, 65, 67}));
  const std::vector<Ev> events = stream(sink);
  const std::vector<Ev> head{{0, 0xC0, 25, 0, 0},    {0, 0xC1, 33, 0, 0},     {0, 0x90, 40, 100, 0},
                             {0, 1, 5, 0, 6},        {300, 0x80, 40, 100, 0}, {300, 1, 5, 0, 10},
                             {300, 0x90, 41, 100, 0}};
  EXPECT_EQ(std::vector<Ev>(events.begin(), events.begin() + 7), head);

  // From the root: starts at the C on the A string, and string 2 stops below fret 4.
  settings.rootPlay = true;
  RecordingSequenceSink fromRoot;
  PlayScale(cMajor(), 0, settings, fromRoot);
  EXPECT_EQ(pitchesOn(fromRoot), (std::vector<int>{48, 50, 52, 53, 55, 57, 59, 60, 62, 64, 65, 67}));

  ScaleDiagram dropD = cMajor();
  dropD.tuning[5] = 38;
  RecordingSequenceSink refused;
  EXPECT_EQ(PlayScale(dropD, 0, settings, refused), ScalePlayResult::StopInstead);
  EXPECT_EQ(PlayScale(ScaleDiagram{}, 0, settings, refused), ScalePlayResult::Refused);
  EXPECT_TRUE(refused.calls().empty());
}

struct Song {
  PlaySlots slots{};
  TimeSignature signature = TimeSignature::FourFour;
  RepeatMarkers markers = RepeatMarkers::defaults(TimeSignature::FourFour);
  PlaybackSettings settings;

  void use(TimeSignature s) {
    signature = s;
    markers = RepeatMarkers::defaults(s);
  }
  bool start(PlayPageSequencer& seq, SequenceSink& sink, SlotPos from = {}) {
    return seq.start(slots, signature, markers, from, settings, sink);
  }
};

// Measures in the order their first slot was played, from the slot markers.
std::vector<int> measuresPlayed(const RecordingSequenceSink& sink, int slotsPerMeasure) {
  std::vector<int> out;
  for (const Ev& e : withStatus(sink, 3)) {
    const int slot = std::get<2>(e) + 256 * std::get<3>(e);
    if (slot % slotsPerMeasure == 0) out.push_back(slot / slotsPerMeasure);
  }
  return out;
}

TEST(PlayPageTest, RepeatPlaysTheSectionThreeTimesAndStopGivesTheCountsBack) {
  Song song;
  song.use(TimeSignature::ThreeFour);
  song.markers.startRepeat[1] = 1;  // measure 2
  song.markers.repeatCount[3] = 2;  // measure 4
  song.markers.repeatsLeft[3] = 2;

  RecordingSequenceSink sink;
  PlayPageSequencer seq;
  ASSERT_TRUE(song.start(seq, sink));
  EXPECT_TRUE(seq.songEnded());
  EXPECT_TRUE(seq.endQueued());
  std::vector<int> expected{0, 1, 2, 3, 1, 2, 3, 1, 2, 3};
  for (int m = 4; m < 48; ++m) expected.push_back(m);
  EXPECT_EQ(measuresPlayed(sink, 6), expected);
  EXPECT_EQ(seq.markers().repeatsLeft[3], 2);  // the finished section is ready again

  // Stopped during the second pass: 3 program changes, 14 + 3 x 15 events for measures 1-4 of an
  // empty 3/4 song, then into the repeat.
  RecordingSequenceSink bounded;
  bounded.roomFor(80);
  PlayPageSequencer stoppedSeq;
  song.start(stoppedSeq, bounded);
  EXPECT_FALSE(stoppedSeq.songEnded());
  EXPECT_EQ(stoppedSeq.markers().repeatsLeft[3], 1);
  RepeatMarkers working = song.markers;
  working.repeatsLeft[3] = 0;
  stoppedSeq.stopped(working);
  EXPECT_EQ(working.repeatsLeft[3], 2);
  EXPECT_EQ(stoppedSeq.markers().repeatsLeft[3], 2);
}

TEST(PlayPageTest, LoopReturnsToTheFirstMeasureOnlyWithLoopDown) {
  Song song;
  song.markers.loopFlag[35] = 0;
  song.markers.loopFlag[1] = 1;
  song.slots[0] = note(1);

  RecordingSequenceSink looping;
  looping.roomFor(300);
  PlayPageSequencer seq;
  song.settings.loop = true;
  song.start(seq, looping);
  const std::vector<Ev> ons = withStatus(looping, 0x90);
  ASSERT_GE(ons.size(), 2u);
  EXPECT_EQ(std::get<0>(ons[0]), 20u);
  EXPECT_EQ(std::get<0>(ons[1]), 20u + 16 * 240);  // two measures later
  EXPECT_FALSE(seq.songEnded());

  // Loop up: all 288 slots once, then the end event 1000 ticks after the last slot's click-off.
  RecordingSequenceSink once;
  song.settings.loop = false;
  song.start(seq, once);
  EXPECT_EQ(withStatus(once, 0x90).size(), 1u);
  const std::vector<Ev> events = stream(once);
  EXPECT_EQ(events.back(), Ev(20 + 287 * 240 + 1000, 0x80, 0, 0, 0));
  EXPECT_EQ(withStatus(once, 3).size(), 288u);
}

TEST(PlayPageTest, ChordSoundsUntilTheNextChordOrEightSlots) {
  Song song;
  song.slots[0] = note(1);   // 60
  song.slots[3] = note(5);   // 64
  song.slots[20] = note(8);  // 67
  RecordingSequenceSink sink;
  PlayPageSequencer seq;
  song.start(seq, sink);
  auto at = [](int slot) { return static_cast<std::uint64_t>(20 + 240 * slot); };
  const std::vector<Ev> expected{{at(0), 0x90, 60, 100, 0},  {at(3), 0x80, 60, 100, 0},
                                 {at(3), 0x90, 64, 100, 0},  {at(11), 0x80, 64, 100, 0},
                                 {at(20), 0x90, 67, 100, 0}, {at(28), 0x80, 67, 100, 0}};
  EXPECT_EQ(guitarNotes(sink), expected);
}

TEST(PlayPageTest, StrumSpreadsTheStringsButTheSlotKeepsItsLength) {
  for (auto [speed, step] : {std::pair{-800, 44}, std::pair{-300, 16}}) {
    Song song;
    song.settings.strumSpeed = speed;
    song.slots[0] = openE();
    RecordingSequenceSink sink;
    PlayPageSequencer seq;
    song.start(seq, sink);
    const std::vector<Ev> ons = withStatus(sink, 0x90);
    ASSERT_EQ(ons.size(), 6u);
    for (std::size_t k = 0; k < 6; ++k)
      EXPECT_EQ(std::get<0>(ons[k]), 20u + static_cast<std::uint64_t>(step) * k) << speed;
    EXPECT_EQ(std::get<2>(ons[0]), 40);  // the low E string first
    // The second slot's click-off, 240 ticks after the first slot's click.
    EXPECT_EQ(std::get<0>(withStatus(sink, 0x89)[1]), 260u) << speed;
  }
}

TEST(PlayPageTest, CountOffOfTwoMeasuresAccentsEachBarAndKeepsThePulse) {
  Song song;
  song.settings.countOff = true;
  song.settings.countOffMeasures = 2;
  song.settings.click = true;
  RecordingSequenceSink sink;
  PlayPageSequencer seq;
  song.start(seq, sink);
  EXPECT_EQ(seq.countOffBeats(), 8);
  const std::vector<Ev> clicks = withStatus(sink, 0x99);
  ASSERT_GE(clicks.size(), 9u);
  for (std::size_t k = 0; k < 8; ++k) {
    EXPECT_EQ(std::get<0>(clicks[k]), 480 * k);
    EXPECT_EQ(std::get<3>(clicks[k]), k % 4 == 0 ? 97 : 65) << k;
  }
  EXPECT_EQ(std::get<0>(clicks[8]), 480u * 8);  // the song's first beat, accented
  EXPECT_EQ(std::get<3>(clicks[8]), 97);
}

TEST(PlayPageTest, FullQueueResumesWithTheRefusedEvent) {
  Song song;
  song.use(TimeSignature::ThreeFour);
  song.settings.bassNote = true;
  song.settings.click = true;
  song.slots[0] = openC();
  song.slots[5] = openE();
  song.slots[13] = note(3);

  RecordingSequenceSink unbounded;
  PlayPageSequencer a;
  song.start(a, unbounded);

  RecordingSequenceSink bounded;
  bounded.roomFor(5);
  PlayPageSequencer b;
  song.start(b, bounded);
  for (int calls = 0; !b.endQueued() && calls < 2000; ++calls) {
    bounded.roomFor(7);
    b.fill(bounded);
  }
  EXPECT_GT(bounded.fullAnswers(), 100u);
  EXPECT_EQ(stream(bounded), stream(unbounded));
}

TEST(PlayPageTest, StepPlayFindsTheNextChordBothWaysAndWraps) {
  Song song;
  song.settings.stepMode = true;
  song.slots[0] = note(1);
  song.slots[100] = note(3);
  song.slots[287] = note(5);
  RecordingSequenceSink sink;
  PlayPageSequencer seq;
  ASSERT_TRUE(song.start(seq, sink));
  EXPECT_EQ(seq.seqSlot(), 0);
  // The start's program changes, then the step chord's own: it holds 400 ticks and leaves its
  // finger marker up.
  const std::vector<Ev> first{{0, 0xC0, 25, 0, 0},   {0, 0xC1, 33, 0, 0}, {0, 0xC9, 0, 0, 0},
                              {0, 0xC0, 25, 0, 0},   {0, 0xC1, 33, 0, 0}, {0, 0xC9, 0, 0, 0},
                              {0, 0x90, 60, 100, 0}, {0, 1, 1, 1, 1},     {400, 0x80, 60, 100, 0}};
  EXPECT_EQ(stream(sink), first);

  std::vector<int> visited;
  for (StepDirection d : {StepDirection::Backward, StepDirection::Forward, StepDirection::Forward,
                          StepDirection::Forward, StepDirection::Backward}) {
    ASSERT_TRUE(seq.stepPlay(d, sink));
    visited.push_back(seq.seqSlot());
  }
  EXPECT_EQ(visited, (std::vector<int>{287, 0, 100, 287, 100}));
  EXPECT_EQ(withStatus(sink, 0x90).size(), 6u);

  Song empty;
  empty.settings.stepMode = true;
  RecordingSequenceSink nothing;
  EXPECT_FALSE(empty.start(seq, nothing));
  EXPECT_TRUE(withStatus(nothing, 0x90).empty());
}

// The time each pass of the loop starts, in microseconds, as a clock would play the recording:
// the tempo set at the start, then each queued tempo change (status 0xFF, high byte first) from
// its tick on. The first pass starts at tick 0, each later one at the marker of beat 0.
std::vector<double> passStarts(const RecordingSequenceSink& sink) {
  double tempo = 0, micros = 0;
  std::uint64_t last = 0;
  std::vector<double> starts{0};
  for (const SinkCall& c : sink.calls()) {
    if (c.kind == SinkCall::Kind::Tempo && tempo == 0) tempo = c.tempoMicros;
    if (c.kind != SinkCall::Kind::Event) continue;
    micros += static_cast<double>(c.tick - last) * tempo / 480;
    last = c.tick;
    const MidiEvent& e = c.event;
    if (e.status == 0xFF) tempo = (e.data1 << 16) | (e.data2 << 8) | e.data3;
    if (e.status == 2 && e.data1 == 0) starts.push_back(micros);
  }
  return starts;
}

TEST(PlayPageTest, SpeedTrainerStepsEachPassOfTheLoopTowardsTheTarget) {
  // A one-measure loop in 4/4: a pass lasts 4 beats, 4 x trunc(60000000 / bpm) microseconds.
  Song song;
  song.markers.loopFlag[35] = 0;
  song.markers.loopFlag[0] = 1;
  song.slots[0] = note(1);
  song.settings.loop = true;
  song.settings.tempoMicros = 600000;  // the page's 100 bpm gives way to the trainer's start
  song.settings.speedTrainer = {true, 60, 5, 2, 80};
  RecordingSequenceSink sink;
  sink.roomFor(400);
  PlayPageSequencer seq;
  song.start(seq, sink);
  const std::vector<double> starts = passStarts(sink);
  ASSERT_GE(starts.size(), 12u);
  const std::vector<int> bpm{60, 60, 65, 65, 70, 70, 75, 75, 80, 80, 80};
  for (std::size_t k = 0; k < bpm.size(); ++k)
    EXPECT_NEAR(starts[k + 1] - starts[k], 4.0 * (60000000 / bpm[k]), 0.5) << "pass " << k;

  // Loop Play up: the trainer stays out and the song keeps the page's tempo.
  song.settings.loop = false;
  RecordingSequenceSink once;
  song.start(seq, once);
  EXPECT_EQ(once.calls().front().tempoMicros, 600000u);
  EXPECT_TRUE(withStatus(once, 0xFF).empty());

  // A start above the target steps down; a step that would overshoot stops at the target.
  const SpeedTrainerSettings down{true, 90, 20, 1, 55};
  EXPECT_EQ(trainerTempoBpm(down, 0), 90);
  EXPECT_EQ(trainerTempoBpm(down, 1), 70);
  EXPECT_EQ(trainerTempoBpm(down, 2), 55);
  EXPECT_EQ(trainerTempoBpm(down, 1000000), 55);
}

// Playing along: the guitar's notes are left to the student, while the bass, the click and the
// neck's markers keep their places.
TEST(PlayPageTest, MutedGuitarLeavesTheBassTheClickAndTheMarkers) {
  Song song;
  song.settings.bassNote = true;
  song.settings.click = true;
  song.settings.muteGuitar = true;
  song.slots[0] = openE();
  song.slots[0].bass = 40;
  song.slots[4] = openC();
  song.slots[4].bass = 48;
  RecordingSequenceSink sink;
  PlayPageSequencer seq;
  song.start(seq, sink);
  EXPECT_TRUE(guitarNotes(sink).empty());
  EXPECT_EQ(withStatus(sink, 0x91),
            (std::vector<Ev>{{20, 0x91, 40, 100, 0}, {20 + 4 * 240, 0x91, 48, 100, 0}}));
  EXPECT_EQ(withStatus(sink, 0x99).size(), 144u);       // every beat of the 288 slots
  EXPECT_EQ(withStatus(sink, 1).size(), 2u * (6 + 5));  // each string's start and end
}

}  // namespace
}  // namespace strumly
