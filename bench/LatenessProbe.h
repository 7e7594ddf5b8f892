#pragma once
// What the clock benchmarks share: an output that notes how late each event reaches it on the
// clock's own time line, the devices that hand it out, and a busy interface thread.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/midi/MidiClock.h"
#include "platform/midi/MidiDevices.h"

namespace strumly::bench {

// Notes when each event reaches it, on the clock's own time line.
class LatenessProbe final : public MidiOutput {
 public:
  explicit LatenessProbe(const MidiClock& clock) : clock_(clock) { lateness_.reserve(8192); }
  void play(const MidiDispatch& d) override {
    const std::int64_t now = clock_.now();
    std::lock_guard lock(mutex_);
    lateness_.push_back(now - d.dueMicros);
  }
  void playNow(const ShortMessage&) override {}
  void silence(std::uint16_t) override {}
  std::vector<std::int64_t> lateness() {
    std::lock_guard lock(mutex_);
    return lateness_;
  }

 private:
  const MidiClock& clock_;
  std::mutex mutex_;
  std::vector<std::int64_t> lateness_;
};

class ProbeDevices final : public MidiDevices {
 public:
  explicit ProbeDevices(LatenessProbe*& probe, const MidiClock& clock) : probe_(probe), clock_(clock) {}
  std::vector<std::string> outputNames() override { return {"probe"}; }
  std::vector<std::string> inputNames() override { return {}; }
  std::unique_ptr<MidiOutput> openOutput(std::size_t) override {
    auto probe = std::make_unique<LatenessProbe>(clock_);
    probe_ = probe.get();
    return probe;
  }
  std::unique_ptr<MidiInputPort> openInput(std::size_t) override { return nullptr; }

 private:
  LatenessProbe*& probe_;
  const MidiClock& clock_;
};

inline void burn(std::chrono::milliseconds span) {
  const auto until = std::chrono::steady_clock::now() + span;
  volatile double x = 1.0;
  while (std::chrono::steady_clock::now() < until) x = x * 1.0000001 + 1e-9;
}

// p50, p99 and max of the lateness; true when within the targets (p99 <= 1 ms, max <= 5 ms).
inline bool reportLateness(std::vector<std::int64_t> lateness) {
  if (lateness.empty()) return false;
  std::sort(lateness.begin(), lateness.end());
  auto at = [&](double q) { return lateness[static_cast<std::size_t>(q * (lateness.size() - 1))]; };
  std::printf("  p50 %lld us   p99 %lld us   max %lld us   (targets: p99 <= 1000 us, max <= 5000 us)\n",
              static_cast<long long>(at(0.5)), static_cast<long long>(at(0.99)),
              static_cast<long long>(lateness.back()));
  const bool ok = at(0.99) <= 1000 && lateness.back() <= 5000;
  std::printf("  %s\n", ok ? "within targets" : "OUTSIDE TARGETS");
  return ok;
}

}  // namespace strumly::bench
