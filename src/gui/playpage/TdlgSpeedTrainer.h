#pragma once
// The speed trainer's settings: the tempo the loop starts at, the step, how many passes each tempo
// lasts and the tempo it works up (or down) to, and whether Play uses it at all. The dialog only
// decides; the caller keeps the choice and writes it to the settings file.
#include <optional>

#include "core/app/AppSettings.h"
#include "gui/controls/SmallDialog.h"

class QCheckBox;
class QSpinBox;

namespace strumly::gui {

class TdlgSpeedTrainer : public SmallDialog {
  Q_OBJECT
 public:
  explicit TdlgSpeedTrainer(const SpeedTrainerSettings& settings, QWidget* parent = nullptr);

  // What the last OK chose; empty after Cancel.
  std::optional<SpeedTrainerSettings> chosen() const { return chosen_; }

  void accept() override;

 private:
  std::optional<SpeedTrainerSettings> chosen_;
  QSpinBox* spinStartTempo_;
  QSpinBox* spinStep_;
  QSpinBox* spinEveryPasses_;
  QSpinBox* spinTargetTempo_;
  QCheckBox* cbUseTrainer_;
};

}  // namespace strumly::gui
