#include "core/midi/SyncScheduler.h"

#include <cmath>

namespace strumly {

void SyncScheduler::addOutput(std::uint32_t output, std::size_t capacity) {
  queues_.insert_or_assign(output, OutputQueue(capacity));
}

void SyncScheduler::removeOutput(std::uint32_t output) {
  queues_.erase(output);
}

bool SyncScheduler::put(std::uint32_t output, const MidiEvent& event) {
  auto it = queues_.find(output);
  return it != queues_.end() && it->second.put(event);
}

void SyncScheduler::flush(std::uint32_t output, std::int64_t nowMicros) {
  auto it = queues_.find(output);
  if (it == queues_.end()) return;
  it->second.clear(static_cast<std::uint64_t>(std::floor(clock_.tickAt(nowMicros))));
}

std::size_t SyncScheduler::queued(std::uint32_t output) const {
  auto it = queues_.find(output);
  return it == queues_.end() ? 0 : it->second.size();
}

void SyncScheduler::start(std::int64_t nowMicros) {
  clock_.reset();
  nextBeat_ = 1;
  for (auto& [id, queue] : queues_) queue.rebase(0);  // what is queued now counts from tick 0
  clock_.start(nowMicros);
}

void SyncScheduler::stop(SchedulerListener& listener) {
  clock_.reset();
  nextBeat_ = 1;
  for (auto& [id, queue] : queues_) {
    queue.clear(0);
    if (queue.channelsUsed() != 0) listener.onSilence(id, queue.channelsUsed());
    queue.forgetChannels();
  }
}

std::optional<std::int64_t> SyncScheduler::nextDeadline() const {
  if (!clock_.running()) return std::nullopt;
  double tick = static_cast<double>(nextBeatTick());
  for (const auto& [id, queue] : queues_) {
    if (!queue.empty() && queue.headTick() < tick) tick = static_cast<double>(queue.headTick());
  }
  return clock_.timeOfTick(tick);
}

void SyncScheduler::advance(std::int64_t nowMicros, SchedulerListener& listener) {
  while (clock_.running()) {
    std::uint32_t earliestOutput = 0;
    OutputQueue* earliest = nullptr;
    for (auto& [id, queue] : queues_) {
      if (!queue.empty() && (earliest == nullptr || queue.headTick() < earliest->headTick())) {
        earliest = &queue;
        earliestOutput = id;
      }
    }
    if (earliest != nullptr && earliest->headTick() <= nextBeatTick()) {
      if (clock_.timeOfTick(static_cast<double>(earliest->headTick())) > nowMicros) return;
      dispatch(earliestOutput, *earliest, listener);
      continue;
    }
    if (clock_.timeOfTick(static_cast<double>(nextBeatTick())) > nowMicros) return;
    listener.onMessage(0, kMsgBeat, static_cast<std::uint32_t>(nextBeat_));
    ++nextBeat_;
  }
}

void SyncScheduler::dispatch(std::uint32_t output, OutputQueue& queue, SchedulerListener& listener) {
  const std::uint64_t tick = queue.headTick();
  const MidiEvent event = queue.pop();
  if (isChannelStatus(event.status)) {
    queue.noteChannel(event.status & 0x0F);
    listener.onDispatch(output, ShortMessage{event.status, event.data1, event.data2}, tick,
                        clock_.timeOfTick(static_cast<double>(tick)));
  } else if (isMarkerStatus(event.status)) {
    listener.onMessage(output, markerMessage(event.status), packMarkerParam(event));
  } else if (event.status == kTempoStatus) {
    clock_.setTempoFromTick(tempoOfEvent(event), static_cast<double>(tick));
    listener.onMessage(output, kMsgTempoChanged, tempoOfEvent(event));
  }
  if (queue.takeRefillDue()) listener.onMessage(output, kMsgQueueReady, 0);
  if (queue.empty()) listener.onMessage(output, kMsgAllPlayed, 0);
}

}  // namespace strumly
