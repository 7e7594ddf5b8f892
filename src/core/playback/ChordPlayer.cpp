#include "core/playback/ChordPlayer.h"

#include <algorithm>
#include <cstdlib>

namespace strumly {

namespace {

constexpr std::uint32_t kChordHold = 800;
constexpr std::uint32_t kStepChordHold = 400;
constexpr int kHighestScaleFret = 22;

bool isStandardTuning(const std::array<PitchNumber, 6>& tuning) {
  constexpr std::array<PitchNumber, 6> kStandard{64, 59, 55, 50, 45, 40};
  return tuning == kStandard;
}

bool inScale(const ScaleDiagram& scale, int pitch) {
  for (std::uint8_t interval : scale.intervals) {
    if (interval == kScaleEnd) break;
    if ((interval + scale.root) % 12 == pitch % 12) return true;
  }
  return false;
}

}  // namespace

bool PlayChord(const ChordDiagram& chord, const PlaybackSettings& settings, SequenceSink& sink) {
  if (chord.isEmpty()) return false;
  const MidiSettings& midi = settings.midi;
  const auto strum = static_cast<std::uint32_t>(std::abs(settings.strumSpeed));
  TimedQueue q{sink};
  queueProgramChanges(q, midi, true);

  if (settings.countOff && !settings.playPageActive) {
    // The click spacing follows the strum size; a fast strum runs the clicks together.
    const std::uint32_t gap = settings.strumSpeed < -200 ? 0 : strum;
    for (int k = 0; k < 4; ++k) {
      const int velocity = k == 0 ? accentVelocity(midi.clickVolume) : midi.clickVolume;
      q.put(channelEvent(0x90, midi.clickChannel, midi.clickNote, velocity));
      q.time = strum;
      q.put(channelEvent(0x80, midi.clickChannel, midi.clickNote, 0));
      q.time = gap;
    }
  }

  if (settings.bassNote) {
    q.put(channelEvent(0x90, midi.bassChannel, chord.bass, midi.bassVolume));
    q.time = 0;
  }
  for (int s = 5; s >= 0; --s) {
    const auto i = static_cast<std::size_t>(s);
    if (chord.pitches[i] == 0) continue;
    q.put(channelEvent(0x90, midi.guitarChannel, chord.pitches[i], midi.guitarVolume));
    q.time = 0;
    q.put(markerEvent(1, s, chord.strings[i].fret, chord.strings[i].finger));
    q.time = strum;
  }

  const bool stepChord = settings.playPageActive && settings.stepMode && !settings.singleChordMode;
  q.time = stepChord ? kStepChordHold : kChordHold;
  for (int s = 5; s >= 0; --s) {
    const auto i = static_cast<std::size_t>(s);
    if (chord.pitches[i] == 0) continue;
    q.put(channelEvent(0x80, midi.guitarChannel, chord.pitches[i], midi.guitarVolume));
    q.time = 0;
    if (!stepChord) q.put(markerEvent(1, s, chord.strings[i].fret, kMarkerNoteEnds));
  }
  if (settings.bassNote) q.put(channelEvent(0x80, midi.bassChannel, chord.bass, midi.bassVolume));
  sink.start();
  return true;
}

ScalePlayResult PlayScale(const ScaleDiagram& scale, int position, const PlaybackSettings& settings,
                          SequenceSink& sink) {
  if (scale.isEmpty() || position < 0 || position >= static_cast<int>(scale.beginFrets.size()))
    return ScalePlayResult::Refused;
  if (settings.rootPlay && !isStandardTuning(scale.tuning)) return ScalePlayResult::StopInstead;

  const int begin = scale.beginFrets[static_cast<std::size_t>(position)];
  const int frets = std::max(settings.scaleFrets, 1);
  const int low = begin == 1 ? 0 : begin;
  const int high = begin == 1 ? frets - 1 : std::min(begin + frets - 1, kHighestScaleFret);

  const MidiSettings& midi = settings.midi;
  const auto strum = static_cast<std::uint32_t>(std::abs(settings.strumSpeed));
  TimedQueue q{sink};
  queueProgramChanges(q, midi, false);
  const int bassPitch = scale.root + 36;
  if (settings.bassNote) q.put(channelEvent(0x90, midi.bassChannel, bassPitch, midi.bassVolume));

  // From the root, the run stays within one hand position: five frets from the first fret of the
  // range, four on string 2.
  bool rootReached = !settings.rootPlay;
  for (int s = 5; s >= 0; --s) {
    const int pitchBase = scale.tuning[static_cast<std::size_t>(s)];
    for (int f = low; f <= high; ++f) {
      const int pitch = pitchBase + f;
      if (!inScale(scale, pitch)) continue;
      if (settings.rootPlay) {
        if (!rootReached) {
          if (pitch % 12 != scale.root % 12 || f >= low + 5) continue;
          rootReached = true;
        } else if (f >= low + (s == 2 ? 4 : 5)) {
          continue;
        }
      }
      q.put(channelEvent(0x90, midi.guitarChannel, pitch, midi.guitarVolume));
      q.time = 0;
      q.put(markerEvent(1, s, f, kFingerPlain));
      q.time = strum;
      q.put(channelEvent(0x80, midi.guitarChannel, pitch, midi.guitarVolume));
      q.time = 0;
      q.put(markerEvent(1, s, f, kMarkerNoteEnds));
    }
  }
  if (settings.bassNote) q.put(channelEvent(0x80, midi.bassChannel, bassPitch, midi.bassVolume));
  sink.start();
  return ScalePlayResult::Played;
}

}  // namespace strumly
