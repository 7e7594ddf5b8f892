#include "gui/intervals/TfrmIntCalc.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "core/chords/ChordMenuTable.h"
#include "core/midi/MidiEvent.h"
#include "gui/common/DialogService.h"
#include "gui/controls/UpDown.h"
#include "gui/playback/DirectMidiOut.h"

namespace strumly::gui {
namespace {

constexpr int kBoxLeft = 14;
constexpr int kBoxPitch = 40;
constexpr int kBoxTop = 74;
constexpr std::array<const char*, 12> kIntervalNames{
    QT_TRANSLATE_NOOP("strumly::gui::TfrmIntCalc", "Root (1)"),
    "b2",
    "2",
    "b3",
    "3",
    "4",
    "b5",
    "5",
    "#5",
    "6",
    "b7",
    "7"};
// Compound names stand under the boxes of b2, 2, b3, 4, b5, b6 and 6.
constexpr std::array<const char*, 12> kCompoundNames{"",    "b9", "9",   "#9", "", "11",
                                                     "#11", "",   "b13", "13", "", ""};
constexpr int kProgramChange = 0xC0;
constexpr int kNoteOn = 0x90;
constexpr int kLongestNote = 1100;  // minus the speed bar's position

QLabel* nameLabel(QWidget* parent, const char* text, int box, int y) {
  // Only "Root" has words; the interval names read the same in every language.
  auto* label = new QLabel(QCoreApplication::translate("strumly::gui::TfrmIntCalc", text), parent);
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(kBoxLeft + kBoxPitch * box - 8, y, 49, 14);
  return label;
}

}  // namespace

TfrmIntCalc::TfrmIntCalc(DirectMidiOut* midi, const MidiSettings& settings,
                         const std::filesystem::path& dataFolder, DialogService& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      midi_(midi),
      settings_(settings),
      dialogs_(dialogs),
      tables_(dataFolder),
      upDown1_(new UpDown(this)),
      sbtnFlatSharp_(new QToolButton(this)),
      sbtnPlay_(new QToolButton(this)),
      sbtnChordScale_(new QToolButton(this)),
      cbScales_(new QComboBox(this)),
      trkbarIntCalc_(new QSlider(Qt::Horizontal, this)),
      timer1_(new QTimer(this)) {
  setObjectName("frmIntCalc");
  setWindowTitle(tr("Strumly! Music Interval Calculator"));
  setFixedSize(2 * kBoxLeft + 11 * kBoxPitch + 33, 200);

  auto* top = new QFrame(this);
  top->setObjectName("pnlTop");
  top->setFrameStyle(QFrame::Panel | QFrame::Raised);
  top->setGeometry(0, 0, width(), 38);
  top->lower();
  // The top row sits on the panel, so it looks like the main window's tool panel.
  for (QWidget* w :
       std::initializer_list<QWidget*>{sbtnFlatSharp_, sbtnPlay_, sbtnChordScale_, cbScales_, upDown1_})
    w->setParent(top);
  const auto speedButton = [](QToolButton* b, const char* name, const QString& hint, int x, int w) {
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(x, 7, w, 24);
  };
  speedButton(sbtnFlatSharp_, "sbtnFlatSharp", tr("Flats or Sharps"), 6, 44);
  sbtnFlatSharp_->setText("b / #");
  speedButton(sbtnPlay_, "sbtnPlay", tr("Play"), 52, 30);
  sbtnPlay_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  speedButton(sbtnChordScale_, "sbtnChordScale", tr("Scales or Chords"), 84, 58);
  sbtnChordScale_->setText(tr("Scales"));
  cbScales_->setObjectName("cbScales");
  cbScales_->setGeometry(148, 7, 196, 24);
  cbScales_->setMaxVisibleItems(20);
  auto* rootLabel = new QLabel(tr("Root"), top);
  rootLabel->setGeometry(356, 11, 30, 16);
  upDown1_->setObjectName("UpDown1");
  upDown1_->setToolTip(tr("Change Root"));
  upDown1_->setRange(0, 11);
  upDown1_->setWrap(true);
  upDown1_->setPosition(0);
  upDown1_->setGeometry(388, 7, 20, 24);

  buildBoxes();

  auto* speed = new QLabel(tr("Speed"), this);
  speed->setObjectName("lblSpeed");
  speed->setGeometry(kBoxLeft, 132, 40, 16);
  trkbarIntCalc_->setObjectName("trkbarIntCalc");
  trkbarIntCalc_->setRange(300, 800);
  trkbarIntCalc_->setValue(500);
  trkbarIntCalc_->setTickPosition(QSlider::TicksBelow);
  trkbarIntCalc_->setTickInterval(50);
  trkbarIntCalc_->setPageStep(50);
  trkbarIntCalc_->setGeometry(kBoxLeft + 44, 126, 240, 30);

  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName("Button1");
  close->setGeometry(width() - 170, 164, 75, 25);
  close->setDefault(true);
  auto* help = new QPushButton(tr("Help"), this);
  help->setObjectName("btnHelp");
  help->setGeometry(width() - 88, 164, 75, 25);

  timer1_->setObjectName("Timer1");
  timer1_->setSingleShot(true);

  fillList();
  renameBoxes();
  connect(upDown1_, &UpDown::clicked, this, &TfrmIntCalc::UpDown1Click);
  // Stepping with the keys or the wheel reports no click of the mouse: the names follow the
  // release as well, so no box is left showing the old root.
  connect(upDown1_, &UpDown::mouseReleased, this, &TfrmIntCalc::UpDown1Click);
  connect(sbtnFlatSharp_, &QToolButton::clicked, this, &TfrmIntCalc::sbtnFlatSharpClick);
  connect(sbtnChordScale_, &QToolButton::clicked, this, &TfrmIntCalc::sbtnChordScaleClick);
  connect(sbtnPlay_, &QToolButton::clicked, this, &TfrmIntCalc::sbtnPlayClick);
  connect(timer1_, &QTimer::timeout, this, &TfrmIntCalc::Timer1Timer);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] { dialogs_.help(this, kHelpContext); });
}

TfrmIntCalc::~TfrmIntCalc() {
  if (midi_ && handle_ != 0) midi_->midiOutClose(handle_);
}

void TfrmIntCalc::buildBoxes() {
  for (int k = 0; k < 12; ++k) {
    nameLabel(this, kIntervalNames[static_cast<std::size_t>(k)], k, kBoxTop - 18);
    if (*kCompoundNames[static_cast<std::size_t>(k)] != '\0')
      nameLabel(this, kCompoundNames[static_cast<std::size_t>(k)], k, kBoxTop + 20);
    auto* box = new QLabel(this);
    box->setObjectName(QString("lbl%1").arg(k));
    box->setAlignment(Qt::AlignCenter);
    box->setGeometry(kBoxLeft + kBoxPitch * k, kBoxTop, 33, 16);
    boxes_[static_cast<std::size_t>(k)] = box;
    light(k, false);
  }
}

void TfrmIntCalc::fillList() {
  // The dictionaries and the main window's menus list their entries in file order, so the list
  // index is the record number.
  const bool chords = sbtnChordScale_->isChecked();
  cbScales_->clear();
  const auto add = [this](ChoiceMenu menu) {
    for (std::string_view caption : menuEntryCaptions(menu))
      cbScales_->addItem(QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
  };
  if (chords) {
    add(ChoiceMenu::Major);
    add(ChoiceMenu::Minor);
    add(ChoiceMenu::Dominant);
  } else {
    add(ChoiceMenu::Scale);
  }
  sbtnChordScale_->setToolTip(chords ? tr("Chords") : tr("Scales"));
  sbtnChordScale_->setText(chords ? tr("Chords") : tr("Scales"));
  cbScales_->setCurrentIndex(0);
}

int TfrmIntCalc::root() const {
  return upDown1_->position();
}

QString TfrmIntCalc::boxText(int box) const {
  return boxes_.at(static_cast<std::size_t>(box))->text();
}

int TfrmIntCalc::noteLength() const {
  return kLongestNote - trkbarIntCalc_->value();
}

void TfrmIntCalc::renameBoxes() {
  for (int k = 0; k < 12; ++k) {
    const std::string_view name = names_.name((k + root()) % 12);
    boxes_[static_cast<std::size_t>(k)]->setText(
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  }
}

void TfrmIntCalc::light(int box, bool on) {
  lit_[static_cast<std::size_t>(box)] = on;
  boxes_[static_cast<std::size_t>(box)]->setStyleSheet(
      on ? "background: #e02020; color: white; border: 1px solid #808080;"
         : "background: white; color: black; border: 1px solid #808080;");
}

void TfrmIntCalc::UpDown1Click() {
  renameBoxes();
}

void TfrmIntCalc::sbtnFlatSharpClick() {
  names_.spelling = sbtnFlatSharp_->isChecked() ? Spelling::Sharps : Spelling::Flats;
  renameBoxes();
}

void TfrmIntCalc::sbtnChordScaleClick() {
  if (playing()) {
    sbtnChordScale_->setChecked(!sbtnChordScale_->isChecked());
    return;
  }
  chordMode_ = sbtnChordScale_->isChecked();
  fillList();
}

void TfrmIntCalc::showEvent(QShowEvent* event) {
  if (midi_ && handle_ == 0 && midi_->outputCount() > 0)
    handle_ = midi_->midiOutOpen(static_cast<std::uint32_t>(settings_.outDevice));
  QDialog::showEvent(event);
}

void TfrmIntCalc::hideEvent(QHideEvent* event) {
  // Closing ends the playing: no note is left hanging on the device or lit on the next showing.
  if (playing()) {
    timer1_->stop();
    releaseAll();
    finish();
  }
  if (midi_ && handle_ != 0) midi_->midiOutClose(handle_);
  handle_ = 0;
  QDialog::hideEvent(event);
}

void TfrmIntCalc::send(int status, int data1, int data2) {
  if (!midi_ || handle_ == 0) return;
  midi_->midiOutShortMsg(
      handle_, strumly::ShortMessage{static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(data1),
                                     static_cast<std::uint8_t>(data2)}
                   .pack());
}

void TfrmIntCalc::sbtnPlayClick() {
  // Playing cannot be interrupted from this button: a click that released it presses it again.
  if (!sbtnPlay_->isChecked()) {
    sbtnPlay_->setChecked(true);
    return;
  }
  const int entry = cbScales_->currentIndex();
  chordMode_ = sbtnChordScale_->isChecked();
  if (entry >= 0) {
    if (chordMode_) {
      const auto& intervals = tables_.chord(entry);
      notes_ = playedIntervals(intervals.data(), intervals.size());
    } else {
      const auto& intervals = tables_.scale(entry);
      notes_ = playedIntervals(intervals.data(), intervals.size());
    }
  }
  if (notes_.empty()) {
    finish();
    return;
  }
  upDown1_->setEnabled(false);
  send(kProgramChange, settings_.guitarPatch, 0);
  timer1_->setInterval(noteLength());
  next_ = 0;
  holding_ = false;
  startNote();
}

void TfrmIntCalc::startNote() {
  const int interval = notes_[next_];
  const int note = calculatorNote(root(), interval);
  send(kNoteOn, note, settings_.guitarVolume);
  sounding_.push_back({note, interval % 12});
  light(interval % 12, true);
  timer1_->start();
}

void TfrmIntCalc::Timer1Timer() {
  timer1_->stop();
  if (!playing()) return;
  if (holding_) {
    releaseAll();
    finish();
    return;
  }
  if (!chordMode_) releaseAll();
  if (++next_ < notes_.size()) {
    startNote();
  } else if (chordMode_) {
    // The chord sounds together for one more note length before it stops.
    holding_ = true;
    timer1_->start();
  } else {
    finish();
  }
}

void TfrmIntCalc::releaseAll() {
  for (const Sounding& s : sounding_) {
    send(kNoteOn, s.note, 0);
    light(s.box, false);
  }
  sounding_.clear();
}

void TfrmIntCalc::finish() {
  notes_.clear();
  sounding_.clear();
  holding_ = false;
  sbtnPlay_->setChecked(false);
  upDown1_->setEnabled(true);
}

}  // namespace strumly::gui
