#include "gui/listen/ListenOverlays.h"

#include <QEvent>
#include <QPainter>

#include "core/views/KeyboardLayout.h"

namespace strumly::gui {
namespace {

// Over the whole of the widget below, following its size.
void cover(QWidget* overlay, QWidget* below) {
  overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
  overlay->setAttribute(Qt::WA_NoSystemBackground);
  overlay->setGeometry(below->rect());
  below->installEventFilter(overlay);
  overlay->show();
}

}  // namespace

NeckMarks::NeckMarks(QWidget* neck) : QWidget(neck) {
  setObjectName("listenNeckMarks");
  cover(this, neck);
}

void NeckMarks::showMarks(std::vector<Mark> marks, Hand hand) {
  marks_ = std::move(marks);
  hand_ = hand;
  raise();
  update();
}

bool NeckMarks::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

void NeckMarks::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  for (const Mark& m : marks_) {
    const std::optional<int> x = fretX(hand_, m.fret);
    const std::optional<int> y = stringY(m.fret, m.string);
    if (!x || !y) continue;
    // A ring around the 12 x 12 marker, so the finger number inside stays readable.
    p.setPen(QPen(m.heard ? heardColour() : notHeardColour(), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(*x - 2.5, *y - 2.5, kMarkerSize + 5, kMarkerSize + 5));
  }
}

KeyMarks::KeyMarks(QWidget* keyboard) : QWidget(keyboard) {
  setObjectName("listenKeyMarks");
  cover(this, keyboard);
}

void KeyMarks::showWrong(std::uint16_t pitchClasses) {
  wrong_ = pitchClasses;
  raise();
  update();
}

bool KeyMarks::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

void KeyMarks::paintEvent(QPaintEvent*) {
  if (!wrong_) return;
  QPainter p(this);
  for (int key = 0; key < kKeyboardKeys; ++key) {
    if (!(wrong_ & (1u << (key % 12)))) continue;
    const KeyboardDot dot = keyboardDotAt(key);
    p.fillRect(QRect(dot.x - 1, dot.y - 2, kKeyboardDotSize + 2, kKeyboardDotSize + 4), QColor(220, 0, 0));
  }
}

}  // namespace strumly::gui
