#include "gui/scales/ScalesPage.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/app/AppSettings.h"
#include "core/pages/RecordConversions.h"
#include "core/scales/ScaleDictionary.h"
#include "core/scales/ScalePositions.h"
#include "gui/common/DialogService.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/common/PagePrinter.h"
#include "gui/common/Resources.h"
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
    : QWidget(parent),
      holders_(holders),
      model_(holders),
      pages_(pages),
      dialogs_(dialogs),
      spelling_(spelling),
      transport_(transport),
      display_(display),
      settings_(settings),
      dataFolder_(std::move(dataFolder)),
      focusHome_(focusHome),
      scrollScales_(new QScrollArea(this)),
      imgScales_(new PageImage(QSize(kScalePageWidth, kDiagramPageHeight))),
      popmenuScales_(new QMenu(this)),
      dlgBeginFret_(new TdlgBeginFret(this)) {
  setObjectName("pageScales");
  if (playback)
    player_ = std::make_unique<ScalePlayback>(
        holders_.currentScale, [this] { return model_.selection() ? model_.selection()->column : 0; },
        *playback);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  // A click on the page takes the focus out of any edit; Tab goes straight to the picture.
  scrollScales_->setFocusPolicy(Qt::ClickFocus);
  scrollScales_->setObjectName("scrollScales");
  imgScales_->setObjectName("imgScales");
  imgScales_->setCanvasFont(pageFont(8));
  scrollScales_->setWidget(imgScales_);
  scrollScales_->setBackgroundRole(QPalette::Base);
  layout->addWidget(scrollScales_);

  popmenuScales_->setObjectName("popmenuScales");
  const auto addItem = [this](const char* name, const char* caption, void (ScalesPage::*handler)()) {
    QAction* action = popmenuScales_->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
  };
  addItem("pmenu5PlayDiagram", "Play This Diagram", &ScalesPage::pmenu5PlayDiagramClick);
  addItem("pmenu5PlayRoot", "Play Scale From Root", &ScalesPage::pmenu5PlayRootClick);
  addItem("pmenu5SendtoPrint", "Send To Print Page", &ScalesPage::pmenu1SendtoPrintClick);
  addItem("pmenu5StartFret", "Change Beginning Fret", &ScalesPage::pmenu5StartFretClick);

  connect(dlgBeginFret_, &QDialog::accepted, this, &ScalesPage::beginFretChosen);
  connect(imgScales_, &PageImage::mousePressed, this,
          [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
            imgScalesMouseDown(button, x, y);
          });
  connect(imgScales_, &PageImage::mouseMoved, this, [this] { display_.chords.clearPointerReadOuts(); });
  connect(imgScales_, &PageImage::selectionMoveRequested, this, [this](int across, int down) {
    if (model_.setCount() == 0) return;
    const QPoint at = cellMiddle(
        DiagramPage::Scales,
        keyboardStep(model_.selection(), across, down, ScalesPageModel::kPositions, model_.setCount()));
    imgScalesMouseDown(Qt::LeftButton, at.x(), at.y());
  });
  pressSelectionOnKeys(imgScales_,
                       [this](Qt::MouseButton button, int x, int y) { imgScalesMouseDown(button, x, y); });
  describePicture(imgScales_, "Scales page", "The scale sets shown, six positions a row");
}

ScalesPage::~ScalesPage() = default;

int ScalesPage::span() const {
  return clampScaleSpan(settings_.scaleFrets);
}

bool ScalesPage::busy() const {
  return transport_.IsPlayingOrBusy();
}

void ScalesPage::addScaleSet(int scaleNumber, PitchClass root, const QString& name) {
  if (busy()) return;
  pages_.activate(PageId::Scales);
  if (model_.isFull()) {
    dialogs_.notice(this, "Maximum is 5 sets of scales. Clear the Scale page.");
    return;
  }
  ScaleRecord record;
  try {
    record = ReadScaleRecord(dataFolder_, scaleNumber);
  } catch (const DictionaryError& error) {
    // A missing file has its own notice; a short or unreadable one names itself. No set either way.
    dialogs_.notice(this, QString::fromStdString(error.what()));
    return;
  }
  const ScaleDiagram scale = newScaleSet(record, name.toLatin1().toStdString(), tuning(),
                                         tuningName().toLatin1().toStdString(), root, spelling_.names());
  if (const std::optional<int> set = model_.addSet(scale)) showNewSet(*set);
  returnFocus();
}

void ScalesPage::showNewSet(int set) {
  drawScaleSet(*imgScales_, holders_, set, spelling_.names(), span(), display_.chords.leftHanded());
  scrollScales_->verticalScrollBar()->setValue(kSetPitch * set);
  moveSelection(*imgScales_, DiagramPage::Scales, GridCell{0, set});
  imgScales_->refresh();
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
  popupArmed_ = false;
  if (busy() || (button != Qt::LeftButton && button != Qt::RightButton)) return;
  const std::optional<GridCell> cell = model_.pressTarget(x, y);
  if (!cell) return;
  if (placing_) {
    if (button == Qt::RightButton || holders_.heldCell.isEmpty()) {
      dropPlacement();
      return;
    }
    dropHeldCell(*cell);
    return;
  }
  if (!model_.isUsed(*cell)) return;
  popupArmed_ = true;
  if (button == Qt::RightButton) {
    popmenuScales_->popup(imgScales_->popupPosition());
    return;
  }
  if (model_.selection() != cell) selectAndShow(*cell);
}

void ScalesPage::dropHeldCell(GridCell cell) {
  if (model_.isUsed(cell) &&
      !dialogs_.confirm(this, "Do you want to replace this row of diagrams?", DialogService::Answer::No))
    return;
  const int set = model_.dropSet(cell.row);
  model_.dropCell(holders_.heldCell, set);
  dropPlacement();
  showNewSet(set);
}

void ScalesPage::selectAndShow(GridCell cell) {
  if (!model_.select(cell)) return;
  moveSelection(*imgScales_, DiagramPage::Scales, cell);
  imgScales_->refresh();
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
  drawScalePosition(model_.set(target->row), target->column, *imgScales_, DiagramPage::Scales, target->row,
                    target->column, span(), display_.chords.leftHanded());
  if (const std::optional<GridCell> selected = model_.selection())
    moveSelection(*imgScales_, DiagramPage::Scales, *selected);
  imgScales_->refresh();
  // With the whole neck on show the neck would not change; showing it again costs nothing.
  if (model_.selection() == target) ShowScale();
  returnFocus();
}

void ScalesPage::redrawPage() {
  clearPageImage(*imgScales_);
  drawScalePageSets(*imgScales_, holders_, spelling_.names(), span(), display_.chords.leftHanded());
  if (const std::optional<GridCell> selected = model_.selection())
    moveSelection(*imgScales_, DiagramPage::Scales, *selected);
  imgScales_->refresh();
}

void ScalesPage::selectNextDiagram() {
  dropPlacement();
  const std::optional<GridCell> next = model_.nextPosition();
  if (!next) return;
  if (next->column == 0) scrollScales_->verticalScrollBar()->setValue(kSetPitch * next->row);
  selectAndShow(*next);
}

void ScalesPage::startPlacement() {
  placing_ = true;
  imgScales_->setCursor(gui::cursor("CURFRET"));
}

void ScalesPage::dropPlacement() {
  placing_ = false;
  imgScales_->unsetCursor();
}

PagePrintout ScalesPage::printout() const {
  if (model_.setCount() == 0) return {};
  PagePrintout out;
  out.pictures << pageSheet(*imgScales_);
  out.titles << "Strumly! Scale Page: " + fileName_;
  return out;
}

PagePlayer* ScalesPage::player() {
  return player_.get();
}

QAbstractScrollArea* ScalesPage::scrollArea() const {
  return scrollScales_;
}

QWidget* ScalesPage::placementImage() const {
  return imgScales_;
}

void ScalesPage::returnFocus() {
  if (focusHome_) focusHome_->setFocus();
}

}  // namespace strumly::gui
