#include "gui/tab/TabPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTextBlock>
#include <QVBoxLayout>
#include <new>

#include "core/app/AppSettings.h"
#include "core/pages/PageHolders.h"
#include "core/tab/TabChordAtCursor.h"
#include "core/tab/TabCommands.h"
#include "core/tab/TabConversion.h"
#include "gui/common/Command.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/common/DocumentFiles.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageList.h"
#include "gui/controls/TuningControls.h"
#include "gui/playback/Transport.h"
#include "gui/tab/TabControls.h"
#include "gui/tab/TabFiles.h"
#include "gui/tab/TabPageView.h"
#include "gui/tab/TabPlayback.h"
#include "gui/tab/TabRawView.h"
#include "gui/views/Fretboard.h"

namespace strumly::gui {

namespace {

QStringList printableLines(const TabLines& lines) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(lines.size()));
  for (const TabLine& line : lines) out << QString::fromStdU32String(line);
  return out;
}

}  // namespace

TabPage::TabPage(const TabPageServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      pnlTablature_(new TabControls),
      views_(new QStackedWidget),
      reditTabPage_(new TabRawView),
      scrollTabPage_(new TabPageView),
      popmenuTab_(new QMenu(this)),
      commands_(new CommandTable(&services.transport, this)) {
  setObjectName("pageTablature");
  views_->addWidget(reditTabPage_);
  views_->addWidget(scrollTabPage_);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(pnlTablature_);
  column->addWidget(views_, 1);
  reditTabPage_->setBusyCheck([this] { return refusesPresses(); });
  buildCommands();
  files_ = std::make_unique<TabFiles>(*this);
  playback_ = std::make_unique<TabPlayback>(
      TabPlaybackParts{state_, *scrollTabPage_, *pnlTablature_, services_.playback, services_.tuning,
                       services_.neck, services_.showArpeggio},
      [this] { return convertedViewShown(); });
  connectControls();
  // The tempo is stored in the tab page file, so changing it here is an edit to save.
  connect(&services_.transport, &Transport::tempoEdited, this, [this](PageId page) {
    if (page == PageId::Tablature) state_.tabPageModified = true;
  });
}

TabPage::~TabPage() = default;

void TabPage::buildCommands() {
  // The busy rule is the table's: every command here is refused while playing or busy.
  const auto command = [this](const char* id, const QString& caption, void (TabPage::*handler)()) {
    Command c;
    c.id = QString::fromLatin1(id);
    c.caption = caption;
    c.handler = [this, handler] { (this->*handler)(); };
    commands_->add(std::move(c));
  };
  command("pmenuTab1", tr("Reset Start && End Cursors"), &TabPage::pmenuTab1Click);
  command("pmenuTab2", tr("Reset Start Cursor"), &TabPage::pmenuTab2Click);
  command("pmenuTab3", tr("Reset End Cursor"), &TabPage::pmenuTab3Click);
  command("pmenuRawTab1", tr("Send Chord at Cursor to Chord Design"), &TabPage::pmenuRawTab1Click);
  command("btnViewRawConTab", tr("View Converted Tab"), &TabPage::btnViewRawConTabClick);
  popmenuTab_->setObjectName("popmenuTab");
  commands_->addTo(popmenuTab_, {"pmenuTab1", "pmenuTab2", "pmenuTab3"});
  commands_->addTo(reditTabPage_->popmenuRawTab(), {"pmenuRawTab1"});
  commands_->bind(pnlTablature_->btnViewRawConTab, "btnViewRawConTab");
}

bool TabPage::refusesPresses() const {
  return services_.transport.IsPlayingOrBusy();
}

void TabPage::connectControls() {
  TabControls& c = *pnlTablature_;
  connect(c.btnCheckTabEdits, &QPushButton::clicked, this, &TabPage::btnCheckTabEditsClick);
  connect(c.btnConvertTab, &QPushButton::clicked, this, &TabPage::btnConvertTabClick);
  for (QCheckBox* box : {c.cbUserTabPlay1stChar, c.cbUserTabTimeAdjust, c.cbAutoTune})
    connect(box, &QCheckBox::clicked, this, &TabPage::focusHome);
  connect(c.cbEditTab, &QCheckBox::clicked, reditTabPage_, &TabRawView::setEditCursor);
  connect(c.trkbarTabSustain, &QSlider::valueChanged, this, &TabPage::focusHome);
  connect(c.trkbarSliceTime, &QSlider::valueChanged, this, [this](int value) {
    pnlTablature_->lblSliceTime->setText(TabControls::sliceTimeCaption(value));
    focusHome();
  });
  connect(c.btnStripTab, &QPushButton::clicked, this, &TabPage::btnStripTabClick);
  connect(c.btnInsertTab, &QPushButton::clicked, this, &TabPage::btnInsertTabClick);
  connect(reditTabPage_, &QPlainTextEdit::textChanged, this, &TabPage::rawTextChanged);
  connect(reditTabPage_, &TabRawView::userActed, this,
          [this] { state_.lastEditSource = TabEditSource::UserAction; });
  connect(scrollTabPage_, &TabPageView::pagePressed, this, &TabPage::imgTabPageMouseDown);
  connect(scrollTabPage_, &TabPageView::pageHovered, this,
          [this] { services_.fretboard.clearPointerReadOuts(); });
}

// --- The page contract ---------------------------------------------------------------------

void TabPage::entered() {
  services_.tuning.showTuning(tuning(), tuningName());
  if (services_.undo && !convertedViewShown() && reditTabPage_->document()->isUndoAvailable() &&
      !state_.rawTabSaved)
    services_.undo->setEnabled(true);
}

QAbstractScrollArea* TabPage::scrollArea() const {
  if (convertedViewShown()) return scrollTabPage_;
  return reditTabPage_;
}

PagePlayer* TabPage::player() {
  return playback_.get();
}

void TabPage::undo() {
  if (convertedViewShown()) return;
  // Taking an edit back is an edit of its own: the text needs checking and saving again.
  state_.lastEditSource = TabEditSource::UserAction;
  reditTabPage_->undo();
}

QList<QWidget*> TabPage::typingWidgets() const {
  return {reditTabPage_};
}

PagePrintout TabPage::printout() const {
  PagePrintout out;
  if (convertedViewShown()) {
    if (!state_.hasPage) return out;
    out.lines = printableLines(state_.converted);
    out.textTitle = "Strumly!: " + state_.tabPageFileName;
  } else {
    if (reditTabPage_->document()->isEmpty()) return out;
    out.lines = printableLines(reditTabPage_->lines());
    out.textTitle = "Strumly!: " + state_.rawTabFileName;
  }
  out.lastSheet = out.sheetCount();
  return out;
}

bool TabPage::openHandedFile(const QString& path) {
  if (!services_.pages.activate(PageId::Tablature) && !isActivePage()) return false;
  const QString extension = "." + QFileInfo(path).suffix().toLower();
  // A file handed over replaces the page's document like Open does: unsaved work is asked for.
  if (extension != ".vxt") {
    showViewOf(false);
    return files_->mayReplaceRaw() && files_->LoadRawTabFile(path);
  }
  showViewOf(true);
  if (!files_->mayReplaceTabPage()) return false;
  setCaption(documentCaption(state_.tabPageFileName));
  QString error;
  if (files_->OpenTabPageFile(path, &error)) return true;
  services_.dialogs.notice(this, error);
  return false;
}

void TabPage::erase() {
  ClearTabPage();
  state_.tabPageFileName.clear();
  state_.tabPageModified = false;
  setCaption(documentCaption(fileName()));
}

bool TabPage::openWithPrompt() {
  return convertedViewShown() ? files_->OpenTabPageDialog() : files_->OpenRawTabDialog();
}

bool TabPage::exportSound(bool wav) {
  return files_->exportSound(wav);
}

bool TabPage::save(bool alwaysAsk) {
  return convertedViewShown() ? files_->SaveTabPageFile(alwaysAsk) : files_->SaveRawTab(alwaysAsk);
}

QString TabPage::fileName() const {
  return convertedViewShown() ? state_.tabPageFileName : state_.rawTabFileName;
}

QList<ClosingDocument> TabPage::closingDocuments() {
  ClosingDocument raw;
  raw.question = tr("Save Raw Tab changes before closing?");
  raw.questionToFile = tr("Save Raw Tab changes to %1 before closing?");
  raw.isModified = [this] { return !state_.rawTabSaved; };
  raw.fileName = [this] { return state_.rawTabFileName; };
  raw.save = [this] {
    services_.pages.activate(PageId::Tablature);
    showViewOf(false);
    setCaption(documentCaption(state_.rawTabFileName));
    return files_->SaveRawTab(false);
  };
  ClosingDocument page;
  page.question = tr("Save Strumly Tab file (.vxt) changes before closing?");
  page.questionToFile = tr("Save Strumly Tab file (.vxt) changes to %1 before closing?");
  page.isModified = [this] { return state_.tabPageModified; };
  page.fileName = [this] { return state_.tabPageFileName; };
  page.save = [this] {
    services_.pages.activate(PageId::Tablature);
    showViewOf(true);
    setCaption(documentCaption(state_.tabPageFileName));
    return files_->SaveTabPageFile(false);
  };
  return {raw, page};
}

// --- Views -----------------------------------------------------------------------------------

bool TabPage::isActivePage() const {
  return services_.pages.isActive(PageId::Tablature);
}

bool TabPage::convertedViewShown() const {
  return views_->currentWidget() == scrollTabPage_;
}

void TabPage::showViewOf(bool converted) {
  views_->setCurrentWidget(converted ? static_cast<QWidget*>(scrollTabPage_) : reditTabPage_);
  pnlTablature_->btnViewRawConTab->setText(converted ? tr("View Raw Tab") : tr("View Converted Tab"));
  pnlTablature_->btnCheckTabEdits->setEnabled(!converted && state_.rawTabNeedsCheck);
  if (!pagePrepared_) {
    ClearTabPage();
    pagePrepared_ = true;
  }
}

void TabPage::showRawView() {
  showViewOf(false);
}

void TabPage::showConvertedView() {
  showViewOf(true);
}

void TabPage::btnViewRawConTabClick() {
  showViewOf(!convertedViewShown());
  setCaption(documentCaption(fileName()));
  focusHome();
}

void TabPage::setCaption(const QString& caption) {
  if (services_.pages.isActive(PageId::Tablature)) window()->setWindowTitle(caption);
}

void TabPage::focusHome() {
  if (services_.strumSpeed) services_.strumSpeed->setFocus();
}

// --- Checking and converting -------------------------------------------------------------------

void TabPage::rawTextChanged() {
  if (!state_.userEdit()) return;
  TabControls& c = *pnlTablature_;
  c.btnConvertTab->setEnabled(false);
  c.cbAutoTune->setEnabled(false);
  c.btnCheckTabEdits->setEnabled(true);
  state_.rawTabNeedsCheck = true;
  state_.rawTabSaved = false;
  if (services_.undo && services_.pages.isActive(PageId::Tablature))
    services_.undo->setEnabled(reditTabPage_->document()->isUndoAvailable());
}

void TabPage::CheckTabEdits() {
  const Transport::BusyCursor busy(services_.transport);
  state_.lastEditSource = TabEditSource::Checking;
  TabCheckResult found = checkTabEdits(reditTabPage_->lines());
  reditTabPage_->setBlocks(std::move(found.blocks));
  state_.working = std::move(found.workingLines);
  // The working file is for whoever reads it beside the program; the page keeps its own copy.
  (void)writeCheckedTabFile(services_.workingFolder.toStdString(), state_.working);
  TabControls& c = *pnlTablature_;
  c.btnConvertTab->setEnabled(true);
  c.cbAutoTune->setEnabled(true);
  c.btnCheckTabEdits->setEnabled(false);
  if (services_.undo) services_.undo->setEnabled(false);
  state_.rawTabNeedsCheck = false;
  focusHome();
}

void TabPage::btnConvertTabClick() {
  if (holdsTabBlock(state_.working)) {
    ConvertTab();
    return;
  }
  // The command line's words, in the interface's language; the page shown before stays as it was.
  pnlTablature_->btnConvertTab->setEnabled(false);
  services_.dialogs.notice(this, tr("No tab found."));
  focusHome();
}

bool TabPage::ConvertTab() {
  auto backToRaw = [this] {
    showViewOf(false);
    setCaption(documentCaption(state_.rawTabFileName));
  };
  // Found out before the save question: a text without a block replaces nothing.
  if (!holdsTabBlock(state_.working)) {
    backToRaw();
    pnlTablature_->btnConvertTab->setEnabled(false);
    return false;
  }
  showViewOf(true);
  setCaption(documentCaption(state_.tabPageFileName));
  if (state_.tabPageModified) {
    const DialogService::Answer answer = services_.dialogs.question(
        this,
        tr("Do you want to save changes to the current Strumly Tab file before converting another file?"));
    if (answer == DialogService::Answer::Cancel ||
        (answer == DialogService::Answer::Yes && !files_->SaveTabPageFile(false))) {
      backToRaw();
      return false;
    }
  }
  try {
    std::optional<ConvertedTab> converted =
        convertTab(state_.working, pnlTablature_->cbAutoTune->isChecked(), services_.spelling.names());
    if (!converted) {
      backToRaw();
      pnlTablature_->btnConvertTab->setEnabled(false);
      return false;
    }
    (void)writeConvertedTabFile(services_.workingFolder.toStdString(), converted->lines);
    state_.tabPageFileName.clear();
    scrollTabPage_->setPage(nullptr);
    state_.converted = std::move(converted->lines);
    state_.hasPage = true;
    scrollTabPage_->setPage(&state_.converted);
    resetMarkers();
    const QString name = QString::fromStdString(converted->tuningName);
    services_.tuning.showTuning(converted->tuning, name);
    takeOverTuning(converted->tuning, name);
  } catch (const std::bad_alloc&) {
    convertFailed();
    return false;
  }
  state_.tabPageModified = true;
  scrollTabPage_->scrollToBlock(0);
  pagePrepared_ = true;
  setCaption("Strumly!");
  TabControls& c = *pnlTablature_;
  c.btnCheckTabEdits->setEnabled(false);
  c.btnConvertTab->setEnabled(false);
  c.cbAutoTune->setEnabled(false);
  focusHome();
  return true;
}

void TabPage::convertFailed() {
  ClearTabPage();
  state_.tabPageModified = false;
  pagePrepared_ = true;
  setCaption("Strumly!");
  TabControls& c = *pnlTablature_;
  c.btnCheckTabEdits->setEnabled(false);
  c.btnConvertTab->setEnabled(false);
  c.cbAutoTune->setEnabled(false);
  services_.dialogs.notice(this, tr("Please edit the tab file into smaller sections. Cannot display."));
  focusHome();
}

void TabPage::ClearTabPage() {
  scrollTabPage_->setPage(nullptr);
  state_.hasPage = false;
  state_.converted = TabLines{};
  state_.markers = {};
}

void TabPage::AfterRawTabLoaded() {
  CheckTabEdits();
  pnlTablature_->btnCheckTabEdits->setEnabled(false);
  if (services_.undo) services_.undo->setEnabled(false);
  state_.rawTabNeedsCheck = false;
  state_.rawTabSaved = true;
  reditTabPage_->moveCursor(QTextCursor::Start);
  reditTabPage_->ensureCursorVisible();
  focusHome();
}

// --- Markers ---------------------------------------------------------------------------------

void TabPage::imgTabPageMouseDown(int x, int y, Qt::MouseButton button, QPoint globalPos) {
  if (refusesPresses() || !state_.hasPage) return;
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  const TabPress press = tabPagePress(state_.converted, state_.markers, x, y, button == Qt::RightButton,
                                      scrollTabPage_->pageWidth());
  switch (press.action) {
    case TabPressAction::OpenMenu:
      popmenuTab_->popup(globalPos);
      break;
    case TabPressAction::PlaceStart:
      PlaceStartMarker(press.at);
      break;
    case TabPressAction::PlaceEnd:
      PlaceEndMarker(press.at);
      break;
    case TabPressAction::Ignored:
      break;
  }
}

void TabPage::PlaceStartMarker(TabMarker at) {
  state_.markers.start = at;
  scrollTabPage_->setMarkers(state_.markers);
  // The markers are saved with the page: moving one is a change to keep.
  state_.tabPageModified = true;
}

void TabPage::PlaceEndMarker(TabMarker at) {
  state_.markers.end = at;
  scrollTabPage_->setMarkers(state_.markers);
  state_.tabPageModified = true;
}

void TabPage::resetMarkers() {
  state_.markers = defaultTabMarkers(state_.converted);
  scrollTabPage_->setMarkers(state_.markers);
}

void TabPage::pmenuTab1Click() {
  if (!state_.hasPage) return;
  PlaceStartMarker(defaultStartMarker());
  PlaceEndMarker(defaultEndMarker(state_.converted));
}

void TabPage::pmenuTab2Click() {
  if (state_.hasPage) PlaceStartMarker(defaultStartMarker());
}

void TabPage::pmenuTab3Click() {
  if (state_.hasPage) PlaceEndMarker(defaultEndMarker(state_.converted));
}

// --- Settings --------------------------------------------------------------------------------

TabPageSettings TabPage::currentSettings() const {
  const TabControls& c = *pnlTablature_;
  TabPageSettings s;
  s.tempoMicros = services_.transport.tempoMicros();
  s.sustain = c.trkbarTabSustain->value();
  s.sliceTime = c.trkbarSliceTime->value();
  s.loop = services_.transport.loop();
  s.markers = state_.markers;
  s.playOnFirstDigit = c.cbUserTabPlay1stChar->isChecked();
  s.doubleDigitTempoAdjust = c.cbUserTabTimeAdjust->isChecked();
  s.autoTune = c.cbAutoTune->isChecked();
  return s;
}

void TabPage::applySettings(const TabPageSettings& s) {
  TabControls& c = *pnlTablature_;
  services_.transport.setTempoMicros(s.tempoMicros);
  c.trkbarTabSustain->setValue(s.sustain);
  c.trkbarSliceTime->setValue(s.sliceTime);
  c.lblSliceTime->setText(TabControls::sliceTimeCaption(s.sliceTime));
  services_.transport.setLoop(s.loop);
  c.cbUserTabPlay1stChar->setChecked(s.playOnFirstDigit);
  c.cbUserTabTimeAdjust->setChecked(s.doubleDigitTempoAdjust);
  c.cbAutoTune->setChecked(s.autoTune);
}

// --- Write Tab -------------------------------------------------------------------------------

void TabPage::btnStripTabClick() {
  if (convertedViewShown()) return;
  state_.lastEditSource = TabEditSource::StripTab;
  const std::u32string chars = timingCharsFrom(services_.settings.tabTimingChars);
  if (!chars.empty()) reditTabPage_->stripSelection(chars);
  reditTabPage_->setFocus();
}

void TabPage::btnInsertTabClick() {
  if (convertedViewShown()) return;
  state_.lastEditSource = TabEditSource::InsertTab;
  const std::string& name = services_.settings.tabInsertFile;
  if (name.empty()) return;
  const TabTextReadResult read = readTabTextFile(name);
  if (!read.ok) {
    services_.dialogs.notice(this, coreText(read.error));
    return;
  }
  reditTabPage_->insertBeforeCaretLine(read.lines);
  reditTabPage_->setFocus();
}

void TabPage::pmenuRawTab1Click() {
  // Only the lines the block search can reach are read: a long text is not copied whole.
  const int caretLine = reditTabPage_->caretLine();
  const int first = std::max(0, caretLine - kTabStrings);
  TabLines around;
  QTextBlock block = reditTabPage_->document()->findBlockByNumber(first);
  for (int n = first; block.isValid() && n <= caretLine + kTabStrings; ++n, block = block.next())
    around.push_back(block.text().toStdU32String());
  const std::optional<ChordDiagram> chord =
      chordAtCursor(around, static_cast<std::size_t>(caretLine - first),
                    static_cast<std::size_t>(reditTabPage_->caretColumn()));
  if (!chord) return;
  services_.holders.heldChord = *chord;
  services_.pages.carryTo(PageId::ChordDesign);
}

}  // namespace strumly::gui
