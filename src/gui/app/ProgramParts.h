#pragma once
// The composition root: the one place that builds the program's parts and connects them. Each
// part gets what it needs through its constructor; the devices (dialogs, speech output, MIDI)
// come in from outside, real ones in the program (`Program`) and fakes in the tests. The
// accessors serve the screenshot tool and the tests; no part of the program asks this object for
// anything.
#include <QStringList>
#include <memory>

#include "core/app/AppSettings.h"
#include "core/pages/PageHolders.h"
#include "gui/app/ProgramFolder.h"
#include "gui/app/ShellFretboardHost.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageList.h"
#include "gui/playback/SpeechSounds.h"
#include "gui/playback/Transport.h"

class QTabWidget;

namespace strumly {
class AppSettingsStore;
class AudioInput;
class FretlightPort;
class LedSink;
class SoundPlayer;
}  // namespace strumly

namespace strumly::gui {

class AudioFeed;
class BottomPanel;
class ChordDesignPage;
class FretlightLink;
class ListenWiring;
class OptionsCommands;
class OptionsWiring;
class ChordPlayback;
class ChordMenus;
class ChordsPage;
class DialogService;
class Fretboard;
class MainMenu;
class MidiSession;
class PlaybackContext;
class PlayPage;
class PrintCellPlayback;
class PrintCommands;
class PrintPage;
class ScalesPage;
class ShowIntervals;
class TabPage;
class TfrmMain;
class ToolPanel;

struct ProgramDevices {
  DialogService& dialogs;
  SoundPlayer& speechPlayer;
  MidiSession* midi = nullptr;         // none: the program runs silent
  LedSink* leds = nullptr;             // frames straight to a recorder (tests); none: they go to the guitar
  FretlightPort* fretlight = nullptr;  // where the LED guitar is looked for; none: never found
  AudioInput* audioInput = nullptr;    // where Listen and the tuner hear the guitar; none: they are off
};

class ProgramParts {
 public:
  ProgramParts(ProgramDevices devices, const ProgramFolder& folder);
  ~ProgramParts();
  ProgramParts(const ProgramParts&) = delete;
  ProgramParts& operator=(const ProgramParts&) = delete;

  // Start-up (FormCreate): the settings are read and shown, then the shell opens MIDI, enters
  // the first page and places the window. The window is not shown yet.
  void start(const QStringList& files = {});

  TfrmMain& mainWindow() { return *window_; }
  PlaybackContext& playback() { return *playback_; }
  ToolPanel& toolPanel() { return *tools_; }
  BottomPanel& bottomPanel() { return *bottom_; }
  MainMenu& mainMenu() { return *menu_; }
  PageList& pages() { return pages_; }
  Transport& transport() { return transport_; }
  FretlightLink& fretlight() { return *fretlight_; }
  OptionsWiring& options() { return *options_; }
  OptionsCommands& optionsCommands() { return *optionsCommands_; }
  ListenWiring& listen() { return *listen_; }
  Fretboard& fretboard() { return *fretboard_; }
  ChordMenus& chordMenus() { return *chordMenus_; }
  ChordsPage& chordsPage() { return *chordsPage_; }
  ChordDesignPage& chordDesignPage() { return *chordDesign_; }
  ShowIntervals& showIntervals() { return *showIntervals_; }
  TabPage& tabPage() { return *tabPage_; }
  PlayPage& playPage() { return *playPage_; }
  PageHolders& holders() { return holders_; }
  AppSettings& settings() { return settings_; }
  NoteSpelling& spelling() { return spelling_; }
  AudioFeed& audioFeed() { return *audio_; }
  DialogService& dialogs() { return devices_.dialogs; }
  ScalesPage& scalesPage() { return *scalesPage_; }

 private:
  void composeFretboard();
  void composePages();
  void composeChordDesign();
  void connectCommands();

  ProgramDevices devices_;
  ProgramFolder folder_;
  PageHolders holders_;
  NoteSpelling spelling_;
  SpeechSounds speech_;
  AppSettings settings_;
  std::unique_ptr<AppSettingsStore> store_;
  std::unique_ptr<AudioFeed> audio_;  // outlives the window, whose dialogs and pages listen through it
  // Widgets: owned by the window once it is built.
  ToolPanel* tools_;
  BottomPanel* bottom_;
  QTabWidget* pageControl_;
  PageList pages_;
  Transport transport_;
  ChordDesignPage* chordDesign_;
  ShellFretboardHost fretboardHost_;
  std::unique_ptr<TfrmMain> window_;
  MainMenu* menu_ = nullptr;
  Fretboard* fretboard_ = nullptr;
  ChordMenus* chordMenus_ = nullptr;
  ChordsPage* chordsPage_ = nullptr;
  PlayPage* playPage_ = nullptr;
  PrintPage* printPage_ = nullptr;
  ScalesPage* scalesPage_ = nullptr;
  TabPage* tabPage_ = nullptr;
  ShowIntervals* showIntervals_ = nullptr;
  std::unique_ptr<FretlightLink> fretlight_;
  std::unique_ptr<PlaybackContext> playback_;
  std::unique_ptr<ChordPlayback> chordsPlayer_;
  std::unique_ptr<ChordPlayback> designPlayer_;
  std::unique_ptr<PrintCellPlayback> printPlayer_;
  PrintCommands* printCommands_ = nullptr;
  OptionsCommands* optionsCommands_ = nullptr;
  std::unique_ptr<OptionsWiring> options_;
  std::unique_ptr<ListenWiring> listen_;
};

}  // namespace strumly::gui
