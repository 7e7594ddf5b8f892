#include "gui/preferences/TfrmPreferences.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/fretlight/FretlightLink.h"
#include "gui/fretlight/RootFlash.h"
#include "gui/listen/AudioFeed.h"
#include "gui/preferences/TdlgCalibrate.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {
namespace {

constexpr const char* kUdevRule = "70-strumly-fretlight.rules";

void fillDeviceList(QListWidget* list, const QStringList& names) {
  list->clear();
  list->setEnabled(!names.isEmpty());
  if (names.isEmpty()) {
    list->addItem(TfrmPreferences::tr("None Found"));
    return;
  }
  for (const QString& name : names) list->addItem(name.left(31));
}

void selectRow(QListWidget* list, int row) {
  if (list->isEnabled() && row >= 0 && row < list->count()) list->setCurrentRow(row);
}

void selectIndex(QComboBox* box, int index) {
  box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

// A list or box with nothing chosen keeps the value it stands for.
int chosen(int index, int kept) {
  return index >= 0 ? index : kept;
}

}  // namespace

TfrmPreferences::TfrmPreferences(PreferencesSetup setup, QWidget* parent)
    : QDialog(parent),
      setup_(std::move(setup)),
      pageControlPref_(new QTabWidget),
      midi_(buildMidiTab()),
      fretlight_(buildFretlightTab()),
      general_(buildGeneralTab()),
      btnApply_(new QPushButton(tr("OK"))),
      btnClose_(new QPushButton(tr("Cancel"))),
      btnHelp_(new QPushButton(tr("Help"))) {
  setObjectName("frmPreferences");
  setWindowTitle(tr("Strumly Preferences"));
  setMinimumSize(449, 431);
  pageControlPref_->setObjectName("pageControlPref");
  pageControlPref_->addTab(midi_.page, tr("MIDI"));
  pageControlPref_->addTab(fretlight_.page, tr("Fretlight"));
  pageControlPref_->addTab(general_.page, tr("Strumly"));
  btnApply_->setObjectName("btnApply");
  btnClose_->setObjectName("btnClose");
  btnHelp_->setObjectName("btnHelp");
  btnApply_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {btnApply_, btnClose_, btnHelp_}) buttons->addWidget(button);
  auto* column = new QVBoxLayout(this);
  column->addWidget(pageControlPref_);
  column->addLayout(buttons);

  timerAllLeds_.setSingleShot(true);
  timerAllLeds_.setInterval(kAllLedsMs);
  connect(&timerAllLeds_, &QTimer::timeout, this, &TfrmPreferences::timerAllLedsTimer);
  connect(btnApply_, &QPushButton::clicked, this, &TfrmPreferences::btnApplyClick);
  connect(btnClose_, &QPushButton::clicked, this, &TfrmPreferences::btnCloseClick);
  connect(btnHelp_, &QPushButton::clicked, this, &TfrmPreferences::btnHelpClick);
  connect(general_.btnBrowseInsert, &QPushButton::clicked, this, &TfrmPreferences::btnBrowseInsertClick);
  connect(fretlight_.btnAllLeds, &QPushButton::clicked, this, &TfrmPreferences::btnAllLedsClick);
  connect(fretlight_.trkbarRootFlash, &QSlider::valueChanged, this, &TfrmPreferences::trkbarRootFlashChange);
  midi_.editNote->installEventFilter(this);
  if (setup_.guitar)
    connect(setup_.guitar, &FretlightLink::presenceChanged, this, &TfrmPreferences::showGuitarStatus);
  if (setup_.audio) {
    connect(setup_.audio, &AudioFeed::levelChanged, this, &TfrmPreferences::showInputLevel);
    // However the dialog closes, the meter stops listening.
    connect(this, &QDialog::finished, this, [this] { setup_.audio->stop(this); });
  }
  connect(midi_.cmboAudioInput, &QComboBox::activated, this, &TfrmPreferences::cmboAudioInputChange);
  connect(midi_.btnCalibrate, &QPushButton::clicked, this, &TfrmPreferences::btnCalibrateClick);
  fillLists();
}

void TfrmPreferences::fillAudioInputs() {
  QComboBox* box = midi_.cmboAudioInput;
  box->clear();
  const bool present = setup_.audio && setup_.audio->available();
  const QString why = setup_.audio ? setup_.audio->unavailableReason() : tr("No audio input.");
  if (!present) {
    box->addItem(tr("None Found"));
    box->setEnabled(false);
    box->setToolTip(why);
    midi_.lblAudioInput->setText(why);
    return;
  }
  box->setEnabled(true);
  box->setToolTip({});
  midi_.lblAudioInput->clear();
  for (const AudioSourceInfo& source : setup_.audio->sources())
    box->addItem(coreText(source.description), QString::fromStdString(source.id));
  const QString kept = QString::fromStdString(setup_.settings.listen.input);
  int row = box->findData(kept);
  // A device unplugged for now stays the choice; OK must not swap it for the default unasked.
  if (row < 0) {
    box->addItem(tr("%1 (not connected)").arg(kept), kept);
    row = box->count() - 1;
  }
  box->setCurrentIndex(row);
}

void TfrmPreferences::cmboAudioInputChange() {
  if (!setup_.audio || !setup_.audio->available() || !isVisible()) return;
  const std::string id = midi_.cmboAudioInput->currentData().toString().toStdString();
  if (setup_.audio->start(this, id, [](const float*, std::size_t) {})) {
    midi_.lblAudioInput->clear();
  } else {
    midi_.lblAudioInput->setText(setup_.audio->error());
    showInputLevel(0);
  }
}

void TfrmPreferences::btnCalibrateClick() {
  if (!setup_.audio || !setup_.audio->available()) return;
  // The input chosen here, before OK keeps it.
  AppSettings chosen = setup_.settings;
  chosen.listen.input = midi_.cmboAudioInput->currentData().toString().toStdString();
  if (calibrate_) calibrate_->deleteLater();
  calibrate_ = new TdlgCalibrate(*setup_.audio, std::move(chosen), clickSink_, this);
  connect(calibrate_, &QDialog::finished, this, [this, dialog = calibrate_](int result) {
    if (result == QDialog::Accepted && dialog->measuredMs())
      midi_.spinLatency->setValue(*dialog->measuredMs());
    // The calibration had the input; the meter takes it back.
    cmboAudioInputChange();
  });
  calibrate_->open();
}

void TfrmPreferences::showInputLevel(double peak) {
  if (setup_.audio && setup_.audio->holder() != this && peak > 0) return;  // someone else's sound
  const double db = peak > 0 ? 20.0 * std::log10(peak) : -60.0;
  midi_.pbInputLevel->setValue(static_cast<int>(std::lround(std::clamp(db + 60.0, 0.0, 60.0))));
}

void TfrmPreferences::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  cmboAudioInputChange();
}

bool TfrmPreferences::eventFilter(QObject* watched, QEvent* event) {
  if (watched == midi_.editNote && event->type() == QEvent::MouseButtonRelease) editNoteClick();
  return QDialog::eventFilter(watched, event);
}

void TfrmPreferences::editNoteClick() {
  midi_.editNote->selectAll();
}

void TfrmPreferences::fillLists() {
  QStringList voices = setup_.voiceNames;
  if (voices.isEmpty())
    for (int patch = 0; patch < 128; ++patch) voices << QString::number(patch);
  midi_.cmboGuitarVoice->addItems(voices);
  midi_.cmboBassVoice->addItems(voices);
  fillDeviceList(midi_.lbMidiOut, setup_.outputDevices);
  fillDeviceList(midi_.lbMidiIn, setup_.inputDevices);
}

void TfrmPreferences::FormShow(Tab tab) {
  const AppSettings& s = setup_.settings;
  selectRow(midi_.lbMidiIn, s.midi.inDevice);
  selectRow(midi_.lbMidiOut, s.midi.outDevice);
  selectIndex(midi_.cmboGuitarVoice, s.midi.guitarPatch);
  selectIndex(midi_.cmboBassVoice, s.midi.bassPatch);
  selectIndex(midi_.cmboGuitarCh, s.midi.guitarChannel);
  selectIndex(midi_.cmboBassCh, s.midi.bassChannel);
  selectIndex(midi_.cmboClickCh, s.midi.clickChannel);
  midi_.sbGuitarVolume->setValue(s.midi.guitarVolume);
  midi_.sbBassVolume->setValue(s.midi.bassVolume);
  midi_.sbClickVolume->setValue(s.midi.clickVolume);
  midi_.editNote->setText(QString::number(s.midi.clickNote));
  fillAudioInputs();
  midi_.spinLatency->setValue(s.listen.clampedLatencyMs());
  midi_.btnCalibrate->setEnabled(midi_.cmboAudioInput->isEnabled());
  showInputLevel(0);

  fretlight_.chboxReverseFoot->setChecked(s.fretlight.reverseSwitch);
  if (QAbstractButton* b = fretlight_.switch1->button(s.fretlight.switch1)) b->setChecked(true);
  if (QAbstractButton* b = fretlight_.switch2->button(s.fretlight.switch2)) b->setChecked(true);
  fretlight_.cbFlashingNote->setChecked(s.fretlight.flashNote);
  fretlight_.cbImmediateStop->setChecked(s.fretlight.flashStop);
  const QSlider* flash = fretlight_.trkbarRootFlash;
  {
    const QSignalBlocker quiet(fretlight_.trkbarRootFlash);
    fretlight_.trkbarRootFlash->setValue(flash->minimum() + flash->maximum() - s.fretlight.rootSpeed);
  }
  showGuitarStatus();

  general_.cbTinyFont->setChecked(s.playPageTinyFont);
  general_.cbCDTinyFont->setChecked(s.chordDesignTinyFont);
  general_.trkbarSpeechVolume->setValue(s.speechVolume);
  general_.cbSpeechOn->setChecked(s.speechOn);
  general_.editTimingChars->setText(QString::fromStdString(s.tabTimingChars));
  general_.editInsertFile->setText(QString::fromStdString(s.tabInsertFile));
  if (QAbstractButton* b = general_.rg4or5Frets->button(s.scaleFrets - 4)) b->setChecked(true);
  general_.editCountMeasure->setText(QString::number(s.countOffMeasures));
  tipLines_ = {};
  // A tip file that cannot be read leaves the box unchecked and is not written.
  setup_.tips.load(tipLines_);
  general_.chboxTips->setChecked(!tipLines_.lines.empty() && tipLines_.lines.front() == "True");
  pageControlPref_->setCurrentIndex(tab);
}

void TfrmPreferences::showGuitarStatus() {
  const bool present = setup_.guitar && setup_.guitar->present();
  fretlight_.lblFretlightIn->setText(present ? tr("Fretlight Plugged In") : tr("Fretlight Unplugged"));
  fretlight_.lblProduct->setText(present ? setup_.guitar->productName() : QString());
  fretlight_.lblCompany->setText(present ? setup_.guitar->manufacturerName() : QString());
  const bool refused = setup_.guitar && setup_.guitar->lastSearch() == FretlightSearch::NoPermission;
  fretlight_.lblAccess->setText(
      refused ? tr("A Fretlight guitar is attached, but you may not open it. Install the udev "
                   "rule %1 (cmake --install puts it in lib/udev/rules.d) and plug the guitar in again.")
                    .arg(kUdevRule)
              : QString());
  fretlight_.lblAccess->setVisible(refused);
  fretlight_.btnAllLeds->setEnabled(present && btnApply_->isEnabled());
}

std::optional<int> TfrmPreferences::integerIn(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (ok) return value;
  setup_.dialogs.notice(this, tr("'%1' is not a valid integer value").arg(text));
  return std::nullopt;
}

bool TfrmPreferences::btnApplyClick() {
  // Both numbers are checked before anything is taken over, so a typing slip changes nothing.
  const std::optional<int> note = integerIn(midi_.editNote->text());
  if (!note) return false;
  const std::optional<int> countOff = integerIn(general_.editCountMeasure->text());
  if (!countOff) return false;

  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const AppSettings before = setup_.settings;
  AppSettings& s = setup_.settings;
  if (midi_.lbMidiIn->isEnabled()) s.midi.inDevice = chosen(midi_.lbMidiIn->currentRow(), s.midi.inDevice);
  if (midi_.lbMidiOut->isEnabled())
    s.midi.outDevice = chosen(midi_.lbMidiOut->currentRow(), s.midi.outDevice);
  s.midi.guitarPatch = chosen(midi_.cmboGuitarVoice->currentIndex(), s.midi.guitarPatch);
  s.midi.bassPatch = chosen(midi_.cmboBassVoice->currentIndex(), s.midi.bassPatch);
  s.midi.guitarChannel = chosen(midi_.cmboGuitarCh->currentIndex(), s.midi.guitarChannel);
  s.midi.bassChannel = chosen(midi_.cmboBassCh->currentIndex(), s.midi.bassChannel);
  s.midi.clickChannel = chosen(midi_.cmboClickCh->currentIndex(), s.midi.clickChannel);
  s.midi.guitarVolume = midi_.sbGuitarVolume->value();
  s.midi.bassVolume = midi_.sbBassVolume->value();
  s.midi.clickVolume = midi_.sbClickVolume->value();
  s.midi.clickNote = std::clamp(*note, 0, 127);
  s.countOffMeasures = std::clamp(*countOff, 1, 4);
  s.fretlight.switch1 = chosen(fretlight_.switch1->checkedId(), s.fretlight.switch1);
  s.fretlight.switch2 = chosen(fretlight_.switch2->checkedId(), s.fretlight.switch2);
  s.scaleFrets = chosen(general_.rg4or5Frets->checkedId(), s.scaleFrets - 4) + 4;
  const QSlider* flash = fretlight_.trkbarRootFlash;
  s.fretlight.rootSpeed = flash->minimum() + flash->maximum() - flash->value();
  s.fretlight.flashNote = fretlight_.cbFlashingNote->isChecked();
  s.fretlight.flashStop = fretlight_.cbImmediateStop->isChecked();
  s.fretlight.reverseSwitch = fretlight_.chboxReverseFoot->isChecked();
  s.playPageTinyFont = general_.cbTinyFont->isChecked();
  s.chordDesignTinyFont = general_.cbCDTinyFont->isChecked();
  s.speechVolume = general_.trkbarSpeechVolume->value();
  s.speechOn = general_.cbSpeechOn->isChecked();
  s.tabTimingChars = general_.editTimingChars->text().toStdString();
  s.tabInsertFile = general_.editInsertFile->text().toStdString();
  if (midi_.cmboAudioInput->isEnabled())
    s.listen.input = midi_.cmboAudioInput->currentData().toString().toStdString();
  s.listen.latencyMs = midi_.spinLatency->value();
  QString problem;
  if (store_) {
    try {
      store_->savePreferenceValues(s);
      store_->saveListenValues(s);
    } catch (const IniWriteError& error) {
      problem = coreText(error.what());
    }
  }
  writeTipChoice();
  QGuiApplication::restoreOverrideCursor();
  // The choices hold for this run even when the file could not take them.
  if (!problem.isEmpty()) setup_.dialogs.notice(this, problem);
  Q_EMIT applied(before);
  btnCloseClick();
  return true;
}

void TfrmPreferences::writeTipChoice() {
  if (tipLines_.lines.empty()) return;
  tipLines_.lines.front() = general_.chboxTips->isChecked() ? "True" : "False";
  // A tip file that cannot be written only keeps its old choice.
  setup_.tips.save(tipLines_);
}

void TfrmPreferences::btnCloseClick() {
  tipLines_ = {};
  if (setup_.guitar) setup_.guitar->footSwitchTimer().setEnabled(true);
  Q_EMIT closedByButton();
  done(QDialog::Rejected);
}

void TfrmPreferences::btnHelpClick() {
  setup_.dialogs.help(this, kHelpContexts[static_cast<std::size_t>(pageControlPref_->currentIndex())]);
}

void TfrmPreferences::btnBrowseInsertClick() {
  const QString file = setup_.dialogs.openFileName(
      this, tr("Look For: Insert Tab File"), setup_.programFolder,
      tr("Tab files") + " (*.tab);;" + tr("Text files") + " (*.txt);;" + tr("All files") + " (*.*)");
  if (!file.isEmpty()) general_.editInsertFile->setText(file);
}

void TfrmPreferences::btnAllLedsClick() {
  if (!setup_.guitar || !setup_.guitar->present()) return;
  rootFlashWasRunning_ = setup_.rootFlash && setup_.rootFlash->running();
  if (setup_.rootFlash) setup_.rootFlash->stop();
  setup_.guitar->footSwitchTimer().setEnabled(false);
  for (QPushButton* button : {btnApply_, btnClose_, btnHelp_, fretlight_.btnAllLeds})
    button->setEnabled(false);
  timerAllLeds_.start();
  setup_.guitar->ClearLeds(255);
}

void TfrmPreferences::timerAllLedsTimer() {
  timerAllLeds_.stop();
  // The buttons come back even when the guitar went away meanwhile: the dialog must close.
  for (QPushButton* button : {btnApply_, btnClose_, btnHelp_}) button->setEnabled(true);
  if (!setup_.guitar || !setup_.guitar->present()) return showGuitarStatus();
  setup_.guitar->SendLeds(setup_.guitar->boardLeds());
  if (rootFlashWasRunning_ && setup_.rootFlash) setup_.rootFlash->start();
  setup_.guitar->footSwitchTimer().setEnabled(true);
  showGuitarStatus();
}

void TfrmPreferences::trkbarRootFlashChange(int position) {
  const QSlider* flash = fretlight_.trkbarRootFlash;
  if (setup_.rootFlash) setup_.rootFlash->setPeriod(flash->minimum() + flash->maximum() - position);
}

}  // namespace strumly::gui
