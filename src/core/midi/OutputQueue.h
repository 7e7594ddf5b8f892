#pragma once
// The bounded event queue of one output. Events keep their delta times; the due tick of the head
// is the tick of the last event taken out plus the head's delta, so a queue refilled while the
// clock runs continues the music where the previous event left it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/midi/MidiEvent.h"

namespace strumly {

class OutputQueue {
 public:
  // A producer refused because the queue was full is told to go on once no more than
  // `capacity / 4` events are left: that leaves it a long stretch of music to refill in.
  static constexpr std::size_t kDefaultCapacity = 1024;

  explicit OutputQueue(std::size_t capacity = kDefaultCapacity);

  std::size_t capacity() const { return ring_.size(); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::size_t lowWaterMark() const { return capacity() / 4; }

  // false when full; the refusal is remembered until the refill is announced.
  bool put(const MidiEvent& event);
  std::uint64_t headTick() const { return baseTick_ + ring_[head_].time; }
  // Removes the head; its due tick becomes the base of the next one.
  MidiEvent pop();

  // Empties the queue; events queued later count their delta from `baseTick`.
  void clear(std::uint64_t baseTick);

  // Keeps the events but counts the head's delta from `baseTick`.
  void rebase(std::uint64_t baseTick) { baseTick_ = baseTick; }

  // True once per refusal, when the queue has drained to the low-water mark.
  bool takeRefillDue();

  // Channels that received a channel message since the last `forgetChannels`.
  std::uint16_t channelsUsed() const { return channelsUsed_; }
  void noteChannel(int channel) { channelsUsed_ |= static_cast<std::uint16_t>(1u << channel); }
  void forgetChannels() { channelsUsed_ = 0; }

 private:
  std::vector<MidiEvent> ring_;
  std::size_t head_ = 0;
  std::size_t size_ = 0;
  std::uint64_t baseTick_ = 0;
  bool refused_ = false;
  std::uint16_t channelsUsed_ = 0;
};

}  // namespace strumly
