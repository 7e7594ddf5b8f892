// scales-page.png  the Scales page with A minor pentatonic and G ionian, the second position of
//                  A minor pentatonic selected and shown on the neck and the keyboard
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "ShotKit.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/PageImage.h"
#include "gui/scales/ScalesPage.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

static RegisterShots reg("50-scales", [](ShotContext& c) {
  MainMenu& menu = c.parts.mainMenu();
  QPushButton* showScale = c.parts.toolPanel().showChordsButton();
  menu.keyItems()[9]->trigger();  // A
  trigger(menu.menuScale(), "Minor Pentatonic");
  showScale->click();
  menu.keyItems()[7]->trigger();  // G
  trigger(menu.menuScale(), "Ionian (Major)");
  showScale->click();
  auto* page = dynamic_cast<ScalesPage*>(c.parts.pages().page(PageId::Scales));
  if (!page) return false;
  page->scrollScales()->verticalScrollBar()->setValue(0);
  press(page->imgScales(), QPoint(20 + 120 + 50, 30 + 60));
  return save(c.parts.mainWindow(), c.out + "scales-page.png");
});
