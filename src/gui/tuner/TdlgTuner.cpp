#include "gui/tuner/TdlgTuner.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "core/listen/NoteListener.h"
#include "core/practice/TunerReading.h"
#include "gui/listen/AudioFeed.h"
#include "gui/tuner/TunerNeedle.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {
namespace {

QString noteText(int midi, const NoteNames& names) {
  return QString::fromUtf8(names.name(midi).data(), static_cast<int>(names.name(midi).size())) +
         QString::number(midi / 12 - 1);
}

QLabel* bigLabel(const char* name, int points) {
  auto* label = new QLabel;
  label->setObjectName(name);
  QFont font = label->font();
  font.setPointSize(points);
  font.setBold(true);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

TdlgTuner::TdlgTuner(Setup setup, QWidget* parent)
    : QDialog(parent),
      setup_(std::move(setup)),
      lblString_(bigLabel("lblTunerString", 12)),
      lblNote_(bigLabel("lblTunerNote", 28)),
      lblInTune_(bigLabel("lblTunerInTune", 12)),
      lblStatus_(new QLabel),
      spinA4_(new QSpinBox),
      needle_(new TunerNeedle) {
  setObjectName("dlgTuner");
  setWindowTitle(tr("Tuner"));
  lblStatus_->setObjectName("lblTunerStatus");
  lblStatus_->setWordWrap(true);
  spinA4_->setObjectName("spinTunerA4");
  spinA4_->setRange(ListenSettings::kLowestA4, ListenSettings::kHighestA4);
  spinA4_->setSuffix(tr(" Hz"));
  spinA4_->setValue(setup_.settings.listen.clampedA4());
  auto* close = new QPushButton(tr("Close"));
  close->setObjectName("btnTunerClose");
  auto* reference = new QHBoxLayout;
  reference->addWidget(new QLabel(tr("Reference A4:")));
  reference->addWidget(spinA4_);
  reference->addStretch();
  reference->addWidget(close);
  auto* column = new QVBoxLayout(this);
  column->addWidget(lblString_);
  column->addWidget(lblNote_);
  column->addWidget(needle_, 1);
  column->addWidget(lblInTune_);
  column->addWidget(lblStatus_);
  column->addLayout(reference);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(spinA4_, &QSpinBox::valueChanged, this, &TdlgTuner::setReferenceA4);
  connect(&setup_.audio, &AudioFeed::stopped, this, &TdlgTuner::stopped);
  // However it closes, the tuner stops listening.
  connect(this, &QDialog::finished, this, [this] { setup_.audio.stop(this); });
  showReading();
}

TdlgTuner::~TdlgTuner() {
  setup_.audio.stop(this);
}

void TdlgTuner::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  startListening();
}

void TdlgTuner::startListening() {
  if (!setup_.audio.available()) {
    lblStatus_->setText(setup_.audio.unavailableReason());
    return;
  }
  const bool started =
      setup_.audio.start(this, setup_.settings.listen.input, [this](const float* s, std::size_t n) {
        listener_->feed(s, n);
        showReading();
      });
  if (!started) {
    lblStatus_->setText(setup_.audio.error());
    return;
  }
  listener_ = std::make_unique<NoteListener>(setup_.audio.sampleRate(), setup_.settings.listen.clampedA4());
  lblStatus_->setText(tr("Play one string at a time."));
}

void TdlgTuner::stopped(QObject* holder, const QString& lostReason) {
  if (holder != this) return;
  if (!lostReason.isEmpty()) lblStatus_->setText(tr("The input was lost: %1.").arg(lostReason));
  if (!isVisible()) return;
  needle_->showCents(std::nullopt, false);
  if (lostReason.isEmpty())
    lblStatus_->setText(
        tr("Listening stopped: the input is in use elsewhere. Close and open the tuner to listen again."));
}

void TdlgTuner::showReading() {
  const PitchReading heard = listener_ ? listener_->pitch() : PitchReading{};
  const Tuning tuning = setup_.tuning();
  const NoteNames names = setup_.names();
  const std::optional<TunerReading> r =
      heard.voiced ? readTuner(heard.hz, tuning, setup_.settings.listen.clampedA4()) : std::nullopt;
  if (!r) {
    // The last string stays named, so a fading note does not blank the dialog.
    lblNote_->setText(lblNote_->text().isEmpty() ? QString("-") : lblNote_->text());
    needle_->showCents(std::nullopt, false);
    lblInTune_->clear();
    return;
  }
  lblString_->setText(tr("String %1: %2").arg(r->string + 1).arg(noteText(r->stringPitch, names)));
  lblNote_->setText(noteText(r->heardPitch, names));
  needle_->showCents(r->centsOff, r->inTune);
  const long cents =
      std::lround((std::log2(heard.hz / noteHz(r->stringPitch, setup_.settings.listen.clampedA4()))) * 1200);
  lblInTune_->setText(r->inTune ? tr("in tune") : tr("%1%2 cents").arg(cents > 0 ? "+" : "").arg(cents));
}

void TdlgTuner::setReferenceA4(int hz) {
  setup_.settings.listen.referenceA4 = hz;
  if (listener_) listener_->setReferenceA4(setup_.settings.listen.clampedA4());
  if (!setup_.store) return;
  try {
    setup_.store->saveListenValues(setup_.settings);
  } catch (const IniWriteError& error) {
    lblStatus_->setText(QString::fromStdString(error.what()));
  }
}

}  // namespace strumly::gui
