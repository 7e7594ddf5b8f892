#include "gui/tuner/TunerNeedle.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "core/practice/TunerReading.h"

namespace strumly::gui {
namespace {

// -50 cents points 60 degrees left of straight up, +50 as far right.
constexpr double kSweepDegrees = 60;

double angleOf(double cents) {
  return (90 - cents / kTunerNeedleCents * kSweepDegrees) * std::numbers::pi / 180;
}

}  // namespace

TunerNeedle::TunerNeedle(QWidget* parent) : QWidget(parent) {
  setObjectName("tunerNeedle");
  setMinimumSize(240, 120);
}

void TunerNeedle::showCents(std::optional<double> cents, bool inTune) {
  if (cents == cents_ && inTune == inTune_) return;
  cents_ = cents;
  inTune_ = inTune;
  update();
}

void TunerNeedle::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().base());
  const QPointF pivot(width() / 2.0, height() - 12.0);
  const double radius = std::min(width() / 2.0 - 16, height() - 30.0);
  const auto at = [&](double cents, double r) {
    const double a = angleOf(cents);
    return QPointF(pivot.x() + r * std::cos(a), pivot.y() - r * std::sin(a));
  };
  // The in-tune band.
  QPainterPath band;
  band.moveTo(pivot);
  band.lineTo(at(-kInTuneCents, radius));
  band.lineTo(at(kInTuneCents, radius));
  band.closeSubpath();
  p.fillPath(band, QColor(170, 225, 170));
  p.setPen(QPen(palette().text().color(), 1));
  for (int c = -50; c <= 50; c += 10) {
    const double inner = c % 50 == 0 || c == 0 ? radius - 14 : radius - 8;
    p.drawLine(at(c, inner), at(c, radius));
    if (c % 25 == 0 || c == 0) {
      const QString text = c > 0 ? QString("+%1").arg(c) : QString::number(c);
      const QPointF where = at(c, radius + 10);
      p.drawText(QRectF(where.x() - 18, where.y() - 9, 36, 18), Qt::AlignCenter, text);
    }
  }
  if (!cents_) return;
  p.setPen(QPen(inTune_ ? QColor(0, 150, 0) : QColor(200, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(pivot, at(*cents_, radius - 4));
  p.setBrush(palette().text());
  p.drawEllipse(pivot, 4, 4);
}

}  // namespace strumly::gui
