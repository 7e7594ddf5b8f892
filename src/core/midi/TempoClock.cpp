#include "core/midi/TempoClock.h"

#include <cmath>

namespace strumly {

void TempoClock::reset() {
  running_ = false;
  anchorTick_ = 0.0;
  anchorMicros_ = 0;
}

void TempoClock::start(std::int64_t nowMicros) {
  if (running_) return;
  anchorMicros_ = nowMicros;
  running_ = true;
}

void TempoClock::halt(std::int64_t nowMicros) {
  if (!running_) return;
  anchorTick_ = tickAt(nowMicros);
  anchorMicros_ = nowMicros;
  running_ = false;
}

void TempoClock::setTempo(std::uint32_t tempoMicros, std::int64_t nowMicros) {
  if (tempoMicros == 0) tempoMicros = 1;  // a zero tempo would make every tick due at once
  if (running_) {
    anchorTick_ = tickAt(nowMicros);
    anchorMicros_ = nowMicros;
  }
  tempoMicros_ = tempoMicros;
}

void TempoClock::setTempoFromTick(std::uint32_t tempoMicros, double tick) {
  if (tempoMicros == 0) tempoMicros = 1;
  if (running_ && tick > anchorTick_) {
    anchorMicros_ = timeOfTick(tick);
    anchorTick_ = tick;
  }
  tempoMicros_ = tempoMicros;
}

double TempoClock::tickAt(std::int64_t nowMicros) const {
  if (!running_) return anchorTick_;
  return anchorTick_ + static_cast<double>(nowMicros - anchorMicros_) * kTicksPerBeat / tempoMicros_;
}

std::int64_t TempoClock::timeOfTick(double tick) const {
  if (tick <= anchorTick_) return anchorMicros_;
  // A tiny tolerance keeps an exact product such as 480 ticks at 500000 us from rounding up
  // one microsecond because of the division.
  const double micros = microsForTicks(tick - anchorTick_, tempoMicros_);
  return anchorMicros_ + static_cast<std::int64_t>(std::ceil(micros - 1e-6));
}

}  // namespace strumly
