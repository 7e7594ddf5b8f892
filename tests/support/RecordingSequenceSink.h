#pragma once
// A sequence sink that only writes down what the players asked of it, in order, with the
// absolute tick of each event. It can run out of room after a given number of events, so tests
// can check that a player stopped by a full queue resumes with the very event it was refused.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/playback/SequenceSink.h"

namespace strumly {

struct SinkCall {
  enum class Kind { Event, Tempo, Start, Pause, Restart, Stop, Flush };
  Kind kind = Kind::Event;
  MidiEvent event{};              // Event only
  std::uint64_t tick = 0;         // Event only: sum of the deltas queued before it and its own
  std::uint32_t tempoMicros = 0;  // Tempo only
};

class RecordingSequenceSink final : public SequenceSink {
 public:
  // Accepts `events` more events, then answers Full until given room again.
  void roomFor(std::size_t events) { room_ = events; }
  // Never full (the start state).
  void unlimitedRoom() { room_.reset(); }

  QueueResult queue(const MidiEvent& event) override {
    if (room_ && *room_ == 0) {
      ++fullAnswers_;
      return QueueResult::Full;
    }
    if (room_) --*room_;
    tick_ += event.time;
    calls_.push_back({SinkCall::Kind::Event, event, tick_, 0});
    return QueueResult::Queued;
  }
  void setTempo(std::uint32_t microsPerBeat) override {
    calls_.push_back({SinkCall::Kind::Tempo, {}, 0, microsPerBeat});
  }
  void start() override { add(SinkCall::Kind::Start); }
  void pause() override { add(SinkCall::Kind::Pause); }
  void restart() override { add(SinkCall::Kind::Restart); }
  // Stop and flush drop the queue: whatever is queued next belongs to a new playback from tick 0.
  void stop() override {
    add(SinkCall::Kind::Stop);
    tick_ = 0;
  }
  void flush() override {
    add(SinkCall::Kind::Flush);
    tick_ = 0;
  }

  const std::vector<SinkCall>& calls() const { return calls_; }
  std::vector<SinkCall> events() const {
    std::vector<SinkCall> out;
    for (const SinkCall& c : calls_)
      if (c.kind == SinkCall::Kind::Event) out.push_back(c);
    return out;
  }
  std::vector<SinkCall::Kind> kinds() const {
    std::vector<SinkCall::Kind> out;
    for (const SinkCall& c : calls_) out.push_back(c.kind);
    return out;
  }
  // How often an event was refused; refused events are not in `calls`.
  std::size_t fullAnswers() const { return fullAnswers_; }
  void clear() {
    calls_.clear();
    tick_ = 0;
    fullAnswers_ = 0;
  }

 private:
  void add(SinkCall::Kind kind) { calls_.push_back({kind, {}, 0, 0}); }

  std::vector<SinkCall> calls_;
  std::uint64_t tick_ = 0;
  std::optional<std::size_t> room_;
  std::size_t fullAnswers_ = 0;
};

}  // namespace strumly
