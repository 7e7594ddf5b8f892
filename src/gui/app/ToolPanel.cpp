#include "gui/app/ToolPanel.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/app/ToolIcons.h"
#include "gui/common/Command.h"
#include "gui/common/CoreText.h"
#include "gui/controls/StartOfText.h"
#include "gui/controls/UpDown.h"
#include "gui/playback/Transport.h"

namespace strumly::gui {
namespace {

QFrame* separator(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setProperty("toolSeparator", true);
  return line;
}

QLabel* caption(const QString& text, QWidget* parent, const QString& name = {}) {
  auto* label = new QLabel(text, parent);
  if (!name.isEmpty()) label->setObjectName(name);
  label->setProperty("toolCaption", true);
  return label;
}

}  // namespace

QToolButton* ToolPanel::makeButton(const QString& name, const QString& hint, const QString& text,
                                   bool toggle) {
  auto* b = new QToolButton(this);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setCheckable(toggle);
  b->setAutoRaise(true);
  // Tab reaches the buttons; a click leaves the focus where it was, so Space after a click is
  // still the window's Play key.
  b->setFocusPolicy(Qt::TabFocus);
  b->setAccessibleName(hint);
  const QIcon icon = toolIcon(name);
  if (icon.isNull()) {
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumWidth(30);
  } else {
    b->setIcon(icon);
    b->setIconSize(QSize(20, 20));
    b->setText(hint);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  }
  b->setFixedHeight(30);
  return b;
}

ToolPanel::ToolPanel(QWidget* parent)
    : QFrame(parent),
      sbStrumSpeed_(new QScrollBar(Qt::Horizontal, this)),
      meditTempoMain_(new QLineEdit(this)),
      UpDownTempo_(new UpDown(this)),
      editChordRoot_(new QLineEdit(this)),
      editChordName_(new QLineEdit(this)),
      btnShowChords_(new QPushButton(tr("Show Chords"), this)),
      imgFootSwitch_(new QLabel(this)),
      lblLSw_(new QLabel(this)),
      lblRSw_(new QLabel(this)) {
  setObjectName("pnlTop");
  setMouseTracking(true);
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(6, 4, 6, 4);
  rows->setSpacing(2);
  auto* top = new QHBoxLayout;
  auto* bottom = secondRow_ = new QHBoxLayout;
  top->setSpacing(1);
  bottom->setSpacing(1);
  rows->addLayout(top);
  rows->addLayout(bottom);

  // First row: documents, transport, play-page editing, tempo and the LED guitar.
  top->addWidget(buttons_.sbtnOpen = makeButton("sbtnOpen", tr("Open"), tr("Open"), false));
  top->addWidget(buttons_.sbtnSave = makeButton("sbtnSave", tr("Save"), tr("Save"), false));
  top->addWidget(buttons_.sbtnErase = makeButton("sbtnErase", tr("Erase Page"), tr("Erase"), false));
  top->addWidget(buttons_.sbtnPrintPage = makeButton("sbtnPrintPage", tr("Print Page"), tr("Print"), false));
  top->addWidget(separator(this));
  top->addWidget(buttons_.sbtnPlay = makeButton("sbtnPlay", tr("Play"), tr("Play"), true));
  top->addWidget(buttons_.sbtnPause = makeButton("sbtnPause", tr("Pause"), tr("Pause"), true));
  top->addWidget(buttons_.sbtnStop = makeButton("sbtnStop", tr("Stop"), tr("Stop"), false));
  top->addWidget(buttons_.sbtnStep = makeButton("sbtnStep", tr("Step Play"), tr("Step"), true));
  top->addWidget(buttons_.sbtnLoop = makeButton("sbtnLoop", tr("Loop Play"), tr("Loop"), true));
  top->addWidget(separator(this));
  top->addWidget(buttons_.sbtnCount = makeButton("sbtnCount", tr("Count Off"), tr("Count"), true));
  top->addWidget(buttons_.sbtnClick = makeButton("sbtnClick", tr("Click"), tr("Click"), true));
  top->addWidget(buttons_.sbtnTime = makeButton("sbtnTime", tr("Time Signature"), "4/4", true));
  top->addWidget(buttons_.sbtnUndo = makeButton("sbtnUndo", tr("Undo Edit"), tr("Undo"), false));
  top->addWidget(separator(this));
  // The four play page buttons are one group: the one down names the page shown.
  auto* playPages = new QButtonGroup(this);
  for (int n = 1; n <= 4; ++n) {
    QToolButton* button =
        makeButton(QString("sbtnPage%1").arg(n), tr("PlayPage %1").arg(n), QString::number(n), true);
    buttons_.sbtnPage[static_cast<std::size_t>(n - 1)] = button;
    playPages->addButton(button);
    top->addWidget(button);
  }
  buttons_.sbtnPage[0]->setChecked(true);
  buttons_.sbtnUndo->setEnabled(false);
  top->addWidget(separator(this));
  top->addWidget(caption(tr("Tempo"), this, "lblTempo"));
  meditTempoMain_->setObjectName("meditTempoMain");
  meditTempoMain_->setToolTip(tr("PlayPage Tempo"));
  meditTempoMain_->setMaxLength(3);
  meditTempoMain_->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), meditTempoMain_));
  meditTempoMain_->setFixedWidth(40);
  meditTempoMain_->setAlignment(Qt::AlignCenter);
  UpDownTempo_->setObjectName("UpDownTempo");
  UpDownTempo_->setToolTip(tr("PlayPage Tempo"));
  UpDownTempo_->setAccessibleName(tr("Tempo up or down"));
  meditTempoMain_->setAccessibleName(tr("Tempo"));
  meditTempoMain_->setAccessibleDescription(tr("The PlayPage tempo in beats a minute"));
  UpDownTempo_->setRange(10, 250);
  top->addWidget(meditTempoMain_);
  top->addWidget(UpDownTempo_);
  meditTempoMain_->setText("100");
  UpDownTempo_->setPosition(100);
  // The LED guitar's controls stand in the first row, which has room for them: in the second
  // they would push "Show Chords" past the edge of a 1024-pixel screen.
  top->addWidget(fretlightSeparator_ = separator(this));
  top->addWidget(buttons_.sbtnRootFlash =
                     makeButton("sbtnRootFlash", tr("Show Fretlight Rootnote"), tr("FL Root"), true));
  top->addWidget(buttons_.sbtnFLAnimate =
                     makeButton("sbtnFLAnimate", tr("Fretlight Play Animation"), tr("FL Anim"), true));
  imgFootSwitch_->setObjectName("imgFootSwitch");
  lblLSw_->setObjectName("lblLSw");
  lblRSw_->setObjectName("lblRSw");
  top->addWidget(lblLSw_);
  top->addWidget(imgFootSwitch_);
  top->addWidget(lblRSw_);
  top->addStretch();

  // Second row: strum speed, fretboard toggles, Show Chords.
  bottom->addWidget(caption(tr("Strum Speed"), this, "lblStrumSpeed"));
  sbStrumSpeed_->setObjectName("sbStrumSpeed");
  sbStrumSpeed_->setRange(-800, 0);
  sbStrumSpeed_->setPageStep(50);
  sbStrumSpeed_->setSingleStep(10);
  sbStrumSpeed_->setValue(-300);
  sbStrumSpeed_->setFixedWidth(130);
  // It parks the keyboard focus so Space and the arrows reach the main window's key handler.
  sbStrumSpeed_->setFocusPolicy(Qt::StrongFocus);
  sbStrumSpeed_->setAccessibleName(tr("Strum Speed"));
  sbStrumSpeed_->setAccessibleDescription(tr("How fast the strings of a chord follow one another"));
  bottom->addWidget(sbStrumSpeed_);
  bottom->addWidget(separator(this));
  bottom->addWidget(buttons_.sbtnBassNote = makeButton("sbtnBassNote", tr("Bass Note"), tr("Bass"), true));
  bottom->addWidget(buttons_.sbtnLeftHanded =
                        makeButton("sbtnLeftHanded", tr("Left Handed"), tr("Lefty"), true));
  bottom->addWidget(buttons_.sbtnFlip = makeButton("sbtnFlip", tr("Flip"), tr("Flip"), true));
  bottom->addWidget(buttons_.sbShowArp = makeButton("sbShowArp", tr("Show Arpeggio"), tr("Arp"), true));
  bottom->addWidget(buttons_.sbtnShowFullScale =
                        makeButton("sbtnShowFullScale", tr("Display Full Fretboard"), tr("Full"), true));
  bottom->addWidget(buttons_.sbtnRootPlay =
                        makeButton("sbtnRootPlay", tr("Play Scale From Root"), tr("Root"), true));
  bottom->addStretch();
  bottom->addWidget(caption(tr("Root"), this, "lblChordRoot"));
  editChordRoot_->setObjectName("editChordRoot");
  editChordRoot_->setReadOnly(true);
  editChordRoot_->setAccessibleName(tr("Root"));
  editChordRoot_->setFixedWidth(44);
  bottom->addWidget(editChordRoot_);
  bottom->addSpacing(6);
  bottom->addWidget(caption(tr("Chord Name"), this, "lblChordName"));
  editChordName_->setObjectName("editChordName");
  editChordName_->setReadOnly(true);
  editChordName_->setAccessibleName(tr("Chord Name"));
  editChordName_->setFixedWidth(120);
  showStartOfText(editChordName_);
  bottom->addWidget(editChordName_);
  bottom->addSpacing(6);
  btnShowChords_->setObjectName("btnShowChords");
  btnShowChords_->setDefault(false);
  btnShowChords_->setAutoDefault(false);
  bottom->addWidget(btnShowChords_);

  // Tab runs along the first row, then the second, as the panel reads; the edits and bars were
  // made before the buttons and would otherwise come first.
  const Buttons& b = buttons_;
  const std::initializer_list<QWidget*> order{
      b.sbtnOpen,    b.sbtnSave,      b.sbtnErase,         b.sbtnPrintPage, b.sbtnPlay,     b.sbtnPause,
      b.sbtnStop,    b.sbtnStep,      b.sbtnLoop,          b.sbtnCount,     b.sbtnClick,    b.sbtnTime,
      b.sbtnUndo,    b.sbtnPage[0],   b.sbtnPage[1],       b.sbtnPage[2],   b.sbtnPage[3],  meditTempoMain_,
      UpDownTempo_,  b.sbtnRootFlash, b.sbtnFLAnimate,     sbStrumSpeed_,   b.sbtnBassNote, b.sbtnLeftHanded,
      b.sbtnFlip,    b.sbShowArp,     b.sbtnShowFullScale, b.sbtnRootPlay,  editChordRoot_, editChordName_,
      btnShowChords_};
  for (auto it = order.begin(); it + 1 != order.end(); ++it) setTabOrder(*it, *(it + 1));
}

void ToolPanel::declareCommands(CommandTable& commands) {
  const Buttons& b = buttons_;
  // Pause and Stop act on what plays; every other button waits while playing or busy.
  const std::initializer_list<std::pair<QToolButton*, bool>> buttons{
      {b.sbtnOpen, true}, {b.sbtnSave, true},   {b.sbtnErase, true},         {b.sbtnPrintPage, true},
      {b.sbtnPlay, true}, {b.sbtnPause, false}, {b.sbtnStop, false},         {b.sbtnStep, true},
      {b.sbtnLoop, true}, {b.sbtnUndo, true},   {b.sbtnShowFullScale, true}, {b.sbtnRootFlash, true}};
  for (const auto& [button, refused] : buttons) {
    Command command;
    command.id = button->objectName();
    command.caption = button->toolTip();
    command.refusedWhileBusy = refused;
    commands.add(std::move(command));
    commands.bind(button, button->objectName());
  }
  Command footSwitch;
  footSwitch.id = "imgFootSwitch";
  footSwitch.caption = tr("Foot Switches");
  commands.add(std::move(footSwitch));
}

void ToolPanel::bindTransport(Transport& transport, CommandTable& commands) {
  transport_ = &transport;
  Transport* t = &transport;
  commands.setHandler("sbtnPlay", [t] { t->sbtnPlayClick(); });
  commands.setHandler("sbtnPause", [t] { t->sbtnPauseClick(); });
  commands.setHandler("sbtnStop", [t] { t->sbtnStopClick(); });
  commands.setHandler("sbtnStep", [t] { t->sbtnStepClick(); });
  commands.setHandler("sbtnLoop", [t] { t->sbtnLoopClick(); });
  connect(buttons_.sbtnCount, &QAbstractButton::toggled, t, &Transport::setCountOff);
  connect(buttons_.sbtnClick, &QAbstractButton::toggled, t, &Transport::setClick);
  t->setCountOff(buttons_.sbtnCount->isChecked());
  t->setClick(buttons_.sbtnClick->isChecked());
  connect(t, &Transport::buttonsChanged, this, &ToolPanel::showTransport);
  connect(t, &Transport::stateChanged, this, &ToolPanel::showTransport);
  connect(t, &Transport::loopChanged, this, &ToolPanel::showTransport);
  connect(t, &Transport::tempoShown, this, [this](int bpm) {
    meditTempoMain_->setText(QString::number(bpm));
    UpDownTempo_->setPosition(bpm);
  });
  meditTempoMain_->installEventFilter(this);
  // Stepping only shows the new value; the release takes it over.
  connect(UpDownTempo_, &UpDown::clicked, this,
          [this](int position) { meditTempoMain_->setText(QString::number(position)); });
  connect(UpDownTempo_, &UpDown::mouseReleased, this, &ToolPanel::UpDownTempoMouseUp);
  const int bpm = Transport::beatsPerMinute(t->tempoMicros());
  meditTempoMain_->setText(QString::number(bpm));
  UpDownTempo_->setPosition(bpm);
  showTransport();
}

void ToolPanel::showTransport() {
  if (!transport_) return;
  const auto show = [](QAbstractButton* button, bool down) {
    if (button->isChecked() == down) return;
    const QSignalBlocker quiet(button);
    button->setChecked(down);
  };
  show(buttons_.sbtnPlay, transport_->playing());
  show(buttons_.sbtnPause, transport_->paused());
  show(buttons_.sbtnStop, false);
  show(buttons_.sbtnStep, transport_->stepMode());
  show(buttons_.sbtnLoop, transport_->loop());
  // The tempo is set only while nothing plays.
  const bool idle = !transport_->playing() && !transport_->paused();
  meditTempoMain_->setEnabled(idle);
  UpDownTempo_->setEnabled(idle);
}

void ToolPanel::meditTempoMainExit() {
  const int bpm = Transport::clampedTempoText(meditTempoMain_->text());
  meditTempoMain_->setText(QString::number(bpm));
  UpDownTempo_->setPosition(bpm);
  if (transport_) transport_->tempoTyped(bpm);
}

void ToolPanel::UpDownTempoMouseUp() {
  const int bpm = UpDownTempo_->position();
  meditTempoMain_->setText(QString::number(bpm));
  if (transport_) transport_->tempoTyped(bpm);
}

bool ToolPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != meditTempoMain_) return QFrame::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      // Queued: a mouse press that gave the focus would otherwise undo the selection.
      QTimer::singleShot(0, meditTempoMain_, [edit = meditTempoMain_] { edit->selectAll(); });
      break;
    case QEvent::FocusOut:
      meditTempoMainExit();
      break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        sbStrumSpeed_->setFocus();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QFrame::eventFilter(watched, event);
}

void ToolPanel::addListenButton(QWidget* button) {
  secondRow_->insertWidget(secondRow_->indexOf(buttons_.sbtnRootPlay) + 1, button);
  // Tab follows the row here too: right after Root Play, before what came after it.
  setTabOrder(buttons_.sbtnRootPlay, button);
}

void ToolPanel::setFretlightVisible(bool visible) {
  for (QWidget* w : std::initializer_list<QWidget*>{imgFootSwitch_, lblLSw_, lblRSw_, buttons_.sbtnFLAnimate,
                                                    buttons_.sbtnRootFlash, fretlightSeparator_})
    w->setVisible(visible);
}

void ToolPanel::applySettings(const AppSettings& settings) {
  sbStrumSpeed_->setValue(settings.strumSpeed);
  buttons_.sbtnBassNote->setChecked(settings.bassNote);
  buttons_.sbtnLeftHanded->setChecked(settings.leftHanded);
  buttons_.sbtnShowFullScale->setChecked(settings.showFullScale);
  buttons_.sbtnFLAnimate->setChecked(settings.fretlight.animate);
  buttons_.sbtnRootFlash->setChecked(settings.fretlight.showFlash);
  lblRSw_->setText(coreText(switchActionCaption(settings.fretlight.switch1)));
  lblLSw_->setText(coreText(switchActionCaption(settings.fretlight.switch2)));
}

void ToolPanel::collectSettings(AppSettings& settings) const {
  settings.strumSpeed = sbStrumSpeed_->value();
  settings.bassNote = buttons_.sbtnBassNote->isChecked();
  settings.leftHanded = buttons_.sbtnLeftHanded->isChecked();
  settings.showFullScale = buttons_.sbtnShowFullScale->isChecked();
  settings.fretlight.animate = buttons_.sbtnFLAnimate->isChecked();
  settings.fretlight.showFlash = buttons_.sbtnRootFlash->isChecked();
}

void ToolPanel::mouseMoveEvent(QMouseEvent* event) {
  Q_EMIT mouseMoved();
  QFrame::mouseMoveEvent(event);
}

}  // namespace strumly::gui
