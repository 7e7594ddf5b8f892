#include "gui/common/PageImage.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace strumly::gui {
namespace {

// Page layouts were measured on a 96 dpi screen: point sizes of text drawn into page images
// must give the same pixel heights whatever the screen is.
constexpr int kDotsPerMeter96Dpi = 3780;

}  // namespace

QImage whitePagePicture(QSize size, qreal ratio) {
  QImage image(QSize(static_cast<int>(std::ceil(size.width() * ratio)),
                     static_cast<int>(std::ceil(size.height() * ratio))),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.setDotsPerMeterX(kDotsPerMeter96Dpi);
  image.setDotsPerMeterY(kDotsPerMeter96Dpi);
  image.fill(Qt::white);
  return image;
}

QFont pageFont(int pointSize) {
  QFont font("Liberation Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(pointSize);
  return font;
}

PageImage::PageImage(QSize size, QWidget* parent)
    : QWidget(parent),
      size_(size),
      image_(whitePagePicture(size, devicePixelRatioF())),
      canvasFont_(pageFont(7)) {
  setFixedSize(size);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

QImage PageImage::copyArea(const QRect& area) const {
  const qreal r = image_.devicePixelRatio();
  QImage part = image_.copy(QRectF(area.x() * r, area.y() * r, area.width() * r, area.height() * r).toRect());
  part.setDevicePixelRatio(r);
  return part;
}

void PageImage::paint(const QRect& bounds, const QRect& covers, PageScene::Step step, int key) {
  {
    QPainter p(&image_);
    step(p);
  }
  scene_.add(bounds, covers, std::move(step), key);
}

void PageImage::clear() {
  image_.fill(Qt::white);
  scene_.clear();
  frame_ = {};
}

void PageImage::resizeImage(QSize size) {
  size_ = size;
  // What lies outside the new size is not worth keeping; the steps still paint clipped to it.
  repaintAtRatio(image_.devicePixelRatio());
  setFixedSize(size);
  update();
}

void PageImage::repaintAtRatio(qreal ratio) {
  image_ = whitePagePicture(size_, ratio);
  QPainter p(&image_);
  scene_.replay(p);
}

bool PageImage::event(QEvent* event) {
  // A new screen may have another pixel ratio; paintEvent notices it and paints again.
  if (event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(event);
}

void PageImage::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatioF();
  if (!qFuzzyCompare(ratio, image_.devicePixelRatio())) repaintAtRatio(ratio);
  QPainter p(this);
  const QRect area = event->rect();
  const qreal r = image_.devicePixelRatio();
  p.drawImage(QRectF(area), image_, QRectF(area.x() * r, area.y() * r, area.width() * r, area.height() * r));
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
