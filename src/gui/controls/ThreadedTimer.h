#pragma once
// A timer whose waiting runs on a thread of its own, so its rhythm does not depend on the event
// queue and the wait can run at a raised priority. The event itself runs on the user-interface
// thread, and the thread waits for it to finish: a slow handler delays the next event instead of
// events piling up.
#include <QObject>
#include <QThread>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

namespace strumly::gui {

enum class ThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class ThreadedTimer : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
  Q_PROPERTY(quint16 Interval READ interval WRITE setInterval)

 public:
  using TimerHandler = std::function<void(QObject* sender)>;

  explicit ThreadedTimer(QObject* owner = nullptr);
  ~ThreadedTimer() override;

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  std::uint16_t interval() const { return interval_; }
  void setInterval(std::uint16_t milliseconds);
  const TimerHandler& onTimer() const { return onTimer_; }
  void setOnTimer(TimerHandler handler);
  ThreadPriority threadPriority() const { return priority_; }
  void setThreadPriority(ThreadPriority priority);

 Q_SIGNALS:
  // Emitted on every tick, after the handler.
  void timeout();

 protected:
  // Runs on the user-interface thread for every tick.
  virtual void Timer();

 private:
  bool shouldRun() const { return interval_ != 0 && enabled_ && static_cast<bool>(onTimer_); }
  // Suspends the thread and lets it resume, with a fresh sleep, only when it should run.
  void updateThread();
  void execute();
  void doTimer(std::uint64_t generation, std::uint64_t tick);

  bool enabled_ = true;
  std::uint16_t interval_ = 1000;
  TimerHandler onTimer_;
  ThreadPriority priority_ = ThreadPriority::tpNormal;

  std::mutex mutex_;
  std::condition_variable changed_;
  // Every state change gets a new generation; a wait or a tick of an older one is abandoned.
  std::uint64_t generation_ = 0;
  bool resumed_ = false;
  bool terminated_ = false;
  std::uint64_t postedTicks_ = 0;   // ticks handed to the interface thread
  std::uint64_t finishedTick_ = 0;  // the last of them that has run there
  QThread* thread_ = nullptr;
};

}  // namespace strumly::gui
