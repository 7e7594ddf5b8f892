#include "gui/chorddesign/DesignGroupView.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/app/AppSettings.h"
#include "core/chords/ChordDictionary.h"
#include "core/pages/PageFiles.h"
#include "core/pages/RecordConversions.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/ChordSearchPanel.h"
#include "gui/common/CoreText.h"
#include "gui/common/DialogService.h"
#include "gui/common/DocumentFiles.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/controls/TuningControls.h"
#include "gui/playback/Transport.h"
#include "gui/views/ChordDisplay.h"
#include "gui/views/DiagramPainter.h"

namespace strumly::gui {
namespace {

QString designFilter() {
  return DesignGroupView::tr("Chord Design Files") + " (*.cds)";
}

}  // namespace

DesignGroupView::DesignGroupView(ChordDesignPage& page, ChordSearchPanel& search, PageHolders& holders,
                                 PageList& pages, DialogService& dialogs, const NoteSpelling& spelling,
                                 const Transport& transport, ChordDisplay& display,
                                 const TuningControls& tuning, AppSettings& settings,
                                 std::filesystem::path dataFolder, QWidget* parent)
    : DiagramPageBase({.imageName = "imgChordDesign",
                       .imageSize = QSize(kDesignImageWidth, kDesignImageHeight),
                       .popupName = "popmenuDesign",
                       .accessibleName = tr("Chord design group"),
                       .shows = tr("The six chords of the design group")},
                      transport, dialogs, nullptr, parent),
      page_(page),
      search_(search),
      holders_(holders),
      pages_(pages),
      spelling_(spelling),
      display_(display),
      tuning_(tuning),
      settings_(settings),
      dataFolder_(std::move(dataFolder)),
      group_(holders),
      bitbtnDrag_(new QToolButton(this)),
      lblCDFilePath_(new QLabel(tr("File: %1").arg(QString()), this)) {
  image()->setAcceptDrops(true);
  image()->installEventFilter(this);
  image()->setMouseTracking(true);
  bitbtnDrag_->setObjectName("bitbtnDrag");
  bitbtnDrag_->setText(tr("Drag"));
  bitbtnDrag_->setToolTip(tr("Drag to add chord to set"));
  bitbtnDrag_->setFocusPolicy(Qt::TabFocus);
  bitbtnDrag_->installEventFilter(this);
  lblCDFilePath_->setObjectName("lblCDFilePath");

  addPopupItems({
      popupItem("pmenu2PlayChord", tr("Play Chord"), [this] { pmenu2PlayChordClick(); }),
      popupItem("pmenu2SendtoPlay", tr("Send To PlayPage"), [this] { pmenu2SendtoPlayClick(); }),
      popupItem("pmenu2SendtoPrint", tr("Send To Print Page"), [this] { pmenu2SendtoPrintClick(); }),
      popupItem("pmenu2Delete", tr("Delete"), [this] { pmenu2DeleteClick(); }),
      popupItem("pmenu2Move", tr("Move"), [this] { pmenu2MoveClick(); }),
  });

  // The keyboard steps through the used slots only, as a click can only select those.
  connect(image(), &PageImage::selectionMoveRequested, this, [this](int across, int) {
    int k = group_.selected().value_or(-across);
    for (k += across; k >= 0 && k < DesignGroup::kSlots; k += across) {
      if (!group_.isUsed(k)) continue;
      const PixelRect frame = designSelectionFrame(k, image()->pageSize().height());
      imgChordDesignMouseDown(Qt::LeftButton, (frame.left + frame.right) / 2);
      return;
    }
  });
  bitbtnDrag_->setAccessibleName(tr("Drag"));
  bitbtnDrag_->setAccessibleDescription(tr("Drag the designed chord onto a slot of the group"));
  // The note and interval read-outs name only what lies under the pointer on the neck.
  connect(image(), &PageImage::mouseMoved, this, [this] { display_.clearPointerReadOuts(); });
  connect(&search_, &ChordSearchPanel::pointerMoved, this, [this] { display_.clearPointerReadOuts(); });

  auto* row = new QHBoxLayout;
  row->addWidget(bitbtnDrag_, 0, Qt::AlignTop);
  row->addWidget(image(), 0, Qt::AlignTop);
  row->addStretch(1);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(row);
  column->addWidget(lblCDFilePath_);
}

void DesignGroupView::drawSlot(int k) {
  const TinyChordStyle style{spelling_.names(), display_.leftHanded(), settings_.chordDesignTinyFont};
  drawTinyChord(group_.slot(k), k, *image(), style);
  image()->refresh();
}

void DesignGroupView::selectSlot(int k) {
  group_.select(k);
  moveSelection(*image(), designSelectionFrame(k, image()->pageSize().height()));
  image()->refresh();
  page_.designSelected();
}

void DesignGroupView::showCursor() {
  const DesignPlacement placement = group_.placement();
  showPlacementCursor(placement == DesignPlacement::Carried  ? DropCursor::Carried
                      : placement == DesignPlacement::Moving ? DropCursor::Moving
                                                             : DropCursor::None);
}

void DesignGroupView::imgChordDesignMouseDown(Qt::MouseButton button, int x) {
  if (!pressTaken(button)) return;
  const std::optional<int> hit = designSlotHitTest(x);
  if (!hit) return;
  const int a = *hit;
  group_.setTarget(a);
  switch (group_.placement()) {
    case DesignPlacement::Carried:
      if (button == Qt::RightButton || holders_.heldChord.isEmpty()) {
        group_.cancelPlacement();
        showCursor();
        return;
      }
      if (!replaceConfirmed(group_.isUsed(a), tr("Do you want to replace this diagram?"))) return;
      group_.store(a, holders_.heldChord);
      group_.cancelPlacement();
      showCursor();
      drawSlot(a);
      selectSlot(a);
      return;
    case DesignPlacement::Moving:
      for (int k : group_.placeMoved(a)) drawSlot(k);
      showCursor();
      selectSlot(a);
      return;
    case DesignPlacement::None:
      break;
  }
  if (!group_.isUsed(a) || armPopup(button)) return;
  if (group_.selected() != a) selectSlot(a);
}

void DesignGroupView::imgChordDesignDragDrop(DragSource source, int x) {
  if (refusedNow()) return;
  cancelPlacement();  // a chord taken up by Move is back in its slot before anything shifts
  if (source == DragSource::SearchList) {
    const std::optional<ChordSearchMatch> match = search_.selectedMatch();
    if (!match) return;  // "No Chords Found" names no chord type
    if (group_.isModified() &&
        !saveBefore(tr("Do you want to save changes to this Design Group before modifying?")))
      return;
    storeVoicings(*match);
    return;
  }
  const std::optional<int> k = designSlotHitTest(x);
  if (!k || holders_.designChord.isEmpty()) return;
  if (!replaceConfirmed(group_.isUsed(*k), tr("Do you want to replace this diagram?"))) return;
  storeDragged(*k);
}

void DesignGroupView::storeDragged(int k) {
  ChordDiagram& design = holders_.designChord;
  QString tuningName = tuning_.tuningNameEdit()->text();
  if (tuningName.isEmpty())
    for (int s = kStringCount - 1; s >= 0; --s) tuningName += tuning_.readOut(s)->text() + ' ';
  design.tuningName = tuningName.toLatin1().toStdString();
  design.formula = ChordDesignPage::formulaOf(design);
  group_.store(k, design);
  drawSlot(k);
  group_.select(k);
  page_.designSelected();
}

void DesignGroupView::storeVoicings(const ChordSearchMatch& match) {
  if (match.typeIndex < 0 || match.typeIndex >= kChordTypeCount) {
    dialogs().notice(this, coreText(kChordFilesMissingText));
    return;
  }
  const FamilyType type = familyTypeOf(match.typeIndex);
  DesignGroup::Voicings voicings;
  try {
    voicings = LoadChordVoicings(dataFolder_, type.family, type.type, match.root);
  } catch (const DictionaryError& error) {
    dialogs().notice(this, coreText(error.what()));
    return;
  }
  group_.storeVoicings(voicings);
  for (int k = DesignGroup::kSlots - 1; k >= 0; --k) drawSlot(k);
  fileName_.clear();
  page_.designSelected();
  window()->setWindowTitle("Strumly!");
}

void DesignGroupView::pmenu2PlayChordClick() {
  const std::optional<int> target = group_.target();
  if (!target || !group_.isUsed(*target)) return;
  if (group_.selected() != target) selectSlot(*target);
  Q_EMIT playRequested();
}

void DesignGroupView::pmenu2SendtoPlayClick() {
  const std::optional<int> target = group_.target();
  if (!target || !group_.isUsed(*target)) return;
  holders_.heldChord = group_.slot(*target);
  pages_.carryTo(PageId::PlayPage);
}

void DesignGroupView::pmenu2SendtoPrintClick() {
  const std::optional<int> target = group_.target();
  if (!target || !group_.isUsed(*target)) return;
  holders_.heldCell = chordToCell(group_.slot(*target));
  pages_.carryTo(PageId::Print);
}

void DesignGroupView::pmenu2DeleteClick() {
  const std::optional<int> target = group_.target();
  if (!target || !group_.isUsed(*target)) return;
  if (!dialogs().confirm(this, tr("Do you want to erase this diagram?"), DialogService::Answer::No)) return;
  const std::optional<int> before = group_.selected();
  group_.erase(*target);
  drawSlot(*target);
  if (group_.selected() != before) selectSlot(*group_.selected());
}

void DesignGroupView::pmenu2MoveClick() {
  const std::optional<int> target = group_.target();
  if (!target || !group_.beginMove(*target)) return;
  drawSlot(*target);
  showCursor();
}

void DesignGroupView::startCarried() {
  group_.startCarried();
  showCursor();
}

void DesignGroupView::cancelPlacement() {
  if (const std::optional<int> back = group_.cancelPlacement()) {
    drawSlot(*back);
    if (const std::optional<int> selected = group_.selected())
      moveSelection(*image(), designSelectionFrame(*selected, image()->pageSize().height()));
  }
  showCursor();
}

void DesignGroupView::selectNextDiagram() {
  cancelPlacement();
  std::array<bool, DesignGroup::kSlots> used{};
  for (int k = 0; k < DesignGroup::kSlots; ++k) used[static_cast<std::size_t>(k)] = group_.isUsed(k);
  const std::optional<int> next = nextDesignSlot(group_.selected().value_or(-1), used);
  if (next) selectSlot(*next);
}

void DesignGroupView::redrawGroup() {
  clearPageImage(*image());
  for (int k = 0; k < DesignGroup::kSlots; ++k)
    if (group_.isUsed(k)) drawSlot(k);
  if (const std::optional<int> selected = group_.selected())
    moveSelection(*image(), designSelectionFrame(*selected, image()->pageSize().height()));
  image()->refresh();
}

// ---- The group's document ----

bool DesignGroupView::saveBefore(const QString& question) {
  switch (dialogs().question(this, question)) {
    case DialogService::Answer::Cancel:
      return false;
    case DialogService::Answer::Yes:
      return save(false);
    case DialogService::Answer::No:
      return true;
  }
  return false;
}

void DesignGroupView::erase() {
  if (group_.isModified() &&
      !saveBefore(tr("Do you want to save changes to this Design Group before erasing?")))
    return;
  group_.clear();
  clearPageImage(*image());
  image()->refresh();
  showCursor();
  lblCDFilePath_->setText(tr("File:"));
  fileName_.clear();
  window()->setWindowTitle("Strumly!");
}

bool DesignGroupView::openWithPrompt() {
  if (group_.isModified() &&
      !saveBefore(tr("Do you want to save changes to this Design Group before opening another file?")))
    return false;
  const QString path =
      chooseOpenPath(dialogs(), this, tr("Open Chord Design File"), designFilter(), settings_.folders.design);
  if (path.isEmpty()) return false;
  return openFile(path);
}

bool DesignGroupView::openFile(const QString& path) {
  const std::optional<std::vector<std::uint8_t>> bytes = readDocumentBytes(dialogs(), this, path);
  if (!bytes) return false;
  if (const std::optional<std::string> refused = readDesignFile(*bytes, holders_)) {
    dialogs().notice(this, coreText(*refused));
    return false;
  }
  DocumentLocation{fileName_, settings_.folders.design}.remember(path);
  window()->setWindowTitle(documentCaption(fileName_));
  group_.opened();
  redrawGroup();
  search_.clearResults();
  showCursor();
  if (const std::optional<int> first = group_.selected(); first && group_.isUsed(*first)) {
    page_.releaseIntervalDisplay();
    selectSlot(*first);
  }
  lblCDFilePath_->setText(tr("File: %1").arg(path));
  return true;
}

bool DesignGroupView::save(bool alwaysAsk) {
  const std::optional<QString> path =
      chooseSavePath(dialogs(), this, tr("Save Chord Design File"), designFilter(), "cds",
                     {fileName_, settings_.folders.design}, alwaysAsk);
  if (!path) return false;
  if (pages_.isActive(PageId::ChordDesign)) window()->setWindowTitle(documentCaption(fileName_));
  if (!writeDocumentBytes(dialogs(), this, *path, writeDesignFile(holders_))) return false;
  lblCDFilePath_->setText(tr("File: %1").arg(*path));
  group_.setModified(false);
  return true;
}

ClosingDocument DesignGroupView::closingDocument() {
  return {tr("Save Chord Design Page changes before closing?"),
          tr("Save Chord Design Page changes to %1 before closing?"), [this] { return group_.isModified(); },
          [this] { return fileName_; }, [this] { return save(false); }};
}

// ---- Dragging onto the group ----

void DesignGroupView::startDrag() {
  auto* drag = new QDrag(bitbtnDrag_);
  auto* data = new QMimeData;
  data->setData(ChordSearchPanel::kMimeType, "drag");
  drag->setMimeData(data);
  drag->exec(Qt::CopyAction);
}

bool DesignGroupView::eventFilter(QObject* watched, QEvent* event) {
  // Tab reaches the Drag control before the group's picture, as the row reads. Set once the group
  // is shown: taking the group into the page's layout rebuilds its part of the focus chain.
  if (watched == bitbtnDrag_ && event->type() == QEvent::Show) setTabOrder(bitbtnDrag_, image());
  if (watched == bitbtnDrag_ && event->type() == QEvent::MouseButtonPress) {
    startDrag();
    return true;
  }
  if (watched != image()) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      // Only the drag button and the search list are accepted.
      auto* over = static_cast<QDragMoveEvent*>(event);
      if (over->mimeData()->hasFormat(ChordSearchPanel::kMimeType))
        over->acceptProposedAction();
      else
        over->ignore();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (!drop->mimeData()->hasFormat(ChordSearchPanel::kMimeType)) return true;
      const bool fromList = drop->mimeData()->data(ChordSearchPanel::kMimeType) == "list";
      drop->acceptProposedAction();
      imgChordDesignDragDrop(fromList ? DragSource::SearchList : DragSource::DragButton,
                             drop->position().toPoint().x());
      return true;
    }
    default:
      return QWidget::eventFilter(watched, event);
  }
}

}  // namespace strumly::gui
