#pragma once
// `TfrmPreferences`, "Strumly Preferences": the MIDI, Fretlight and general settings in three
// tabs. It edits the run's settings only when OK finds every number valid; OK then writes the
// preference keys of Kv.ini and tells the program what changed. Cancel changes nothing. The
// Fretlight tab shows the guitar's state, runs the all-LEDs test and sets the root flash speed
// at once, as the slider moves. The MIDI tab's Input part chooses the audio input and shows its
// level live while the dialog is open.
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

#include "core/app/AppSettings.h"
#include "core/app/TipFile.h"
#include "gui/preferences/PreferenceTabs.h"

class QPushButton;
class QTabWidget;

namespace strumly {
class AppSettingsStore;
class SequenceSink;
}  // namespace strumly

namespace strumly::gui {

class AudioFeed;
class DialogService;
class FretlightLink;
class RootFlash;
class TdlgCalibrate;

struct PreferencesSetup {
  AppSettings& settings;
  DialogService& dialogs;
  QStringList voiceNames;     // the [General MIDI] names; item index = patch number
  QStringList outputDevices;  // item index = device number
  QStringList inputDevices;
  TipFile tips{"", ""};   // "tip.kvt": its first line says whether tips show at start
  QString programFolder;  // where the insert-file dialog starts
  FretlightLink* guitar = nullptr;
  RootFlash* rootFlash = nullptr;
  AudioFeed* audio = nullptr;  // the Input part's devices and meter; none: "None Found"
};

class TfrmPreferences : public QDialog {
  Q_OBJECT
 public:
  enum Tab { MidiPage = 0, FretlightPage = 1, GeneralPage = 2 };
  static constexpr std::array<int, 3> kHelpContexts{600, 700, 800};
  static constexpr int kAllLedsMs = 3000;

  explicit TfrmPreferences(PreferencesSetup setup, QWidget* parent = nullptr);

  // Where OK writes; none: the settings change for the run only.
  void setStore(AppSettingsStore* store) { store_ = store; }
  // Where the latency calibration plays its clicks: the output open at that moment.
  void setClickSink(std::function<SequenceSink*()> sink) { clickSink_ = std::move(sink); }
  // Fills the controls from the run's settings and opens on `tab`; the caller shows the dialog.
  void FormShow(Tab tab = MidiPage);
  // The guitar's read-outs: plugged in or not, its maker and name, or why it cannot be opened.
  void showGuitarStatus();

  // OK: false, with the dialog left open and nothing applied, when a number is not valid.
  bool btnApplyClick();
  void btnCloseClick();
  void btnHelpClick();
  void btnBrowseInsertClick();
  void btnAllLedsClick();
  void timerAllLedsTimer();
  void trkbarRootFlashChange(int position);
  // Clicking the click note selects its digits, ready to be typed over.
  void editNoteClick();
  // The Input part: the meter listens to the chosen device while the dialog is open.
  void cmboAudioInputChange();
  // "Calibrate...": measures the latency on the chosen input; "Use" puts it in the latency box.
  void btnCalibrateClick();
  TdlgCalibrate* calibrateDialog() const { return calibrate_; }

  QTabWidget* pageControl() const { return pageControlPref_; }
  const MidiTab& midiTab() const { return midi_; }
  const FretlightTab& fretlightTab() const { return fretlight_; }
  const GeneralTab& generalTab() const { return general_; }

 Q_SIGNALS:
  // OK applied and wrote the settings; `before` holds the values they replaced.
  void applied(const strumly::AppSettings& before);
  // OK or Cancel closed the dialog.
  void closedByButton();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void fillLists();
  void fillAudioInputs();
  void showInputLevel(double peak);
  // The number in `text`, or a notice "'text' is not a valid integer value" and nothing.
  std::optional<int> integerIn(const QString& text);
  void writeTipChoice();

  PreferencesSetup setup_;
  AppSettingsStore* store_ = nullptr;
  std::function<SequenceSink*()> clickSink_;
  TdlgCalibrate* calibrate_ = nullptr;
  QTabWidget* pageControlPref_;
  MidiTab midi_;
  FretlightTab fretlight_;
  GeneralTab general_;
  QPushButton* btnApply_;
  QPushButton* btnClose_;
  QPushButton* btnHelp_;
  QTimer timerAllLeds_;
  TipLines tipLines_;  // the tip file as loaded when shown; empty when it could not be read
  bool rootFlashWasRunning_ = false;
};

}  // namespace strumly::gui
