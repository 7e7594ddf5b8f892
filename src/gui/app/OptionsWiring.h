#pragma once
// The Fretlight guitar and the preferences dialog joined to the rest of the program: the guitar's
// controls show while it is attached, its switches run commands of the shell's table, its LEDs
// follow the fretboard, and the preferences' OK reaches the parts whose settings changed.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <utility>

#include "core/views/FretboardGeometry.h"
#include "gui/app/ProgramFolder.h"

class QScrollBar;
class QWidget;

namespace strumly {
struct AppSettings;
class AppSettingsStore;
}  // namespace strumly

namespace strumly::gui {

class AudioFeed;
class CommandTable;
class DialogService;
class FretlightLink;
class MidiSession;
class PageList;
class PlaybackContext;
class RootFlash;
class SpeechSounds;
class TfrmMain;
class TfrmPreferences;
class ToolPanel;
class Transport;

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
  // The parts of the program the guitar and the preferences act on.
  struct Parts {
    TfrmMain& window;  // the switches' Play is the window's Space; the preferences' parent
    CommandTable& commands;
    ToolPanel& tools;
    Transport& transport;
    PageList& pages;
    const PlaybackContext& playback;
    AppSettings& settings;
    AudioFeed& audio;
    std::function<Hand()> hand;  // the hand the fretboard is drawn for
    QScrollBar* playPageScroll;  // the play page's vertical scroll bar, which the page buttons follow
  };
  OptionsWiring(Parts parts, Devices devices);
  ~OptionsWiring() override;

  // Start-up, once the settings were read: the preferences dialog is built and the guitar is
  // looked for.
  void start(AppSettingsStore& store);
  // "Preferences...": always on the MIDI tab. The foot-switch picture opens the Fretlight tab.
  void Preferences1Click();
  void imgFootSwitchClick();
  // A switch of the guitar changed: its chosen action runs as a command of the shell's table
  // ("switchPlay", "switchNextDiagram", "switchShowRoot", "switchShowLeds", "switchNextPage").
  void runSwitch(int switchNumber);
  static QString switchCommandId(int action);

  RootFlash& rootFlash() { return *rootFlash_; }
  // Null before start-up.
  TfrmPreferences* preferences() { return preferences_.get(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showPreferences(int tab);
  void preferencesApplied();
  void followPlayPageScroll();
  void declareSwitchCommands();

  Parts parts_;
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
