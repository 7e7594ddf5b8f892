#include "gui/playpage/TdlgRepeat.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <utility>

#include "core/playpage/RepeatEdit.h"
#include "gui/common/Resources.h"

namespace strumly::gui {
namespace {

// A click anywhere in the count selects the whole of it, so the next digits replace it.
class CountEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    QLineEdit::mousePressEvent(event);
    selectAll();
  }
  void mouseMoveEvent(QMouseEvent*) override {}  // a drag would undo the selection
};

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& text, int x, int y) {
  auto* c = new QCheckBox(text, parent);
  c->setObjectName(name);
  c->move(x, y);
  c->adjustSize();
  return c;
}

}  // namespace

TdlgRepeat::TdlgRepeat(QWidget* parent)
    : SmallDialog(tr("Repeat Markers"), parent),
      lblNum_(nullptr),
      cbReturn_(nullptr),
      cbRepeat_(nullptr),
      editRepeat_(new CountEdit(this)),
      cbLoop_(nullptr) {
  QLabel* caption = addLabel("Label1", tr("Choose Repeat Markers For Measure"), 32, 20);
  lblNum_ = addLabel("lblNum", "", caption->geometry().right() + 6, 20);
  lblNum_->setMinimumWidth(24);

  // The pictures above the two boxes are their captions.
  cbReturn_ = checkBox(this, "cbReturn", "", 48, 80);
  cbReturn_->setToolTip(tr("Start of a repeated section"));
  cbRepeat_ = checkBox(this, "cbRepeat", "", 136, 80);
  cbRepeat_->setToolTip(tr("End of a repeated section"));
  connect(cbRepeat_, &QCheckBox::clicked, this, [this](bool checked) {
    if (checked) editRepeat_->setFocus();
  });

  addLabel("Label2", tr("How Many Repeats?"), 176, 48);
  editRepeat_->setObjectName("editRepeat");
  editRepeat_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), editRepeat_));
  editRepeat_->setMaxLength(3);
  editRepeat_->setAlignment(Qt::AlignCenter);
  editRepeat_->setGeometry(184, 76, 41, 21);
  addLabel("Label3", tr("(1 - 255)"), 232, 80);

  addLabel("Label4", tr("Check to loop from this measure"), 32, 132);
  cbLoop_ = checkBox(this, "cbLoop", tr("Loop"), 232, 130);
}

void TdlgRepeat::setMeasure(int measure1Based, RepeatMarkers& working, TimeSignature signature) {
  working_ = &working;
  signature_ = signature;
  measure_ = std::clamp(measure1Based, 1, measureCount(signature)) - 1;
  lblNum_->setText(QString::number(measure_ + 1));
  lblNum_->adjustSize();

  const RepeatChoice shown = repeatChoiceAt(working, measure_);
  cbReturn_->setChecked(shown.returnHere);
  cbRepeat_->setChecked(shown.repeatHere);
  editRepeat_->setText(QString::fromStdString(shown.countText));
  cbLoop_->setChecked(shown.loopHere);
  loopWasHere_ = shown.loopHere;
}

void TdlgRepeat::accept() {
  if (working_) {
    const RepeatChoice choice{cbReturn_->isChecked(), cbRepeat_->isChecked(),
                              editRepeat_->text().toStdString(), cbLoop_->isChecked()};
    applyRepeatChoice(*working_, measure_, signature_, choice, loopWasHere_);
    // What the dialog now shows is what the markers hold.
    setMeasure(measure_ + 1, *working_, signature_);
  }
  QDialog::accept();
}

void TdlgRepeat::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter p(this);
  // The @2x pictures on a HiDPI screen, at the same logical places and sizes.
  const qreal ratio = devicePixelRatioF();
  for (const auto& [name, at] : {std::pair{"RETURN", QPoint(50, 45)}, std::pair{"REPEAT", QPoint(138, 45)}}) {
    const QImage art = picture(QString::fromLatin1(name), ratio);
    p.drawImage(QRectF(at, art.deviceIndependentSize()), art);
  }
}

}  // namespace strumly::gui
