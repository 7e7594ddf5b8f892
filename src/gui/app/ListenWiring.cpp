#include "gui/app/ListenWiring.h"

#include <QAction>
#include <QMenu>

#include "gui/app/BottomPanel.h"
#include "gui/app/ListenOnPages.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/common/Command.h"
#include "gui/common/NoteSpelling.h"
#include "gui/controls/TuningControls.h"
#include "gui/listen/AudioFeed.h"
#include "gui/playback/PlaybackContext.h"
#include "gui/preferences/TfrmPreferences.h"
#include "gui/tuner/TdlgTuner.h"

namespace strumly::gui {

ListenWiring::ListenWiring(Parts parts)
    : parts_(std::move(parts)), pages_(std::make_unique<ListenOnPages>(parts_.pages)) {
  parts_.menu.commands().setHandler("mnuTuner", [this] { mnuTunerClick(); });
}

ListenWiring::~ListenWiring() = default;

void ListenWiring::start(AppSettingsStore& store) {
  store_ = &store;
  AudioFeed& audio = parts_.pages.audio;
  QAction* tuner = parts_.menu.action("mnuTuner");
  parts_.menu.commands().setEnabledRule("mnuTuner", [&audio] { return audio.available(); });
  tuner->setToolTip(audio.unavailableReason());
  parts_.menu.menuOptions()->setToolTipsVisible(true);
  pages_->start();
  // The latency calibration clicks through whichever output plays at that moment.
  if (TfrmPreferences* preferences = parts_.preferences())
    preferences->setClickSink([this] { return parts_.playback.sink(); });
}

void ListenWiring::mnuTunerClick() {
  if (!tuner_) {
    TuningControls& tuning = parts_.tuning;
    const NoteSpelling& spelling = parts_.pages.spelling;
    tuner_ = new TdlgTuner({parts_.pages.audio, parts_.pages.settings, [&tuning] { return tuning.tuning(); },
                            [&spelling] { return spelling.names(); }, store_},
                           &parts_.pages.window);
  }
  tuner_->show();
  tuner_->raise();
  tuner_->activateWindow();
}

}  // namespace strumly::gui
