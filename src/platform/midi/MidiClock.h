#pragma once
// How time passes for the MIDI library: a real clock waits on its own thread for each deadline,
// a virtual one moves only when a test or an offline job steps it.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace strumly {

class MidiClock {
 public:
  // Does everything due at `nowMicros` and says when it next has work (none = wait for a wake).
  using Step = std::function<std::optional<std::int64_t>(std::int64_t nowMicros)>;

  virtual ~MidiClock() = default;
  virtual std::int64_t now() const = 0;
  // Starts driving `step`; called once, before any wake.
  virtual void drive(Step step) = 0;
  // Deadlines may have changed (events queued, clock started, tempo changed).
  virtual void wake() = 0;
  // Stops driving; no step runs after this returns.
  virtual void halt() = 0;
};

// Sleeps on std::chrono::steady_clock to absolute deadlines, so waking late once never shifts the
// deadlines after it.
class RealMidiClock final : public MidiClock {
 public:
  RealMidiClock();
  ~RealMidiClock() override;
  std::int64_t now() const override;
  void drive(Step step) override;
  void wake() override;
  void halt() override;

 private:
  void run();

  std::chrono::steady_clock::time_point origin_;
  Step step_;
  std::mutex mutex_;
  std::condition_variable wakeUp_;
  bool woken_ = false;
  bool quit_ = false;
  std::thread thread_;
};

// Time stands still until `advanceTo`/`advanceBy`; each deadline on the way is visited at its own
// time, so what is dispatched carries exactly the time it was due.
class VirtualMidiClock final : public MidiClock {
 public:
  std::int64_t now() const override;
  void drive(Step step) override;
  void wake() override {}
  void halt() override;

  void advanceTo(std::int64_t micros);
  void advanceBy(std::int64_t micros) { advanceTo(now() + micros); }
  // Runs due work at the current time (for events queued due immediately).
  void settle() { advanceTo(now()); }

 private:
  mutable std::mutex mutex_;
  std::int64_t now_ = 0;
  Step step_;
};

}  // namespace strumly
