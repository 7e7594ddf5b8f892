#pragma once
// An LED sink that keeps every frame, clear and all-on it was given, in order, instead of a guitar.
#include <vector>

#include "core/fretlight/LedSink.h"

namespace strumly {

struct LedSinkCall {
  enum class Kind { Frame, Clear, LightAll };
  Kind kind = Kind::Frame;
  LedFrame frame{};         // Frame only
  Hand hand = Hand::Right;  // Frame only
};

class RecordingLedSink final : public LedSink {
 public:
  void send(const LedFrame& frame, Hand hand) override {
    calls_.push_back({LedSinkCall::Kind::Frame, frame, hand});
  }
  void clear() override { calls_.push_back({LedSinkCall::Kind::Clear, {}, Hand::Right}); }
  void lightAll() override { calls_.push_back({LedSinkCall::Kind::LightAll, {}, Hand::Right}); }

  const std::vector<LedSinkCall>& calls() const { return calls_; }
  std::vector<LedFrame> frames() const {
    std::vector<LedFrame> out;
    for (const LedSinkCall& c : calls_)
      if (c.kind == LedSinkCall::Kind::Frame) out.push_back(c.frame);
    return out;
  }
  void reset() { calls_.clear(); }

 private:
  std::vector<LedSinkCall> calls_;
};

}  // namespace strumly
