#include "gui/controls/THemisphereButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace strumly::gui {

THemisphereButton::THemisphereButton(QWidget* parent) : QWidget(parent) {
  resize(25, 25);
  // Reached with Tab; Space or Enter then works it as a click on its middle would.
  setFocusPolicy(Qt::TabFocus);
  BuildImages();
}

template <typename T>
static bool store(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

void THemisphereButton::changed() {
  BuildImages();
  update();
}

void THemisphereButton::setAllowAllUp(bool on) {
  if (store(allowAllUp_, on)) changed();
  if (groupIndex_ == 0) return;
  for (THemisphereButton* mate : groupMates())
    if (store(mate->allowAllUp_, on)) mate->changed();
}

void THemisphereButton::setAttenControl(double atten) {
  if (store(attenControl_, atten)) changed();
}

void THemisphereButton::setBevelInner(THemisphereBevel bevel) {
  if (store(bevelInner_, bevel)) changed();
}

void THemisphereButton::setBevelOuter(THemisphereBevel bevel) {
  if (store(bevelOuter_, bevel)) changed();
}

void THemisphereButton::setBevelWidth(int width) {
  if (width > 0 && store(bevelWidth_, width)) changed();
}

void THemisphereButton::setBorderColor(const QColor& color) {
  if (store(borderColor_, color)) changed();
}

void THemisphereButton::setBorderStyle(TBorderStyle style) {
  if (store(borderStyle_, style)) changed();
}

void THemisphereButton::setCaption(const QString& caption) {
  // The caption names the button for a screen reader unless it was given a name of its own.
  if (accessibleName().isEmpty() || accessibleName() == caption_) setAccessibleName(caption);
  if (store(caption_, caption)) changed();
}

void THemisphereButton::setDown(bool down) {
  if (!store(down_, down)) return;
  // A group shows one button down at most.
  if (down_ && groupIndex_ != 0)
    for (THemisphereButton* mate : groupMates()) mate->setDown(false);
  update();
}

void THemisphereButton::setFaceColor(const QColor& color) {
  if (store(faceColor_, color)) changed();
}

void THemisphereButton::setFaceShaded(bool on) {
  if (store(faceShaded_, on)) changed();
}

void THemisphereButton::setFaceTransparent(bool on) {
  if (store(faceTransparent_, on)) changed();
}

void THemisphereButton::setGlyph(const QImage& glyph) {
  glyph_ = glyph;
  const bool strip = !glyph.isNull() && glyph.height() > 0 && glyph.width() % glyph.height() == 0;
  numGlyphs_ = strip ? glyph.width() / glyph.height() : 1;
  glyphIndex_ = 1;
  changed();
}

void THemisphereButton::setGlyphIndex(int index) {
  if (index < 1 || index > numGlyphs_) return;
  if (store(glyphIndex_, index)) changed();
}

void THemisphereButton::setGlyphMapped(bool on) {
  if (store(glyphMapped_, on)) changed();
}

void THemisphereButton::setGlyphShaded(bool on) {
  if (store(glyphShaded_, on)) changed();
}

void THemisphereButton::setGlyphTransparent(bool on) {
  if (store(glyphTransparent_, on)) changed();
}

void THemisphereButton::setGroupIndex(int group) {
  if (store(groupIndex_, group)) changed();
}

void THemisphereButton::setNumGlyphs(int count) {
  if (count < 1 || !store(numGlyphs_, count)) return;
  glyphIndex_ = std::min(glyphIndex_, numGlyphs_);
  changed();
}

QList<THemisphereButton*> THemisphereButton::groupMates() const {
  QList<THemisphereButton*> mates;
  if (groupIndex_ == 0 || parentWidget() == nullptr) return mates;
  for (QObject* child : parentWidget()->children()) {
    auto* button = qobject_cast<THemisphereButton*>(child);
    if (button && button != this && button->groupIndex_ == groupIndex_) mates << button;
  }
  return mates;
}

bool THemisphereButton::HitTest(int x, int y) const {
  const double cx = width() / 2.0;
  const double cy = height() / 2.0;
  const int r = (bevelInner_ != hbNone ? bevelWidth_ : 0) + (bevelOuter_ != hbNone ? bevelWidth_ : 0);
  const double rx = cx - r;
  const double ry = cy - r;
  if (rx <= 0 || ry <= 0) return false;
  const double dx = (x - cx) / rx;
  const double dy = (y - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

void THemisphereButton::paintEvent(QPaintEvent*) {
  // Moved to a screen with another pixel ratio: the faces are rendered again for it.
  if (!qFuzzyCompare(std::max(1.0, devicePixelRatioF()), ratio_)) BuildImages();
  QPainter painter(this);
  painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size())), down_ ? paintIn_ : paintOut_);
  if (hasFocus()) {
    // The keyboard focus: a dashed ring just inside the dome's edge.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
  }
}

void THemisphereButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (!isEnabled() || event->isAutoRepeat() ||
      (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)) {
    QWidget::keyPressEvent(event);
    return;
  }
  const QPoint middle(width() / 2, height() / 2);
  Q_EMIT mousePressed(Qt::LeftButton, middle);
  downAtPress_ = down_;
  release(true);
  Q_EMIT mouseReleased(Qt::LeftButton, middle);
  event->accept();
}

void THemisphereButton::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void THemisphereButton::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

bool THemisphereButton::event(QEvent* event) {
  if (event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(event);
}

void THemisphereButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (size() != rendered_) BuildImages();
}

void THemisphereButton::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // The caption is drawn into the faces: a new font or palette needs new faces.
  if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) changed();
}

void THemisphereButton::press(QMouseEvent* event, bool doubleClick) {
  const QPoint at = event->position().toPoint();
  if (!isEnabled() || !HitTest(at.x(), at.y())) return;
  Q_EMIT mousePressed(event->button(), at);
  if (event->button() == Qt::LeftButton) {
    tracking_ = true;
    downAtPress_ = down_;
    down_ = true;
    update();
  }
  if (doubleClick) Q_EMIT doubleClicked();
}

void THemisphereButton::mousePressEvent(QMouseEvent* event) {
  press(event, false);
}

void THemisphereButton::mouseDoubleClickEvent(QMouseEvent* event) {
  press(event, true);
}

void THemisphereButton::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (tracking_ && !downAtPress_) {
    const bool over = HitTest(at.x(), at.y());
    if (over != down_) {
      down_ = over;
      update();
    }
  }
  Q_EMIT mouseMoved(at);
}

void THemisphereButton::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (tracking_) {
    tracking_ = false;
    release(HitTest(at.x(), at.y()));
  }
  Q_EMIT mouseReleased(event->button(), at);
}

void THemisphereButton::release(bool inside) {
  if (inside) Q_EMIT clicked();
  if (groupIndex_ == 0) {
    down_ = false;
  } else if (!inside) {
    // Let go beside the button: nothing toggles.
    down_ = downAtPress_;
  } else if (allowAllUp_ || !downAtPress_) {
    for (THemisphereButton* mate : groupMates()) mate->setDown(false);
    down_ = !downAtPress_;
  }
  update();
}

}  // namespace strumly::gui
