#include "gui/preferences/PreferenceTabs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/app/AppSettings.h"

namespace strumly::gui {
namespace {

// The tabs are built by free functions; their texts share one translation context.
struct PreferenceTabs {
  Q_DECLARE_TR_FUNCTIONS(PreferenceTabs)
};

template <class W>
W* named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QComboBox* channelBox(const char* name) {
  auto* box = named(new QComboBox, name);
  for (int channel = 1; channel <= 16; ++channel) box->addItem(QString::number(channel));
  return box;
}

QScrollBar* volumeBar(const char* name, int maximum) {
  auto* bar = named(new QScrollBar(Qt::Horizontal), name);
  bar->setRange(0, maximum);
  bar->setPageStep(5);
  return bar;
}

// " Guitar Settings " and " Bass Settings ": voice, channel, volume.
QGroupBox* instrumentGroup(const QString& title, QComboBox* voice, QComboBox* channel, QScrollBar* volume) {
  auto* group = new QGroupBox(title);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(PreferenceTabs::tr("Voice:")), 0, 0);
  grid->addWidget(voice, 0, 1);
  grid->addWidget(new QLabel(PreferenceTabs::tr("Channel:")), 1, 0);
  grid->addWidget(channel, 1, 1);
  grid->addWidget(new QLabel(PreferenceTabs::tr("Volume:")), 2, 0);
  grid->addWidget(volume, 2, 1);
  return group;
}

QGroupBox* listGroup(const QString& title, QListWidget* list) {
  auto* group = new QGroupBox(title);
  auto* column = new QVBoxLayout(group);
  column->addWidget(list);
  return group;
}

// The two switches' columns of the five actions, the captions between them; a button's id is its
// action code.
QGridLayout* switchColumns(FretlightTab& t) {
  static const char* const kSuffixes[] = {"Play", "NextDia", "Root", "LEDs", "ClrPage"};
  static const char* const kCaptions[] = {
      QT_TRANSLATE_NOOP("PreferenceTabs", "Play"), QT_TRANSLATE_NOOP("PreferenceTabs", "Next Diagram"),
      QT_TRANSLATE_NOOP("PreferenceTabs", "Show Root Note"),
      QT_TRANSLATE_NOOP("PreferenceTabs", "Activate LEDs"), QT_TRANSLATE_NOOP("PreferenceTabs", "Next Page")};
  auto* grid = new QGridLayout;
  t.switch2 = named(new QButtonGroup(t.page), "pnlSwitch2");
  t.switch1 = named(new QButtonGroup(t.page), "pnlSwitch1");
  grid->addWidget(new QLabel(PreferenceTabs::tr("Left\nSwitch")), 0, 0, Qt::AlignCenter);
  grid->addWidget(new QLabel(PreferenceTabs::tr("Right\nSwitch")), 0, 2, Qt::AlignCenter);
  for (int code = 0; code < 5; ++code) {
    auto* sw2 = new QRadioButton;
    sw2->setObjectName(QString("rbSw2") + kSuffixes[code]);
    auto* sw1 = new QRadioButton;
    sw1->setObjectName(QString("rbSw1") + kSuffixes[code]);
    t.switch2->addButton(sw2, code);
    t.switch1->addButton(sw1, code);
    grid->addWidget(sw2, code + 1, 0, Qt::AlignCenter);
    grid->addWidget(new QLabel(QCoreApplication::translate("PreferenceTabs", kCaptions[code])), code + 1, 1,
                    Qt::AlignCenter);
    grid->addWidget(sw1, code + 1, 2, Qt::AlignCenter);
  }
  return grid;
}

}  // namespace

MidiTab buildMidiTab() {
  MidiTab t;
  t.page = named(new QWidget, "pageMIDI");
  t.lbMidiIn = named(new QListWidget, "lbMidiIn");
  t.lbMidiOut = named(new QListWidget, "lbMidiOut");
  t.cmboGuitarVoice = named(new QComboBox, "cmboGuitarVoice");
  t.cmboGuitarCh = channelBox("cmboGuitarCh");
  t.sbGuitarVolume = volumeBar("sbGuitarVolume", 127);
  t.cmboBassVoice = named(new QComboBox, "cmboBassVoice");
  t.cmboBassCh = channelBox("cmboBassCh");
  t.sbBassVolume = volumeBar("sbBassVolume", 127);
  t.cmboClickCh = channelBox("cmboClickCh");
  t.editNote = named(new QLineEdit, "editNote");
  t.editNote->setMaxLength(3);
  t.editNote->setFixedWidth(48);
  t.editNote->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), t.editNote));
  t.sbClickVolume = volumeBar("sbClickVolume", 84);

  auto* grid = new QGridLayout(t.page);
  grid->addWidget(listGroup(" " + PreferenceTabs::tr("MIDI In Device (Not Used)") + " ", t.lbMidiIn), 0, 0);
  grid->addWidget(listGroup(" " + PreferenceTabs::tr("MIDI Out Device") + " ", t.lbMidiOut), 0, 1);
  grid->addWidget(instrumentGroup(" " + PreferenceTabs::tr("Guitar Settings") + " ", t.cmboGuitarVoice,
                                  t.cmboGuitarCh, t.sbGuitarVolume),
                  1, 0);
  grid->addWidget(instrumentGroup(" " + PreferenceTabs::tr("Bass Settings") + " ", t.cmboBassVoice,
                                  t.cmboBassCh, t.sbBassVolume),
                  1, 1);
  auto* click = new QGroupBox(" " + PreferenceTabs::tr("Click Settings") + " ");
  auto* row = new QGridLayout(click);
  row->addWidget(new QLabel(PreferenceTabs::tr("Channel:")), 0, 0);
  row->addWidget(t.cmboClickCh, 0, 1);
  row->addWidget(new QLabel(PreferenceTabs::tr("Note:  (0 - 127)")), 0, 2);
  row->addWidget(t.editNote, 0, 3, Qt::AlignLeft);
  row->addWidget(new QLabel(PreferenceTabs::tr("Volume:")), 1, 0);
  row->addWidget(t.sbClickVolume, 1, 1, 1, 3);
  grid->addWidget(click, 2, 0, 1, 2);

  t.cmboAudioInput = named(new QComboBox, "cmboAudioInput");
  t.pbInputLevel = named(new QProgressBar, "pbInputLevel");
  t.pbInputLevel->setRange(0, 60);  // dB below full scale, from -60 up
  t.pbInputLevel->setTextVisible(false);
  t.pbInputLevel->setMaximumHeight(12);
  t.lblAudioInput = named(new QLabel, "lblAudioInput");
  t.lblAudioInput->setWordWrap(true);
  auto* input = new QGroupBox(" " + PreferenceTabs::tr("Input") + " ");
  auto* rows = new QGridLayout(input);
  rows->addWidget(new QLabel(PreferenceTabs::tr("Device:")), 0, 0);
  rows->addWidget(t.cmboAudioInput, 0, 1);
  rows->addWidget(new QLabel(PreferenceTabs::tr("Level:")), 1, 0);
  rows->addWidget(t.pbInputLevel, 1, 1);
  rows->addWidget(t.lblAudioInput, 2, 0, 1, 2);
  t.spinLatency = named(new QSpinBox, "spinLatency");
  t.spinLatency->setRange(-ListenSettings::kMaxLatencyMs, ListenSettings::kMaxLatencyMs);
  t.spinLatency->setSuffix(" ms");
  t.spinLatency->setToolTip(
      PreferenceTabs::tr("How much later than its beat the input hears a strum played on it; Calibrate "
                         "measures it"));
  t.btnCalibrate = named(new QPushButton(PreferenceTabs::tr("Calibrate...")), "btnCalibrate");
  auto* latency = new QHBoxLayout;
  latency->addWidget(t.spinLatency);
  latency->addWidget(t.btnCalibrate);
  latency->addStretch();
  rows->addWidget(new QLabel(PreferenceTabs::tr("Latency:")), 3, 0);
  rows->addLayout(latency, 3, 1);
  grid->addWidget(input, 3, 0, 1, 2);
  return t;
}

FretlightTab buildFretlightTab() {
  FretlightTab t;
  t.page = named(new QWidget, "pageFretlight");
  t.lblFretlightIn = named(new QLabel, "lblFretlightIn");
  t.lblCompany = named(new QLabel, "lblCompany");
  t.lblProduct = named(new QLabel, "lblProduct");
  t.lblAccess = named(new QLabel, "lblFretlightAccess");
  t.lblAccess->setWordWrap(true);
  t.btnAllLeds = named(new QPushButton(PreferenceTabs::tr("All LED's On")), "btnAllLeds");
  t.btnAllLeds->setEnabled(false);
  t.chboxReverseFoot = named(new QCheckBox(PreferenceTabs::tr("Reverse Foot Switches")), "chboxReverseFoot");
  t.trkbarRootFlash = named(new QSlider(Qt::Horizontal), "trkbarRootFlash");
  t.trkbarRootFlash->setRange(250, 800);
  t.trkbarRootFlash->setTickInterval(29);
  t.trkbarRootFlash->setTickPosition(QSlider::TicksBelow);
  t.trkbarRootFlash->setValue(350);
  t.cbFlashingNote =
      named(new QCheckBox(PreferenceTabs::tr("Flash the Note that is Playing")), "cbFlashingNote");
  t.cbImmediateStop =
      named(new QCheckBox(PreferenceTabs::tr("Stop Function (Slow Computers)")), "cbImmediateStop");

  auto* group = new QGroupBox(" " + PreferenceTabs::tr("OPTEK Fretlight Guitar") + " ");
  auto* layout = new QVBoxLayout(group);
  for (QLabel* label : {t.lblFretlightIn, t.lblCompany, t.lblProduct, t.lblAccess}) layout->addWidget(label);
  auto* switches = new QHBoxLayout;
  switches->addLayout(switchColumns(t));
  switches->addStretch();
  auto* side = new QVBoxLayout;
  side->addWidget(t.btnAllLeds);
  side->addWidget(t.chboxReverseFoot);
  side->addStretch();
  switches->addLayout(side);
  layout->addLayout(switches);
  layout->addWidget(new QLabel(PreferenceTabs::tr("Root Note Flash Speed")));
  layout->addWidget(t.trkbarRootFlash);
  auto* notes = new QGroupBox(" " + PreferenceTabs::tr("Note Flashing") + " ");
  auto* noteRows = new QVBoxLayout(notes);
  noteRows->addWidget(t.cbFlashingNote);
  noteRows->addWidget(t.cbImmediateStop);
  layout->addWidget(notes);
  auto* page = new QVBoxLayout(t.page);
  page->addWidget(group);
  return t;
}

GeneralTab buildGeneralTab() {
  GeneralTab t;
  t.page = named(new QWidget, "pageStrumly");
  auto* frets = named(new QGroupBox(" " + PreferenceTabs::tr("Scale Diagrams") + " "), "rg4or5Frets");
  auto* fretRows = new QVBoxLayout(frets);
  t.rg4or5Frets = new QButtonGroup(frets);
  int id = 0;
  for (const char* caption :
       {QT_TRANSLATE_NOOP("PreferenceTabs", "Span 4 Frets"),
        QT_TRANSLATE_NOOP("PreferenceTabs", "Span 5 Frets  (Use this for Standard Tuning)"),
        QT_TRANSLATE_NOOP("PreferenceTabs", "Span 6 Frets")}) {
    auto* button = new QRadioButton(QCoreApplication::translate("PreferenceTabs", caption));
    t.rg4or5Frets->addButton(button, id++);
    fretRows->addWidget(button);
  }
  t.chboxTips = named(new QCheckBox(PreferenceTabs::tr("Show Tips on Startup")), "chboxTips");
  t.editCountMeasure = named(new QLineEdit, "editCountMeasure");
  t.editCountMeasure->setFixedWidth(40);
  t.cbTinyFont = named(new QCheckBox(PreferenceTabs::tr("Use Small Font for Chord Name")), "cbTinyFont");
  t.cbCDTinyFont = named(new QCheckBox(PreferenceTabs::tr("Use Small Font for Chord Name")), "cbCDTinyFont");
  t.cbSpeechOn = named(new QCheckBox(PreferenceTabs::tr("Speak Notes")), "cbSpeechOn");
  t.trkbarSpeechVolume = named(new QSlider(Qt::Horizontal), "trkbarSpeechVolume");
  t.trkbarSpeechVolume->setRange(0, 255);
  t.trkbarSpeechVolume->setTickInterval(15);
  t.trkbarSpeechVolume->setTickPosition(QSlider::TicksBelow);
  t.editTimingChars = named(new QLineEdit, "editTimingChars");
  t.editTimingChars->setMaxLength(7);
  t.editInsertFile = named(new QLineEdit, "editInsertFile");
  t.btnBrowseInsert = named(new QPushButton(PreferenceTabs::tr("Browse...")), "btnBrowseInsert");

  auto* tips = new QGroupBox(" " + PreferenceTabs::tr("Tip of the Day") + " ");
  (new QVBoxLayout(tips))->addWidget(t.chboxTips);
  auto* play = new QGroupBox(" " + PreferenceTabs::tr("Play Page") + " ");
  auto* playRows = new QGridLayout(play);
  playRows->addWidget(new QLabel(PreferenceTabs::tr("Count Off Measures (1 - 4)")), 0, 0);
  playRows->addWidget(t.editCountMeasure, 0, 1);
  playRows->addWidget(t.cbTinyFont, 1, 0, 1, 2);
  auto* design = new QGroupBox(" " + PreferenceTabs::tr("Chord Design") + " ");
  (new QVBoxLayout(design))->addWidget(t.cbCDTinyFont);
  auto* speech = new QGroupBox(" " + PreferenceTabs::tr("Speech Options") + " ");
  auto* speechRows = new QVBoxLayout(speech);
  speechRows->addWidget(t.cbSpeechOn);
  speechRows->addWidget(new QLabel(PreferenceTabs::tr("Speech Volume")));
  speechRows->addWidget(t.trkbarSpeechVolume);
  auto* tab = new QGroupBox(" " + PreferenceTabs::tr("Tab Page") + " ");
  auto* tabRows = new QGridLayout(tab);
  tabRows->addWidget(new QLabel(PreferenceTabs::tr("Timing Characters")), 0, 0);
  tabRows->addWidget(t.editTimingChars, 0, 1, 1, 2);
  tabRows->addWidget(new QLabel(PreferenceTabs::tr("Insert File")), 1, 0);
  tabRows->addWidget(t.editInsertFile, 1, 1);
  tabRows->addWidget(t.btnBrowseInsert, 1, 2);

  auto* grid = new QGridLayout(t.page);
  grid->addWidget(frets, 0, 0);
  grid->addWidget(tips, 0, 1);
  grid->addWidget(play, 1, 0);
  grid->addWidget(design, 1, 1);
  grid->addWidget(speech, 2, 0);
  grid->addWidget(tab, 2, 1);
  return t;
}

}  // namespace strumly::gui
