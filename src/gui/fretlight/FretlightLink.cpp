#include "gui/fretlight/FretlightLink.h"

#include <QSocketNotifier>
#include <chrono>

#include "platform/hid/HidLedSink.h"

namespace strumly::gui {
namespace {

std::int64_t steadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

FretlightLink::FretlightLink(FretlightPort* port, QObject* parent)
    : QObject(parent), port_(port), clock_(steadyMilliseconds), hand_([] { return Hand::Right; }) {
  timerFootSwitch_.setEnabled(false);
  timerFootSwitch_.setInterval(kFootSwitchInterval);
  timerFootSwitch_.setThreadPriority(ThreadPriority::tpHighest);
  timerFootSwitch_.setOnTimer([this](QObject*) { timerFootSwitchTimer(); });
  timerWait_.setSingleShot(true);
  timerWait_.setInterval(kDetectDelayMs);
  connect(&timerWait_, &QTimer::timeout, this, &FretlightLink::DetectFretlight);
  watchChanges();
}

FretlightLink::~FretlightLink() {
  // The program is ending: a guitar left lit would look as if it were still in use.
  shutdown();
}

void FretlightLink::setPort(FretlightPort* port) {
  port_ = port;
  watchChanges();
}

void FretlightLink::watchChanges() {
  delete changes_;
  changes_ = nullptr;
  const int descriptor = port_ ? port_->changesDescriptor() : -1;
  if (descriptor < 0) return;
  changes_ = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
  connect(changes_, &QSocketNotifier::activated, this, [this] {
    if (port_) port_->takeChanges();
    // The node of a guitar just plugged in may still be getting its access rights.
    timerWait_.start();
  });
}

void FretlightLink::setSwitchesReversed(bool reversed) {
  switch1Mask_ = reversed ? 2 : 1;
  switch2Mask_ = reversed ? 1 : 2;
}

void FretlightLink::startDetection() {
  timerFootSwitch_.setEnabled(true);
  timerWait_.start();
}

void FretlightLink::DetectFretlight() {
  timerWait_.stop();
  device_.reset();
  search_ = FretlightSearch::Absent;
  if (port_) device_ = port_->open(search_);
  if (device_) {
    lastAnswer_ = clock_();
    switchState_ = kNoSwitchByte;
    // The switches' first report only sets where they stand: plugging the guitar in with a
    // switch down must not start anything.
    baselinePending_ = true;
    timerFootSwitchTimer();
    SendLeds(boardLeds_);
  }
  Q_EMIT presenceChanged(present());
  timerFootSwitch_.setEnabled(true);
}

QString FretlightLink::productName() const {
  return device_ ? QString::fromStdString(device_->productName()) : QString();
}

QString FretlightLink::manufacturerName() const {
  return device_ ? QString::fromStdString(device_->manufacturerName()) : QString();
}

void FretlightLink::write(const std::function<void(LedSink&)>& out) {
  if (!device_ || !ledsActive_) return;
  const bool polling = timerFootSwitch_.enabled();
  timerFootSwitch_.setEnabled(false);
  HidLedSink sink(*device_);
  out(sink);
  timerFootSwitch_.setEnabled(polling);
}

void FretlightLink::SendLeds(const LedFrame& frame) {
  send(frame, hand_());
}

void FretlightLink::send(const LedFrame& frame, Hand hand) {
  write([&](LedSink& sink) { sink.send(frame, hand); });
}

void FretlightLink::ClearLeds(std::uint8_t value) {
  write([&](LedSink& sink) { value == 0 ? sink.clear() : sink.lightAll(); });
}

void FretlightLink::showBoard(const LedFrame& frame) {
  boardLeds_ = frame;
  SendLeds(boardLeds_);
}

void FretlightLink::clearBoard() {
  boardLeds_.clear();
  ClearLeds(0);
}

void FretlightLink::toggleLeds() {
  if (ledsActive_) {
    ClearLeds(0);
    ledsActive_ = false;
  } else {
    ledsActive_ = true;
    SendLeds(boardLeds_);
  }
}

void FretlightLink::lose() {
  device_.reset();
  search_ = FretlightSearch::Absent;
  Q_EMIT presenceChanged(false);
}

void FretlightLink::timerFootSwitchTimer() {
  Q_EMIT footSwitchTicked();
  if (!device_) return;
  const SwitchRead read = device_->readSwitches();
  const std::int64_t now = clock_();
  if (read.kind == SwitchRead::Kind::Failed ||
      (read.kind == SwitchRead::Kind::Nothing && now - lastAnswer_ > kSilenceLimitMs)) {
    lose();
    return;
  }
  if (read.kind == SwitchRead::Kind::Nothing) return;
  lastAnswer_ = now;
  const std::uint8_t s = read.switches;
  if (baselinePending_) {
    baselinePending_ = false;
    switchState_ = s;
    return;
  }
  if (s == switchState_) return;
  if (s == kNoSwitchByte) {
    switchState_ = s;
    return;
  }
  if ((s & switch1Mask_) != (switchState_ & switch1Mask_)) {
    switchState_ = s;
    Q_EMIT switchActed(1);
  }
  if ((s & switch2Mask_) != (switchState_ & switch2Mask_)) {
    switchState_ = s;
    Q_EMIT switchActed(2);
  }
}

void FretlightLink::shutdown() {
  ClearLeds(0);
  timerFootSwitch_.setEnabled(false);
  timerWait_.stop();
  device_.reset();
}

}  // namespace strumly::gui
