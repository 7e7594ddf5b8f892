#include "gui/chords/ChordsPage.h"

#include <QAction>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/app/AppSettings.h"
#include "core/chords/ChordDictionary.h"
#include "core/chords/ChordName.h"
#include "core/pages/PageFiles.h"
#include "core/pages/RecordConversions.h"
#include "gui/chords/ChordMenus.h"
#include "gui/common/DialogService.h"
#include "gui/common/DocumentFiles.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/common/PagePrinter.h"
#include "gui/common/RecordText.h"
#include "gui/playback/Transport.h"
#include "gui/views/ChordDisplay.h"
#include "gui/views/DiagramPainter.h"

namespace strumly::gui {
namespace {

constexpr int kSetPitch = 150;
constexpr int kHeadingX = 20;
constexpr int kHeadingY = 16;
constexpr const char* kChordPageFilter = "Chord Page Files (*.cpf)";

}  // namespace

void drawChordSet(PageImage& image, PageHolders& holders, int set, ChordMarkers markers,
                  const QString& heading, bool leftHanded) {
  for (int column = 0; column < ChordsPageModel::kDiagrams; ++column)
    drawSmallChord(holders.chordAt(column, set), image, DiagramPage::Chords, set, column, markers,
                   leftHanded);
  drawTextAt(image, image.canvasFont(), kHeadingX, kSetPitch * set + kHeadingY, heading);
}

void drawChordPageSets(PageImage& image, PageHolders& holders, const NoteNames& names, bool leftHanded) {
  const ChordsPageModel sets(holders);
  for (int set = 0; set < sets.setCount(); ++set)
    drawChordSet(image, holders, set, ChordMarkers::Plain,
                 QString::fromStdString(sets.redrawHeading(set, names)), leftHanded);
}

ChordsPage::ChordsPage(PageHolders& holders, ChordMenus& menus, PageList& pages, DialogService& dialogs,
                       NoteSpelling& spelling, const Transport& transport, ChordDisplay& display,
                       std::filesystem::path dataFolder, AppSettings& settings, PagePlayer* player,
                       QWidget* focusHome, QWidget* parent)
    : QWidget(parent),
      holders_(holders),
      model_(holders),
      menus_(menus),
      pages_(pages),
      dialogs_(dialogs),
      spelling_(spelling),
      transport_(transport),
      display_(display),
      dataFolder_(std::move(dataFolder)),
      settings_(settings),
      player_(player),
      focusHome_(focusHome),
      scrollChordPage_(new QScrollArea(this)),
      imgChordPage_(new PageImage(QSize(kChordPageWidth, kDiagramPageHeight))),
      popmenuChords_(new QMenu(this)) {
  setObjectName("pageChords");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  // A click on the page takes the focus out of any edit; Tab goes straight to the picture.
  scrollChordPage_->setFocusPolicy(Qt::ClickFocus);
  scrollChordPage_->setObjectName("scrollChordPage");
  imgChordPage_->setObjectName("imgChordPage");
  imgChordPage_->setCanvasFont(pageFont(8));
  scrollChordPage_->setWidget(imgChordPage_);
  scrollChordPage_->setBackgroundRole(QPalette::Base);
  layout->addWidget(scrollChordPage_);

  popmenuChords_->setObjectName("popmenuChords");
  const auto addItem = [this](const char* name, const char* caption, void (ChordsPage::*handler)()) {
    QAction* action = popmenuChords_->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
  };
  addItem("pmenu1PlayChord", "Play Chord", &ChordsPage::pmenu1PlayChordClick);
  addItem("pmenu1SendtoDesign", "Send to Chord Design", &ChordsPage::pmenu1SendtoDesignClick);
  addItem("pmenu1SendtoPlay", "Send to PlayPage", &ChordsPage::pmenu1SendtoPlayClick);
  addItem("pmenu1SendtoPrint", "Send to Print Page", &ChordsPage::pmenu1SendtoPrintClick);
  addItem("menu1Arpeggio", "Show Arpeggio", &ChordsPage::menu1ArpeggioClick);

  connect(imgChordPage_, &PageImage::mousePressed, this,
          [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
            imgChordPageMouseDown(button, x, y);
          });
  connect(imgChordPage_, &PageImage::mouseMoved, this, [this] { display_.clearPointerReadOuts(); });
  // The keyboard presses where the selection is, as the mouse would.
  connect(imgChordPage_, &PageImage::selectionMoveRequested, this, [this](int across, int down) {
    if (model_.setCount() == 0) return;
    pressCell(Qt::LeftButton,
              keyboardStep(model_.selection(), across, down, ChordsPageModel::kDiagrams, model_.setCount()));
  });
  pressSelectionOnKeys(imgChordPage_,
                       [this](Qt::MouseButton button, int x, int y) { imgChordPageMouseDown(button, x, y); });
  // A press on the selected diagram leaves it as it is; Enter shows it on the neck again.
  connect(imgChordPage_, &PageImage::selectionShowRequested, this, &ChordsPage::showOnFretboard);
  describePicture(imgChordPage_, "Chord page", "The chord sets shown, six voicings a row");
}

void ChordsPage::pressCell(Qt::MouseButton button, GridCell cell) {
  const QPoint at = cellMiddle(DiagramPage::Chords, cell);
  imgChordPageMouseDown(button, at.x(), at.y());
}

void ChordsPage::btnShowChordsClick() {
  const ChordMenus::Readouts& readouts = menus_.readouts();
  if (!readouts.editChordRoot || readouts.editChordRoot->text().isEmpty() || busy()) return;
  if (menus_.scaleChosen()) {
    Q_EMIT showScaleRequested();
    return;
  }
  if (model_.isFull()) {
    dialogs_.notice(this, "Maximum is 5 sets of chords. Clear the Chord page.");
    return;
  }
  menus_.chooseMajorWhenUnnamed();
  const MenuChoice choice = menus_.choice();
  const PitchClass key = menus_.key().value_or(0);

  ChordsPageModel::Voicings voicings;
  try {
    voicings = LoadChordVoicings(dataFolder_, choice.family, choice.number, key);
  } catch (const DictionaryError& error) {
    // Missing shape files have their own notice; any other read failure abandons the set too.
    dialogs_.notice(this, QString::fromStdString(error.what()));
    return;
  }

  pages_.activate(PageId::Chords);
  std::optional<int> set = model_.addSet(voicings);
  if (!set) return;
  const ChordDiagram& first = holders_.chordAt(0, *set);
  const QString heading = QString::fromStdString(chordSetHeading(
      readouts.editChordRoot->text().toStdString(), readouts.editChordName->text().toStdString(),
      first.intervals, key, first.formula.view(), spelling_.names()));
  drawChordSet(*imgChordPage_, holders_, *set, ChordMarkers::Shapes, heading, display_.leftHanded());
  scrollChordPage_->verticalScrollBar()->setValue(kSetPitch * *set);
  moveSelection(*imgChordPage_, DiagramPage::Chords, GridCell{0, *set});
  imgChordPage_->refresh();
  redrawFretboard(model_.chordPageChord());
  returnFocus();
}

void ChordsPage::imgChordPageMouseDown(Qt::MouseButton button, int x, int y) {
  popupArmed_ = false;
  if (busy()) return;
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  ChordsPagePress press =
      model_.press(x, y, button == Qt::RightButton ? PressButton::Right : PressButton::Left);
  popupArmed_ = press.armPopup;
  if (!press.armPopup) return;
  if (button == Qt::RightButton) {
    popmenuChords_->popup(imgChordPage_->popupPosition());
    return;
  }
  applySelection(press);
}

void ChordsPage::applySelection(const ChordsPagePress& moved) {
  if (!moved.newSelection) return;
  moveSelection(*imgChordPage_, DiagramPage::Chords, *moved.newSelection);
  imgChordPage_->refresh();
  redrawFretboard(model_.chordPageChord());
}

void ChordsPage::pmenu1PlayChordClick() {
  std::optional<GridCell> target = model_.target();
  if (!model_.targetDiagram()) return;
  if (model_.selection() != target) applySelection(model_.select(*target));
  Q_EMIT playRequested();
}

void ChordsPage::pmenu1SendtoDesignClick() {
  std::optional<ChordDiagram> chord = model_.targetDiagram();
  if (!chord) return;
  holders_.heldChord = *chord;
  pages_.carryTo(PageId::ChordDesign);
}

void ChordsPage::pmenu1SendtoPlayClick() {
  std::optional<ChordDiagram> chord = model_.targetDiagram();
  if (!chord) return;
  holders_.heldChord = *chord;
  pages_.carryTo(PageId::PlayPage);
}

void ChordsPage::pmenu1SendtoPrintClick() {
  std::optional<ChordDiagram> chord = model_.targetDiagram();
  if (!chord) return;
  holders_.heldCell = chordToCell(*chord);
  pages_.carryTo(PageId::Print);
}

void ChordsPage::menu1ArpeggioClick() {
  std::optional<GridCell> target = model_.target();
  if (!model_.targetDiagram()) return;
  if (model_.selection() != target) applySelection(model_.select(*target));
  display_.showArpeggio();
}

void ChordsPage::erase() {
  clearPageImage(*imgChordPage_);
  imgChordPage_->refresh();
  display_.ClearFretboard();
  model_.erase();
  scrollChordPage_->verticalScrollBar()->setValue(0);
  fileName_.clear();
  window()->setWindowTitle("Strumly!");
}

bool ChordsPage::openWithPrompt() {
  const QString path =
      chooseOpenPath(dialogs_, this, "Open Chord Page File", kChordPageFilter, settings_.folders.chord);
  if (path.isEmpty()) return false;
  return openHandedFile(path);
}

bool ChordsPage::openHandedFile(const QString& path) {
  const std::optional<std::vector<std::uint8_t>> bytes = readDocumentBytes(dialogs_, this, path);
  if (!bytes) return false;
  // The file is checked whole before the page changes: a refused file leaves it as it was.
  if (const std::optional<std::string> refused = readChordPageFile(*bytes, holders_)) {
    dialogs_.notice(this, QString::fromStdString(*refused));
    return false;
  }
  model_.opened();
  display_.ClearFretboard();
  redrawPage();
  scrollChordPage_->verticalScrollBar()->setValue(0);
  DocumentLocation{fileName_, settings_.folders.chord}.remember(path);
  // Entering the page shows the selected diagram on the fretboard.
  if (pages_.isActive(PageId::Chords))
    showOnFretboard();
  else
    pages_.activate(PageId::Chords);
  window()->setWindowTitle(documentCaption(fileName_));
  return true;
}

bool ChordsPage::save(bool alwaysAsk) {
  // The choice is kept aside: only a written file becomes the page's document.
  QString name = fileName_;
  std::string folder = settings_.folders.chord;
  const DocumentLocation chosen{name, folder};
  if (!chooseSavePath(dialogs_, this, "Save Chord Page File", kChordPageFilter, "cpf", chosen, alwaysAsk))
    return false;
  std::string error;
  if (!savePageFile(chosen.path().toStdString(), writeChordPageFile(holders_), error)) {
    dialogs_.notice(this, "The Chord Page was not saved: " + QString::fromStdString(error));
    return false;
  }
  fileName_ = name;
  settings_.folders.chord = withSlash(QString::fromStdString(folder)).toStdString();
  if (pages_.isActive(PageId::Chords)) window()->setWindowTitle(documentCaption(fileName_));
  return true;
}

void ChordsPage::redrawPage() {
  clearPageImage(*imgChordPage_);
  if (!model_.chordPageChord().isEmpty()) {
    model_.recount();
    drawChordPageSets(*imgChordPage_, holders_, spelling_.names(), display_.leftHanded());
    if (std::optional<GridCell> selected = model_.selection()) {
      moveSelection(*imgChordPage_, DiagramPage::Chords, *selected);
    }
  }
  imgChordPage_->refresh();
}

void ChordsPage::selectNextDiagram() {
  imgChordPage_->unsetCursor();
  std::optional<GridCell> next = model_.nextDiagram();
  if (!next) return;
  if (next->column == 0) scrollChordPage_->verticalScrollBar()->setValue(kSetPitch * next->row);
  applySelection(model_.select(*next));
}

void ChordsPage::showOnFretboard() {
  redrawFretboard(model_.chordPageChord());
}

void ChordsPage::redrawFretboard(const ChordDiagram& chord) {
  display_.RedrawFretboard(chord);
}

void ChordsPage::returnFocus() {
  if (focusHome_) focusHome_->setFocus();
}

bool ChordsPage::busy() const {
  return transport_.IsPlayingOrBusy();
}

PagePrintout ChordsPage::printout() const {
  if (model_.setCount() == 0) return {};
  PagePrintout out;
  out.pictures << pageSheet(*imgChordPage_);
  out.titles << "Strumly! Chord Page: " + fileName_;
  return out;
}

QAbstractScrollArea* ChordsPage::scrollArea() const {
  return scrollChordPage_;
}

QWidget* ChordsPage::placementImage() const {
  return imgChordPage_;
}

}  // namespace strumly::gui
