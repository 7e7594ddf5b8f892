#include "platform/midi/MidiClock.h"

#include <pthread.h>
#include <sched.h>

namespace strumly {

RealMidiClock::RealMidiClock() : origin_(std::chrono::steady_clock::now()) {}

RealMidiClock::~RealMidiClock() {
  halt();
}

std::int64_t RealMidiClock::now() const {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - origin_)
      .count();
}

void RealMidiClock::drive(Step step) {
  step_ = std::move(step);
  thread_ = std::thread([this] { run(); });
}

void RealMidiClock::wake() {
  {
    std::lock_guard lock(mutex_);
    woken_ = true;
  }
  wakeUp_.notify_one();
}

void RealMidiClock::halt() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wakeUp_.notify_one();
  if (thread_.joinable()) thread_.join();
}

void RealMidiClock::run() {
  // A real-time class keeps the clock on time while the user interface is busy; it is only
  // granted where the user may use it, otherwise the thread simply stays at normal priority.
  sched_param param{};
  param.sched_priority = 10;
  pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);

  std::unique_lock lock(mutex_);
  while (!quit_) {
    woken_ = false;
    lock.unlock();
    const std::optional<std::int64_t> next = step_(now());
    lock.lock();
    if (quit_) break;
    if (woken_) continue;
    if (next) {
      const auto deadline = origin_ + std::chrono::microseconds(*next);
      wakeUp_.wait_until(lock, deadline, [this] { return quit_ || woken_; });
    } else {
      wakeUp_.wait(lock, [this] { return quit_ || woken_; });
    }
  }
}

std::int64_t VirtualMidiClock::now() const {
  std::lock_guard lock(mutex_);
  return now_;
}

void VirtualMidiClock::drive(Step step) {
  std::lock_guard lock(mutex_);
  step_ = std::move(step);
}

void VirtualMidiClock::halt() {
  std::lock_guard lock(mutex_);
  step_ = nullptr;
}

void VirtualMidiClock::advanceTo(std::int64_t micros) {
  std::unique_lock lock(mutex_);
  if (micros < now_) micros = now_;
  while (step_) {
    Step step = step_;
    const std::int64_t at = now_;
    lock.unlock();
    const std::optional<std::int64_t> next = step(at);
    lock.lock();
    // A step does all that is due at its time, so a deadline that does not lie ahead means
    // there is nothing more to visit.
    if (!next || *next > micros || *next <= at) break;
    now_ = *next;
  }
  now_ = micros;
}

}  // namespace strumly
