#include "gui/playpage/TdlgTempo.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace strumly::gui {
namespace {

constexpr std::uint32_t kMicrosPerMinute = 60000000;

QLabel* label(QWidget* parent, const QString& name, const QString& text, int x, int y) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->move(x, y);
  l->adjustSize();
  return l;
}

}  // namespace

TdlgTempo::TdlgTempo(std::uint32_t tempoMicros, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      tempoMicros_(tempoMicros),
      meditTempo_(new QLineEdit(this)),
      scrollTempo_(new QScrollBar(Qt::Horizontal, this)) {
  setWindowTitle("Change PlayPage Tempo");
  setFixedSize(313, 214);

  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(8, 8, 297, 161);
  bevel->lower();

  label(this, "Label1", "Enter a tempo between 10 and 250", 52, 32);

  // Digits only, three at most: the value is brought into range on OK, not while typing.
  meditTempo_->setObjectName("meditTempo");
  meditTempo_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), meditTempo_));
  meditTempo_->setMaxLength(3);
  meditTempo_->setAlignment(Qt::AlignCenter);
  meditTempo_->setGeometry(136, 64, 41, 21);

  scrollTempo_->setObjectName("scrollTempo");
  scrollTempo_->setRange(kMinBpm, kMaxBpm);
  scrollTempo_->setSingleStep(1);
  scrollTempo_->setPageStep(10);
  scrollTempo_->setGeometry(40, 112, 233, 17);
  connect(scrollTempo_, &QScrollBar::valueChanged, this,
          [this](int value) { meditTempo_->setText(QString::number(value)); });

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("btnOK");
  ok->setGeometry(79, 180, 75, 25);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TdlgTempo::accept);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("btnCancel");
  cancel->setGeometry(159, 180, 75, 25);
  connect(cancel, &QPushButton::clicked, this, &TdlgTempo::reject);
}

void TdlgTempo::showEvent(QShowEvent* event) {
  chosen_.reset();
  const int bpm = tempoMicros_ == 0 ? kMaxBpm : static_cast<int>(kMicrosPerMinute / tempoMicros_);
  {
    // Only the user's scrolling writes the edit; the edit keeps the exact number.
    const QSignalBlocker quiet(scrollTempo_);
    scrollTempo_->setValue(bpm);
  }
  meditTempo_->setText(QString::number(bpm));
  meditTempo_->setFocus();
  meditTempo_->selectAll();
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

void TdlgTempo::accept() {
  const QString text = meditTempo_->text().trimmed();
  if (!text.isEmpty()) {
    const int bpm = std::clamp(text.toInt(), kMinBpm, kMaxBpm);
    meditTempo_->setText(QString::number(bpm));
    chosen_ = kMicrosPerMinute / static_cast<std::uint32_t>(bpm);
    tempoMicros_ = *chosen_;
  }
  QDialog::accept();
}

}  // namespace strumly::gui
