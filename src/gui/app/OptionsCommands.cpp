#include "gui/app/OptionsCommands.h"

#include <QDialog>
#include <optional>

#include "core/app/AppSettings.h"
#include "gui/common/Command.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/intervals/TfrmIntCalc.h"
#include "gui/playback/MidiSession.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/TdlgSpeedTrainer.h"
#include "gui/playpage/TdlgTempo.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {

OptionsCommands::OptionsCommands(CommandTable& commands, Transport& transport, AppSettings& settings,
                                 DialogService& dialogs, MidiSession* midi, const QString& dataFolder,
                                 QWidget* window)
    : QObject(window),
      transport_(transport),
      settings_(settings),
      dialogs_(dialogs),
      midi_(midi),
      window_(window),
      calculator_(new TfrmIntCalc(midi ? midi->direct() : nullptr, settings.midi, dataFolder.toStdString(),
                                  dialogs, window)) {
  commands.setHandler("mnuTempo", [this] { mnuTempoClick(); });
  commands.setHandler("mnuSpeedTrainer", [this] { mnuSpeedTrainerClick(); });
  commands.setHandler("menuIntervalCalc", [this] { menuIntervalCalcClick(); });
}

void OptionsCommands::mnuTempoClick() {
  auto* dialog = new TdlgTempo(transport_.tempoMicros(), window_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, &transport_, [this, dialog] {
    if (const std::optional<std::uint32_t> micros = dialog->chosenTempoMicros())
      transport_.tempoChosen(*micros);
  });
  dialog->open();
}

void OptionsCommands::mnuSpeedTrainerClick() {
  auto* dialog = new TdlgSpeedTrainer(settings_.speedTrainer, window_);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this, [this, dialog] {
    const std::optional<SpeedTrainerSettings> chosen = dialog->chosen();
    if (!chosen) return;
    // The choice holds for this run even when the file cannot take it.
    settings_.speedTrainer = *chosen;
    try {
      if (store_) store_->saveSpeedTrainerValues(settings_);
    } catch (const IniWriteError& error) {
      dialogs_.notice(window_, coreText(error.what()));
    }
  });
  dialog->open();
}

void OptionsCommands::menuIntervalCalcClick() {
  // Two programs on one synth would mix their notes: the calculator has the device to itself.
  if (midi_) midi_->closeOutput();
  calculator_->exec();
  if (midi_) midi_->reopenOutput();
}

}  // namespace strumly::gui
