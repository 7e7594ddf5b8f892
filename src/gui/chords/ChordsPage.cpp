#include "gui/chords/ChordsPage.h"

#include <QLineEdit>
#include <QScrollArea>

#include "core/app/AppSettings.h"
#include "core/chords/ChordDictionary.h"
#include "core/chords/ChordName.h"
#include "core/pages/PageFiles.h"
#include "core/pages/RecordConversions.h"
#include "gui/chords/ChordMenus.h"
#include "gui/common/CoreText.h"
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
QString chordPageFilter() {
  return ChordsPage::tr("Chord Page Files") + " (*.cpf)";
}

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
    : DiagramPageBase({.scrollName = "scrollChordPage",
                       .imageName = "imgChordPage",
                       .imageSize = QSize(kChordPageWidth, kDiagramPageHeight),
                       .fontPoints = 8,
                       .popupName = "popmenuChords",
                       .accessibleName = tr("Chord page"),
                       .shows = tr("The chord sets shown, six voicings a row")},
                      transport, dialogs, focusHome, parent),
      holders_(holders),
      model_(holders),
      menus_(menus),
      pages_(pages),
      spelling_(spelling),
      display_(display),
      dataFolder_(std::move(dataFolder)),
      settings_(settings),
      player_(player) {
  setObjectName("pageChords");
  addPopupItems({
      popupItem("pmenu1PlayChord", tr("Play Chord"), [this] { pmenu1PlayChordClick(); }),
      popupItem("pmenu1SendtoDesign", tr("Send to Chord Design"), [this] { pmenu1SendtoDesignClick(); }),
      popupItem("pmenu1SendtoPlay", tr("Send to PlayPage"), [this] { pmenu1SendtoPlayClick(); }),
      popupItem("pmenu1SendtoPrint", tr("Send to Print Page"), [this] { pmenu1SendtoPrintClick(); }),
      popupItem("menu1Arpeggio", tr("Show Arpeggio"), [this] { menu1ArpeggioClick(); }),
  });

  connect(imgChordPage(), &PageImage::mouseMoved, this, [this] { display_.clearPointerReadOuts(); });
  // The keyboard presses where the selection is, as the mouse would.
  connect(imgChordPage(), &PageImage::selectionMoveRequested, this, [this](int across, int down) {
    if (model_.setCount() == 0) return;
    pressCell(Qt::LeftButton,
              keyboardStep(model_.selection(), across, down, ChordsPageModel::kDiagrams, model_.setCount()));
  });
  // A press on the selected diagram leaves it as it is; Enter shows it on the neck again.
  connect(imgChordPage(), &PageImage::selectionShowRequested, this, &ChordsPage::showOnFretboard);
}

void ChordsPage::pressCell(Qt::MouseButton button, GridCell cell) {
  const QPoint at = cellMiddle(DiagramPage::Chords, cell);
  imgChordPageMouseDown(button, at.x(), at.y());
}

void ChordsPage::btnShowChordsClick() {
  const ChordMenus::Readouts& readouts = menus_.readouts();
  if (!readouts.editChordRoot || readouts.editChordRoot->text().isEmpty() || refusedNow()) return;
  if (menus_.scaleChosen()) {
    Q_EMIT showScaleRequested();
    return;
  }
  if (model_.isFull()) {
    dialogs().notice(this, tr("Maximum is 5 sets of chords. Clear the Chord page."));
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
    dialogs().notice(this, coreText(error.what()));
    return;
  }

  pages_.activate(PageId::Chords);
  std::optional<int> set = model_.addSet(voicings);
  if (!set) return;
  const ChordDiagram& first = holders_.chordAt(0, *set);
  const QString heading = QString::fromStdString(chordSetHeading(
      readouts.editChordRoot->text().toStdString(), readouts.editChordName->text().toStdString(),
      first.intervals, key, first.formula.view(), spelling_.names()));
  drawChordSet(*image(), holders_, *set, ChordMarkers::Shapes, heading, display_.leftHanded());
  scrollTo(kSetPitch * *set);
  moveSelection(*image(), DiagramPage::Chords, GridCell{0, *set});
  image()->refresh();
  redrawFretboard(model_.chordPageChord());
  returnFocus();
}

void ChordsPage::imgChordPageMouseDown(Qt::MouseButton button, int x, int y) {
  if (!pressTaken(button)) return;
  ChordsPagePress press =
      model_.press(x, y, button == Qt::RightButton ? PressButton::Right : PressButton::Left);
  if (!press.armPopup || armPopup(button)) return;
  applySelection(press);
}

void ChordsPage::applySelection(const ChordsPagePress& moved) {
  if (!moved.newSelection) return;
  moveSelection(*image(), DiagramPage::Chords, *moved.newSelection);
  image()->refresh();
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
  clearPageImage(*image());
  image()->refresh();
  display_.ClearFretboard();
  model_.erase();
  scrollTo(0);
  fileName_.clear();
  window()->setWindowTitle("Strumly!");
}

bool ChordsPage::openWithPrompt() {
  const QString path =
      chooseOpenPath(dialogs(), this, tr("Open Chord Page File"), chordPageFilter(), settings_.folders.chord);
  if (path.isEmpty()) return false;
  return openHandedFile(path);
}

bool ChordsPage::openHandedFile(const QString& path) {
  const std::optional<std::vector<std::uint8_t>> bytes = readDocumentBytes(dialogs(), this, path);
  if (!bytes) return false;
  // The file is checked whole before the page changes: a refused file leaves it as it was.
  if (const std::optional<std::string> refused = readChordPageFile(*bytes, holders_)) {
    dialogs().notice(this, coreText(*refused));
    return false;
  }
  model_.opened();
  display_.ClearFretboard();
  redrawPage();
  scrollTo(0);
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
  if (!chooseSavePath(dialogs(), this, tr("Save Chord Page File"), chordPageFilter(), "cpf", chosen,
                      alwaysAsk))
    return false;
  std::string error;
  if (!savePageFile(chosen.path().toStdString(), writeChordPageFile(holders_), error)) {
    dialogs().notice(this, tr("The Chord Page was not saved: %1").arg(coreText(error)));
    return false;
  }
  fileName_ = name;
  settings_.folders.chord = withSlash(QString::fromStdString(folder)).toStdString();
  if (pages_.isActive(PageId::Chords)) window()->setWindowTitle(documentCaption(fileName_));
  return true;
}

void ChordsPage::redrawPage() {
  clearPageImage(*image());
  if (!model_.chordPageChord().isEmpty()) {
    model_.recount();
    drawChordPageSets(*image(), holders_, spelling_.names(), display_.leftHanded());
    if (std::optional<GridCell> selected = model_.selection()) {
      moveSelection(*image(), DiagramPage::Chords, *selected);
    }
  }
  image()->refresh();
}

void ChordsPage::selectNextDiagram() {
  image()->unsetCursor();
  std::optional<GridCell> next = model_.nextDiagram();
  if (!next) return;
  if (next->column == 0) scrollTo(kSetPitch * next->row);
  applySelection(model_.select(*next));
}

void ChordsPage::showOnFretboard() {
  redrawFretboard(model_.chordPageChord());
}

void ChordsPage::redrawFretboard(const ChordDiagram& chord) {
  display_.RedrawFretboard(chord);
}

PagePrintout ChordsPage::printout() const {
  if (model_.setCount() == 0) return {};
  return sheet(tr("Strumly! Chord Page: %1").arg(fileName_));
}

QAbstractScrollArea* ChordsPage::scrollArea() const {
  return scroll();
}

QWidget* ChordsPage::placementImage() const {
  return image();
}

}  // namespace strumly::gui
