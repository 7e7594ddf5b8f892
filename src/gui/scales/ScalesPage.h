#pragma once
// The Scales page: six fretboard positions of a scale.
#include <QWidget>

#include "gui/app/TuningControls.h"

namespace strumly::gui {

class ScalesPage : public QWidget, public TuningTakeOver {
  Q_OBJECT
 public:
  explicit ScalesPage(QWidget* parent = nullptr);

  // The page keeps the tuning its items are shown in.
  void takeOverTuning(const Tuning& tuning, const QString& tuningName) override;
  const Tuning& tuning() const { return tuning_; }
  const QString& tuningName() const { return tuningName_; }

 private:
  Tuning tuning_;
  QString tuningName_ = "Standard";
};

}  // namespace strumly::gui
