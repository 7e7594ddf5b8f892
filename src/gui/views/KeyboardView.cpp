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
  clean_ = picture("KEYBOARD").convertToFormat(QImage::Format_RGB32);
  if (clean_.size() != QSize(kKeyboardWidth, kKeyboardHeight)) {
    clean_ = QImage(kKeyboardWidth, kKeyboardHeight, QImage::Format_RGB32);
    clean_.fill(Qt::white);
  }
  image_ = clean_.copy();
}

void KeyboardView::showScale(std::span<const std::uint8_t> intervals, PitchClass root) {
  image_ = clean_.copy();
  for (const KeyboardDot& dot : keyboardDots(intervals, root)) {
    const QRgb colour = dot.root ? qRgb(255, 0, 0) : qRgb(0, 255, 0);
    for (int dy = 0; dy < kKeyboardDotSize; ++dy)
      for (int dx = 0; dx < kKeyboardDotSize; ++dx) image_.setPixel(dot.x + dx, dot.y + dy, colour);
  }
  update();
}

void KeyboardView::clear() {
  image_ = clean_.copy();
  update();
}

void KeyboardView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), image_, event->rect());
}

void KeyboardView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  hoveredKey_ = keyboardKeyAt(at.x(), at.y(), hoveredKey_);
  if (hoveredKey_ >= 0) Q_EMIT keyHovered(hoveredKey_);
}

}  // namespace strumly::gui
