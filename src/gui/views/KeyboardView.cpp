#include "gui/views/KeyboardView.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/common/Resources.h"

namespace strumly::gui {

KeyboardView::KeyboardView(QWidget* parent) : QWidget(parent) {
  setObjectName("imgKeyboard");
  setFixedSize(kKeyboardWidth, kKeyboardHeight);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  loadPicture(devicePixelRatioF());
}

void KeyboardView::loadPicture(qreal ratio) {
  // The screen's own pixels: the @2x keyboard above 1x. The dots stay in logical pixels.
  const QImage art = picture("KEYBOARD", ratio);
  const QSize logical(kKeyboardWidth, kKeyboardHeight);
  if (art.deviceIndependentSize().toSize() == logical) {
    clean_ = art.convertToFormat(QImage::Format_RGB32);
    clean_.setDevicePixelRatio(art.devicePixelRatio());
  } else {
    clean_ = QImage(logical, QImage::Format_RGB32);
    clean_.fill(Qt::white);
  }
  drawDots();
}

void KeyboardView::drawDots() {
  image_ = clean_.copy();
  image_.setDevicePixelRatio(clean_.devicePixelRatio());
  QPainter p(&image_);
  for (const KeyboardDot& dot : dots_)
    p.fillRect(QRect(dot.x, dot.y, kKeyboardDotSize, kKeyboardDotSize),
               dot.root ? QColor(255, 0, 0) : QColor(0, 255, 0));
}

void KeyboardView::showScale(std::span<const std::uint8_t> intervals, PitchClass root) {
  dots_ = keyboardDots(intervals, root);
  drawDots();
  update();
}

void KeyboardView::clear() {
  dots_.clear();
  drawDots();
  update();
}

bool KeyboardView::event(QEvent* event) {
  // A new screen may have another pixel ratio; paintEvent notices it.
  if (event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(event);
}

void KeyboardView::paintEvent(QPaintEvent* event) {
  if (!qFuzzyCompare(devicePixelRatioF(), clean_.devicePixelRatio())) loadPicture(devicePixelRatioF());
  QPainter p(this);
  const QRect area = event->rect();
  const qreal r = image_.devicePixelRatio();
  p.drawImage(QRectF(area), image_, QRectF(area.x() * r, area.y() * r, area.width() * r, area.height() * r));
}

void KeyboardView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  hoveredKey_ = keyboardKeyAt(at.x(), at.y(), hoveredKey_);
  if (hoveredKey_ >= 0) Q_EMIT keyHovered(hoveredKey_);
}

}  // namespace strumly::gui
