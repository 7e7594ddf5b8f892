// interval-calculator.png  the interval calculator on root D, playing the Ionian scale, the third
//                          note's box lit
#include <QTimer>
#include <QToolButton>

#include "ShotKit.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/controls/UpDown.h"
#include "gui/intervals/TfrmIntCalc.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

static RegisterShots reg("55-intervals", [](ShotContext& c) {
  auto* calculator = c.parts.mainWindow().findChild<TfrmIntCalc*>();
  if (calculator == nullptr) return false;
  bool ok = false;
  // The menu item shows the window modally: the picture is taken from inside its loop.
  QTimer::singleShot(0, calculator, [&c, calculator, &ok] {
    calculator->findChild<UpDown*>("UpDown1")->setPosition(2);
    calculator->UpDown1Click();
    calculator->findChild<QToolButton*>("sbtnPlay")->click();
    calculator->Timer1Timer();
    calculator->Timer1Timer();
    settle();
    ok = save(*calculator, c.out + "interval-calculator.png");
    calculator->accept();
  });
  trigger(c.parts.mainMenu().menuOptions(), "Interval Calculator...");
  return ok;
});
