#include "gui/app/OptionsWiring.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>

#include "core/app/AppSettings.h"
#include "gui/app/HelpCommands.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/Command.h"
#include "gui/common/CoreText.h"
#include "gui/common/Page.h"
#include "gui/common/PageList.h"
#include "gui/fretlight/FretlightLink.h"
#include "gui/fretlight/RootFlash.h"
#include "gui/playback/LibraryMidiSession.h"
#include "gui/playback/MidiSession.h"
#include "gui/playback/SpeechSounds.h"
#include "gui/preferences/TfrmPreferences.h"
#include "platform/midi/MidiLibrary.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {
namespace {

// The guitar's two switches as the tool panel shows them, painted at the screen's pixel ratio so
// a 200 % desktop gets its own pixels rather than a blow-up.
QPixmap footSwitchPicture(qreal ratio) {
  QPixmap picture(QSize(34, 20) * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(60, 60, 60), 1.5));
  painter.setBrush(QColor(200, 200, 200));
  painter.drawRoundedRect(QRectF(1, 3, 32, 15), 4, 4);
  painter.setBrush(QColor(180, 30, 30));
  painter.drawEllipse(QRectF(5, 6, 9, 9));
  painter.drawEllipse(QRectF(20, 6, 9, 9));
  return picture;
}

// What the MIDI library lists, numbered as the device numbers go: the built-in synth first,
// then the ALSA sequencer's ports.
void listDevices(MidiSession* midi, QStringList& outputs, QStringList& inputs) {
  auto* session = dynamic_cast<LibraryMidiSession*>(midi);
  if (!session) return;
  MidiLibrary& library = session->library();
  std::string name;
  for (std::uint32_t device = 0, count = library.GetNumOutDevices(); device < count; ++device)
    if (library.GetMidiOutDescription(device, name) != 0) outputs << QString::fromStdString(name);
  for (std::uint32_t device = 0, count = library.GetNumInDevices(); device < count; ++device)
    if (library.GetMidiInDescription(device, name) != 0) inputs << QString::fromStdString(name);
}

// The play-page button whose page the play page's scroll position shows; -1 past the last.
int playPageButtonAt(int position) {
  if (position < 761) return 0;
  if (position < 1553) return 1;
  if (position < 2345) return 2;
  return position < 3336 ? 3 : -1;
}

}  // namespace

OptionsWiring::OptionsWiring(Parts parts, Devices devices)
    : parts_(std::move(parts)),
      link_(devices.link),
      dialogs_(devices.dialogs),
      folder_(devices.folder),
      midi_(devices.midi),
      speech_(devices.speech) {
  ToolPanel& tools = parts_.tools;
  rootFlash_ = std::make_unique<RootFlash>(link_, tools.buttons().sbtnRootFlash, parts_.transport,
                                           parts_.pages, parts_.playback, parts_.settings);
  link_.setHandSource(parts_.hand);
  connect(&link_, &FretlightLink::presenceChanged, &tools, &ToolPanel::setFretlightVisible);
  connect(&link_, &FretlightLink::switchActed, this, &OptionsWiring::runSwitch);
  connect(&link_, &FretlightLink::footSwitchTicked, this, &OptionsWiring::followPlayPageScroll);
  tools.footSwitchPicture()->setPixmap(footSwitchPicture(tools.footSwitchPicture()->devicePixelRatioF()));
  for (QLabel* label : {tools.footSwitchPicture(), tools.leftSwitchLabel(), tools.rightSwitchLabel()}) {
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
  }
  CommandTable& commands = parts_.commands;
  commands.setHandler("Preferences1", [this] { Preferences1Click(); });
  commands.setHandler("imgFootSwitch", [this] { imgFootSwitchClick(); });
  commands.setHandler("sbtnRootFlash", [this] { rootFlash_->sbtnRootFlashClick(); });
  declareSwitchCommands();
}

void OptionsWiring::declareSwitchCommands() {
  const auto add = [this](SwitchAction action, const QString& caption, bool refused,
                          std::function<void()> run) {
    Command command;
    command.id = switchCommandId(static_cast<int>(action));
    command.caption = caption;
    command.refusedWhileBusy = refused;
    command.handler = std::move(run);
    parts_.commands.add(std::move(command));
  };
  // Play also stops and steps, and Show Root presses a button whose own command waits while
  // busy; Next Diagram acts as a press on the page would, by the page's rule. A new page waits
  // as a click on its tab does.
  add(SwitchAction::Play, tr("Play"), false, [this] { parts_.window.FormKeyDown(Qt::Key_Space); });
  add(SwitchAction::NextDiagram, tr("Next Diagram"), false, [this] {
    if (Page* page = parts_.pages.current()) page->SelectNextDiagram();
  });
  add(SwitchAction::ShowRoot, tr("Show Root"), false,
      [this] { parts_.tools.buttons().sbtnRootFlash->click(); });
  add(SwitchAction::ActivateLeds, tr("Show LEDs"), false, [this] { link_.toggleLeds(); });
  add(SwitchAction::NextPage, tr("Next Page"), true, [this] {
    QTabWidget* tabs = parts_.pages.pageControl();
    tabs->setCurrentIndex((tabs->currentIndex() + 1) % tabs->count());
  });
}

QString OptionsWiring::switchCommandId(int action) {
  switch (static_cast<SwitchAction>(action)) {
    case SwitchAction::Play:
      return "switchPlay";
    case SwitchAction::NextDiagram:
      return "switchNextDiagram";
    case SwitchAction::ShowRoot:
      return "switchShowRoot";
    case SwitchAction::ActivateLeds:
      return "switchShowLeds";
    case SwitchAction::NextPage:
      return "switchNextPage";
  }
  return {};
}

OptionsWiring::~OptionsWiring() = default;

void OptionsWiring::start(AppSettingsStore& store) {
  AppSettings& settings = parts_.settings;
  QStringList voices, outputs, inputs;
  for (const std::string& name : store.generalMidiNames()) voices << QString::fromStdString(name);
  listDevices(midi_, outputs, inputs);
  PreferencesSetup setup{settings,           dialogs_,           voices, outputs,         inputs,
                         tipFileOf(folder_), folder_.dataFolder, &link_, rootFlash_.get()};
  setup.audio = &parts_.audio;
  preferences_ = std::make_unique<TfrmPreferences>(setup, &parts_.window);
  preferences_->setStore(&store);
  connect(preferences_.get(), &TfrmPreferences::applied, this, &OptionsWiring::preferencesApplied);
  openDevices_ = {settings.midi.outDevice, settings.midi.inDevice};
  link_.setSwitchesReversed(settings.fretlight.reverseSwitch);
  rootFlash_->setPeriod(settings.fretlight.rootSpeed);
  link_.startDetection();
}

void OptionsWiring::Preferences1Click() {
  showPreferences(TfrmPreferences::MidiPage);
}

void OptionsWiring::imgFootSwitchClick() {
  // The dialog's OK or Cancel lets the switches act again.
  link_.footSwitchTimer().setEnabled(false);
  showPreferences(TfrmPreferences::FretlightPage);
}

void OptionsWiring::showPreferences(int tab) {
  if (!preferences_) return;
  preferences_->FormShow(static_cast<TfrmPreferences::Tab>(tab));
  preferences_->open();
}

bool OptionsWiring::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    parts_.commands.run("imgFootSwitch");
  return QObject::eventFilter(watched, event);
}

void OptionsWiring::preferencesApplied() {
  const AppSettings& s = parts_.settings;
  link_.setSwitchesReversed(s.fretlight.reverseSwitch);
  rootFlash_->setPeriod(s.fretlight.rootSpeed);
  speech_.setVolume(s.speechVolume);
  speech_.setEnabled(s.speechOn);
  ToolPanel& tools = parts_.tools;
  tools.rightSwitchLabel()->setText(coreText(switchActionCaption(s.fretlight.switch1)));
  tools.leftSwitchLabel()->setText(coreText(switchActionCaption(s.fretlight.switch2)));
  // The handles are opened again on the chosen devices; nothing opens where nothing was found.
  if (midi_ && (s.midi.outDevice != openDevices_.first || s.midi.inDevice != openDevices_.second)) {
    midi_->close();
    midi_->open(s.midi);
  }
  openDevices_ = {s.midi.outDevice, s.midi.inDevice};
}

void OptionsWiring::runSwitch(int switchNumber) {
  const FretlightSettings& f = parts_.settings.fretlight;
  parts_.commands.run(switchCommandId(switchNumber == 1 ? f.switch1 : f.switch2));
}

void OptionsWiring::followPlayPageScroll() {
  if (!parts_.playPageScroll) return;
  const int button = playPageButtonAt(parts_.playPageScroll->value());
  if (button >= 0) parts_.tools.buttons().sbtnPage[static_cast<std::size_t>(button)]->setChecked(true);
}

}  // namespace strumly::gui
