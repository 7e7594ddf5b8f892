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
  // One reading every `hop` samples; the readings of the last `reachSeconds` are kept to find
  // where a settled note came in.
  PitchChange(double sampleRate, std::size_t hop, double reachSeconds);

  struct Settled {
    int note = 0;
    std::optional<int> before;  // the note sounding before it, if one was
    // The first reading that left the note before, when the readings still held it within
    // reach: the new string had then filled about one reading's window.
    std::optional<std::int64_t> departed;
  };
  // One reading (a note number with its fraction; 0 when nothing is voiced) at sample `now`. The
  // note the readings settled on, once, when it differs from the sound before them and is not a
  // note heard a moment ago (a string still ringing, read again as the new one fades in).
  std::optional<Settled> feed(double exact, std::int64_t now);
  // A note was heard at sample `at`, from its onset: it is the sound now.
  void heard(int midi, std::int64_t at);

 private:
  double rate_;
  std::int64_t reach_;
  std::size_t runLength_;
  std::deque<double> readings_;
  std::deque<std::pair<double, std::int64_t>> trail_;  // every reading of the last reach, 0 unvoiced
  std::optional<int> current_;
  std::int64_t lastVoiced_ = 0;
  int unsure_ = 0;
  std::deque<std::pair<int, std::int64_t>> recent_;  // notes heard, with their samples
};

}  // namespace strumly::listen
