#pragma once
// How a page that carries its own tuning (Chord Design, Scales, Tablature) takes a new tuning
// over from the tuning controls.
#include <QString>

#include "core/theory/Pitch.h"

namespace strumly::gui {

// A page that carries its own tuning (Chord Design, Scales, Tablature) takes a new tuning over.
class TuningTakeOver {
 public:
  virtual ~TuningTakeOver() = default;
  virtual void takeOverTuning(const Tuning& tuning, const QString& tuningName) = 0;
};

// A page that keeps the tuning its items are shown in (the Scales and Tablature pages).
class PageTuning : public TuningTakeOver {
 public:
  void takeOverTuning(const Tuning& tuning, const QString& tuningName) override {
    tuning_ = tuning;
    tuningName_ = tuningName.left(static_cast<int>(kTuningNameCapacity));
  }
  const Tuning& tuning() const { return tuning_; }
  const QString& tuningName() const { return tuningName_; }

 private:
  Tuning tuning_;
  QString tuningName_ = "Standard";
};

}  // namespace strumly::gui
