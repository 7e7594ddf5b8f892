#pragma once
// Listening joined to the rest of the program: the Options menu's tuner and the Listen button
// of the pages, both switched off, with the reason as their tooltip, when there is no audio input.
#include <QObject>
#include <functional>
#include <memory>

#include "gui/app/ListenOnPages.h"

namespace strumly {
class AppSettingsStore;
}

namespace strumly::gui {

class CommandTable;
class MainMenu;
class PlaybackContext;
class TdlgTuner;
class TfrmPreferences;
class TuningControls;

class ListenWiring : public QObject {
  Q_OBJECT
 public:
  struct Parts {
    ListenOnPages::Parts pages;
    MainMenu& menu;                                 // the Options menu's Tuner item
    TuningControls& tuning;                         // the tuner names the strings of the tuning shown
    const PlaybackContext& playback;                // the calibration clicks through the output playing now
    std::function<TfrmPreferences*()> preferences;  // built at start-up, after this
  };
  explicit ListenWiring(Parts parts);
  ~ListenWiring() override;

  // Start-up, once the settings were read and the input looked for.
  void start(AppSettingsStore& store);
  // "Tuner...": opens the tuner, which listens while it is open.
  void mnuTunerClick();
  // Null until first opened.
  TdlgTuner* tuner() { return tuner_; }
  ListenOnPages& pages() { return *pages_; }

 private:
  Parts parts_;
  AppSettingsStore* store_ = nullptr;
  TdlgTuner* tuner_ = nullptr;  // owned by the main window
  std::unique_ptr<ListenOnPages> pages_;
};

}  // namespace strumly::gui
