#pragma once
// The Fretlight guitar and the preferences dialog joined to the rest of the program: the guitar's
// controls show while it is attached, its switches act on the shell, its LEDs follow the
// fretboard, and the preferences' OK reaches the parts whose settings changed.
#include <QObject>
#include <memory>
#include <utility>

#include "gui/app/ProgramFolder.h"

namespace strumly {
class AppSettingsStore;
}

namespace strumly::gui {

class DialogService;
class FretlightLink;
class MidiSession;
class ProgramParts;
class RootFlash;
class SpeechSounds;
class TfrmPreferences;

class OptionsWiring : public QObject {
  Q_OBJECT
 public:
  struct Devices {
    FretlightLink& link;
    DialogService& dialogs;
    ProgramFolder folder;
    MidiSession* midi = nullptr;
    SpeechSounds& speech;
  };
  OptionsWiring(ProgramParts& parts, Devices devices);
  ~OptionsWiring() override;

  // Start-up, once the settings were read: the preferences dialog is built and the guitar is
  // looked for.
  void start(AppSettingsStore& store);
  // "Preferences...": always on the MIDI tab. The foot-switch picture opens the Fretlight tab.
  void Preferences1Click();
  void imgFootSwitchClick();
  // A switch of the guitar changed: its chosen action runs.
  void runSwitch(int switchNumber);

  RootFlash& rootFlash() { return *rootFlash_; }
  // Null before start-up.
  TfrmPreferences* preferences() { return preferences_.get(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showPreferences(int tab);
  void preferencesApplied();
  void followPlayPageScroll();

  ProgramParts& parts_;
  FretlightLink& link_;
  DialogService& dialogs_;
  ProgramFolder folder_;
  MidiSession* midi_;
  SpeechSounds& speech_;
  std::pair<int, int> openDevices_;  // output and input device the handles were opened on
  std::unique_ptr<RootFlash> rootFlash_;
  std::unique_ptr<TfrmPreferences> preferences_;
};

}  // namespace strumly::gui
