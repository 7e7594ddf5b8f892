#include "gui/controls/TuningControls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/common/NoteSpelling.h"
#include "gui/controls/UpDown.h"

namespace strumly::gui {

TuningControls::TuningControls(NoteSpelling& spelling, QWidget* parent)
    : QWidget(parent), spelling_(spelling), editTuningName_(new QLineEdit(this)) {
  setObjectName("TuningControls");
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 2, 4, 2);
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(0);
  for (int s = 0; s < kStringCount; ++s) {
    auto* readOut = new QLineEdit(this);
    readOut->setObjectName(QString("editString%1").arg(s));
    readOut->setReadOnly(true);
    readOut->setFocusPolicy(Qt::NoFocus);
    readOut->setMaxLength(3);
    readOut->setFixedWidth(38);
    readOut->setAlignment(Qt::AlignCenter);
    readOut->setCursor(Qt::ArrowCursor);
    readOut->setToolTip(tr("String %1").arg(s + 1));
    readOut->setProperty("readout", true);
    auto* upDown = new UpDown(this);
    upDown->setObjectName(QString("UpDown%1").arg(s));
    upDown->setAccessibleName(tr("String %1 tuning").arg(s + 1));
    upDown->setAccessibleDescription(tr("Up and Down tune the open string a semitone higher or lower"));
    upDown->setRange(kLowestOpenString, kHighestOpenString);
    upDown->setWrap(true);
    upDown->setPosition(kStandardTuning[static_cast<std::size_t>(s)]);
    connect(upDown, &UpDown::clicked, this, [this, s] { UpDown0Click(s); });
    connect(upDown, &UpDown::mouseReleased, this, [this] { UpDown0MouseUp(); });
    grid->addWidget(readOut, s, 0);
    grid->addWidget(upDown, s, 1);
    readOuts_[static_cast<std::size_t>(s)] = readOut;
    upDowns_[static_cast<std::size_t>(s)] = upDown;
  }
  lblTuningName_ = new QLabel(tr("Tuning Name:"), this);
  lblTuningName_->setObjectName("lblTuningName");
  editTuningName_->setObjectName("editTuningName");
  editTuningName_->setAccessibleName(tr("Tuning Name"));
  editTuningName_->setMaxLength(static_cast<int>(kTuningNameCapacity));
  editTuningName_->setFixedWidth(110);
  editTuningName_->setText("Standard");
  // The name sits wherever the panel puts it; by default under the strings.
  grid->addWidget(lblTuningName_, kStringCount, 0, 1, 3);
  grid->addWidget(editTuningName_, kStringCount + 1, 0, 1, 3);
  grid->setRowStretch(kStringCount + 2, 1);
  grid->setColumnStretch(2, 1);
  setStandardTuning();
}

QString TuningControls::tuningName() const {
  return editTuningName_->text();
}

void TuningControls::setTuningName(const QString& name) {
  editTuningName_->setText(name);
}

void TuningControls::setStandardTuning() {
  showTuning(Tuning{}, editTuningName_->text());
}

void TuningControls::showTuning(const Tuning& tuning, const QString& name) {
  tuning_ = tuning;
  for (int s = 0; s < kStringCount; ++s)
    upDowns_[static_cast<std::size_t>(s)]->setPosition(tuning.pitches[static_cast<std::size_t>(s)]);
  refreshNames();
  editTuningName_->setText(name);
}

void TuningControls::setLocked(bool locked) {
  for (auto* u : upDowns_) u->setEnabled(!locked);
}

bool TuningControls::isLocked() const {
  return !upDowns_[0]->isEnabled();
}

void TuningControls::UpDown0Click(int string) {
  if (isBusy_ && isBusy_()) return;
  const auto i = static_cast<std::size_t>(string);
  readOuts_[i]->setText(spelling_.nameWithOctave(upDowns_[i]->position()));
}

void TuningControls::UpDown0MouseUp() {
  if (isBusy_ && isBusy_()) {
    // The step already happened on the control; put it back so controls and tuning agree.
    for (int s = 0; s < kStringCount; ++s)
      upDowns_[static_cast<std::size_t>(s)]->setPosition(tuning_.pitches[static_cast<std::size_t>(s)]);
    refreshNames();
    return;
  }
  for (int s = 0; s < kStringCount; ++s)
    tuning_.pitches[static_cast<std::size_t>(s)] =
        static_cast<PitchNumber>(upDowns_[static_cast<std::size_t>(s)]->position());
  editTuningName_->setText(QString::fromStdString(strumly::tuningName(tuning_, spelling_.names())));
  Q_EMIT tuningTakenOver(tuning_, editTuningName_->text());
}

void TuningControls::refreshNames() {
  for (int s = 0; s < kStringCount; ++s)
    readOuts_[static_cast<std::size_t>(s)]->setText(
        spelling_.nameWithOctave(upDowns_[static_cast<std::size_t>(s)]->position()));
}

}  // namespace strumly::gui
