#include "gui/common/PageImage.h"

#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScrollArea>
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

GridCell keyboardStep(std::optional<GridCell> from, int across, int down, int columns, int rows) {
  if (!from) return GridCell{0, 0};
  return GridCell{std::clamp(from->column + across, 0, std::max(columns - 1, 0)),
                  std::clamp(from->row + down, 0, std::max(rows - 1, 0))};
}

QPoint cellMiddle(DiagramPage page, GridCell cell) {
  const PixelRect frame = selectionFrame(page, cell);
  return {(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
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
  // Reached with Tab only: a click keeps the focus where it was, so the arrow keys after a click
  // stay the window's transport keys.
  setFocusPolicy(Qt::TabFocus);
}

bool PageImage::takesKey(const QKeyEvent& key) const {
  if (!selectionKeys_) return false;
  switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Menu:
      return true;
    case Qt::Key_F10:
      return key.modifiers() & Qt::ShiftModifier;
    default:
      return false;
  }
}

QPoint PageImage::keyboardPopupPoint() const {
  if (!frame_.isNull()) return {(frame_.left + frame_.right) / 2, (frame_.top + frame_.bottom) / 2};
  return visibleRegion().boundingRect().topLeft() + QPoint(20, 20);
}

QPoint PageImage::popupPosition() const {
  return keyboardPopup_ ? mapToGlobal(keyboardPopupPoint()) : QCursor::pos();
}

void pressSelectionOnKeys(PageImage* image, const std::function<void(Qt::MouseButton, int, int)>& press) {
  image->setSelectionKeys(true);
  const auto pressAt = [image, press](Qt::MouseButton button) {
    const PixelRect frame = image->selectionFrame();
    if (frame.isNull()) return;
    press(button, (frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
  };
  QObject::connect(image, &PageImage::selectionShowRequested, image, [pressAt] { pressAt(Qt::LeftButton); });
  QObject::connect(image, &PageImage::popupRequested, image, [pressAt] { pressAt(Qt::RightButton); });
}

void describePicture(PageImage* image, const QString& name, const QString& shows) {
  image->setAccessibleName(name);
  image->setAccessibleDescription(PageImage::tr("%1. The arrow keys move the selection, Enter shows it, the "
                                                "Menu key or Shift+F10 opens its commands")
                                      .arg(shows));
}

void PageImage::keyPressEvent(QKeyEvent* event) {
  if (!takesKey(*event)) {
    QWidget::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
      Q_EMIT selectionMoveRequested(-1, 0);
      break;
    case Qt::Key_Right:
      Q_EMIT selectionMoveRequested(+1, 0);
      break;
    case Qt::Key_Up:
      Q_EMIT selectionMoveRequested(0, -1);
      break;
    case Qt::Key_Down:
      Q_EMIT selectionMoveRequested(0, +1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Q_EMIT selectionShowRequested();
      break;
    default:
      keyboardPopup_ = true;
      Q_EMIT popupRequested(keyboardPopupPoint());
      keyboardPopup_ = false;
      break;
  }
  // The selection may have moved out of view: the scroll area follows it.
  if (!frame_.isNull()) {
    for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
      if (auto* scroll = qobject_cast<QScrollArea*>(up)) {
        const QPoint middle = keyboardPopupPoint();
        scroll->ensureVisible(middle.x(), middle.y(), (frame_.right - frame_.left) / 2 + 8,
                              (frame_.bottom - frame_.top) / 2 + 8);
        break;
      }
    }
  }
  event->accept();
}

void PageImage::setSelectionFrame(PixelRect frame) {
  frame_ = frame;
  if (hasFocus()) update();  // the focus ring follows the selection
}

void PageImage::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void PageImage::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
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
  if (hasFocus()) {
    // The keyboard focus: a dashed ring in the highlight colour round the selection, or round the
    // part of the page in view when nothing is selected. Only the screen shows it.
    const QRect ring = frame_.isNull() ? visibleRegion().boundingRect().adjusted(1, 1, -2, -2)
                                       : QRect(QPoint(frame_.left - 3, frame_.top - 3),
                                               QPoint(frame_.right + 2, frame_.bottom + 2));
    QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(ring);
  }
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
