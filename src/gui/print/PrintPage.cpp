#include "gui/print/PrintPage.h"

#include <QDir>
#include <QPainter>
#include <QScrollArea>

#include "core/app/AppSettings.h"
#include "core/pages/PageFiles.h"
#include "core/pages/RecordConversions.h"
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

constexpr int kColumnPitch = 120;
constexpr int kRowPitch = 160;
constexpr int kCellLeft = 20;
constexpr int kCellWidth = 120;
// The foot switch scrolls a stepped-to row to 150 per row, as on the other diagram pages; with
// the rows 160 apart its cell still shows whole.
constexpr int kStepScrollPitch = 150;
inline constexpr int kLineTops[4] = {1, 11, 20, 29};

void blankPrintCell(PageImage& image, GridCell at) {
  // From the cell's first text line down to the foot of its frame.
  const QRect cell(kCellLeft + kColumnPitch * at.column, kRowPitch * at.row, kCellWidth, kRowPitch);
  image.paint(cell, [cell](QPainter& p) { p.fillRect(cell, Qt::white); });
}

}  // namespace

void drawPrintCell(PageImage& image, const PrintCell& cell, GridCell at, const NoteNames& names, int span,
                   bool leftHanded) {
  blankPrintCell(image, at);
  if (cell.isEmpty()) return;
  if (cell.isChord) {
    ChordDiagram chord = cellToChord(cell);
    drawSmallChord(chord, image, DiagramPage::Print, at.row, at.column, ChordMarkers::Numbered, leftHanded);
  } else {
    drawScalePosition(cellToScale(cell), 0, image, DiagramPage::Print, at.row, at.column, span, leftHanded);
  }
  const std::array<std::string, 4> lines = printCellLines(cell, names);
  const int x = kCellLeft + kColumnPitch * at.column;
  const QRect clip(x, kRowPitch * at.row, kCellWidth, 38);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    drawTextAt(image, image.canvasFont(), x, kRowPitch * at.row + kLineTops[i], fromRecordText(lines[i]),
               clip);
  }
}

PrintPage::PrintPage(PageHolders& holders, PageList& pages, DialogService& dialogs,
                     const NoteSpelling& spelling, Transport& transport, ChordDisplay& display,
                     AppSettings& settings, PagePlayer* player, QWidget* parent)
    : DiagramPageBase({.scrollName = "scrollPrintPage",
                       .imageName = "imgPrintPage",
                       .imageSize = QSize(kPrintPageWidth, kDiagramPageHeight),
                       .fontPoints = 7,
                       .popupName = "popmenuPrint",
                       .accessibleName = tr("Print page"),
                       .shows = tr("The diagrams to print, six a row in five rows")},
                      transport, dialogs, nullptr, parent),
      holders_(holders),
      model_(holders),
      pages_(pages),
      spelling_(spelling),
      transport_(transport),
      display_(display),
      settings_(settings),
      player_(player) {
  setObjectName("pagePrint");
  addPopupItems({
      popupItem("pmenu3PlayDiagram", tr("Play Diagram"), [this] { pmenu3PlayDiagramClick(); }),
      popupItem(
          "pmenu3SendtoPlay", tr("Send To PlayPage"), [this] { pmenu3SendtoPlayClick(); },
          [this] { return offered().sendToPlay; }),
      popupItem(
          "pmenu3SendtoDesign", tr("Send To Chord Design"), [this] { pmenu3SendtoDesignClick(); },
          [this] { return offered().sendToDesign; }),
      popupItem(
          "pmenu3SendtoScale", tr("Send To Scale Page"), [this] { pmenu3SendtoScaleClick(); },
          [this] { return offered().sendToScale; }),
      popupItem("pmenu3Delete", tr("Delete"), [this] { pmenu3DeleteClick(); }),
      popupItem("pmenu3Move", tr("Move"), [this] { pmenu3MoveClick(); }),
  });

  connect(imgPrintPage(), &PageImage::mouseMoved, this, [this] { display_.clearPointerReadOuts(); });
  // The keyboard walks every cell, empty ones too: a carried diagram can be dropped on any.
  connect(imgPrintPage(), &PageImage::selectionMoveRequested, this, [this](int across, int down) {
    const QPoint at = cellMiddle(
        DiagramPage::Print,
        keyboardStep(model_.selection(), across, down, PageHolders::kPrintColumns, PageHolders::kPrintRows));
    imgPrintPageMouseDown(Qt::LeftButton, at.x(), at.y());
  });
  connect(&spelling_, &NoteSpelling::changed, this, &PrintPage::redrawPage);
}

// ---- The page contract ----

void PrintPage::entered() {
  showCell(holders_.printPageCell);
}

QAbstractScrollArea* PrintPage::scrollArea() const {
  return scroll();
}

QWidget* PrintPage::placementImage() const {
  return image();
}

void PrintPage::startPlacement() {
  model_.startPlacement();
  updateCursor();
}

void PrintPage::dropPlacement() {
  const bool wasMoving = model_.carry() == PrintCarry::Moving;
  model_.cancelPlacement();
  if (wasMoving) redrawPage();
  updateCursor();
}

PagePrintout PrintPage::printout() const {
  if (!model_.anyUsed()) return {};
  return sheet(tr("Strumly! Print Page: %1").arg(fileName_));
}

void PrintPage::SelectNextDiagram() {
  dropPlacement();
  const std::optional<GridCell> next = model_.nextUsedCell();
  if (!next) return;
  model_.select(*next);
  scrollTo(kStepScrollPitch * next->row);
  showSelection();
}

// ---- Drawing ----

void PrintPage::blankCell(GridCell at) {
  blankPrintCell(*image(), at);
}

void PrintPage::drawCell(GridCell at) {
  drawPrintCell(*image(), model_.cell(at), at, spelling_.names(), settings_.scaleFrets,
                display_.leftHanded());
}

void PrintPage::redrawPage() {
  clearPageImage(*image());
  for (int row = 0; row < kGridRows; ++row)
    for (int column = 0; column < kGridColumns; ++column)
      if (model_.isUsed({column, row})) drawCell({column, row});
  if (const std::optional<GridCell> selected = model_.selection())
    moveSelection(*image(), DiagramPage::Print, *selected);
  image()->refresh();
}

void PrintPage::showCell(const PrintCell& cell) {
  if (cell.isEmpty()) {
    display_.ClearFretboard();
  } else if (cell.isChord) {
    display_.RedrawFretboard(cellToChord(cell));
  } else {
    display_.ClearFretboard();
    Q_EMIT scaleShown(cellToScale(cell));
  }
}

void PrintPage::showSelection() {
  if (const std::optional<GridCell> selected = model_.selection()) {
    moveSelection(*image(), DiagramPage::Print, *selected);
    showCell(holders_.printPageCell);
  }
  image()->refresh();
}

void PrintPage::updateCursor() {
  const PrintCarry carry = model_.carry();
  showPlacementCursor(carry == PrintCarry::Sent     ? DropCursor::Carried
                      : carry == PrintCarry::Moving ? DropCursor::Moving
                                                    : DropCursor::None);
}

// ---- Presses and the popup ----

void PrintPage::imgPrintPageMouseDown(Qt::MouseButton button, int x, int y) {
  if (!pressTaken(button)) return;
  const bool wasMoving = model_.carry() == PrintCarry::Moving;
  const PrintPress press = model_.press(x, y, button == Qt::RightButton);
  switch (press.outcome) {
    case PrintPress::Outcome::Ignored:
    case PrintPress::Outcome::AlreadySelected:
      return;
    case PrintPress::Outcome::PlacementEnded:
      if (wasMoving) redrawPage();  // the moved diagram is back in its cell
      updateCursor();
      return;
    case PrintPress::Outcome::AskReplace:
      if (!replaceConfirmed(true, tr("Do you want to replace this diagram?"))) return;
      model_.drop();
      drawCell(*press.target);
      showSelection();
      updateCursor();
      return;
    case PrintPress::Outcome::Selected:
      drawCell(*press.target);  // unchanged for a plain selection, the dropped cell after a drop
      showSelection();
      updateCursor();
      return;
    case PrintPress::Outcome::ArmPopup:
      armPopup(button);
      return;
  }
}

void PrintPage::pmenu3PlayDiagramClick() {
  const std::optional<GridCell> target = model_.target();
  if (!target || !model_.isUsed(*target)) return;
  if (model_.selection() != target) model_.select(*target);
  showSelection();
  transport_.sbtnPlayClick();
}

void PrintPage::pmenu3SendtoPlayClick() {
  const std::optional<GridCell> target = model_.target();
  if (!target || !model_.isUsed(*target) || !model_.cell(*target).isChord) return;
  holders_.heldChord = cellToChord(model_.cell(*target));
  pages_.carryTo(PageId::PlayPage);
}

void PrintPage::pmenu3SendtoDesignClick() {
  const std::optional<GridCell> target = model_.target();
  if (!target || !model_.isUsed(*target) || !model_.cell(*target).isChord) return;
  holders_.heldChord = cellToChord(model_.cell(*target));
  pages_.carryTo(PageId::ChordDesign);
}

void PrintPage::pmenu3SendtoScaleClick() {
  const std::optional<GridCell> target = model_.target();
  if (!target || !model_.isUsed(*target) || model_.cell(*target).isChord) return;
  holders_.heldCell = model_.cell(*target);
  pages_.carryTo(PageId::Scales);
}

void PrintPage::pmenu3DeleteClick() {
  const std::optional<GridCell> target = model_.target();
  if (!target) return;
  if (model_.deleteNeedsQuestion() &&
      !dialogs().confirm(this, tr("Do you want to erase this diagram?"), DialogService::Answer::No))
    return;
  const PrintPageModel::Deleted deleted = model_.deleteTarget();
  if (deleted.pageCleared) {
    erase();
    return;
  }
  blankCell(*target);
  if (deleted.selectionMoved) {
    image()->setSelectionFrame({});
    showSelection();
    updateCursor();
  }
  image()->refresh();
}

void PrintPage::pmenu3MoveClick() {
  const std::optional<GridCell> target = model_.target();
  if (!target || !model_.moveTarget()) return;
  blankCell(*target);
  image()->refresh();
  updateCursor();
}

// ---- The document ----

void PrintPage::erase() {
  model_.erase();
  clearPageImage(*image());
  image()->refresh();
  display_.ClearFretboard();
  scrollTo(0);
  fileName_.clear();
  updateCursor();
  window()->setWindowTitle("Strumly!");
}

bool PrintPage::openWithPrompt() {
  const QString path = chooseOpenPath(dialogs(), this, tr("Open Print Page File"),
                                      tr("Print Page Files") + " (*.gpr; *.prf)", settings_.folders.print);
  if (path.isEmpty()) return true;
  return OpenPrintPageFile(path);
}

bool PrintPage::OpenPrintPageFile(const QString& path) {
  const std::optional<std::vector<std::uint8_t>> bytes = readDocumentBytes(dialogs(), this, path);
  if (!bytes) return false;
  // The file is read whole into a copy first: a refused file leaves the page as it was.
  PageHolders read = holders_;
  if (const std::optional<std::string> refused = readPrintPageFile(*bytes, read)) {
    dialogs().notice(this, coreText(*refused));
    return false;
  }
  model_.erase();
  holders_.printPage = read.printPage;
  model_.selectFirstUsed();
  DocumentLocation{fileName_, settings_.folders.print}.remember(path);
  window()->setWindowTitle(documentCaption(fileName_));
  scrollTo(0);
  updateCursor();
  redrawPage();
  showCell(holders_.printPageCell);
  return true;
}

bool PrintPage::SavePrintPage(bool alwaysAsk) {
  const std::optional<QString> path =
      chooseSavePath(dialogs(), this, tr("Save Print Page File"), tr("Print Page Files") + " (*.gpr)", "gpr",
                     {fileName_, settings_.folders.print}, alwaysAsk);
  if (!path) return false;
  if (pages_.isActive(PageId::Print)) window()->setWindowTitle(documentCaption(fileName_));
  return writeDocumentBytes(dialogs(), this, *path, writePrintPageFile(holders_));
}

}  // namespace strumly::gui
