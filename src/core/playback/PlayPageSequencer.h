#pragma once
// The play-page player. It walks the song slot by slot (half a beat, 240 ticks each), queueing
// the beat grid (beat and slot markers, the click), the releases of sounding chords and the
// strum of each filled slot, following repeats and the loop. The queue it writes to is bounded:
// `fill` stops at the first refused event and the next `fill` offers that very event again, so
// the music continues without a gap or a doubled event.
//
// Everything the sequencer plays from is copied at `start`: the song, the markers (whose repeat
// counts it consumes) and the settings. The page may therefore redraw or reload its own data
// while playing; edits made meanwhile are heard only at the next start.
#include <array>
#include <cstdint>
#include <vector>

#include "core/playback/PlaybackSettings.h"
#include "core/playback/SequenceSink.h"
#include "core/playpage/PlayPageData.h"

namespace strumly {

enum class StepDirection { Forward, Backward };

class PlayPageSequencer {
 public:
  // Sets the song's tempo (the speed trainer's first when it drives the loop), queues the program changes and
  // the count-off (Count Off, not in step mode), then either queues as much of the song as fits and starts
  // the clock, or in step mode plays the first chord at or after the start measure. False only in step mode
  // when the song has no chord at all (the caller releases Play). `markers` is the working set, loaded from
  // the saved set of `signature` by the caller; `playStart` lies on a measure's first slot.
  bool start(const PlaySlots& song, TimeSignature signature, const RepeatMarkers& markers, SlotPos playStart,
             const PlaybackSettings& settings, SequenceSink& sink);

  // On kMsgQueueReady: queues until the queue is full or the end event is queued. With Loop and
  // a loop marker the song never ends, so a sink that never fills would never return. Does
  // nothing before `start`, after `stopped` and in step mode.
  void fill(SequenceSink& sink);

  // A step key: moves one slot (287 wraps to 0 and back), finds the next chord in that direction
  // (wrapping round the song) and plays it as a step chord. False when the song has no chord.
  // The caller ignores the key while the previous step chord still sounds.
  bool stepPlay(StepDirection direction, SequenceSink& sink);

  // After Stop: every measure's repeats are available again, in `working` and here.
  void stopped(RepeatMarkers& working);

  bool songEnded() const { return ended_; }
  bool endQueued() const { return endQueued_; }
  int seqSlot() const { return seqSlot_; }
  // The slot playback started from; the beat cursor starts on its beat (slot / 2).
  int startSlot() const { return startSlot_; }
  // Beats of count-off (0 without); the beat handler only counts these.
  int countOffBeats() const { return countOffBeats_; }
  const RepeatMarkers& markers() const { return markers_; }
  // With the speed trainer on and Loop Play down, each pass through the loop plays at the
  // trainer's tempo for it; the change rides in the queue at the pass's first beat.
  bool trainerActive() const { return trainer_; }
  // The tempo playback starts at: the page's, or the trainer's first. Later passes are queued
  // ahead, so their tempo is told by the clock as each comes due (kMsgTempoChanged).
  std::uint32_t startTempoMicros() const { return startTempoMicros_; }

 private:
  bool filled(int slot) const { return !song_[static_cast<std::size_t>(slot)].isEmpty(); }
  int repeatTarget(int measure) const;
  int measureAfter(int measure) const;  // where the song goes at the end of `measure`
  bool stepFrom(StepDirection direction, SequenceSink& sink);
  void buildSlot();
  void pushReleases(std::uint32_t& time);  // the sounding notes' note-offs; the first takes `time`
  void buildEnd();
  void advance();
  void lookAhead();

  PlaySlots song_{};
  TimeSignature signature_ = TimeSignature::FourFour;
  int slotsPerMeasure_ = 8;
  int measures_ = 36;
  RepeatMarkers markers_{};
  PlaybackSettings settings_{};
  bool active_ = false;

  int startSlot_ = 0;
  int countOffBeats_ = 0;
  int seqMeasure_ = 0;
  int seqSlotInMeasure_ = 0;
  int seqSlot_ = 0;
  int sustainSlots_ = 0;
  int strumTicks_ = 0;
  int strumCount_ = 0;
  std::uint32_t carry_ = 0;  // ticks from the previous slot's last event to this slot's first
  bool firstSlot_ = true;
  std::array<int, 6> soundingNotes_{};
  std::array<int, 6> soundingFrets_{};
  int soundingBass_ = 0;
  bool ended_ = false;
  bool endQueued_ = false;
  bool trainer_ = false;
  int pass_ = 0;  // passes through the loop begun so far, the first counting 0
  std::uint32_t startTempoMicros_ = 0;
  std::uint32_t tempoMicros_ = 0;  // of the pass being queued
  bool tempoDue_ = false;          // the next slot opens with a change to `tempoMicros_`

  // The current slot's events, times included, and how many of them the queue took.
  std::vector<MidiEvent> slotEvents_;
  std::size_t slotQueued_ = 0;
  bool slotBuilt_ = false;
};

}  // namespace strumly
