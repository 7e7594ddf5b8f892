#pragma once
// The three pages of the preferences dialog, built with their controls under the names the
// dialog's handlers know them by. Building is all these do; the dialog fills and reads them.
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QSpinBox;
class QWidget;

namespace strumly::gui {

struct MidiTab {
  QWidget* page = nullptr;  // pageMIDI
  QListWidget* lbMidiIn = nullptr;
  QListWidget* lbMidiOut = nullptr;
  QComboBox* cmboGuitarVoice = nullptr;
  QComboBox* cmboGuitarCh = nullptr;
  QScrollBar* sbGuitarVolume = nullptr;
  QComboBox* cmboBassVoice = nullptr;
  QComboBox* cmboBassCh = nullptr;
  QScrollBar* sbBassVolume = nullptr;
  QComboBox* cmboClickCh = nullptr;
  QLineEdit* editNote = nullptr;
  QScrollBar* sbClickVolume = nullptr;
  // " Input ": where Listen and the tuner hear the guitar, with a live level meter.
  QComboBox* cmboAudioInput = nullptr;
  QProgressBar* pbInputLevel = nullptr;
  QLabel* lblAudioInput = nullptr;  // why there is no input, or why the chosen one did not open
  QSpinBox* spinLatency = nullptr;  // ms the input hears a strum after its beat, for play-along scoring
  QPushButton* btnCalibrate = nullptr;
};

struct FretlightTab {
  QWidget* page = nullptr;  // pageFretlight
  QLabel* lblFretlightIn = nullptr;
  QLabel* lblCompany = nullptr;
  QLabel* lblProduct = nullptr;
  QLabel* lblAccess = nullptr;      // why an attached guitar could not be opened
  QButtonGroup* switch1 = nullptr;  // right column: rbSw1Play .. rbSw1ClrPage, ids 0..4
  QButtonGroup* switch2 = nullptr;  // left column: rbSw2Play .. rbSw2ClrPage
  QPushButton* btnAllLeds = nullptr;
  QCheckBox* chboxReverseFoot = nullptr;
  QSlider* trkbarRootFlash = nullptr;
  QCheckBox* cbFlashingNote = nullptr;
  QCheckBox* cbImmediateStop = nullptr;
};

struct GeneralTab {
  QWidget* page = nullptr;              // pageStrumly
  QButtonGroup* rg4or5Frets = nullptr;  // ids 0..2 = 4..6 frets
  QCheckBox* chboxTips = nullptr;
  QLineEdit* editCountMeasure = nullptr;
  QCheckBox* cbTinyFont = nullptr;
  QCheckBox* cbCDTinyFont = nullptr;
  QCheckBox* cbSpeechOn = nullptr;
  QSlider* trkbarSpeechVolume = nullptr;
  QLineEdit* editTimingChars = nullptr;
  QLineEdit* editInsertFile = nullptr;
  QPushButton* btnBrowseInsert = nullptr;
};

MidiTab buildMidiTab();
FretlightTab buildFretlightTab();
GeneralTab buildGeneralTab();

}  // namespace strumly::gui
