#pragma once
// What a sync clock does at which moment, without any waiting: given the time, it hands due
// events to their outputs, turns markers into messages and counts beats. A real clock thread or a
// test that steps time by hand drives it through `advance`.
#include <cstdint>
#include <map>
#include <optional>

#include "core/midi/MidiEvent.h"
#include "core/midi/OutputQueue.h"
#include "core/midi/TempoClock.h"

namespace strumly {

class SchedulerListener {
 public:
  virtual ~SchedulerListener() = default;
  // A channel message of output `output` came due at `tick`, which the clock reached at `dueMicros`.
  virtual void onDispatch(std::uint32_t output, const ShortMessage& message, std::uint64_t tick,
                          std::int64_t dueMicros) = 0;
  // A message to post; `output` is 0 for the beat messages of the clock itself.
  virtual void onMessage(std::uint32_t output, std::uint32_t message, std::uint32_t param) = 0;
  // The clock stopped: the output must silence these channels.
  virtual void onSilence(std::uint32_t output, std::uint16_t channelMask) = 0;
};

class SyncScheduler {
 public:
  void addOutput(std::uint32_t output, std::size_t capacity = OutputQueue::kDefaultCapacity);
  void removeOutput(std::uint32_t output);
  bool hasOutput(std::uint32_t output) const { return queues_.count(output) != 0; }

  // false when the output's queue is full (or the output unknown); the event was not queued.
  bool put(std::uint32_t output, const MidiEvent& event);
  // Drops what the output has queued; later events count from the clock's current tick.
  void flush(std::uint32_t output, std::int64_t nowMicros);
  std::size_t queued(std::uint32_t output) const;

  void setTempo(std::uint32_t tempoMicros, std::int64_t nowMicros) {
    clock_.setTempo(tempoMicros, nowMicros);
  }
  std::uint32_t tempo() const { return clock_.tempo(); }
  // Plays the queues from tick 0.
  void start(std::int64_t nowMicros);
  // Halts at the current tick; queues and tick are kept.
  void pause(std::int64_t nowMicros) { clock_.halt(nowMicros); }
  void restart(std::int64_t nowMicros) { clock_.start(nowMicros); }
  // Halts, goes back to tick 0, drops every queued event and silences the channels played.
  void stop(SchedulerListener& listener);

  bool running() const { return clock_.running(); }
  double tickAt(std::int64_t nowMicros) const { return clock_.tickAt(nowMicros); }

  // When `advance` next has something to do; none while halted.
  std::optional<std::int64_t> nextDeadline() const;
  // Does, in tick order, everything due up to `nowMicros`. At equal ticks events come before the
  // beat message, so a marker that moves the beat cursor is seen before the beat that draws it.
  // A queued tempo change sets the clock's tempo from its own tick on and is posted as
  // kMsgTempoChanged.
  void advance(std::int64_t nowMicros, SchedulerListener& listener);

 private:
  std::uint64_t nextBeatTick() const { return std::uint64_t{kTicksPerBeat} * nextBeat_; }
  void dispatch(std::uint32_t output, OutputQueue& queue, SchedulerListener& listener);

  TempoClock clock_;
  std::uint64_t nextBeat_ = 1;  // beat messages mark completed beats: ticks 480, 960, ...
  std::map<std::uint32_t, OutputQueue> queues_;
};

}  // namespace strumly
