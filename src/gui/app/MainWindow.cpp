#include "gui/app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/pages/RecordConversions.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/MainMenu.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageCanvas.h"
#include "gui/playback/SpeechSounds.h"
#include "gui/app/ToolPanel.h"
#include "gui/controls/TuningControls.h"
#include "gui/app/WindowFretboardHost.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/FretControls.h"
#include "gui/chorddesign/ShowIntervals.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/DialogService.h"
#include "gui/common/PageSwitcher.h"
#include "gui/playpage/PlayPage.h"
#include "gui/print/PrintPage.h"
#include "gui/scales/ScalesPage.h"
#include "gui/tab/TabPage.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"
#include "gui/views/TNvStaffBox.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {
namespace {

constexpr const char* kCaption = "Strumly!";
constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;

QWidget* plainChordsPage(QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setObjectName("pageChords");
  addPageCanvas(page, "scrollChordPage", QString());
  return page;
}

}  // namespace

TfrmMain::TfrmMain(DialogService& dialogs, SoundPlayer& speechPlayer, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      spelling_(std::make_unique<NoteSpelling>()),
      speech_(std::make_unique<SpeechSounds>(speechPlayer, *spelling_)),
      pnlTop_(new ToolPanel),
      PageControl1_(new QTabWidget),
      pnlBottom_(new BottomPanel(*spelling_)),
      menu_(new MainMenu(menuBar(), *spelling_)),
      chordDesign_(new ChordDesignPage(holders_.designChord)),
      tabPage_(new TabPage) {
  setObjectName("frmMain");
  setWindowTitle(kCaption);
  resize(832, 637);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  PageControl1_->setObjectName("PageControl1");
  PageControl1_->setDocumentMode(true);
  layout->addWidget(pnlTop_);
  layout->addWidget(PageControl1_, 1);
  layout->addWidget(pnlBottom_);
  setCentralWidget(central);

  PageControl1_->addTab(plainChordsPage(PageControl1_), "Chords");
  PageControl1_->addTab(chordDesign_, "Chord Design");
  PageControl1_->addTab(new PlayPage, "PlayPage");
  PageControl1_->addTab(new PrintPage, "Print");
  PageControl1_->addTab(new ScalesPage, "Scales");
  PageControl1_->addTab(tabPage_, "Tablature");

  composeFretboard();
  chords_ = installChordsPage(*this, holders_, dialogs_, fretboard_);
  showPageItemsOnEntry();

  TuningControls* tuning = pnlBottom_->tuningControls();
  tuning->setBusyCheck([this] { return IsPlayingOrBusy(); });
  connect(tuning, &TuningControls::tuningTakenOver, this, &TfrmMain::routeTuningTakeOver);
  connect(menu_->action("mnuFlatSharp"), &QAction::triggered, this, &TfrmMain::mnuFlatSharpClick);
  connect(menu_->action("mnuExit"), &QAction::triggered, this, &QWidget::close);
  connect(pnlTop_->button("sbtnErase"), &QToolButton::clicked, this, &TfrmMain::sbtnEraseClick);
  connect(menu_->action("mnuNew"), &QAction::triggered, this, &TfrmMain::sbtnEraseClick);
  connect(menu_, &MainMenu::openRequested, this, [](const QString& target) {
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
    QDesktopServices::openUrl(url);
  });
}

TfrmMain::~TfrmMain() {
  // The pages leave the page control as they are destroyed; nothing may answer those changes.
  delete chords_.switcher;
  chords_.switcher = nullptr;
}

void TfrmMain::composeFretboard() {
  fretboardHost_ = std::make_unique<WindowFretboardHost>(*this);
  auto* neck = new FretboardView;
  pnlBottom_->setFretboard(neck);
  // The keyboard stands in the row of the page tabs, right under whichever panel is on top, so
  // it keeps its place when Flip swaps the panels.
  auto* keyboard = new KeyboardView;
  auto* pnlKeyboard = new QFrame;
  pnlKeyboard->setObjectName("pnlKeyboard");
  auto* keyboardRow = new QHBoxLayout(pnlKeyboard);
  keyboardRow->setContentsMargins(4, 2, 8, 2);
  keyboardRow->addWidget(keyboard);
  PageControl1_->setCornerWidget(pnlKeyboard, Qt::TopRightCorner);

  FretboardWidgets widgets;
  widgets.neck = neck;
  widgets.keyboard = keyboard;
  widgets.noteReadout = pnlBottom_->noteReadOut();
  widgets.intervalReadout = pnlBottom_->intervalReadOut();
  widgets.chordName = pnlBottom_->chordNameEdit();
  widgets.notes = pnlBottom_->notesEdit();
  for (int n = 0; n < 8; ++n) widgets.intervals[static_cast<std::size_t>(n)] = pnlBottom_->intervalLabel(n);
  fretboard_ = new Fretboard(widgets, *fretboardHost_, this);
  fretboard_->bindButtons({pnlTop_->button("sbtnBassNote"), pnlTop_->button("sbtnLeftHanded"),
                           pnlTop_->button("sbtnFlip"), pnlTop_->button("sbShowArp"),
                           pnlTop_->button("sbtnShowFullScale")});
  connect(menu_->action("menuFlip"), &QAction::triggered, fretboard_, &Fretboard::menuFlipClick);
  connect(fretboard_, &Fretboard::flipChanged, this, &TfrmMain::placePanels);
  // A chord shown with its own tuning puts that tuning in the controls.
  connect(fretboard_, &Fretboard::tuningShown, this, [this](const Tuning& tuning, const QString& name) {
    pnlBottom_->tuningControls()->showTuning(tuning, name);
  });
  connect(fretboard_, &Fretboard::tuningNameCleared, this,
          [this] { pnlBottom_->tuningControls()->setTuningName({}); });
  composeChordDesign();
}

void TfrmMain::showPageItemsOnEntry() {
  PageSwitcher& switcher = *chords_.switcher;
  if (PageSwitcher::PageParts* design = switcher.pageParts(strumly::Page::ChordDesign))
    design->entered = [this] { showIntervals_->redrawDesign(); };
  if (PageSwitcher::PageParts* play = switcher.pageParts(strumly::Page::PlayPage))
    play->entered = [this] { fretboard_->ClearFretboard(); };
  // The Print page shows its last cell; a cell holding a scale waits for the scale display.
  if (PageSwitcher::PageParts* print = switcher.pageParts(strumly::Page::Print))
    print->entered = [this] {
      const PrintCell& cell = holders_.printPageCell;
      if (cell.isEmpty())
        fretboard_->ClearFretboard();
      else if (cell.isChord)
        fretboard_->RedrawFretboard(cellToChord(cell));
    };
  // The tab page carries its own tuning: entering it shows that tuning in the controls.
  if (PageSwitcher::PageParts* tab = switcher.pageParts(strumly::Page::Tablature))
    tab->entered = [this] {
      pnlBottom_->tuningControls()->showTuning(tabPage_->tuning(), tabPage_->tuningName());
    };
}

void TfrmMain::composeChordDesign() {
  TuningControls* tuning = pnlBottom_->tuningControls();
  connect(fretboard_, &Fretboard::neckPressed, this,
          [this, tuning](int string, int fret, Qt::MouseButton button) {
            if (PageControl1_->currentIndex() == pageChordDesign)
              chordDesign_->neckPressed(tuning->tuning(), tuning->tuningName(), string, fret, button);
          });
  FretControls* controls = chordDesign_->fretControls();
  connect(controls, &FretControls::fretEdited, this, [this, tuning](int string, std::optional<int> fret) {
    chordDesign_->fretEdited(tuning->tuning(), tuning->tuningName(), string, fret);
  });
  ShowIntervals::Hooks hooks;
  hooks.isPlayingOrBusy = [this] { return IsPlayingOrBusy(); };
  hooks.chordDesignActive = [this] { return PageControl1_->currentIndex() == pageChordDesign; };
  hooks.dataFolder = [this] { return std::filesystem::path(folder_.dataFolder.toStdString()); };
  hooks.settingsFile = [this] { return folder_.settingsFile().toStdString(); };
  hooks.returnFocus = [this] { parkFocus(); };
  showIntervals_ = new ShowIntervals(*chordDesign_, *fretboard_, pnlTop_->button("sbShowArp"), dialogs_, this,
                                     std::move(hooks), this);
  connect(chordDesign_, &ChordDesignPage::designChanged, showIntervals_, &ShowIntervals::redrawDesign);
  // Show Arpeggio released on this page gives the neck back to the interval display.
  connect(fretboard_, &Fretboard::intervalDisplayRefreshRequested, showIntervals_,
          &ShowIntervals::redrawDesign);
  connect(pnlBottom_, &BottomPanel::intervalClicked, showIntervals_, &ShowIntervals::editIntervals0Click);
  connect(pnlBottom_->chordNameEdit(), &QLineEdit::textEdited, showIntervals_,
          &ShowIntervals::editChordNameUserKeyUp);
  connect(chordDesign_, &ChordDesignPage::chordNameShown, this, [this](const QString& text) {
    if (!chordDesign_->displayIntervalsButton()->isChecked()) pnlBottom_->chordNameEdit()->setText(text);
  });
  connect(fretboard_, &Fretboard::staffNotesChanged, chordDesign_->staffBox(), &TNvStaffBox::setNotes);
  connect(spelling_.get(), &NoteSpelling::changed, this,
          [this] { chordDesign_->fretControls()->setNoteNames(spelling_->names()); });
}

void TfrmMain::placePanels(bool flipped) {
  auto* column = static_cast<QVBoxLayout*>(centralWidget()->layout());
  column->removeWidget(pnlTop_);
  column->removeWidget(pnlBottom_);
  column->insertWidget(0, flipped ? static_cast<QWidget*>(pnlBottom_) : pnlTop_);
  column->addWidget(flipped ? static_cast<QWidget*>(pnlTop_) : pnlBottom_);
}

void TfrmMain::FormCreate(const ProgramFolder& folder, const QStringList& arguments) {
  folder_ = folder;
  arguments_ = arguments;
  speech_->load();

  store_ = std::make_unique<AppSettingsStore>(IniFile(folder.settingsFile().toStdString()),
                                              folder.userFolder.toStdString());
  settings_ = store_->load();
  applySettings();
  menu_->addWebSites(store_->webSites());
  menu_->addTutorials(MainMenu::findTutorials(folder.dataFolder + "DI65 Tutorials"));
  speech_->setVolume(settings_.speechVolume);
  speech_->setEnabled(settings_.speechOn);

  pnlTop_->showTempo(100);
  spelling_->setSpelling(Spelling::Flats);
  pnlBottom_->tuningControls()->setStandardTuning();
  tabPage_->takeOverTuning(Tuning{}, "Standard");
  if (midi_) {
    midi_->open(settings_.midi);
    const std::string problem = midi_->problem();
    if (!problem.empty()) midiProblem_ = QString::fromStdString(problem);
  }

  chordDesign_->setUserChordTypes(settings_.userChordNames);
  pnlTop_->button("sbtnBassNote")->setChecked(settings_.bassNote);
  fretboard_->setLeftHanded(settings_.leftHanded);
  chordDesign_->fretControls()->setNoteNames(spelling_->names());
  PageControl1_->setCurrentIndex(pageChords);
  chords_.switcher->PageControl1Change();  // caption, tuning lock and fretboard of the Chords page
  placeWindow();
  pnlTop_->setFretlightVisible(false);
}

void TfrmMain::applySettings() {
  pnlTop_->strumSpeed()->setValue(settings_.strumSpeed);
  pnlTop_->button("sbtnLeftHanded")->setChecked(settings_.leftHanded);
  pnlTop_->button("sbtnShowFullScale")->setChecked(settings_.showFullScale);
  pnlTop_->button("sbtnFLAnimate")->setChecked(settings_.fretlight.animate);
  pnlTop_->button("sbtnRootFlash")->setChecked(settings_.fretlight.showFlash);
  pnlTop_->rightSwitchLabel()->setText(
      QString::fromStdString(switchActionCaption(settings_.fretlight.switch1)));
  pnlTop_->leftSwitchLabel()->setText(
      QString::fromStdString(switchActionCaption(settings_.fretlight.switch2)));
}

bool TfrmMain::maximisedOn(const QSize& screenSize) {
  return !(screenSize.height() > kDefaultHeight || screenSize.width() > kDefaultWidth);
}

void TfrmMain::placeWindow() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QSize size = screen ? screen->size() : QSize(kDefaultWidth, kDefaultHeight);
  if (maximisedOn(size)) {
    setWindowState(windowState() | Qt::WindowMaximized);
    return;
  }
  resize(kDefaultWidth, kDefaultHeight);
  move(screen ? screen->availableGeometry().topLeft() : QPoint(0, 0));
}

void TfrmMain::FormActivate() {
  if (!activatedOnce_) {
    activatedOnce_ = true;
    // Told once the window is up, so the notice has a window to sit on; playing stays silent.
    if (!midiProblem_.isEmpty()) dialogs_.notice(this, midiProblem_);
    if (arguments_.size() == 1) {
      const bool opened = OpenHandedFile(arguments_.first());
      Q_EMIT handedFileProcessed(arguments_.first(), opened);
    }
  }
  parkFocus();
}

bool TfrmMain::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return handled;
}

void TfrmMain::parkFocus() {
  pnlTop_->strumSpeed()->setFocus();
}

void TfrmMain::setFileOpener(const QString& extension, std::function<bool(const QString&)> opener) {
  openers_.insert(extension.toLower(), std::move(opener));
}

bool TfrmMain::OpenHandedFile(const QString& fileName) {
  const QFileInfo info(fileName);
  if (!info.exists() || !info.isFile()) return false;
  const QString extension = "." + info.suffix().toLower();
  const auto opener = openers_.constFind(extension);
  // Until the page that reads a kind of file is built, that kind is refused.
  if (opener == openers_.constEnd() || !*opener) return false;
  return (*opener)(info.absoluteFilePath());
}

void TfrmMain::handOverReceived(const QString& fileName) {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  if (!fileName.isEmpty()) {
    const bool opened = OpenHandedFile(fileName);
    Q_EMIT handedFileProcessed(fileName, opened);
  }
  parkFocus();
}

bool TfrmMain::IsPlayingOrBusy() const {
  if (pnlTop_->button("sbtnPlay")->isChecked() || pnlTop_->button("sbtnPause")->isChecked()) return true;
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor && cursor->shape() == Qt::WaitCursor;
}

void TfrmMain::mnuFlatSharpClick() {
  QAction* item = menu_->action("mnuFlatSharp");
  // The caption names the spelling now in use; the check mark stays as it is.
  const bool toSharps = item->text() == "Flats";
  item->setText(toSharps ? "Sharps" : "Flats");
  spelling_->setSpelling(toSharps ? Spelling::Sharps : Spelling::Flats);
  pnlBottom_->tuningControls()->refreshNames();
}

void TfrmMain::routeTuningTakeOver(const Tuning& tuning, const QString& name) {
  if (auto* page = dynamic_cast<TuningTakeOver*>(PageControl1_->currentWidget()))
    page->takeOverTuning(tuning, name);
  // An empty design does not move with the tuning, but the notes shown across the neck must.
  if (PageControl1_->currentIndex() == pageChordDesign && holders_.designChord.isEmpty() &&
      chordDesign_->displayIntervalsButton()->isChecked()) {
    showIntervals_->redrawDesign();
    pnlBottom_->tuningControls()->setTuningName(name);
  }
}

void TfrmMain::replacePage(PageIndex page, QWidget* widget, const QString& title) {
  QWidget* old = PageControl1_->widget(page);
  const bool wasCurrent = PageControl1_->currentIndex() == page;
  PageControl1_->removeTab(page);
  PageControl1_->insertTab(page, widget, title);
  if (wasCurrent) PageControl1_->setCurrentIndex(page);
  delete old;
}

void TfrmMain::collectShutdownSettings() {
  settings_.strumSpeed = pnlTop_->strumSpeed()->value();
  settings_.bassNote = pnlTop_->button("sbtnBassNote")->isChecked();
  settings_.leftHanded = pnlTop_->button("sbtnLeftHanded")->isChecked();
  settings_.showFullScale = pnlTop_->button("sbtnShowFullScale")->isChecked();
  settings_.fretlight.animate = pnlTop_->button("sbtnFLAnimate")->isChecked();
  settings_.fretlight.showFlash = pnlTop_->button("sbtnRootFlash")->isChecked();
}

bool TfrmMain::FormClose() {
  if (IsPlayingOrBusy()) {
    if (pnlTop_->button("sbtnStep")->isChecked()) dialogs_.notice(this, "Step Play is active");
    return false;
  }
  if (!closingDocuments_.mayClose(dialogs_, this)) return false;
  if (midi_) midi_->close();
  if (store_) {
    collectShutdownSettings();
    try {
      store_->saveShutdownValues(settings_);
    } catch (const IniWriteError& error) {
      // Settings that cannot be kept are no reason to keep the user from leaving.
      dialogs_.notice(this, QString::fromStdString(error.what()));
    }
  }
  return true;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (FormClose())
    event->accept();
  else
    event->ignore();
}

// New and Erase act on the active page; pages without a document of their own yet ignore them.
void TfrmMain::sbtnEraseClick() {
  if (IsPlayingOrBusy()) return;
  if (PageControl1_->currentIndex() == pageChords && chords_.page) chords_.page->erase();
}

}  // namespace strumly::gui
