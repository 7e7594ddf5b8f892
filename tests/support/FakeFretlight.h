#pragma once
// A Fretlight guitar for tests and screenshots: it keeps every output report written to it and
// answers switch reads from a queue. It can be unplugged, stop answering, or refuse to open.
#include <deque>
#include <memory>
#include <vector>

#include "platform/hid/FretlightPort.h"

namespace strumly {

struct FakeFretlightState {
  bool plugged = true;
  bool permitted = true;
  bool answering = true;  // false: no input report ever arrives, as from a hung guitar
  std::vector<LedReport> reports;
  std::deque<std::uint8_t> switchBytes;  // one per read; an empty queue repeats the last byte
  std::uint8_t lastSwitches = 0;
  int opens = 0;
};

class FakeFretlightDevice final : public FretlightDevice {
 public:
  explicit FakeFretlightDevice(std::shared_ptr<FakeFretlightState> state) : state_(std::move(state)) {}
  bool write(const LedReport& report) override {
    if (!state_->plugged) return false;
    state_->reports.push_back(report);
    return true;
  }
  std::string productName() const override { return "Fretlight FG-421"; }
  std::string manufacturerName() const override { return "Optek Music Systems"; }
  int inputReportLength() const override { return 2; }
  SwitchRead readSwitches() override {
    if (!state_->plugged) return {SwitchRead::Kind::Failed, kNoSwitchByte};
    if (!state_->answering) return {SwitchRead::Kind::Nothing, kNoSwitchByte};
    if (!state_->switchBytes.empty()) {
      state_->lastSwitches = state_->switchBytes.front();
      state_->switchBytes.pop_front();
    }
    return {SwitchRead::Kind::Report, state_->lastSwitches};
  }

 private:
  std::shared_ptr<FakeFretlightState> state_;
};

class FakeFretlightPort final : public FretlightPort {
 public:
  std::shared_ptr<FakeFretlightState> state = std::make_shared<FakeFretlightState>();

  std::unique_ptr<FretlightDevice> open(FretlightSearch& outcome) override {
    if (!state->plugged) {
      outcome = FretlightSearch::Absent;
      return nullptr;
    }
    if (!state->permitted) {
      outcome = FretlightSearch::NoPermission;
      return nullptr;
    }
    outcome = FretlightSearch::Found;
    ++state->opens;
    return std::make_unique<FakeFretlightDevice>(state);
  }
};

}  // namespace strumly
