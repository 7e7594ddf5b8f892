#include "gui/common/PageImage.h"

#include <QMouseEvent>
#include <QPainter>

namespace strumly::gui {
namespace {

// Page layouts were measured on a 96 dpi screen: point sizes of text drawn into page images
// must give the same pixel heights whatever the screen is.
constexpr int kDotsPerMeter96Dpi = 3780;

QImage whiteImage(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.setDotsPerMeterX(kDotsPerMeter96Dpi);
  image.setDotsPerMeterY(kDotsPerMeter96Dpi);
  image.fill(Qt::white);
  return image;
}

}  // namespace

QFont pageFont(int pointSize) {
  QFont font("Liberation Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(pointSize);
  return font;
}

PageImage::PageImage(QSize size, QWidget* parent)
    : QWidget(parent), image_(whiteImage(size)), canvasFont_(pageFont(7)) {
  setFixedSize(size);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void PageImage::resizeImage(QSize size) {
  QImage grown = whiteImage(size);
  QPainter p(&grown);
  p.drawImage(0, 0, image_);
  p.end();
  image_ = std::move(grown);
  setFixedSize(size);
  update();
}

void PageImage::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect area = event->rect();
  p.drawImage(area.topLeft(), image_, area);
}

void PageImage::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  Q_EMIT mousePressed(event->button(), event->modifiers(), at.x(), at.y());
}

void PageImage::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  Q_EMIT mouseReleased(event->button(), event->modifiers(), at.x(), at.y());
}

void PageImage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  Q_EMIT mouseMoved(event->buttons(), event->modifiers(), at.x(), at.y());
}

void PageImage::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  Q_EMIT doubleClicked(at.x(), at.y());
}

}  // namespace strumly::gui
