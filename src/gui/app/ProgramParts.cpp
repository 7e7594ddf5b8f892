#include "gui/app/ProgramParts.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

#include "core/fretlight/LedSink.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/HelpCommands.h"
#include "gui/app/ListenWiring.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/OptionsCommands.h"
#include "gui/app/OptionsWiring.h"
#include "gui/app/PrintCommands.h"
#include "gui/app/ToolPanel.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/ChordSearchPanel.h"
#include "gui/chorddesign/DesignGroupView.h"
#include "gui/chorddesign/FretControls.h"
#include "gui/chorddesign/ShowIntervals.h"
#include "gui/chorddesign/UserChordTypes.h"
#include "gui/chords/ChordMenus.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/Command.h"
#include "gui/common/DialogService.h"
#include "gui/controls/THemisphereButton.h"
#include "gui/controls/TuningControls.h"
#include "gui/fretlight/FretlightLink.h"
#include "gui/listen/AudioFeed.h"
#include "gui/playback/ChordPlayback.h"
#include "gui/playback/MidiSession.h"
#include "gui/playback/PlaybackContext.h"
#include "gui/playpage/PlayPage.h"
#include "gui/print/PrintCellPlayback.h"
#include "gui/print/PrintPage.h"
#include "gui/scales/ScalesPage.h"
#include "gui/tab/TabPage.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"
#include "gui/views/TNvStaffBox.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {

ProgramParts::ProgramParts(ProgramDevices devices, const ProgramFolder& folder)
    : devices_(devices),
      folder_(folder),
      speech_(devices.speechPlayer, spelling_),
      settings_(AppSettings::defaultsFor(folder.documentFolder.toStdString())),
      tools_(new ToolPanel),
      bottom_(new BottomPanel(spelling_)),
      pageControl_(new QTabWidget),
      pages_(pageControl_),
      transport_([this] { return pages_.current(); }),
      chordDesign_(new ChordDesignPage(holders_.designChord)),
      fretboardHost_(transport_, pages_, *bottom_->tuningControls(), spelling_, *chordDesign_),
      window_(std::make_unique<TfrmMain>(devices.dialogs, transport_, pages_, tools_, bottom_, spelling_)) {
  audio_ = std::make_unique<AudioFeed>(devices.audioInput);
  window_->setMidiSession(devices.midi);
  menu_ = new MainMenu(window_->menuBar(), window_->commands());
  transport_.bindOutput(devices.midi, &devices.dialogs, window_.get());
  composeFretboard();
  composePages();
  composeChordDesign();
  connectCommands();
}

ProgramParts::~ProgramParts() = default;

void ProgramParts::composeFretboard() {
  auto* neck = new FretboardView;
  bottom_->setFretboard(neck);
  // The keyboard stands in the row of the page tabs, right under whichever panel is on top, so
  // it keeps its place when Flip swaps the panels.
  auto* keyboard = new KeyboardView;
  auto* pnlKeyboard = new QFrame;
  pnlKeyboard->setObjectName("pnlKeyboard");
  auto* keyboardRow = new QHBoxLayout(pnlKeyboard);
  keyboardRow->setContentsMargins(4, 2, 8, 2);
  keyboardRow->addWidget(keyboard);
  pageControl_->setCornerWidget(pnlKeyboard, Qt::TopRightCorner);

  FretboardWidgets widgets;
  widgets.neck = neck;
  widgets.keyboard = keyboard;
  widgets.noteReadout = bottom_->noteReadOut();
  widgets.intervalReadout = bottom_->intervalReadOut();
  widgets.chordName = bottom_->chordNameEdit();
  widgets.notes = bottom_->notesEdit();
  for (int n = 0; n < 8; ++n) widgets.intervals[static_cast<std::size_t>(n)] = bottom_->intervalLabel(n);
  widgets.nameCaption = bottom_->findChild<QLabel*>("Label2");
  fretboard_ = new Fretboard(widgets, fretboardHost_, window_.get());
  const ToolPanel::Buttons& b = tools_->buttons();
  fretboard_->bindButtons({b.sbtnBassNote, b.sbtnLeftHanded, b.sbtnFlip, b.sbShowArp, b.sbtnShowFullScale});
  TuningControls* tuning = bottom_->tuningControls();
  // A chord shown with its own tuning puts that tuning in the controls.
  QObject::connect(fretboard_, &Fretboard::tuningShown, tuning, &TuningControls::showTuning);
  QObject::connect(fretboard_, &Fretboard::tuningNameCleared, tuning,
                   [tuning] { tuning->setTuningName({}); });
  QObject::connect(fretboard_, &Fretboard::flipChanged, window_.get(), &TfrmMain::placePanels);
  fretlight_ = std::make_unique<FretlightLink>(devices_.fretlight);
  playback_ = std::make_unique<PlaybackContext>(
      devices_.midi, transport_, settings_,
      PlaybackControls{tools_->strumSpeed(), b.sbtnBassNote, b.sbtnRootPlay, b.sbShowArp, b.sbtnFLAnimate},
      *fretboard_, speech_, *tuning, devices_.leds ? devices_.leds : fretlight_.get());
  chordsPlayer_ = std::make_unique<ChordPlayback>(holders_.chordPageChord, *playback_);
  designPlayer_ = std::make_unique<ChordPlayback>(holders_.designChord, *playback_);
  chordDesign_->setPlayer(designPlayer_.get());
  if (LedSink* leds = devices_.leds) {
    QObject::connect(fretboard_, &Fretboard::ledsChanged, window_.get(), [this, leds](const LedFrame& frame) {
      leds->send(frame, fretboard_->leftHanded() ? Hand::Left : Hand::Right);
    });
    QObject::connect(fretboard_, &Fretboard::ledsCleared, window_.get(), [leds] { leds->clear(); });
  } else {
    FretlightLink* guitar = fretlight_.get();
    QObject::connect(fretboard_, &Fretboard::ledsChanged, guitar, &FretlightLink::showBoard);
    QObject::connect(fretboard_, &Fretboard::ledsCleared, guitar, &FretlightLink::clearBoard);
  }
}

void ProgramParts::composePages() {
  const ChordMenus::Menus menus{menu_->menuKey(), menu_->menuMajor(), menu_->menuMinor(),
                                menu_->menuDominant(), menu_->menuScale()};
  const ChordMenus::Readouts readouts{tools_->chordRootEdit(), tools_->chordNameEdit(),
                                      tools_->showChordsButton(), tools_->findChild<QLabel*>("lblChordName")};
  chordMenus_ = new ChordMenus(menus, readouts, spelling_, window_->commands(), window_.get());
  chordsPage_ =
      new ChordsPage(holders_, *chordMenus_, pages_, devices_.dialogs, spelling_, transport_, *fretboard_,
                     folder_.dataFolder.toStdString(), settings_, chordsPlayer_.get(), tools_->strumSpeed());
  const ToolPanel::Buttons& b = tools_->buttons();
  PlayPageControls playControls;
  playControls.pages = {b.sbtnPage[0], b.sbtnPage[1], b.sbtnPage[2], b.sbtnPage[3]};
  playControls.time = b.sbtnTime;
  playControls.undo = b.sbtnUndo;
  playControls.bassNote = b.sbtnBassNote;
  playControls.leftHanded = b.sbtnLeftHanded;
  playControls.strumSpeed = tools_->strumSpeed();
  playPage_ = new PlayPage(holders_, pages_, devices_.dialogs, spelling_, transport_, *fretboard_,
                           *bottom_->tuningControls(), settings_, playControls, *playback_);
  printPlayer_ = std::make_unique<PrintCellPlayback>(holders_.printPageCell, *playback_);
  printPage_ = new PrintPage(holders_, pages_, devices_.dialogs, spelling_, transport_, *fretboard_,
                             settings_, printPlayer_.get());
  QObject::connect(printPage_, &PrintPage::scaleShown, fretboard_, [this](const ScaleDiagram& scale) {
    fretboard_->ShowScale(scale, scale.beginFrets[0], settings_.scaleFrets);
  });
  scalesPage_ = new ScalesPage(holders_, pages_, devices_.dialogs, spelling_, transport_,
                               ScalesPageDisplay{*fretboard_, *fretboard_}, settings_,
                               folder_.dataFolder.toStdString(), playback_.get(), tools_->strumSpeed());
  tabPage_ = new TabPage(TabPageServices{holders_, pages_, devices_.dialogs, spelling_, transport_,
                                         *bottom_->tuningControls(), settings_, *playback_, *fretboard_,
                                         qobject_cast<FretboardView*>(bottom_->fretboard()), b.sbtnUndo,
                                         b.sbShowArp, tools_->strumSpeed(), folder_.workFolder});
  window_->addPage(*chordsPage_);
  window_->addPage(*chordDesign_);
  window_->addPage(*playPage_);
  window_->addPage(*printPage_);
  window_->addPage(*scalesPage_);
  window_->addPage(*tabPage_);
}

void ProgramParts::composeChordDesign() {
  TuningControls* tuning = bottom_->tuningControls();
  QObject::connect(fretboard_, &Fretboard::neckPressed, chordDesign_,
                   [this, tuning](int string, int fret, Qt::MouseButton button) {
                     if (pages_.isActive(PageId::ChordDesign))
                       chordDesign_->neckPressed(tuning->tuning(), tuning->tuningName(), string, fret,
                                                 button);
                   });
  QObject::connect(chordDesign_->fretControls(), &FretControls::fretEdited, chordDesign_,
                   [this, tuning](int string, std::optional<int> fret) {
                     chordDesign_->fretEdited(tuning->tuning(), tuning->tuningName(), string, fret);
                   });
  showIntervals_ = new ShowIntervals(
      *chordDesign_, *fretboard_, tools_->buttons().sbShowArp, devices_.dialogs, window_.get(), transport_,
      pages_, folder_.dataFolder.toStdString(), settings_, tools_->strumSpeed(), window_.get());
  QObject::connect(chordDesign_, &ChordDesignPage::designChanged, showIntervals_,
                   &ShowIntervals::redrawDesign);
  // The window's round Show Intervals button stays hidden; its release runs the same command.
  auto* hemi = new THemisphereButton(window_.get());
  hemi->setObjectName("hemiDisplayIntervals");
  hemi->setCaption("Show Intervals");
  hemi->resize(90, 30);
  hemi->setGroupIndex(18);
  hemi->setAllowAllUp(true);
  hemi->hide();
  QObject::connect(hemi, &THemisphereButton::mouseReleased, chordDesign_,
                   [this] { chordDesign_->displayIntervalsButton()->click(); });
  QObject::connect(chordDesign_, &ChordDesignPage::tuningNameKept, tuning, &TuningControls::setTuningName);
  // Show Arpeggio released on this page gives the neck back to the interval display.
  QObject::connect(fretboard_, &Fretboard::intervalDisplayRefreshRequested, showIntervals_,
                   &ShowIntervals::redrawDesign);
  QObject::connect(bottom_, &BottomPanel::intervalClicked, showIntervals_,
                   &ShowIntervals::editIntervals0Click);
  QObject::connect(bottom_->chordNameEdit(), &QLineEdit::textEdited, showIntervals_,
                   &ShowIntervals::editChordNameUserKeyUp);
  QObject::connect(chordDesign_, &ChordDesignPage::chordNameShown, bottom_, [this](const QString& text) {
    if (!chordDesign_->displayIntervalsButton()->isChecked()) bottom_->chordNameEdit()->setText(text);
  });
  QObject::connect(fretboard_, &Fretboard::staffNotesChanged, chordDesign_->staffBox(),
                   &TNvStaffBox::setNotes);
  QObject::connect(&spelling_, &NoteSpelling::changed, chordDesign_,
                   [this] { chordDesign_->fretControls()->setNoteNames(spelling_.names()); });
  QObject::connect(window_.get(), &TfrmMain::fingerKeyPressed, chordDesign_, &ChordDesignPage::pressFinger);
  auto* search = new ChordSearchPanel(holders_.designChord, settings_, folder_.dataFolder.toStdString(),
                                      spelling_, transport_, devices_.dialogs);
  auto* group =
      new DesignGroupView(*chordDesign_, *search, holders_, pages_, devices_.dialogs, spelling_, transport_,
                          *fretboard_, *tuning, settings_, folder_.dataFolder.toStdString());
  chordDesign_->attachGroup(search, group);
  QObject::connect(group, &DesignGroupView::playRequested, &transport_, &Transport::sbtnPlayClick);
}

void ProgramParts::connectCommands() {
  TfrmMain* window = window_.get();
  CommandTable& commands = window_->commands();
  QAction* flatSharp = menu_->action("mnuFlatSharp");
  commands.setHandler("mnuFlatSharp", [window, flatSharp] { window->mnuFlatSharpClick(flatSharp); });
  commands.setHandler("mnuExit", [window] { window->close(); });
  commands.setHandler("mnuNew", [window] { window->sbtnEraseClick(); });
  QObject::connect(menu_->menuFile(), &QMenu::aboutToShow, menu_, [this] {
    if (std::optional<PageId> active = pages_.currentId()) menu_->renameNewItem(*active);
  });
  commands.setHandler("mnuOpen", [window] { window->sbtnOpenClick(); });
  commands.setHandler("mnuSave", [window] { window->sbtnSaveClick(); });
  commands.setHandler("mnuSaveAs", [window] { window->mnuSaveAsClick(); });
  commands.setHandler("mnuExportMidi", [window] { window->mnuExportClick(false); });
  commands.setHandler("mnuExportWav", [window] { window->mnuExportClick(true); });
  commands.setHandler("menuFlip", [this] { fretboard_->menuFlipClick(); });
  QObject::connect(menu_, &MainMenu::openRequested, window, [](const QString& target) {
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
    QDesktopServices::openUrl(url);
  });
  // While playing nothing else may start: the menus wait for the end.
  QObject::connect(&transport_, &Transport::stateChanged, menu_,
                   [this] { menu_->setAllEnabled(!transport_.playing() && !transport_.paused()); });
  QObject::connect(tools_->showChordsButton(), &QPushButton::clicked, chordsPage_,
                   &ChordsPage::btnShowChordsClick);
  QObject::connect(chordsPage_, &ChordsPage::playRequested, &transport_, &Transport::sbtnPlayClick);
  QObject::connect(chordsPage_, &ChordsPage::showScaleRequested, scalesPage_, [this] {
    scalesPage_->addScaleSet(chordMenus_->choice().number, chordMenus_->key().value_or(0),
                             chordMenus_->readouts().editChordName->text());
  });
  QObject::connect(scalesPage_, &ScalesPage::playRequested, &transport_, &Transport::sbtnPlayClick);
  optionsCommands_ = new OptionsCommands(commands, transport_, settings_, devices_.dialogs, devices_.midi,
                                         folder_.dataFolder, window);
  printCommands_ = new PrintCommands(pages_, commands, devices_.dialogs, settings_, window);
  QObject::connect(fretboard_, &Fretboard::handednessChanged, window, &TfrmMain::handChanged);
  connectHelpCommands(*menu_, *window, pages_, devices_.dialogs, folder_);
  window->addTypingWidget(tools_->tempoEdit());
  window->addTypingWidget(bottom_->chordNameEdit());
  Fretboard* fretboard = fretboard_;
  options_ = std::make_unique<OptionsWiring>(
      OptionsWiring::Parts{*window, commands, *tools_, transport_, pages_, *playback_, settings_, *audio_,
                           [fretboard] { return fretboard->leftHanded() ? Hand::Left : Hand::Right; },
                           playPage_->scrollPlayPage()->verticalScrollBar()},
      OptionsWiring::Devices{*fretlight_, devices_.dialogs, folder_, devices_.midi, speech_});
  OptionsWiring* options = options_.get();
  listen_ = std::make_unique<ListenWiring>(ListenWiring::Parts{
      ListenOnPages::Parts{*window, window->findChild<KeyboardView*>(), *tools_, *bottom_, transport_, pages_,
                           holders_, *fretboard_, spelling_, settings_, *audio_, devices_.dialogs,
                           *scalesPage_, playPage_->scoring(*audio_)},
      *menu_, *bottom_->tuningControls(), *playback_, [options] { return options->preferences(); }});
}

void ProgramParts::start(const QStringList& files) {
  store_ = std::make_unique<AppSettingsStore>(IniFile(folder_.settingsFile().toStdString()),
                                              folder_.documentFolder.toStdString());
  settings_ = store_->load();
  optionsCommands_->setStore(store_.get());
  audio_->probe();
  // The insert section ships with the data; while the user has not chosen a file of their own
  // and kept none in their folder, Insert Tab reads the shipped one.
  const std::string ownInsert = folder_.documentFolder.toStdString() + "insertsection.tab";
  if (settings_.tabInsertFile == ownInsert && !QFileInfo::exists(QString::fromStdString(ownInsert)))
    settings_.tabInsertFile = folder_.dataFolder.toStdString() + "insertsection.tab";
  speech_.load();
  speech_.setVolume(settings_.speechVolume);
  speech_.setEnabled(settings_.speechOn);
  tools_->applySettings(settings_);
  menu_->addWebSites(store_->webSites());
  menu_->addTutorials(MainMenu::findTutorials(folder_.dataFolder + "DI65 Tutorials"));

  spelling_.setSpelling(Spelling::Flats);
  bottom_->tuningControls()->setStandardTuning();
  tabPage_->takeOverTuning(Tuning{}, "Standard");
  auto* userTypes = new UserChordTypes(
      *chordDesign_, *store_, settings_, devices_.dialogs,
      [this] { showIntervals_->sbDisplayIntervalsClick(); }, window_.get());
  userTypes->showLoaded();
  fretboard_->setLeftHanded(settings_.leftHanded);
  chordDesign_->fretControls()->setNoteNames(spelling_.names());
  window_->FormCreate(folder_, files, *store_, settings_);
  options_->start(*store_);
  listen_->start(*store_);
  showTipsAtStart(*window_, devices_.dialogs, folder_);
}

}  // namespace strumly::gui
