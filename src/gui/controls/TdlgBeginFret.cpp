#include "gui/controls/TdlgBeginFret.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace strumly::gui {
namespace {

constexpr int kLowestFret = 1;
constexpr int kHighestFret = 20;

}  // namespace

TdlgBeginFret::TdlgBeginFret(QWidget* parent)
    : SmallDialog(tr("Change Beginning Fret"), parent),
      label1_(addLabel("Label1", tr("Enter a number between 1 and 20"), 64, 40)),
      meditBeginFret_(new QLineEdit(this)) {
  // Two digits at most; the range is checked on OK so that the user sees why it was refused.
  meditBeginFret_->setObjectName("meditBeginFret");
  meditBeginFret_->setValidator(
      new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), meditBeginFret_));
  meditBeginFret_->setMaxLength(2);
  meditBeginFret_->setAlignment(Qt::AlignCenter);
  meditBeginFret_->setGeometry(140, 88, 33, 21);
}

void TdlgBeginFret::setBeginFret(int fret) {
  meditBeginFret_->setText(QString::number(fret));
}

void TdlgBeginFret::setPromptColour(const QColor& colour) {
  QPalette palette = label1_->palette();
  palette.setColor(QPalette::WindowText, colour);
  label1_->setPalette(palette);
}

void TdlgBeginFret::showEvent(QShowEvent* event) {
  chosen_.reset();
  setPromptColour(Qt::black);
  meditBeginFret_->setFocus();
  meditBeginFret_->selectAll();
  SmallDialog::showEvent(event);
}

void TdlgBeginFret::accept() {
  const QString text = meditBeginFret_->text().trimmed();
  chosen_.reset();
  if (!text.isEmpty()) {
    const int fret = text.toInt();
    if (fret < kLowestFret || fret > kHighestFret) {
      setPromptColour(Qt::red);
      meditBeginFret_->setFocus();
      meditBeginFret_->selectAll();
      return;
    }
    chosen_ = fret;
  }
  QDialog::accept();
}

}  // namespace strumly::gui
