#include "gui/chorddesign/TdlgAddChord.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/common/DialogService.h"

namespace strumly::gui {
namespace {

struct IntervalBox {
  const char* caption;
  int semitones;
};

// Box order is formula order; compound intervals keep their octave (9 is 14 semitones).
constexpr std::array<IntervalBox, TdlgAddChord::kBoxes> kIntervalBoxes{{
    {"1", 0},   {"b2", 1},  {"2", 2},    {"b3", 3},   {"3", 4},   {"4", 5},   {"b5", 6},
    {"5", 7},   {"#5", 8},  {"6", 9},    {"b7", 10},  {"7", 11},  {"b9", 13}, {"9", 14},
    {"#9", 15}, {"11", 17}, {"#11", 18}, {"b13", 20}, {"13", 21},
}};
constexpr int kHelpContext = 400;
constexpr int kBoxesPerColumn = 7;

}  // namespace

TdlgAddChord::TdlgAddChord(DialogService& dialogs, QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      editUserFormula_(new QLineEdit(this)),
      editUserName_(new QLineEdit(this)) {
  setObjectName("dlgAddChord");
  setWindowTitle(tr("Add User Chord"));
  setModal(true);

  auto* intervals = new QGroupBox(tr("Intervals"), this);
  auto* grid = new QGridLayout(intervals);
  for (int box = 0; box < kBoxes; ++box) {
    auto* check = new QCheckBox(kIntervalBoxes[static_cast<std::size_t>(box)].caption, intervals);
    check->setObjectName(QString("cbInterval%1").arg(box));
    grid->addWidget(check, box % kBoxesPerColumn, box / kBoxesPerColumn);
    cbInterval_[static_cast<std::size_t>(box)] = check;
    if (box == 0) continue;
    connect(check, &QCheckBox::clicked, this, [this, box] { cbInterval1MouseUp(box); });
  }
  cbInterval_[0]->setChecked(true);
  cbInterval_[0]->setEnabled(false);

  editUserFormula_->setObjectName("editUserFormula");
  editUserFormula_->setMaxLength(20);
  editUserName_->setObjectName("editUserName");
  editUserName_->setMaxLength(15);
  auto* fields = new QFormLayout;
  fields->addRow(tr("Formula:"), editUserFormula_);
  fields->addRow(tr("Chord Name:"), editUserName_);

  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelBtn");
  buttons->button(QDialogButtonBox::Help)->setText(tr("&Help"));
  buttons->button(QDialogButtonBox::Help)->setObjectName("HelpBtn");
  connect(buttons, &QDialogButtonBox::accepted, this, &TdlgAddChord::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TdlgAddChord::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { dialogs_.help(this, kHelpContext); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intervals);
  layout->addLayout(fields);
  layout->addWidget(buttons);
  setFixedSize(sizeHint());
}

void TdlgAddChord::showEvent(QShowEvent* event) {
  editUserFormula_->setText("1");
  editUserName_->clear();
  count_ = 0;
  chosen_.reset();
  for (int box = 1; box < kBoxes; ++box) cbInterval_[static_cast<std::size_t>(box)]->setChecked(false);
  if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

void TdlgAddChord::cbInterval1MouseUp(int box) {
  QCheckBox* check = intervalBox(box);
  if (check->isChecked()) {
    if (count_ < kMaxIntervals)
      ++count_;
    else
      check->setChecked(false);
  } else {
    --count_;
  }
  QString formula = "1";
  for (int b = 1; b < kBoxes; ++b)
    if (intervalBox(b)->isChecked()) formula += " " + intervalBox(b)->text();
  editUserFormula_->setText(formula);
}

void TdlgAddChord::accept() {
  chosen_.reset();
  UserChordType type;
  type.intervals[0] = 0;
  std::size_t next = 1;
  for (int b = 1; b < kBoxes && next < type.intervals.size(); ++b)
    if (intervalBox(b)->isChecked())
      type.intervals[next++] = kIntervalBoxes[static_cast<std::size_t>(b)].semitones;
  if (next > 1) {
    if (editUserName_->text().isEmpty()) editUserName_->setText("NONAME");
    type.name = editUserName_->text().toStdString();
    type.formula = editUserFormula_->text().toStdString();
    chosen_ = type;
  }
  QDialog::accept();
}

}  // namespace strumly::gui
