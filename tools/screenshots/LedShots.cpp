// The LED guitar and the preferences: a fake guitar is attached through the program's own port
// seam, so the tool panel shows the guitar's controls, and the preferences dialog is shown on
// each of its tabs.
//   main-window-guitar.png       the main window with the guitar attached
//   preferences-midi.png         the MIDI tab
//   preferences-fretlight.png    the Fretlight tab, the guitar plugged in
//   preferences-general.png      the Strumly tab
#include <QTabWidget>

#include "ShotKit.h"
#include "gui/app/MainWindow.h"
#include "gui/app/OptionsWiring.h"
#include "gui/app/ProgramParts.h"
#include "gui/fretlight/FretlightLink.h"
#include "gui/preferences/TfrmPreferences.h"
#include "support/FakeFretlight.h"

using namespace strumly;
using namespace strumly::gui;

namespace strumly::shots {
namespace {

bool ledShots(ShotContext& c) {
  static FakeFretlightPort port;  // outlives the walk: the program keeps using the port
  FretlightLink& guitar = c.parts.fretlight();
  guitar.setPort(&port);
  guitar.DetectFretlight();
  settle();
  bool ok = save(c.parts.mainWindow(), c.out + "main-window-guitar.png");
  TfrmPreferences* prefs = c.parts.options().preferences();
  const struct {
    TfrmPreferences::Tab tab;
    const char* file;
  } tabs[] = {{TfrmPreferences::MidiPage, "preferences-midi.png"},
              {TfrmPreferences::FretlightPage, "preferences-fretlight.png"},
              {TfrmPreferences::GeneralPage, "preferences-general.png"}};
  for (const auto& shot : tabs) {
    prefs->FormShow(shot.tab);
    prefs->show();
    settle();
    ok = save(*prefs, c.out + shot.file) && ok;
  }
  prefs->btnCloseClick();
  // The walks after this one see the program without a guitar again.
  port.state->plugged = false;
  guitar.DetectFretlight();
  guitar.setPort(nullptr);
  settle();
  return ok;
}

const RegisterShots reg("70-leds", ledShots);

}  // namespace
}  // namespace strumly::shots
