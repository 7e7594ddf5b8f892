#pragma once
// A new note that came in without an onset strong enough to be found: a soft low string played
// legato under room noise rises too little above the noise's flicker, but the pitch the tuner
// reads settles on another note. Internal to listen/.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <utility>

namespace strumly::listen {

class PitchChange {
 public:
  // One reading every `hop` samples.
  PitchChange(double sampleRate, std::size_t hop);

  struct Settled {
    int note = 0;
    std::optional<int> before;  // the note sounding before it, if one was
  };
  // One reading (a note number with its fraction; 0 when nothing is voiced) at sample `now`. The
  // note the readings settled on, once, when it differs from the sound before them and is not a
  // note heard a moment ago (a string still ringing, read again as the new one fades in).
  std::optional<Settled> feed(double exact, std::int64_t now);
  // A note was heard at sample `at`, from its onset: it is the sound now.
  void heard(int midi, std::int64_t at);

 private:
  double rate_;
  std::size_t runLength_;
  std::deque<double> readings_;
  std::optional<int> current_;
  std::int64_t lastVoiced_ = 0;
  std::deque<std::pair<int, std::int64_t>> recent_;  // notes heard, with their samples
};

}  // namespace strumly::listen
