#include "gui/views/FretboardView.h"

#include <QMouseEvent>
#include <QPainter>
#include <cstring>

#include "gui/common/Resources.h"

namespace strumly::gui {
namespace {

// A picture of the wanted logical size at `ratio` even when the resource is missing, so drawing
// never fails. A screen above 1x takes the @2x picture; any other ratio is scaled from it.
QImage loadPicture(const QString& name, QSize size, const QColor& fill, qreal ratio) {
  QImage picture = gui::picture(name, ratio);
  const QSize pixels = (QSizeF(size) * ratio).toSize();
  QImage blank(pixels, QImage::Format_ARGB32_Premultiplied);
  blank.setDevicePixelRatio(ratio);
  if (!picture.isNull() && picture.deviceIndependentSize().toSize() == size && picture.size() == pixels) {
    blank = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    blank.setDevicePixelRatio(ratio);
    return blank;
  }
  blank.fill(fill);
  if (!picture.isNull()) {
    QPainter p(&blank);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), picture.deviceIndependentSize()), picture);
  }
  return blank;
}

// A rectangle of logical pixels as the picture's own pixels.
QRect devicePixels(const QRect& logical, qreal ratio) {
  return QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio).toAlignedRect();
}

// Copies the pixels of `area` (logical) from one picture to another of the same size and format.
void copyPixels(QImage& to, const QImage& from, const QRect& area, qreal ratio) {
  const QRect pixels = devicePixels(area, ratio) & from.rect();
  if (pixels.isEmpty()) return;
  const int bytes = from.depth() / 8;
  const auto length = static_cast<std::size_t>(pixels.width() * bytes);
  for (int y = pixels.top(); y <= pixels.bottom(); ++y)
    std::memcpy(to.scanLine(y) + pixels.left() * bytes, from.constScanLine(y) + pixels.left() * bytes,
                length);
}

// Past this many drawn areas a whole copy of the clean neck is as quick.
constexpr std::size_t kMostDirtyAreas = 48;

}  // namespace

FretboardView::FretboardView(QWidget* parent) : QWidget(parent) {
  setObjectName("imgGuitar");
  setFixedSize(kNeckWidth, kNeckHeight);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  loadPictures(devicePixelRatioF());
  setHand(Hand::Right);
}

void FretboardView::loadPictures(qreal ratio) {
  ratio_ = ratio;
  neck_ = loadPicture("NECK", {kNeckWidth, kNeckHeight}, QColor(60, 40, 28), ratio);
  markers_ = loadPicture("FINGERS", {kMarkerStripWidth, kMarkerSize}, Qt::transparent, ratio);
  numbersRight_ = loadPicture("FRETNUMR", {kNeckWidth, kFretNumberStripHeight}, Qt::transparent, ratio);
  numbersLeft_ = loadPicture("FRETNUML", {kNeckWidth, kFretNumberStripHeight}, Qt::transparent, ratio);
}

void FretboardView::setHand(Hand hand) {
  hand_ = hand;
  clean_ = hand == Hand::Left ? neck_.mirrored(true, false) : neck_.copy();
  clean_.setDevicePixelRatio(ratio_);
  QPainter p(&clean_);
  p.drawImage(0, 0, hand == Hand::Left ? numbersLeft_ : numbersRight_);
  p.end();
  image_ = clean_.copy();
  marks_.clear();
  dirty_.clear();
  update();
}

bool FretboardView::event(QEvent* event) {
  // A new screen may have another pixel ratio; paintEvent notices it.
  if (event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(event);
}

void FretboardView::followPixelRatio() {
  const qreal ratio = devicePixelRatioF();
  if (qFuzzyCompare(ratio, ratio_)) return;
  // The pictures are rebuilt at the new ratio and the markers and outlines on show drawn again.
  const std::vector<Mark> marks = std::move(marks_);
  loadPictures(ratio);
  setHand(hand_);
  for (const Mark& m : marks) m.cellX >= 0 ? drawMarker(m.cellX, m.x, m.y) : drawOutline(m.x, m.y, m.colour);
}

void FretboardView::restoreClean() {
  // Same size and format: a plain copy of the pixels, no reallocation; only of the areas drawn on
  // since the last clean when there are few (a chord's markers are a small part of the neck, and
  // at 2x the whole neck is four times the bytes).
  if (dirty_.size() <= kMostDirtyAreas) {
    for (const QRect& area : dirty_) copyPixels(image_, clean_, area, ratio_);
  } else {
    std::memcpy(image_.bits(), clean_.constBits(), static_cast<std::size_t>(clean_.sizeInBytes()));
  }
  dirty_.clear();
  marks_.clear();
  update();
}

void FretboardView::restoreClean(const QRect& area) {
  QPainter p(&image_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QRectF(area), clean_, QRectF(devicePixels(area, ratio_)));
  std::erase_if(marks_, [&](const Mark& m) { return area.intersects(QRect(m.x - 1, m.y - 1, 15, 15)); });
  update(area);
}

void FretboardView::drawMarker(int cellX, int x, int y) {
  marks_.push_back({cellX, x, y, {}});
  dirty_.emplace_back(x, y, kMarkerSize, kMarkerSize);
  QPainter p(&image_);
  p.drawImage(QRectF(x, y, kMarkerSize, kMarkerSize), markers_,
              QRectF(devicePixels(QRect(cellX, 0, kMarkerSize, kMarkerSize), ratio_)));
  update(QRect(x, y, kMarkerSize, kMarkerSize));
}

void FretboardView::drawOutline(int x, int y, const QColor& colour) {
  marks_.push_back({-1, x, y, colour});
  dirty_.emplace_back(x - 1, y - 1, 16, 16);
  // Two one-pixel squares round the marker cell, filled as edges: a stroked outline costs many
  // times more at 2x.
  QPainter p(&image_);
  const auto square = [&p, &colour](const QRect& r) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
  };
  square(QRect(x - 1, y - 1, 16, 16));
  square(QRect(x, y, 14, 14));
  update(QRect(x - 1, y - 1, 17, 17));
}

QImage FretboardView::markerCell(int x, int y) const {
  QImage cell = image_.copy(devicePixels(QRect(x, y, kMarkerSize, kMarkerSize), ratio_));
  cell.setDevicePixelRatio(ratio_);
  return cell;
}

void FretboardView::putMarkerCell(const QImage& cell, int x, int y) {
  dirty_.emplace_back(QPoint(x, y), cell.deviceIndependentSize().toSize());
  QPainter p(&image_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(x, y, cell);
  update(QRect(x, y, kMarkerSize, kMarkerSize));
}

void FretboardView::paintEvent(QPaintEvent* event) {
  followPixelRatio();
  QPainter p(this);
  p.drawImage(QRectF(event->rect()), image_, QRectF(devicePixels(event->rect(), ratio_)));
}

void FretboardView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  Q_EMIT mouseMoved(at.x(), at.y());
}

void FretboardView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  Q_EMIT mousePressed(event->button(), at.x(), at.y());
}

void FretboardView::leaveEvent(QEvent*) {
  Q_EMIT mouseLeft();
}

}  // namespace strumly::gui
