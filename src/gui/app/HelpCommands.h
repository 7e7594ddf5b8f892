#pragma once
// The "&Help" menu's own commands and F1: "&Help Topics" opens the contents of the help, F1 the
// topic of the active page, "Show Tips..." the tip of the day, "&About..." the about box; and the
// tip of the day at start-up when the tip file asks for it.
#include "core/app/TipFile.h"
#include "gui/app/ProgramFolder.h"

namespace strumly::gui {

class DialogService;
class MainMenu;
class PageList;
class TfrmMain;

// The tip file: the user's copy in the user folder once one was saved, else the shipped one.
TipFile tipFileOf(const ProgramFolder& folder);

void connectHelpCommands(MainMenu& menu, TfrmMain& window, PageList& pages, DialogService& dialogs,
                         const ProgramFolder& folder);
// Shows the tip of the day once the event loop runs (the main window is up by then) when the
// first line of the tip file is "True".
void showTipsAtStart(TfrmMain& window, DialogService& dialogs, const ProgramFolder& folder);

}  // namespace strumly::gui
