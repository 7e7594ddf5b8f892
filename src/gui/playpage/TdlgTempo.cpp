#include "gui/playpage/TdlgTempo.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "core/midi/MidiEvent.h"

namespace strumly::gui {
TdlgTempo::TdlgTempo(std::uint32_t tempoMicros, QWidget* parent)
    : SmallDialog(tr("Change PlayPage Tempo"), parent),
      tempoMicros_(tempoMicros),
      meditTempo_(new QLineEdit(this)),
      scrollTempo_(new QScrollBar(Qt::Horizontal, this)) {
  addLabel("Label1", tr("Enter a tempo between 10 and 250"), 52, 32);

  // Digits only, three at most: the value is brought into range on OK, not while typing.
  meditTempo_->setObjectName("meditTempo");
  meditTempo_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), meditTempo_));
  meditTempo_->setMaxLength(3);
  meditTempo_->setAlignment(Qt::AlignCenter);
  meditTempo_->setGeometry(136, 64, 41, 21);

  scrollTempo_->setObjectName("scrollTempo");
  scrollTempo_->setRange(kMinTempoBpm, kMaxTempoBpm);
  scrollTempo_->setSingleStep(1);
  scrollTempo_->setPageStep(10);
  scrollTempo_->setGeometry(40, 112, 233, 17);
  connect(scrollTempo_, &QScrollBar::valueChanged, this,
          [this](int value) { meditTempo_->setText(QString::number(value)); });
}

void TdlgTempo::showEvent(QShowEvent* event) {
  chosen_.reset();
  const int bpm = tempoMicros_ == 0 ? kMaxTempoBpm : bpmForTempoMicros(tempoMicros_);
  {
    // Only the user's scrolling writes the edit; the edit keeps the exact number.
    const QSignalBlocker quiet(scrollTempo_);
    scrollTempo_->setValue(bpm);
  }
  meditTempo_->setText(QString::number(bpm));
  meditTempo_->setFocus();
  meditTempo_->selectAll();
  SmallDialog::showEvent(event);
}

void TdlgTempo::accept() {
  const QString text = meditTempo_->text().trimmed();
  if (!text.isEmpty()) {
    const int bpm = std::clamp(text.toInt(), kMinTempoBpm, kMaxTempoBpm);
    meditTempo_->setText(QString::number(bpm));
    chosen_ = tempoMicrosForBpm(bpm);
    tempoMicros_ = *chosen_;
  }
  QDialog::accept();
}

}  // namespace strumly::gui
