#include "gui/app/BottomPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QVBoxLayout>

#include "gui/common/NoteSpelling.h"
#include "gui/controls/StartOfText.h"
#include "gui/controls/TuningControls.h"

namespace strumly::gui {
namespace {

// Holds the fretboard's place until the fretboard view is put in.
class FretboardPlaceholder : public QWidget {
 public:
  explicit FretboardPlaceholder(QWidget* parent) : QWidget(parent) {
    setObjectName("imgGuitar");
    setFixedSize(BottomPanel::kFretboardWidth, BottomPanel::kFretboardHeight);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(92, 60, 34));
    const double fretGap = width() / 22.5;
    p.setPen(QPen(QColor(225, 225, 215), 4));
    p.drawLine(QPointF(fretGap * 0.5, 8), QPointF(fretGap * 0.5, height() - 8));
    p.setPen(QPen(QColor(190, 190, 185), 2));
    for (int f = 1; f <= 22; ++f)
      p.drawLine(QPointF(fretGap * (f + 0.5), 8), QPointF(fretGap * (f + 0.5), height() - 8));
    p.setBrush(QColor(230, 225, 210));
    p.setPen(Qt::NoPen);
    for (int f : {3, 5, 7, 9, 15, 17, 19, 21}) p.drawEllipse(QPointF(fretGap * f, height() / 2.0), 5, 5);
    p.drawEllipse(QPointF(fretGap * 12, height() / 2.0 - 22), 5, 5);
    p.drawEllipse(QPointF(fretGap * 12, height() / 2.0 + 22), 5, 5);
    for (int s = 0; s < 6; ++s) {
      p.setPen(QPen(QColor(210, 205, 195), 1.0 + s * 0.4));
      const double y = 14 + s * (height() - 28) / 5.0;
      p.drawLine(QPointF(0, y), QPointF(width(), y));
    }
  }
};

QLineEdit* readOnlyEdit(QWidget* parent, const QString& name, int width) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::NoFocus);
  e->setFixedWidth(width);
  e->setAlignment(Qt::AlignCenter);
  e->setProperty("readout", true);
  return e;
}

QLabel* panelLabel(QWidget* parent, const QString& name, int width) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setFixedSize(width, 22);
  l->setAlignment(Qt::AlignCenter);
  l->setFrameShape(QFrame::StyledPanel);
  l->setProperty("readout", true);
  return l;
}

}  // namespace

BottomPanel::BottomPanel(NoteSpelling& spelling, QWidget* parent)
    : QFrame(parent),
      spelling_(spelling),
      tuning_(new TuningControls(spelling, this)),
      fretboard_(new FretboardPlaceholder(this)),
      pnlNote_(panelLabel(this, "pnlNote", 44)),
      pnlInterval_(panelLabel(this, "pnlInterval", 80)),
      editChordNameUser_(new QLineEdit(this)),
      editNotes_(readOnlyEdit(this, "editNotes", 150)) {
  setObjectName("pnlBottom");
  setMouseTracking(true);
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  outer->setSpacing(4);
  outer->addWidget(tuning_);
  auto* column = column_ = new QVBoxLayout;
  column->setSpacing(4);
  outer->addLayout(column);
  outer->addStretch();
  column->addWidget(fretboard_);

  auto* readOuts = new QHBoxLayout;
  auto* chordRow = new QHBoxLayout;
  for (auto* row : {readOuts, chordRow}) {
    row->setSpacing(4);
    column->addLayout(row);
  }
  QHBoxLayout* row = readOuts;
  auto addCaption = [this, &row](const QString& text) {
    auto* l = new QLabel(text, this);
    l->setProperty("toolCaption", true);
    row->addWidget(l);
    return l;
  };
  // The tuning name stands in the read-out row so the strings column stays narrow beside the neck.
  readOuts->addWidget(tuning_->tuningNameLabel());
  readOuts->addWidget(tuning_->tuningNameEdit());
  readOuts->addSpacing(8);
  addCaption(tr("Note"));
  readOuts->addWidget(pnlNote_);
  addCaption(tr("Interval"));
  readOuts->addWidget(pnlInterval_);
  readOuts->addSpacing(8);
  addCaption(tr("Chord Name:"))->setObjectName("Label2");
  editChordNameUser_->setObjectName("editChordNameUser");
  editChordNameUser_->setMaxLength(25);
  editChordNameUser_->setAccessibleName(tr("Chord Name"));
  editChordNameUser_->setAccessibleDescription(tr("A name of your own for the chord on the fretboard"));
  editChordNameUser_->setFixedWidth(130);
  showStartOfText(editChordNameUser_);
  readOuts->addWidget(editChordNameUser_);
  readOuts->addStretch();
  row = chordRow;
  addCaption(tr("Notes"));
  chordRow->addWidget(editNotes_);
  addCaption(tr("Intervals"));
  // The chord's notes and intervals are coloured by what they show (blue for an interval
  // display, the slot colours behind the labels), so the style leaves their colours alone.
  editNotes_->setProperty("readout", false);
  for (int n = 0; n < 8; ++n) {
    QLabel* l = panelLabel(this, QString("editIntervals%1").arg(n), 38);
    l->setProperty("readout", false);
    l->setAutoFillBackground(true);
    QPalette palette = l->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(palette);
    l->setProperty("tag", 0);
    editIntervals_[static_cast<std::size_t>(n)] = l;
    chordRow->addWidget(l);
    // The last label is always empty and takes no clicks.
    if (n < 7) l->installEventFilter(this);
  }
  chordRow->addStretch();
}

void BottomPanel::setFretboard(QWidget* fretboard) {
  fretboard->setParent(this);
  if (auto* item = layout()->replaceWidget(fretboard_, fretboard, Qt::FindChildrenRecursively)) delete item;
  delete fretboard_;
  fretboard_ = fretboard;
}

void BottomPanel::addUnderFretboard(QWidget* line) {
  column_->insertWidget(column_->indexOf(fretboard_) + 1, line);
}

void BottomPanel::clearPointerReadOuts() {
  pnlNote_->clear();
  pnlInterval_->clear();
}

void BottomPanel::resetIntervalColours() {
  for (QLabel* label : editIntervals_) {
    if (!label) continue;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
  }
}

bool BottomPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (auto* label = qobject_cast<QLabel*>(watched)) {
      Q_EMIT intervalClicked(label->property("tag").toInt());
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

void BottomPanel::mouseMoveEvent(QMouseEvent* event) {
  clearPointerReadOuts();
  Q_EMIT mouseMoved();
  QFrame::mouseMoveEvent(event);
}

}  // namespace strumly::gui
