#pragma once
// The Options menu's dialogs: "Tempo..." (the dialog decides, the transport applies), "Speed
// Trainer..." (kept in Kv.ini) and "Interval Calculator...", which plays the device directly, so
// the main output is closed while it shows. Each is a command of the shell's table, which
// refuses them while playing or busy.
#include <QObject>
#include <QString>

namespace strumly {
struct AppSettings;
class AppSettingsStore;
}  // namespace strumly

class QWidget;

namespace strumly::gui {

class CommandTable;
class DialogService;
class MidiSession;
class TfrmIntCalc;
class Transport;

class OptionsCommands : public QObject {
  Q_OBJECT
 public:
  // `midi` may be null (a silent program); `dataFolder` holds the calculator's chord files.
  OptionsCommands(CommandTable& commands, Transport& transport, AppSettings& settings, DialogService& dialogs,
                  MidiSession* midi, const QString& dataFolder, QWidget* window);

  // Where the speed trainer's choice is written; none before start-up.
  void setStore(AppSettingsStore* store) { store_ = store; }

  void mnuTempoClick();
  void mnuSpeedTrainerClick();
  void menuIntervalCalcClick();
  TfrmIntCalc& calculator() { return *calculator_; }

 private:
  Transport& transport_;
  AppSettings& settings_;
  DialogService& dialogs_;
  MidiSession* midi_;
  QWidget* window_;
  AppSettingsStore* store_ = nullptr;
  TfrmIntCalc* calculator_;
};

}  // namespace strumly::gui
