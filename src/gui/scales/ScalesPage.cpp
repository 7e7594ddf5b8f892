#include "gui/scales/ScalesPage.h"

#include <QScrollArea>

#include "core/app/AppSettings.h"
#include "core/pages/RecordConversions.h"
#include "core/scales/ScaleDictionary.h"
#include "core/scales/ScalePositions.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/common/PagePrinter.h"
#include "gui/controls/TdlgBeginFret.h"
#include "gui/playback/ScalePlayback.h"
#include "gui/playback/Transport.h"
#include "gui/views/ChordDisplay.h"
#include "gui/views/DiagramPainter.h"
#include "gui/views/ScaleDisplay.h"

namespace strumly::gui {
namespace {

constexpr int kSetPitch = 150;
constexpr int kHeadingX = 20;
constexpr int kHeadingY = 16;

}  // namespace

void drawScaleSet(PageImage& image, const PageHolders& holders, int set, const NoteNames& names, int span,
                  bool leftHanded) {
  const ScaleDiagram& scale = holders.scalePage[static_cast<std::size_t>(set)];
  for (int position = 0; position < ScalesPageModel::kPositions; ++position)
    drawScalePosition(scale, position, image, DiagramPage::Scales, set, position, span, leftHanded);
  drawTextAt(image, image.canvasFont(), kHeadingX, kSetPitch * set + kHeadingY,
             QString::fromLatin1(scaleSetHeading(scale, names)));
}

void drawScalePageSets(PageImage& image, const PageHolders& holders, const NoteNames& names, int span,
                       bool leftHanded) {
  for (int set = 0; set < holders.scaleSetCount; ++set)
    drawScaleSet(image, holders, set, names, span, leftHanded);
}

ScalesPage::ScalesPage(PageHolders& holders, PageList& pages, DialogService& dialogs,
                       const NoteSpelling& spelling, const Transport& transport, ScalesPageDisplay display,
                       AppSettings& settings, std::filesystem::path dataFolder, PlaybackContext* playback,
                       QWidget* focusHome, QWidget* parent)
    : DiagramPageBase({.scrollName = "scrollScales",
                       .imageName = "imgScales",
                       .imageSize = QSize(kScalePageWidth, kDiagramPageHeight),
                       .fontPoints = 8,
                       .popupName = "popmenuScales",
                       .accessibleName = tr("Scales page"),
                       .shows = tr("The scale sets shown, six positions a row")},
                      transport, dialogs, focusHome, parent),
      holders_(holders),
      model_(holders),
      pages_(pages),
      spelling_(spelling),
      display_(display),
      settings_(settings),
      dataFolder_(std::move(dataFolder)),
      dlgBeginFret_(new TdlgBeginFret(this)) {
  setObjectName("pageScales");
  if (playback)
    player_ = std::make_unique<ScalePlayback>(
        holders_.currentScale, [this] { return model_.selection() ? model_.selection()->column : 0; },
        *playback);
  addPopupItems({
      popupItem("pmenu5PlayDiagram", tr("Play This Diagram"), [this] { pmenu5PlayDiagramClick(); }),
      popupItem("pmenu5PlayRoot", tr("Play Scale From Root"), [this] { pmenu5PlayRootClick(); }),
      popupItem("pmenu5SendtoPrint", tr("Send To Print Page"), [this] { pmenu1SendtoPrintClick(); }),
      popupItem("pmenu5StartFret", tr("Change Beginning Fret"), [this] { pmenu5StartFretClick(); }),
  });

  connect(dlgBeginFret_, &QDialog::accepted, this, &ScalesPage::beginFretChosen);
  connect(imgScales(), &PageImage::mouseMoved, this, [this] { display_.chords.clearPointerReadOuts(); });
  connect(imgScales(), &PageImage::selectionMoveRequested, this, [this](int across, int down) {
    if (model_.setCount() == 0) return;
    const QPoint at = cellMiddle(
        DiagramPage::Scales,
        keyboardStep(model_.selection(), across, down, ScalesPageModel::kPositions, model_.setCount()));
    imgScalesMouseDown(Qt::LeftButton, at.x(), at.y());
  });
}

ScalesPage::~ScalesPage() = default;

int ScalesPage::span() const {
  return clampScaleSpan(settings_.scaleFrets);
}

void ScalesPage::addScaleSet(int scaleNumber, PitchClass root, const QString& name) {
  if (refusedNow()) return;
  pages_.activate(PageId::Scales);
  if (model_.isFull()) {
    dialogs().notice(this, tr("Maximum is 5 sets of scales. Clear the Scale page."));
    return;
  }
  ScaleRecord record;
  try {
    record = ReadScaleRecord(dataFolder_, scaleNumber);
  } catch (const DictionaryError& error) {
    // A missing file has its own notice; a short or unreadable one names itself. No set either way.
    dialogs().notice(this, coreText(error.what()));
    return;
  }
  const ScaleDiagram scale = newScaleSet(record, name.toLatin1().toStdString(), tuning(),
                                         tuningName().toLatin1().toStdString(), root, spelling_.names());
  if (const std::optional<int> set = model_.addSet(scale)) showNewSet(*set);
  returnFocus();
}

void ScalesPage::showNewSet(int set) {
  drawScaleSet(*image(), holders_, set, spelling_.names(), span(), display_.chords.leftHanded());
  scrollTo(kSetPitch * set);
  moveSelection(*image(), DiagramPage::Scales, GridCell{0, set});
  image()->refresh();
  ShowScale();
}

void ScalesPage::ShowScale() {
  const ScaleDiagram& scale = model_.currentScale();
  // The tuning controls take the set's tuning; later sets are built in it.
  if (scale.isEmpty())
    takeOverTuning(Tuning{}, "Standard");
  else
    takeOverTuning(Tuning{scale.tuning}, QString::fromLatin1(scale.tuningName.view()));
  display_.scales.ShowScale(scale, model_.shownBeginFret(), span());
}

void ScalesPage::imgScalesMouseDown(Qt::MouseButton button, int x, int y) {
  if (!pressTaken(button)) return;
  const std::optional<GridCell> cell = model_.pressTarget(x, y);
  if (!cell) return;
  if (placing()) {
    if (button == Qt::RightButton || holders_.heldCell.isEmpty()) {
      dropPlacement();
      return;
    }
    dropHeldCell(*cell);
    return;
  }
  if (!model_.isUsed(*cell) || armPopup(button)) return;
  if (model_.selection() != cell) selectAndShow(*cell);
}

void ScalesPage::dropHeldCell(GridCell cell) {
  if (!replaceConfirmed(model_.isUsed(cell), tr("Do you want to replace this row of diagrams?"))) return;
  const int set = model_.dropSet(cell.row);
  model_.dropCell(holders_.heldCell, set);
  dropPlacement();
  showNewSet(set);
}

void ScalesPage::selectAndShow(GridCell cell) {
  if (!model_.select(cell)) return;
  moveSelection(*image(), DiagramPage::Scales, cell);
  image()->refresh();
  ShowScale();
}

void ScalesPage::playTarget(bool fromRoot) {
  const std::optional<GridCell> target = model_.target();
  if (!target || !model_.isUsed(*target)) return;
  if (model_.selection() != target) selectAndShow(*target);
  if (player_) player_->setFromRoot(fromRoot);
  Q_EMIT playRequested();
  if (player_) player_->setFromRoot(false);
}

void ScalesPage::pmenu5PlayDiagramClick() {
  playTarget(false);
}

void ScalesPage::pmenu5PlayRootClick() {
  playTarget(true);
}

void ScalesPage::pmenu1SendtoPrintClick() {
  const std::optional<GridCell> target = model_.target();
  if (!target || !model_.isUsed(*target)) return;
  const ScaleDiagram& scale = model_.set(target->row);
  holders_.heldCell = scaleToCell(scale);
  holders_.heldCell.beginFret = scale.beginFrets[static_cast<std::size_t>(target->column)];
  pages_.carryTo(PageId::Print);
}

void ScalesPage::pmenu5StartFretClick() {
  const std::optional<GridCell> target = model_.target();
  if (!target || !model_.isUsed(*target)) return;
  dlgBeginFret_->setBeginFret(model_.set(target->row).beginFrets[static_cast<std::size_t>(target->column)]);
  dlgBeginFret_->open();
}

void ScalesPage::beginFretChosen() {
  const std::optional<int> fret = dlgBeginFret_->chosenFret();
  const std::optional<GridCell> target = model_.target();
  if (!fret || !target || !model_.setTargetBeginFret(*fret)) return;
  drawScalePosition(model_.set(target->row), target->column, *image(), DiagramPage::Scales, target->row,
                    target->column, span(), display_.chords.leftHanded());
  if (const std::optional<GridCell> selected = model_.selection())
    moveSelection(*image(), DiagramPage::Scales, *selected);
  image()->refresh();
  // With the whole neck on show the neck would not change; showing it again costs nothing.
  if (model_.selection() == target) ShowScale();
  returnFocus();
}

void ScalesPage::redrawPage() {
  clearPageImage(*image());
  drawScalePageSets(*image(), holders_, spelling_.names(), span(), display_.chords.leftHanded());
  if (const std::optional<GridCell> selected = model_.selection())
    moveSelection(*image(), DiagramPage::Scales, *selected);
  image()->refresh();
}

void ScalesPage::selectNextDiagram() {
  dropPlacement();
  const std::optional<GridCell> next = model_.nextPosition();
  if (!next) return;
  if (next->column == 0) scrollTo(kSetPitch * next->row);
  selectAndShow(*next);
}

void ScalesPage::startPlacement() {
  showPlacementCursor(DropCursor::Carried);
}

void ScalesPage::dropPlacement() {
  showPlacementCursor(DropCursor::None);
}

PagePrintout ScalesPage::printout() const {
  if (model_.setCount() == 0) return {};
  return sheet(tr("Strumly! Scale Page: %1").arg(fileName_));
}

PagePlayer* ScalesPage::player() {
  return player_.get();
}

QAbstractScrollArea* ScalesPage::scrollArea() const {
  return scroll();
}

QWidget* ScalesPage::placementImage() const {
  return image();
}

}  // namespace strumly::gui
