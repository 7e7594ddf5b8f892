#include "gui/playpage/TdlgSpeedTrainer.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

#include "core/midi/MidiEvent.h"
#include "core/playback/SpeedTrainer.h"

namespace strumly::gui {
namespace {

constexpr int kLabelX = 40;
constexpr int kSpinX = 200;
constexpr int kFirstRow = 20;
constexpr int kRowHeight = 28;

}  // namespace

TdlgSpeedTrainer::TdlgSpeedTrainer(const SpeedTrainerSettings& settings, QWidget* parent)
    : SmallDialog(tr("Speed Trainer"), parent) {
  const SpeedTrainerSettings s = clampedTrainer(settings);
  int row = 0;
  const auto spin = [this, &row](const QString& name, const QString& caption, int low, int high, int value) {
    const int y = kFirstRow + kRowHeight * row++;
    addLabel(name + "Label", caption, kLabelX, y + 3);
    auto* box = new QSpinBox(this);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    box->setGeometry(kSpinX, y, 64, 22);
    return box;
  };
  spinStartTempo_ = spin("spinStartTempo", tr("Start tempo (bpm)"), kMinTempoBpm, kMaxTempoBpm, s.startTempo);
  spinStep_ = spin("spinStep", tr("Step (bpm)"), kTrainerMinStep, kTrainerMaxStep, s.step);
  spinEveryPasses_ =
      spin("spinEveryPasses", tr("Every (passes)"), kTrainerMinPasses, kTrainerMaxPasses, s.everyPasses);
  spinTargetTempo_ =
      spin("spinTargetTempo", tr("Target tempo (bpm)"), kMinTempoBpm, kMaxTempoBpm, s.targetTempo);
  cbUseTrainer_ = new QCheckBox(tr("Use the speed trainer"), this);
  cbUseTrainer_->setObjectName("cbUseTrainer");
  cbUseTrainer_->setChecked(s.enabled);
  cbUseTrainer_->move(kLabelX, kFirstRow + kRowHeight * row + 6);
  cbUseTrainer_->adjustSize();
  cbUseTrainer_->setToolTip(tr("With Loop Play down, each pass of the loop plays at the trainer's tempo"));
}

void TdlgSpeedTrainer::accept() {
  SpeedTrainerSettings s;
  s.startTempo = spinStartTempo_->value();
  s.step = spinStep_->value();
  s.everyPasses = spinEveryPasses_->value();
  s.targetTempo = spinTargetTempo_->value();
  s.enabled = cbUseTrainer_->isChecked();
  chosen_ = s;
  QDialog::accept();
}

}  // namespace strumly::gui
