#include "gui/tab/TabControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "core/tab/TabFile.h"

namespace strumly::gui {

namespace {

QPushButton* button(const QString& name, const QString& caption, bool enabled) {
  auto* b = new QPushButton(caption);
  b->setObjectName(name);
  b->setEnabled(enabled);
  // Tab reaches it; a click leaves the focus where the window keys find it.
  b->setFocusPolicy(Qt::TabFocus);
  return b;
}

QCheckBox* checkBox(const QString& name, const QString& caption, bool checked, bool enabled) {
  auto* c = new QCheckBox(caption);
  c->setObjectName(name);
  c->setChecked(checked);
  c->setEnabled(enabled);
  c->setFocusPolicy(Qt::TabFocus);
  return c;
}

QSlider* slider(const QString& name, int low, int high, int position) {
  auto* s = new QSlider(Qt::Horizontal);
  s->setObjectName(name);
  s->setRange(low, high);
  s->setValue(position);
  s->setFixedWidth(110);
  return s;
}

}  // namespace

QString TabControls::sliceTimeCaption(int value) {
  return tr("Time of each - : %1").arg(value);
}

TabControls::TabControls(QWidget* parent)
    : QFrame(parent),
      btnCheckTabEdits(button("btnCheckTabEdits", tr("Check Tab Edits"), false)),
      btnConvertTab(button("btnConvertTab", tr("Convert Tab"), false)),
      btnViewRawConTab(button("btnViewRawConTab", tr("View Converted Tab"), true)),
      cbUserTabPlay1stChar(checkBox("cbUserTabPlay1stChar", tr("Play on First Digit"), false, true)),
      cbUserTabTimeAdjust(checkBox("cbUserTabTimeAdjust", tr("Double Digit Tempo Adjust"), true, true)),
      cbAutoTune(checkBox("cbAutoTune", tr("Auto Tune"), true, false)),
      trkbarTabSustain(slider("trkbarTabSustain", kMinTabSustain, kMaxTabSustain, kDefaultTabSustain)),
      trkbarSliceTime(slider("trkbarSliceTime", kMinSliceTime, kMaxSliceTime, kDefaultSliceTime)),
      lblSliceTime(new QLabel(sliceTimeCaption(kDefaultSliceTime))),
      grpWriteTab(new QGroupBox(" " + tr("Write Tab") + " ")),
      cbEditTab(checkBox("cbEditTab", tr("Edit Cursor"), false, true)),
      btnStripTab(button("btnStripTab", tr("Strip Tab"), true)),
      btnInsertTab(button("btnInsertTab", tr("Insert Tab"), true)) {
  setObjectName("pnlTablature");
  setFrameShape(QFrame::StyledPanel);
  lblSliceTime->setObjectName("lblSliceTime");
  grpWriteTab->setObjectName("grpWriteTab");

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(btnCheckTabEdits);
  buttons->addWidget(btnConvertTab);
  buttons->addWidget(btnViewRawConTab);

  auto* boxes = new QVBoxLayout;
  boxes->addWidget(cbUserTabPlay1stChar);
  boxes->addWidget(cbUserTabTimeAdjust);
  boxes->addWidget(cbAutoTune);

  auto* sliders = new QVBoxLayout;
  auto* sustainLabel = new QLabel(tr("Note Sustain"));
  sustainLabel->setObjectName("lblTabSustain");
  sliders->addWidget(sustainLabel);
  sliders->addWidget(trkbarTabSustain);
  sliders->addWidget(lblSliceTime);
  sliders->addWidget(trkbarSliceTime);

  auto* write = new QVBoxLayout(grpWriteTab);
  write->addWidget(cbEditTab);
  auto* writeButtons = new QHBoxLayout;
  writeButtons->addWidget(btnStripTab);
  writeButtons->addWidget(btnInsertTab);
  write->addLayout(writeButtons);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 4, 6, 4);
  row->addLayout(buttons);
  row->addSpacing(12);
  row->addLayout(boxes);
  row->addSpacing(12);
  row->addLayout(sliders);
  row->addSpacing(12);
  row->addWidget(grpWriteTab);
  row->addStretch(1);
}

}  // namespace strumly::gui
