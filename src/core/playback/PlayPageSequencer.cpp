#include "core/playback/PlayPageSequencer.h"

#include <algorithm>
#include <cstdlib>

#include "core/app/PageRules.h"
#include "core/playback/ChordPlayer.h"
#include "core/playback/SpeedTrainer.h"

namespace strumly {

namespace {

constexpr std::uint32_t kClickOffset = 20;  // the click sounds this long after the beat marker
constexpr std::uint32_t kSlotTicks = kTicksPerBeat / 2;
constexpr std::uint32_t kEndTicks = 1000;
constexpr int kStrumDivisor = 18;
constexpr int kLookAheadSlots = 7;       // a chord sounds for its own slot and at most seven more
constexpr int kMaxCountOffMeasures = 4;  // what Preferences allows; Kv.ini may say anything

}  // namespace

bool PlayPageSequencer::start(const PlaySlots& song, TimeSignature signature, const RepeatMarkers& markers,
                              SlotPos playStart, const PlaybackSettings& settings, SequenceSink& sink) {
  song_ = song;
  signature_ = signature;
  slotsPerMeasure_ = slotsPerMeasure(signature);
  measures_ = measureCount(signature);
  markers_ = markers;
  settings_ = settings;
  settings_.singleChordMode = false;
  settings_.playPageActive = true;
  active_ = true;

  trainer_ = settings_.speedTrainer.enabled && settings_.loop && !settings_.stepMode;
  pass_ = 0;
  tempoDue_ = false;
  tempoMicros_ =
      trainer_ ? tempoMicrosForBpm(trainerTempoBpm(settings_.speedTrainer, 0)) : settings_.tempoMicros;
  startTempoMicros_ = tempoMicros_;
  sink.setTempo(tempoMicros_);
  startSlot_ = playStart.index();
  seqMeasure_ = startSlot_ / slotsPerMeasure_;
  seqSlotInMeasure_ = 0;
  seqSlot_ = seqMeasure_ * slotsPerMeasure_;
  sustainSlots_ = 0;
  // Beyond the bar's slowest end the strum would outlast its slot and the timing would wrap.
  strumTicks_ = std::abs(clampedStrumSpeed(settings_.strumSpeed)) / kStrumDivisor;
  strumCount_ = 0;
  carry_ = 0;
  firstSlot_ = true;
  soundingNotes_.fill(0);
  soundingFrets_.fill(0);
  soundingBass_ = 0;
  ended_ = false;
  endQueued_ = false;
  slotEvents_.clear();
  slotQueued_ = 0;
  slotBuilt_ = false;
  countOffBeats_ = 0;

  // The queue is empty at a start, so the lead-in always fits.
  const MidiSettings& midi = settings_.midi;
  TimedQueue q{sink};
  queueProgramChanges(q, midi, true);
  if (settings_.countOff && !settings_.stepMode) {
    const int beats = slotsPerMeasure_ / 2;
    countOffBeats_ = beats * std::clamp(settings_.countOffMeasures, 1, kMaxCountOffMeasures);
    for (int k = 0; k < countOffBeats_; ++k) {
      q.time = k == 0 ? 0 : kSlotTicks;
      const int velocity = k % beats == 0 ? accentVelocity(midi.clickVolume) : midi.clickVolume;
      q.put(channelEvent(0x90, midi.clickChannel, midi.clickNote, velocity));
      q.time = kSlotTicks;
      q.put(channelEvent(0x80, midi.clickChannel, midi.clickNote, 0));
    }
    // The program's own rule: the song's first beat follows the last count-off click by one beat,
    // so the count-off keeps the song's pulse.
    carry_ = kSlotTicks - kClickOffset;
  }

  if (settings_.stepMode) return stepFrom(StepDirection::Forward, sink);
  fill(sink);
  sink.start();
  return true;
}

int PlayPageSequencer::repeatTarget(int measure) const {
  for (int m = measure; m >= 0; --m)
    if (markers_.startRepeat[static_cast<std::size_t>(m)] != 0) return m;
  return 0;  // the first measure always starts a section
}

int PlayPageSequencer::measureAfter(int measure) const {
  const auto m = static_cast<std::size_t>(measure);
  if (markers_.repeatsLeft[m] > 0) return repeatTarget(measure);
  if (markers_.loopFlag[m] == 1 && settings_.loop) return 0;
  return measure + 1;
}

void PlayPageSequencer::buildSlot() {
  const MidiSettings& midi = settings_.midi;
  const int j = seqSlotInMeasure_;
  const int s = seqSlot_;
  slotEvents_.clear();
  slotQueued_ = 0;
  std::uint32_t time = carry_;
  auto put = [&](MidiEvent e) {
    e.time = time;
    slotEvents_.push_back(e);
  };

  if (tempoDue_) {
    put(tempoEvent(tempoMicros_));
    time = 0;
    tempoDue_ = false;
  }

  // The grid: a beat marker and the click (or a silent note-off keeping the timing) on even
  // slots, the click's end on odd ones, and the slot marker on all.
  if (j % 2 != 0) {
    time += kClickOffset;
    put(channelEvent(0x80, midi.clickChannel, midi.clickNote, 0));
  } else {
    if (firstSlot_) {
      // The beat cursor is drawn at the start already; the marker's delay still passes.
      time += kClickOffset;
    } else {
      put(markerEvent(2, s / 2));
      time = kClickOffset;
    }
    const int velocity = j == 0 ? accentVelocity(midi.clickVolume) : midi.clickVolume;
    put(channelEvent(settings_.click ? 0x90 : 0x80, midi.clickChannel, midi.clickNote, velocity));
  }
  time = 0;
  put(markerEvent(3, s % 256, s / 256));

  if (sustainSlots_ == 0) pushReleases(time);

  if (filled(s)) {
    const ChordDiagram& chord = song_[static_cast<std::size_t>(s)];
    if (settings_.bassNote) {
      soundingBass_ = chord.bass;
      put(channelEvent(0x90, midi.bassChannel, chord.bass, midi.bassVolume));
    }
    for (int string = 5; string >= 0; --string) {
      const auto i = static_cast<std::size_t>(string);
      if (chord.pitches[i] == 0) continue;
      soundingNotes_[i] = chord.pitches[i];
      soundingFrets_[i] = chord.strings[i].fret;
      // Muted, the strum keeps its timing and its markers: the neck still shows what to play.
      if (!settings_.muteGuitar) {
        put(channelEvent(0x90, midi.guitarChannel, chord.pitches[i], midi.guitarVolume));
        time = 0;
      }
      put(markerEvent(1, string, chord.strings[i].fret, chord.strings[i].finger));
      time = static_cast<std::uint32_t>(strumTicks_);
      ++strumCount_;
    }
  }
}

// The program's own rule: a released note is forgotten, so a later release does not end notes
// again that stopped long ago.
void PlayPageSequencer::pushReleases(std::uint32_t& time) {
  const MidiSettings& midi = settings_.midi;
  auto put = [&](MidiEvent e) {
    e.time = time;
    time = 0;
    slotEvents_.push_back(e);
  };
  if (soundingBass_ != 0) {
    put(channelEvent(0x80, midi.bassChannel, soundingBass_, midi.bassVolume));
    soundingBass_ = 0;
  }
  for (int string = 5; string >= 0; --string) {
    const auto i = static_cast<std::size_t>(string);
    if (soundingNotes_[i] == 0) continue;
    if (!settings_.muteGuitar)
      put(channelEvent(0x80, midi.guitarChannel, soundingNotes_[i], midi.guitarVolume));
    put(markerEvent(1, string, soundingFrets_[i], kMarkerNoteEnds));
    soundingNotes_[i] = 0;
  }
}

// A chord still sounding when the song ends (one in its last measure) rings until the end event
// and is released with it, so it keeps its length wherever the song is heard.
void PlayPageSequencer::buildEnd() {
  slotEvents_.clear();
  slotQueued_ = 0;
  std::uint32_t time = kEndTicks;
  pushReleases(time);
  MidiEvent end = channelEvent(0x80, settings_.midi.guitarChannel, 0, 0);
  end.time = time;
  slotEvents_.push_back(end);
}

void PlayPageSequencer::advance() {
  ++seqSlotInMeasure_;
  if (seqSlotInMeasure_ == slotsPerMeasure_) {
    seqSlotInMeasure_ = 0;
    const auto m = static_cast<std::size_t>(seqMeasure_);
    const int next = measureAfter(seqMeasure_);
    // A repeat going back is part of the pass; only the loop begins the next one.
    const bool nextPass = trainer_ && markers_.repeatsLeft[m] == 0 && markers_.loopFlag[m] == 1;
    if (markers_.repeatsLeft[m] > 0)
      --markers_.repeatsLeft[m];
    else
      markers_.repeatsLeft[m] = markers_.repeatCount[m];
    seqMeasure_ = next;
    if (seqMeasure_ >= measures_) {
      ended_ = true;
      return;
    }
    if (nextPass) {
      ++pass_;
      const std::uint32_t tempo = tempoMicrosForBpm(trainerTempoBpm(settings_.speedTrainer, pass_));
      tempoDue_ = tempo != tempoMicros_;
      tempoMicros_ = tempo;
    }
  }
  // Whatever the strum spread, the next slot's grid starts 240 ticks after this slot's.
  if (strumCount_ > 0) --strumCount_;
  carry_ =
      static_cast<std::uint32_t>(static_cast<int>(kSlotTicks - kClickOffset) - strumTicks_ * strumCount_);
  strumCount_ = 0;
  firstSlot_ = false;
  seqSlot_ = seqMeasure_ * slotsPerMeasure_ + seqSlotInMeasure_;
  if (sustainSlots_ >= 1)
    --sustainSlots_;
  else
    lookAhead();
}

void PlayPageSequencer::lookAhead() {
  for (int i = 0; i < kLookAheadSlots; ++i) {
    const int g = seqSlotInMeasure_ + i;
    const int measure = g < slotsPerMeasure_ ? seqMeasure_ : measureAfter(seqMeasure_);
    const int slot = measure * slotsPerMeasure_ + g % slotsPerMeasure_;
    if (slot >= kPlaySlotCount || filled(slot)) break;
    ++sustainSlots_;
  }
}

void PlayPageSequencer::fill(SequenceSink& sink) {
  if (!active_ || settings_.stepMode) return;
  while (!ended_) {
    if (!slotBuilt_) {
      buildSlot();
      slotBuilt_ = true;
    }
    for (; slotQueued_ < slotEvents_.size(); ++slotQueued_)
      if (sink.queue(slotEvents_[slotQueued_]) == QueueResult::Full) return;
    slotBuilt_ = false;
    advance();
  }
  if (endQueued_) return;
  if (!slotBuilt_) {
    buildEnd();
    slotBuilt_ = true;
  }
  for (; slotQueued_ < slotEvents_.size(); ++slotQueued_)
    if (sink.queue(slotEvents_[slotQueued_]) == QueueResult::Full) return;
  slotBuilt_ = false;
  endQueued_ = true;
}

bool PlayPageSequencer::stepPlay(StepDirection direction, SequenceSink& sink) {
  if (!active_) return false;
  seqSlot_ = stepPlayPosition(seqSlot_, direction == StepDirection::Forward ? +1 : -1);
  return stepFrom(direction, sink);
}

bool PlayPageSequencer::stepFrom(StepDirection direction, SequenceSink& sink) {
  const int step = direction == StepDirection::Forward ? 1 : -1;
  int slot = seqSlot_;
  for (int tried = 0; tried < kPlaySlotCount; ++tried) {
    if (filled(slot)) {
      seqSlot_ = slot;
      PlaybackSettings chordSettings = settings_;
      chordSettings.playPageActive = true;
      chordSettings.stepMode = true;
      chordSettings.singleChordMode = false;
      return PlayChord(song_[static_cast<std::size_t>(slot)], chordSettings, sink);
    }
    slot = stepPlayPosition(slot, step);
  }
  return false;
}

void PlayPageSequencer::stopped(RepeatMarkers& working) {
  working.repeatsLeft = working.repeatCount;
  markers_.repeatsLeft = markers_.repeatCount;
  active_ = false;
}

}  // namespace strumly
