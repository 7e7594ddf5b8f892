#include "gui/chorddesign/FretControls.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/views/ChordEditing.h"

namespace strumly::gui {
namespace {

int wrap12(int value) {
  return ((value % 12) + 12) % 12;
}

QLineEdit* nameEdit(QWidget* parent, const QString& name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  edit->setFixedWidth(34);
  edit->setAlignment(Qt::AlignCenter);
  return edit;
}

}  // namespace

FretControls::FretControls(QWidget* parent) : QWidget(parent), fingers_(new QButtonGroup(this)) {
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(4);

  auto* fingerRow = new QHBoxLayout;
  fingerRow->setSpacing(2);
  const std::array<std::pair<const char*, std::uint8_t>, 5> buttons{
      {{"P", kFingerPlain}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}}};
  const std::array<const char*, 5> names{"sbtnPlain", "sbtnOne", "sbtnTwo", "sbtnThree", "sbtnFour"};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    auto* button = new QToolButton(this);
    button->setObjectName(names[i]);
    button->setText(buttons[i].first);
    button->setCheckable(true);
    button->setFixedSize(24, 22);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAccessibleName(buttons[i].second == kFingerPlain ? tr("Plain marker")
                                                                : tr("Finger %1").arg(buttons[i].first));
    fingers_->addButton(button, buttons[i].second);
    fingerRow->addWidget(button);
  }
  fingers_->setExclusive(true);
  fingers_->button(kFingerPlain)->setChecked(true);
  fingerRow->addStretch();
  rows->addLayout(fingerRow);

  auto* rootRow = new QHBoxLayout;
  rootRow->addWidget(new QLabel(tr("Root"), this));
  rootRow->addWidget(makeStepper("udRoot", editRoot_, &FretControls::udRootClick, true));
  rootRow->addWidget(new QLabel(tr("Bass"), this));
  rootRow->addWidget(makeStepper("udBass", editBass_, &FretControls::udBassClick, false));
  rootRow->addStretch();
  rows->addLayout(rootRow);

  auto* fretRow = new QHBoxLayout;
  fretRow->setSpacing(2);
  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), this);
  // Lowest string on the left, as tablature is read.
  for (int s = kStringCount - 1; s >= 0; --s) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString("editTab%1").arg(s));
    edit->setAccessibleName(tr("String %1 fret").arg(s + 1));
    edit->setAccessibleDescription(tr("The fret pressed on the string; empty for a muted string"));
    edit->setProperty("tag", s);
    edit->setMaxLength(2);
    edit->setValidator(digits);
    edit->setFixedWidth(26);
    edit->setAlignment(Qt::AlignCenter);
    edit->installEventFilter(this);
    editTab_[static_cast<std::size_t>(s)] = edit;
    fretRow->addWidget(edit);
  }
  fretRow->addStretch();
  rows->addLayout(fretRow);
  refreshNames();
}

QWidget* FretControls::makeStepper(const QString& name, QLineEdit*& edit, void (FretControls::*step)(int),
                                   bool reportRelease) {
  auto* box = new QWidget(this);
  box->setObjectName(name);
  // The arrows keep to their read-out however wide the row grows.
  box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  edit = nameEdit(box, name == "udRoot" ? "editRoot" : "editBass");
  layout->addWidget(edit);
  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  for (int delta : {+1, -1}) {
    auto* arrow = new QToolButton(box);
    arrow->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
    arrow->setFixedSize(16, 11);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::TabFocus);
    const bool root = name == "udRoot";
    arrow->setAccessibleName(delta > 0 ? (root ? tr("Root up") : tr("Bass up"))
                                       : (root ? tr("Root down") : tr("Bass down")));
    // A button emits released before clicked, and again on every auto-repeat, so the release
    // is reported after the last step: the click that comes with the button up.
    connect(arrow, &QToolButton::clicked, this, [this, step, delta, arrow, reportRelease] {
      (this->*step)(delta);
      if (reportRelease && !arrow->isDown()) Q_EMIT rootReleased();
    });
    arrows->addWidget(arrow);
  }
  layout->addLayout(arrows);
  return box;
}

std::uint8_t FretControls::fingerCode() const {
  const int id = fingers_->checkedId();
  return id < 0 ? std::uint8_t{kFingerPlain} : static_cast<std::uint8_t>(id);
}

void FretControls::setFingerCode(std::uint8_t code) {
  if (QAbstractButton* button = fingers_->button(code)) button->setChecked(true);
}

QToolButton* FretControls::fingerButton(std::uint8_t code) const {
  return qobject_cast<QToolButton*>(fingers_->button(code));
}

void FretControls::showRootAndBass(int root, int bass) {
  root_ = wrap12(root);
  bass_ = wrap12(bass);
  refreshNames();
}

void FretControls::setNoteNames(const NoteNames& names) {
  names_ = names;
  refreshNames();
}

void FretControls::refreshNames() {
  editRoot_->setText(QString::fromLatin1(names_.name(root_)));
  editBass_->setText(QString::fromLatin1(names_.name(bass_)));
}

void FretControls::showFrets(const ChordDiagram& chord) {
  for (int s = 0; s < kStringCount; ++s)
    editTab_[static_cast<std::size_t>(s)]->setText(QString::fromStdString(fretEditText(chord, s)));
}

bool FretControls::applyNeckPress(ChordDiagram& chord, const Tuning& tuning, const QString& tuningName,
                                  int string, int fret, Qt::MouseButton button) {
  const std::string name = tuningName.toStdString();
  const EditContext context{tuning, name, fingerCode()};
  const NeckButton which = button == Qt::RightButton ? NeckButton::Right : NeckButton::Left;
  if (!pressString(chord, context, string, fret, which)) return false;
  showFrets(chord);
  if (which == NeckButton::Right) showRootAndBass(chord.root, chord.bass - 24);
  return true;
}

bool FretControls::applyFretEdit(ChordDiagram& chord, const Tuning& tuning, const QString& tuningName,
                                 int string, std::optional<int> fret) {
  const std::string name = tuningName.toStdString();
  if (!setStringFret(chord, {tuning, name, fingerCode()}, string, fret)) return false;
  showFrets(chord);
  return true;
}

void FretControls::udRootClick(int delta) {
  root_ = wrap12(root_ + delta);
  bass_ = root_;
  refreshNames();
  Q_EMIT rootChanged(root_, bass_);
}

void FretControls::udBassClick(int delta) {
  bass_ = wrap12(bass_ + delta);
  refreshNames();
  Q_EMIT bassChanged(bass_);
}

void FretControls::editTabExit(int string) {
  QLineEdit* edit = editTab_[static_cast<std::size_t>(string)];
  const std::optional<int> fret = parseFretEdit(edit->text().toStdString());
  if (!fret) edit->clear();
  Q_EMIT fretEdited(string, fret);
}

bool FretControls::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    if (event->type() == QEvent::FocusIn) {
      Q_EMIT fretEditEntered();
    } else {
      editTabExit(edit->property("tag").toInt());
      Q_EMIT fretEditLeft();
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace strumly::gui
