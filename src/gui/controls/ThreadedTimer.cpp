#include "gui/controls/ThreadedTimer.h"

#include <QMetaObject>
#include <chrono>

namespace strumly::gui {

namespace {

QThread::Priority toQt(ThreadPriority priority) {
  switch (priority) {
    case ThreadPriority::tpIdle:
      return QThread::IdlePriority;
    case ThreadPriority::tpLowest:
      return QThread::LowestPriority;
    case ThreadPriority::tpLower:
      return QThread::LowPriority;
    case ThreadPriority::tpNormal:
      return QThread::NormalPriority;
    case ThreadPriority::tpHigher:
      return QThread::HighPriority;
    case ThreadPriority::tpHighest:
      return QThread::HighestPriority;
    case ThreadPriority::tpTimeCritical:
      return QThread::TimeCriticalPriority;
  }
  return QThread::NormalPriority;
}

}  // namespace

ThreadedTimer::ThreadedTimer(QObject* owner) : QObject(owner) {
  thread_ = QThread::create([this] { execute(); });
  thread_->start(toQt(priority_));
}

ThreadedTimer::~ThreadedTimer() {
  {
    std::lock_guard lock(mutex_);
    enabled_ = false;
    resumed_ = false;
    terminated_ = true;
    ++generation_;
  }
  changed_.notify_all();
  // The thread never blocks on the interface thread itself: it waits on our condition, which
  // termination ends, so joining here cannot deadlock. A tick already posted to this object is
  // dropped with it.
  thread_->wait();
  delete thread_;
}

void ThreadedTimer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  {
    std::lock_guard lock(mutex_);
    enabled_ = enabled;
  }
  updateThread();
}

void ThreadedTimer::setInterval(std::uint16_t milliseconds) {
  if (milliseconds == interval_) return;
  {
    std::lock_guard lock(mutex_);
    interval_ = milliseconds;
  }
  updateThread();
}

void ThreadedTimer::setOnTimer(TimerHandler handler) {
  onTimer_ = std::move(handler);
  updateThread();
}

void ThreadedTimer::setThreadPriority(ThreadPriority priority) {
  if (priority == priority_) return;
  priority_ = priority;
  thread_->setPriority(toQt(priority));
  updateThread();
}

void ThreadedTimer::updateThread() {
  {
    std::lock_guard lock(mutex_);
    ++generation_;
    resumed_ = shouldRun();
  }
  changed_.notify_all();
}

void ThreadedTimer::Timer() {
  if (onTimer_) onTimer_(this);
}

void ThreadedTimer::execute() {
  std::unique_lock lock(mutex_);
  while (!terminated_) {
    changed_.wait(lock, [this] { return terminated_ || resumed_; });
    if (terminated_) break;
    const std::uint64_t generation = generation_;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(interval_);
    const bool interrupted =
        changed_.wait_until(lock, deadline, [&] { return terminated_ || generation_ != generation; });
    if (interrupted) continue;
    const std::uint64_t tick = ++postedTicks_;
    QMetaObject::invokeMethod(
        this, [this, generation, tick] { doTimer(generation, tick); }, Qt::QueuedConnection);
    // Wait for the event to finish on the interface thread; a change of state (which the handler
    // itself may make) or termination ends the wait too.
    changed_.wait(lock, [&] { return terminated_ || generation_ != generation || finishedTick_ == tick; });
  }
}

void ThreadedTimer::doTimer(std::uint64_t generation, std::uint64_t tick) {
  {
    std::lock_guard lock(mutex_);
    // A tick that was waiting in the queue while the timer was changed or stopped is void.
    if (generation != generation_ || !resumed_) return;
  }
  Timer();
  Q_EMIT timeout();
  {
    std::lock_guard lock(mutex_);
    finishedTick_ = tick;
  }
  changed_.notify_all();
}

}  // namespace strumly::gui
