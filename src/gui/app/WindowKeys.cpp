#include "gui/app/WindowKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "gui/common/PageList.h"
#include "gui/playback/Transport.h"

namespace strumly::gui {

WindowKeys::WindowKeys(QWidget* window, QWidget* strumSpeed, Transport& transport, const PageList& pages,
                       QObject* parent)
    : QObject(parent), window_(window), strumSpeed_(strumSpeed), transport_(transport), pages_(pages) {}

PreviewKey WindowKeys::previewKeyOf(int key) {
  switch (key) {
    case Qt::Key_Space:
      return PreviewKey::Space;
    case Qt::Key_Right:
      return PreviewKey::Right;
    case Qt::Key_Left:
      return PreviewKey::Left;
    case Qt::Key_1:
      return PreviewKey::Digit1;  // the keypad sends the same keys
    case Qt::Key_2:
      return PreviewKey::Digit2;
    case Qt::Key_3:
      return PreviewKey::Digit3;
    case Qt::Key_4:
      return PreviewKey::Digit4;
    case Qt::Key_P:
      return PreviewKey::P;
    default:
      return PreviewKey::Other;
  }
}

bool WindowKeys::FormKeyDown(int key) {
  KeyState state;
  state.page = pages_.currentId().value_or(PageId::Chords);
  state.playing = transport_.playing();
  state.stepPlay = transport_.stepMode();
  state.chordSounding = transport_.chordSounding();
  const KeyDecision decision = decideKey(previewKeyOf(key), state);
  switch (decision.action) {
    case KeyAction::StartPlay:
      transport_.sbtnPlayClick();
      break;
    case KeyAction::Stop:
      transport_.sbtnStopClick();
      break;
    case KeyAction::StepForward:
      transport_.step(+1);
      break;
    case KeyAction::StepBackward:
      transport_.step(-1);
      break;
    case KeyAction::None:
      break;
  }
  if (decision.focusStrumSpeed && strumSpeed_) strumSpeed_->setFocus();
  if (decision.finger) Q_EMIT fingerPressed(*decision.finger);
  return decision.consumed();
}

void WindowKeys::install() {
  qApp->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !window_ || widget->window() != window_) return false;
  // While the focus is in a typing edit the window previews nothing, including the keys the
  // edit leaves unused (Up, Escape ...) that travel on to its parents.
  QWidget* focus = QApplication::focusWidget();
  for (const auto& typing : typing_) {
    if (typing && (typing == widget || typing == focus)) return false;
  }
  auto* keyEvent = static_cast<QKeyEvent*>(event);
  if (keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;  // menu shortcuts
  const bool taken = FormKeyDown(keyEvent->key());
  // The strum-speed bar holds the focus only so that the window's keys reach the window: the
  // song's strum changes when the user works the bar with the mouse, never by a key that
  // happened to land there.
  if (widget == strumSpeed_) {
    switch (keyEvent->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
      case Qt::Key_Home:
      case Qt::Key_End:
        return true;
      default:
        break;
    }
  }
  return taken;
}

}  // namespace strumly::gui
