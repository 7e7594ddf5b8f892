#pragma once
// The program's side of the Fretlight guitar: it looks for the guitar after start-up and
// whenever the system reports a HID device coming or going, sends LED frames while the guitar is
// there and LED output is on, and polls the two switches with the foot-switch timer. Every frame
// pauses that timer so no switch read falls between the three reports of a frame. A guitar that
// fails a read or sends nothing for a second counts as unplugged: the reads never wait, so the
// window never hangs on it.
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/fretlight/LedSink.h"
#include "gui/controls/ThreadedTimer.h"
#include "platform/hid/FretlightPort.h"

class QSocketNotifier;

namespace strumly::gui {

class FretlightLink : public QObject, public LedSink {
  Q_OBJECT
 public:
  using Clock = std::function<std::int64_t()>;  // milliseconds, steady
  static constexpr int kSilenceLimitMs = 1000;
  static constexpr std::uint16_t kFootSwitchInterval = 39;
  static constexpr int kDetectDelayMs = 500;

  // `port` may be null: no guitar is ever found.
  explicit FretlightLink(FretlightPort* port, QObject* parent = nullptr);
  ~FretlightLink() override;

  // Another port (the screenshot tool's fake); the next detection looks there.
  void setPort(FretlightPort* port);
  void setClock(Clock clock) { clock_ = std::move(clock); }
  // Frames of the fretboard go out mirrored while this says Hand::Left (the Left Handed button).
  void setHandSource(std::function<Hand()> hand) { hand_ = std::move(hand); }
  // ReverseSwitch: switch 1 follows bit value 2 and switch 2 bit value 1.
  void setSwitchesReversed(bool reversed);

  // Looks for the guitar half a second from now (`timerWait`).
  void startDetection();
  void DetectFretlight();
  bool present() const { return device_ != nullptr; }
  FretlightSearch lastSearch() const { return search_; }
  QString productName() const;
  QString manufacturerName() const;

  void SendLeds(const LedFrame& frame);
  // 0 turns every LED off, 255 every LED on.
  void ClearLeds(std::uint8_t value);
  // The fretboard's frame (`boardLeds`), kept for the root flash and for "Show LEDs".
  void showBoard(const LedFrame& frame);
  void clearBoard();
  LedFrame& boardLeds() { return boardLeds_; }
  bool ledsActive() const { return ledsActive_; }
  // The "Show LEDs" switch action: all off and quiet, or the fretboard shown again.
  void toggleLeds();

  // The players' frames.
  void send(const LedFrame& frame, Hand hand) override;
  void clear() override { ClearLeds(0); }
  void lightAll() override { ClearLeds(255); }

  ThreadedTimer& footSwitchTimer() { return timerFootSwitch_; }
  void timerFootSwitchTimer();
  std::uint8_t switchState() const { return switchState_; }

  // Shutdown: the LEDs off, the polling stopped, the guitar closed.
  void shutdown();

 Q_SIGNALS:
  void presenceChanged(bool present);
  // A switch changed; 1 or 2. When both change in one poll only switch 1 acts.
  void switchActed(int switchNumber);
  // Every poll, guitar or not.
  void footSwitchTicked();

 private:
  void write(const std::function<void(LedSink&)>& out);
  void watchChanges();
  void lose();

  FretlightPort* port_;
  std::unique_ptr<FretlightDevice> device_;
  FretlightSearch search_ = FretlightSearch::Absent;
  Clock clock_;
  std::function<Hand()> hand_;
  ThreadedTimer timerFootSwitch_;
  QTimer timerWait_;
  QSocketNotifier* changes_ = nullptr;
  LedFrame boardLeds_;
  bool ledsActive_ = true;
  std::uint8_t switchState_ = kNoSwitchByte;
  bool baselinePending_ = false;
  std::int64_t lastAnswer_ = 0;
  int switch1Mask_ = 1;
  int switch2Mask_ = 2;
};

}  // namespace strumly::gui
