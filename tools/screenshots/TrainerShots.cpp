// speed-trainer.png  the speed trainer dialog from the Options menu, set to work a loop up from
//                    60 to 80 beats per minute, five at a time every two passes
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

#include "ShotKit.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/playpage/TdlgSpeedTrainer.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

static RegisterShots reg("57-trainer", [](ShotContext& c) {
  trigger(c.parts.mainMenu().menuOptions(), "Speed Trainer...");
  auto* dialog = c.parts.mainWindow().findChild<TdlgSpeedTrainer*>();
  if (dialog == nullptr) return false;
  dialog->findChild<QSpinBox*>("spinStartTempo")->setValue(60);
  dialog->findChild<QSpinBox*>("spinStep")->setValue(5);
  dialog->findChild<QSpinBox*>("spinEveryPasses")->setValue(2);
  dialog->findChild<QSpinBox*>("spinTargetTempo")->setValue(80);
  dialog->findChild<QCheckBox*>("cbUseTrainer")->setChecked(true);
  settle();
  const bool ok = save(*dialog, c.out + "speed-trainer.png");
  // Cancel: the walk leaves the scratch settings as they were.
  dialog->findChild<QPushButton*>("btnCancel")->click();
  settle();
  return ok;
});
