#include "core/midi/OutputQueue.h"

namespace strumly {

OutputQueue::OutputQueue(std::size_t capacity) : ring_(capacity < 4 ? 4 : capacity) {}

bool OutputQueue::put(const MidiEvent& event) {
  if (size_ == ring_.size()) {
    refused_ = true;
    return false;
  }
  ring_[(head_ + size_) % ring_.size()] = event;
  ++size_;
  return true;
}

MidiEvent OutputQueue::pop() {
  const MidiEvent event = ring_[head_];
  baseTick_ += event.time;
  head_ = (head_ + 1) % ring_.size();
  --size_;
  return event;
}

void OutputQueue::clear(std::uint64_t baseTick) {
  head_ = 0;
  size_ = 0;
  baseTick_ = baseTick;
  refused_ = false;
}

bool OutputQueue::takeRefillDue() {
  if (!refused_ || size_ > lowWaterMark()) return false;
  refused_ = false;
  return true;
}

}  // namespace strumly
