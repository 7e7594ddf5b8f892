#pragma once
// The single-chord and scale players: each queues one whole phrase and starts the clock. The
// tempo is the caller's: the Play button sets 120 beats per minute before it calls them, while a
// step-played play-page chord keeps the song's tempo. A full queue is ignored here; a chord or a
// scale is far shorter than the queue.
#include "core/pages/DiagramRecords.h"
#include "core/playback/PlaybackSettings.h"
#include "core/playback/SequenceSink.h"

namespace strumly {

// --- Pieces both players and the play-page sequencer build their events from ---

constexpr std::uint8_t kMarkerNoteEnds = 10;  // data3 of a finger marker whose note ended

// Accented clicks are half as loud again.
constexpr int accentVelocity(int volume) {
  return volume * 3 / 2;
}
inline MidiEvent channelEvent(int kind, int channel, int data1, int data2) {
  return {0, static_cast<std::uint8_t>(kind + channel), static_cast<std::uint8_t>(data1),
          static_cast<std::uint8_t>(data2), 0};
}
inline MidiEvent markerEvent(int status, int data1, int data2 = 0, int data3 = 0) {
  return {0, static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(data1),
          static_cast<std::uint8_t>(data2), static_cast<std::uint8_t>(data3)};
}

// The players' running delta: each event goes out `time` ticks after the one before, and the
// player moves `time` between events.
struct TimedQueue {
  SequenceSink& sink;
  std::uint32_t time = 0;
  QueueResult put(MidiEvent event) {
    event.time = time;
    return sink.queue(event);
  }
};

// Patches for guitar and bass, and program 0 for the click channel when the player clicks.
inline void queueProgramChanges(TimedQueue& q, const MidiSettings& midi, bool withClick) {
  q.put(channelEvent(0xC0, midi.guitarChannel, midi.guitarPatch, 0));
  q.put(channelEvent(0xC0, midi.bassChannel, midi.bassPatch, 0));
  if (withClick) q.put(channelEvent(0xC0, midi.clickChannel, 0, 0));
}

// Queues the chord (program changes, optional count-off and bass note, the strum from the lowest
// string, the hold, the releases) and starts the clock. False, with nothing queued, for an empty
// diagram. A step-played play-page chord (play page active, step mode, not a single chord) holds
// half as long and sends no note-end markers, so its finger markers stay until the next step.
bool PlayChord(const ChordDiagram& chord, const PlaybackSettings& settings, SequenceSink& sink);

enum class ScalePlayResult {
  Played,
  Refused,  // an empty scale: nothing queued
  // Play From Root knows only the standard tuning: the caller runs Stop instead, nothing queued.
  StopInstead,
};

// Queues every note of scale position `position` (0..5) one after the other, lowest string first
// and frets upward on each string, each lasting the strum size, and starts the clock.
ScalePlayResult PlayScale(const ScaleDiagram& scale, int position, const PlaybackSettings& settings,
                          SequenceSink& sink);

}  // namespace strumly
