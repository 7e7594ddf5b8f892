// help-window.png  the help window on the Chords page's topic, as F1 on that page opens it
// about-box.png    the about box with the credits of what the program runs on
#include <QCoreApplication>

#include "ShotKit.h"
#include "core/app/HelpRouting.h"
#include "gui/app/ProgramFolder.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/help/AboutBox.h"
#include "gui/help/HelpWindow.h"
#include "platform/midi/SoundFontLocator.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

static RegisterShots reg("60-help", [](ShotContext& c) {
  const ProgramFolder folder = ProgramFolder::forThisProgram();
  HelpWindow help(folder.dataFolder + "help");
  help.resize(900, 620);
  help.go(destinationOf(routeHelpRequest({1, help::kChordsPage, {}})));
  settle();
  bool ok = save(help, c.out + "help-window.png");
  TfrmAboutBox about(c.dialogs, folder.dataFolder + "licences",
                     QString::fromStdString(findSoundFont().value_or(std::string())));
  about.show();
  settle();
  ok = save(about, c.out + "about-box.png") && ok;
  return ok;
});
