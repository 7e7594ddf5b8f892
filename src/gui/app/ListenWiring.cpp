#include "gui/app/ListenWiring.h"

#include <QAction>
#include <QMenu>

#include "gui/app/BottomPanel.h"
#include "gui/app/ListenOnPages.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/OptionsWiring.h"
#include "gui/app/ProgramParts.h"
#include "gui/common/Command.h"
#include "gui/controls/TuningControls.h"
#include "gui/listen/AudioFeed.h"
#include "gui/playback/PlaybackContext.h"
#include "gui/preferences/TfrmPreferences.h"
#include "gui/tuner/TdlgTuner.h"

namespace strumly::gui {

ListenWiring::ListenWiring(ProgramParts& parts)
    : parts_(parts), pages_(std::make_unique<ListenOnPages>(parts, parts.scalesPage())) {
  parts_.mainMenu().commands().setHandler("mnuTuner", [this] { mnuTunerClick(); });
}

ListenWiring::~ListenWiring() = default;

void ListenWiring::start(AppSettingsStore& store) {
  store_ = &store;
  AudioFeed& audio = parts_.audioFeed();
  QAction* tuner = parts_.mainMenu().action("mnuTuner");
  parts_.mainMenu().commands().setEnabledRule("mnuTuner", [&audio] { return audio.available(); });
  tuner->setToolTip(audio.unavailableReason());
  parts_.mainMenu().menuOptions()->setToolTipsVisible(true);
  pages_->start();
  // The latency calibration clicks through whichever output plays at that moment.
  if (TfrmPreferences* preferences = parts_.options().preferences())
    preferences->setClickSink([this] { return parts_.playback().sink(); });
}

void ListenWiring::mnuTunerClick() {
  if (!tuner_) {
    TuningControls* tuning = parts_.bottomPanel().tuningControls();
    NoteSpelling& spelling = parts_.spelling();
    tuner_ = new TdlgTuner({parts_.audioFeed(), parts_.settings(), [tuning] { return tuning->tuning(); },
                            [&spelling] { return spelling.names(); }, store_},
                           &parts_.mainWindow());
  }
  tuner_->show();
  tuner_->raise();
  tuner_->activateWindow();
}

}  // namespace strumly::gui
