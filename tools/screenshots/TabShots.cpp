// tab-raw.png        the Tablature page's raw view with the tutorial open, its tab blocks in red
// tab-converted.png  the converted page with the start and end markers and the play cursor
#include <QPushButton>
#include <QScrollBar>

#include "ShotKit.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramFolder.h"
#include "gui/app/ProgramParts.h"
#include "gui/common/PageList.h"
#include "gui/tab/TabControls.h"
#include "gui/tab/TabPage.h"
#include "gui/tab/TabPageView.h"
#include "gui/tab/TabRawView.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

static RegisterShots reg("65-tab", [](ShotContext& c) {
  if (!c.parts.pages().activate(PageId::Tablature)) return false;
  TabPage& tab = c.parts.tabPage();
  if (!tab.openHandedFile(ProgramFolder::forThisProgram().dataFolder + "Tablature Tutorial.tab"))
    return false;
  // Down to the first example, so that a red block shows under the prose.
  tab.rawView()->verticalScrollBar()->setValue(10);
  settle();
  bool ok = save(c.parts.mainWindow(), c.out + "tab-raw.png");

  tab.controls()->btnConvertTab->click();
  tab.imgTabPageMouseDown(9 * 3 + 4, 40, Qt::LeftButton);
  tab.imgTabPageMouseDown(9 * 20 + 4, 126 + 40, Qt::RightButton);
  // Where the cursor stands while the fifth column of the first block sounds.
  tab.pageView()->setPlayCursor(std::make_pair(5, 0));
  settle();
  ok = save(c.parts.mainWindow(), c.out + "tab-converted.png") && ok;
  tab.pageView()->setPlayCursor(std::nullopt);
  c.parts.pages().activate(PageId::Chords);
  return ok;
});
