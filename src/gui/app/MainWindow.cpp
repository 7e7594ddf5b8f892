#include "gui/app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/AppSettings.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/PageSwitcher.h"
#include "gui/app/ToolPanel.h"
#include "gui/app/WindowKeys.h"
#include "gui/common/Command.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/Page.h"
#include "gui/common/PageList.h"
#include "gui/common/SaveBeforeClose.h"
#include "gui/common/TuningTakeOver.h"
#include "gui/controls/TuningControls.h"
#include "gui/playback/MidiSession.h"
#include "gui/playback/Transport.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {
namespace {

constexpr const char* kCaption = "Strumly!";
constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;

}  // namespace

TfrmMain::TfrmMain(DialogService& dialogs, Transport& transport, PageList& pages, ToolPanel* tools,
                   BottomPanel* bottom, NoteSpelling& spelling, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      transport_(transport),
      pages_(pages),
      pnlTop_(tools),
      pnlBottom_(bottom),
      spelling_(spelling),
      commands_(new CommandTable(&transport, this)),
      switcher_(new PageSwitcher(pages, transport, *bottom, tools->buttons().sbtnUndo, this, this)),
      keys_(new WindowKeys(this, tools->strumSpeed(), transport, *commands_, pages, this)) {
  setObjectName("frmMain");
  setWindowTitle(kCaption);
  resize(832, 637);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  QTabWidget* pageControl = pages_.pageControl();
  pageControl->setObjectName("PageControl1");
  pageControl->setDocumentMode(true);
  pageControl->tabBar()->setAccessibleName(tr("Pages"));
  pageControl->tabBar()->setAccessibleDescription(tr("The left and right arrow keys change the page"));
  layout->addWidget(pnlTop_);
  layout->addWidget(pageControl, 1);
  layout->addWidget(pnlBottom_);
  setCentralWidget(central);

  TuningControls* tuning = pnlBottom_->tuningControls();
  tuning->setBusyCheck([this] { return IsPlayingOrBusy(); });
  connect(tuning, &TuningControls::tuningTakenOver, this, &TfrmMain::routeTuningTakeOver);
  pnlTop_->declareCommands(*commands_);
  pnlTop_->bindTransport(transport_, *commands_);
  commands_->setHandler("sbtnErase", [this] { sbtnEraseClick(); });
  commands_->setHandler("sbtnOpen", [this] { sbtnOpenClick(); });
  commands_->setHandler("sbtnSave", [this] { sbtnSaveClick(); });
  commands_->setHandler("sbtnUndo", [this] { sbtnUndoClick(); });
  commands_->setHandler("sbtnShowFullScale", [this] { sbtnShowFullScaleClick(); });
  // Items show disabled while what they run waits; the gate refuses them either way.
  connect(&transport_, &Transport::stateChanged, commands_, &CommandTable::refresh);
  connect(keys_, &WindowKeys::fingerPressed, this, &TfrmMain::fingerKeyPressed);
  // A machine without sound is told so once, when the user first asks for sound, rather than
  // with a box in the way of every start.
  connect(&transport_, &Transport::playPressed, this, [this] {
    if (midiProblem_.isEmpty()) return;
    const QString problem = midiProblem_;
    midiProblem_.clear();
    dialogs_.notice(this, problem);
  });
  keys_->addTypingWidget(tuning->tuningNameEdit());
  keys_->install();
  switcher_->installWheelFilter();
}

TfrmMain::~TfrmMain() {
  // The pages leave the page control as they are destroyed; nothing may answer those changes.
  delete switcher_;
  switcher_ = nullptr;
}

void TfrmMain::addPage(Page& page) {
  pages_.add(page);
  for (QWidget* edit : page.typingWidgets()) keys_->addTypingWidget(edit);
}

void TfrmMain::addTypingWidget(QWidget* edit) {
  keys_->addTypingWidget(edit);
}

void TfrmMain::placePanels(bool flipped) {
  auto* column = static_cast<QVBoxLayout*>(centralWidget()->layout());
  column->removeWidget(pnlTop_);
  column->removeWidget(pnlBottom_);
  column->insertWidget(0, flipped ? static_cast<QWidget*>(pnlBottom_) : pnlTop_);
  column->addWidget(flipped ? static_cast<QWidget*>(pnlTop_) : pnlBottom_);
}

void TfrmMain::FormCreate(const ProgramFolder& folder, const QStringList& arguments, AppSettingsStore& store,
                          AppSettings& settings) {
  folder_ = folder;
  arguments_ = arguments;
  store_ = &store;
  settings_ = &settings;
  if (midi_) {
    midi_->open(settings.midi);
    const std::string problem = midi_->problem();
    if (!problem.empty()) midiProblem_ = coreText(problem);
  }
  pages_.pageControl()->setCurrentIndex(0);
  switcher_->PageControl1Change();  // caption, tuning lock and fretboard of the first page
  placeWindow();
  pnlTop_->setFretlightVisible(false);
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
    openCommandLineFile();
  }
  parkFocus();
}

void TfrmMain::openCommandLineFile() {
  if (commandLineFileTaken_) return;
  commandLineFileTaken_ = true;
  if (arguments_.size() == 1) {
    const bool opened = OpenHandedFile(arguments_.first());
    Q_EMIT handedFileProcessed(arguments_.first(), opened);
  }
}

bool TfrmMain::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return handled;
}

void TfrmMain::parkFocus() {
  pnlTop_->strumSpeed()->setFocus();
}

bool TfrmMain::OpenHandedFile(const QString& fileName) {
  const QFileInfo info(fileName);
  if (!info.exists() || !info.isFile()) return false;
  const QString extension = "." + info.suffix().toLower();
  for (Page* page : pages_.pages()) {
    PageDocument* document = page->document();
    if (!document || !document->handedOverExtensions().contains(extension)) continue;
    // The file is opened on its page in front, so the user sees what arrived (and any question
    // about it on the page it concerns); a page change refused while playing opens nothing.
    if (!pages_.activate(page->pageId())) return false;
    return document->openHandedFile(info.absoluteFilePath());
  }
  // No page reads this kind of file.
  return false;
}

void TfrmMain::handOverReceived(const QString& fileName) {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  // A file named when this copy started comes before the files handed over after it.
  openCommandLineFile();
  if (!fileName.isEmpty()) {
    const bool opened = OpenHandedFile(fileName);
    Q_EMIT handedFileProcessed(fileName, opened);
  }
  parkFocus();
}

bool TfrmMain::FormKeyDown(int key) {
  return keys_->FormKeyDown(key);
}

bool TfrmMain::IsPlayingOrBusy() const {
  return transport_.IsPlayingOrBusy();
}

void TfrmMain::mnuFlatSharpClick(QAction* item) {
  // The caption names the spelling now in use; the check mark stays as it is, so the toggle the
  // menu made on the way here is undone.
  if (item->isCheckable()) item->setChecked(!item->isChecked());
  const bool toSharps = spelling_.spelling() == Spelling::Flats;
  item->setText(toSharps ? tr("Sharps") : tr("Flats"));
  spelling_.setSpelling(toSharps ? Spelling::Sharps : Spelling::Flats);
  pnlBottom_->tuningControls()->refreshNames();
}

void TfrmMain::routeTuningTakeOver(const Tuning& tuning, const QString& name) {
  if (Page* page = pages_.current())
    if (TuningTakeOver* takeOver = page->tuningTakeOver()) takeOver->takeOverTuning(tuning, name);
}

void TfrmMain::reenterPage() {
  switcher_->PageControl1Change();
}

void TfrmMain::sbtnShowFullScaleClick() {
  if (Page* page = pages_.current()) page->entered();
}

void TfrmMain::handChanged() {
  for (Page* page : pages_.pages()) page->handChanged();
  reenterPage();
}

bool TfrmMain::FormClose() {
  if (IsPlayingOrBusy()) {
    if (transport_.stepMode()) dialogs_.notice(this, tr("Step Play is active"));
    return false;
  }
  SaveBeforeClose questions;
  for (PageId id : kClosingOrder) {
    Page* page = pages_.page(id);
    PageDocument* document = page ? page->document() : nullptr;
    if (!document) continue;
    for (ClosingDocument& closing : document->closingDocuments()) questions.add(std::move(closing));
  }
  if (!questions.mayClose(dialogs_, this)) return false;
  if (midi_) midi_->close();
  if (store_ && settings_) {
    pnlTop_->collectSettings(*settings_);
    try {
      store_->saveShutdownValues(*settings_);
    } catch (const IniWriteError& error) {
      // Settings that cannot be kept are no reason to keep the user from leaving.
      dialogs_.notice(this, coreText(error.what()));
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

PageDocument* TfrmMain::activeDocument() const {
  Page* page = pages_.current();
  return page ? page->document() : nullptr;
}

void TfrmMain::sbtnEraseClick() {
  if (PageDocument* document = activeDocument()) document->erase();
  parkFocus();
}

void TfrmMain::sbtnUndoClick() {
  if (Page* page = pages_.current()) page->undo();
  // One level only: whatever the page restored, there is nothing more to undo.
  pnlTop_->buttons().sbtnUndo->setEnabled(false);
  parkFocus();
}

void TfrmMain::sbtnOpenClick() {
  if (PageDocument* document = activeDocument()) document->openWithPrompt();
  switcher_->refreshCaption();
  parkFocus();
}

void TfrmMain::sbtnSaveClick() {
  if (PageDocument* document = activeDocument()) document->save(false);
  switcher_->refreshCaption();
  parkFocus();
}

void TfrmMain::mnuExportClick(bool wav) {
  PageDocument* document = activeDocument();
  if (!document || !document->exportSound(wav))
    dialogs_.notice(this, tr("Songs are exported from the PlayPage and the Tablature page."));
  parkFocus();
}

void TfrmMain::mnuSaveAsClick() {
  if (PageDocument* document = activeDocument()) document->save(true);
  switcher_->refreshCaption();
  parkFocus();
}

}  // namespace strumly::gui
