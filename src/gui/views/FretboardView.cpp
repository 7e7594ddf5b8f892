#include "gui/views/FretboardView.h"

#include <QMouseEvent>
#include <QPainter>
#include <cstring>

#include "gui/common/Resources.h"

namespace strumly::gui {
namespace {

// A picture of the wanted size even when the resource is missing, so drawing never fails.
QImage loadPicture(const QString& name, QSize size, const QColor& fill) {
  QImage picture = gui::picture(name);
  if (picture.isNull() || picture.size() != size) {
    QImage blank(size, QImage::Format_ARGB32_Premultiplied);
    blank.fill(fill);
    if (!picture.isNull()) {
      QPainter p(&blank);
      p.drawImage(0, 0, picture);
    }
    return blank;
  }
  return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

FretboardView::FretboardView(QWidget* parent) : QWidget(parent) {
  setObjectName("imgGuitar");
  setFixedSize(kNeckWidth, kNeckHeight);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  neck_ = loadPicture("NECK", {kNeckWidth, kNeckHeight}, QColor(60, 40, 28));
  markers_ = loadPicture("FINGERS", {kMarkerStripWidth, kMarkerSize}, Qt::transparent);
  numbersRight_ = loadPicture("FRETNUMR", {kNeckWidth, kFretNumberStripHeight}, Qt::transparent);
  numbersLeft_ = loadPicture("FRETNUML", {kNeckWidth, kFretNumberStripHeight}, Qt::transparent);
  setHand(Hand::Right);
}

void FretboardView::setHand(Hand hand) {
  hand_ = hand;
  clean_ = hand == Hand::Left ? neck_.mirrored(true, false) : neck_.copy();
  QPainter p(&clean_);
  p.drawImage(0, 0, hand == Hand::Left ? numbersLeft_ : numbersRight_);
  p.end();
  image_ = clean_.copy();
  update();
}

void FretboardView::restoreClean() {
  // Same size and format: a plain copy of the pixels, no reallocation.
  std::memcpy(image_.bits(), clean_.constBits(), static_cast<std::size_t>(clean_.sizeInBytes()));
  update();
}

void FretboardView::restoreClean(const QRect& area) {
  QPainter p(&image_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(area.topLeft(), clean_, area);
  update(area);
}

void FretboardView::drawMarker(int cellX, int x, int y) {
  QPainter p(&image_);
  p.drawImage(QPoint(x, y), markers_, QRect(cellX, 0, kMarkerSize, kMarkerSize));
  update(QRect(x, y, kMarkerSize, kMarkerSize));
}

void FretboardView::drawOutline(int x, int y, const QColor& colour) {
  QPainter p(&image_);
  p.setPen(QPen(colour, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(x - 1, y - 1, 15, 15));
  p.drawRect(QRect(x, y, 13, 13));
  update(QRect(x - 1, y - 1, 17, 17));
}

QImage FretboardView::markerCell(int x, int y) const {
  return image_.copy(x, y, kMarkerSize, kMarkerSize);
}

void FretboardView::putMarkerCell(const QImage& cell, int x, int y) {
  QPainter p(&image_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(x, y, cell);
  update(QRect(x, y, kMarkerSize, kMarkerSize));
}

void FretboardView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(event->rect(), image_, event->rect());
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
