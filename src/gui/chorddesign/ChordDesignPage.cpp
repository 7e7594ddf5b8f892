#include "gui/chorddesign/ChordDesignPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/chords/ChordTypeList.h"
#include "gui/chorddesign/ChordSearchPanel.h"
#include "gui/chorddesign/DesignGroupView.h"
#include "gui/chorddesign/FretControls.h"
#include "gui/common/PageImage.h"
#include "gui/views/TNvStaffBox.h"

namespace strumly::gui {

ChordDesignPage::ChordDesignPage(ChordDiagram& designChord, QWidget* parent)
    : QWidget(parent),
      designChord_(designChord),
      fretControls_(new FretControls(this)),
      StaffBox_(new TNvStaffBox(this)),
      ComboBox1_(new QComboBox(this)),
      sbDisplayIntervals_(new QToolButton(this)) {
  setObjectName("pageChordDesign");
  ComboBox1_->setObjectName("ComboBox1");
  ComboBox1_->setAccessibleName(tr("Chord type"));
  ComboBox1_->setAccessibleDescription(tr("The chord type Show Intervals shows across the neck"));
  ComboBox1_->setToolTip(tr("Chord type to show across the neck"));
  // Wide enough for the longest built-in name, "sus(add3/add9)".
  ComboBox1_->setMinimumContentsLength(15);
  ComboBox1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ComboBox1_->setMaxVisibleItems(20);
  sbDisplayIntervals_->setObjectName("sbDisplayIntervals");
  sbDisplayIntervals_->setText(tr("Show Intervals"));
  sbDisplayIntervals_->setToolTip(tr("Show the intervals of the chord type across the neck"));
  sbDisplayIntervals_->setCheckable(true);
  sbDisplayIntervals_->setFocusPolicy(Qt::TabFocus);
  sbDisplayIntervals_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  sbDisplayIntervals_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  auto* chordType = new QVBoxLayout;
  chordType->setSpacing(4);
  auto* caption = new QLabel(tr("Chord Type"), this);
  caption->setObjectName("lblChordType");
  chordType->addWidget(caption);
  chordType->addWidget(ComboBox1_);
  chordType->addWidget(sbDisplayIntervals_);
  chordType->addStretch(1);

  // The fret controls, the staff and the chord-type choice stand above the list of designs.
  auto* controls = new QHBoxLayout;
  controls->setContentsMargins(8, 6, 8, 6);
  controls->setSpacing(16);
  controls->addWidget(fretControls_, 0, Qt::AlignTop);
  controls->addWidget(StaffBox_, 0, Qt::AlignTop);
  controls->addLayout(chordType);
  controls->addStretch(1);
  // The design group beside the search is wider than a 1024-pixel screen leaves the page: on a
  // small screen the page scrolls rather than push the window's edge off the screen.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("scrollChordDesign");
  scroll->setFocusPolicy(Qt::ClickFocus);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  content_ = new QWidget;
  auto* column = new QVBoxLayout(content_);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(controls);
  scroll->setWidget(content_);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(0, 0, 0, 0);
  page->addWidget(scroll);

  connect(fretControls_, &FretControls::rootChanged, this, [this](int root, int bass) {
    designChord_.root = static_cast<PitchClass>(root);
    designChord_.bass = static_cast<PitchNumber>(bass + 24);
  });
  connect(fretControls_, &FretControls::bassChanged, this, &ChordDesignPage::bassChanged);
  connect(fretControls_, &FretControls::rootReleased, this, &ChordDesignPage::rootReleased);
}

std::string ChordDesignPage::formulaOf(const ChordDiagram& chord) {
  std::string formula;
  for (std::size_t slot = 0; slot < kChordIntervalSlots; ++slot) {
    const std::uint8_t interval = chord.intervals[slot];
    if (interval != kUnusedInterval) formula += intervalName(interval);
    formula += ' ';
  }
  return formula;  // the record keeps its first 20 characters
}

void ChordDesignPage::refreshDesign() {
  computeIntervals(designChord_, compoundFlags_);
  designChord_.formula = formulaOf(designChord_);
  Q_EMIT designChanged();
}

void ChordDesignPage::takeOverTuning(const Tuning& tuning, const QString& tuningName) {
  if (designChord_.isEmpty()) {
    // An empty design does not move with the tuning, but the notes shown across the neck must.
    if (sbDisplayIntervals_->isChecked()) {
      Q_EMIT designChanged();
      Q_EMIT tuningNameKept(tuningName);
    }
    return;
  }
  designChord_.tuning = tuning.pitches;
  designChord_.tuningName = tuningName.toStdString();
  for (std::size_t s = 0; s < designChord_.pitches.size(); ++s) {
    if (designChord_.pitches[s] != 0)
      designChord_.pitches[s] = static_cast<PitchNumber>(tuning.pitches[s] + designChord_.strings[s].fret);
  }
  Q_EMIT designRetuned();
  refreshDesign();
}

bool ChordDesignPage::neckPressed(const Tuning& tuning, const QString& tuningName, int string, int fret,
                                  Qt::MouseButton button) {
  if (!fretControls_->applyNeckPress(designChord_, tuning, tuningName, string, fret, button)) return false;
  refreshDesign();
  return true;
}

bool ChordDesignPage::fretEdited(const Tuning& tuning, const QString& tuningName, int string,
                                 std::optional<int> fret) {
  if (!fretControls_->applyFretEdit(designChord_, tuning, tuningName, string, fret)) return false;
  refreshDesign();
  return true;
}

void ChordDesignPage::rootReleased() {
  refreshDesign();
}

bool ChordDesignPage::switchCompound(int simple) {
  if (!compoundFlags_.toggle(simple)) return false;
  // The formula follows the labels, so a design collected now is named as it is shown.
  refreshDesign();
  return true;
}

void ChordDesignPage::setUserChordTypes(const std::vector<UserChordType>& userTypes) {
  std::vector<std::string> names;
  for (const UserChordType& type : userTypes) names.push_back(type.name);
  ComboBox1_->clear();
  for (const std::string& name : chordTypeListEntries(names))
    ComboBox1_->addItem(QString::fromStdString(name));
  ComboBox1_->setCurrentIndex(-1);
}

void ChordDesignPage::bassChanged(int bass) {
  designChord_.bass = static_cast<PitchNumber>(bass + 24);
  QString text = fretControls_->rootEdit()->text() + " " + QString::fromLatin1(designChord_.name.str());
  if (fretControls_->bass() != fretControls_->root()) text += " /" + fretControls_->bassEdit()->text();
  Q_EMIT chordNameShown(text);
}

QAbstractScrollArea* ChordDesignPage::scrollArea() const {
  return search_ ? search_->list() : nullptr;
}

void ChordDesignPage::attachGroup(ChordSearchPanel* search, DesignGroupView* group) {
  search_ = search;
  group_ = group;
  auto* below = new QHBoxLayout;
  below->setContentsMargins(8, 0, 8, 6);
  below->setSpacing(16);
  below->addWidget(group_, 0, Qt::AlignTop);
  below->addWidget(search_, 1);
  static_cast<QVBoxLayout*>(content_->layout())->addLayout(below, 1);
}

void ChordDesignPage::designSelected() {
  fretControls_->showRootAndBass(designChord_.root % 12, designChord_.bass % 12);
  fretControls_->showFrets(designChord_);
  Q_EMIT designChanged();
}

void ChordDesignPage::releaseIntervalDisplay() {
  sbDisplayIntervals_->setChecked(false);
}

QWidget* ChordDesignPage::placementImage() const {
  return group_ ? static_cast<QWidget*>(group_->image()) : nullptr;
}

void ChordDesignPage::startPlacement() {
  if (group_) group_->startCarried();
}

void ChordDesignPage::dropPlacement() {
  if (group_) group_->cancelPlacement();
}

void ChordDesignPage::SelectNextDiagram() {
  if (group_) group_->selectNextDiagram();
}

void ChordDesignPage::erase() {
  if (group_) group_->erase();
}

bool ChordDesignPage::openWithPrompt() {
  return group_ && group_->openWithPrompt();
}

bool ChordDesignPage::openHandedFile(const QString& path) {
  return group_ && group_->openFile(path);
}

bool ChordDesignPage::save(bool alwaysAsk) {
  return group_ && group_->save(alwaysAsk);
}

QString ChordDesignPage::fileName() const {
  return group_ ? group_->fileName() : QString();
}

QList<ClosingDocument> ChordDesignPage::closingDocuments() {
  if (!group_) return {};
  return {group_->closingDocument()};
}

std::optional<ChordDiagram> ChordDesignPage::arpeggioChord() const {
  if (sbDisplayIntervals_->isChecked()) return std::nullopt;
  return designChord_;
}

QList<QWidget*> ChordDesignPage::typingWidgets() const {
  QList<QWidget*> edits;
  for (int string = 0; string < kStringCount; ++string) edits << fretControls_->fretEdit(string);
  return edits;
}

void ChordDesignPage::pressFinger(FingerButton finger) {
  static constexpr std::uint8_t kCodes[] = {1, 2, 3, 4, kFingerPlain};
  if (QToolButton* button = fretControls_->fingerButton(kCodes[static_cast<int>(finger)])) button->click();
}

void ChordDesignPage::handChanged() {
  if (group_) group_->redrawGroup();
}

}  // namespace strumly::gui
