#include "gui/controls/UpDown.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace strumly::gui {

UpDown::UpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (auto* b : {up_, down_}) {
    b->setFixedSize(18, 12);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(400);
    b->setAutoRepeatInterval(90);
    layout->addWidget(b);
    connect(b, &QToolButton::released, this, [this, b] {
      // Auto-repeat releases the button between repeats; only the user's release counts.
      if (!b->isDown()) Q_EMIT mouseReleased();
    });
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setObjectName("up");
  down_->setObjectName("down");
  // Auto-repeat emits pressed() again for every repeat, so stepping on pressed() covers both.
  connect(up_, &QToolButton::pressed, this, [this] { step(+1); });
  connect(down_, &QToolButton::pressed, this, [this] { step(-1); });
  // Tab reaches it and the Up and Down keys step it; a click on its arrows leaves the focus alone.
  setFocusPolicy(Qt::TabFocus);
  setFixedSize(18, 24);
}

void UpDown::setRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  setPosition(position_);
}

void UpDown::setPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
}

void UpDown::step(int delta) {
  const int span = maximum_ - minimum_ + 1;
  int next = position_ + delta;
  if (wrap_) {
    next = minimum_ + (((next - minimum_) % span) + span) % span;
  } else {
    next = std::clamp(next, minimum_, maximum_);
    if (next == position_) return;
  }
  position_ = next;
  Q_EMIT clicked(position_);
}

void UpDown::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up)
    step(+1);
  else if (event->key() == Qt::Key_Down)
    step(-1);
  else
    QWidget::keyPressEvent(event);
}

void UpDown::keyReleaseEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && !event->isAutoRepeat())
    Q_EMIT mouseReleased();
  else
    QWidget::keyReleaseEvent(event);
}

void UpDown::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  if (notches == 0) return;
  step(notches > 0 ? +1 : -1);
  Q_EMIT mouseReleased();
  event->accept();
}

}  // namespace strumly::gui
