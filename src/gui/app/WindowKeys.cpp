#include "gui/app/WindowKeys.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>

#include "gui/common/Command.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/controls/UpDown.h"
#include "gui/playback/Transport.h"

namespace strumly::gui {

WindowKeys::WindowKeys(QWidget* window, QWidget* strumSpeed, Transport& transport, CommandTable& commands,
                       const PageList& pages, QObject* parent)
    : QObject(parent),
      window_(window),
      strumSpeed_(strumSpeed),
      transport_(transport),
      commands_(commands),
      pages_(pages) {}

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

bool WindowKeys::FormKeyDown(int key, bool moveFocus) {
  KeyState state;
  state.page = pages_.currentId().value_or(PageId::Chords);
  state.playing = transport_.playing();
  state.stepPlay = transport_.stepMode();
  state.chordSounding = transport_.chordSounding();
  const KeyDecision decision = decideKey(previewKeyOf(key), state);
  switch (decision.action) {
    case KeyAction::StartPlay:
      commands_.run("sbtnPlay");
      break;
    case KeyAction::Stop:
      commands_.run("sbtnStop");
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
  if (decision.focusStrumSpeed && moveFocus && strumSpeed_) strumSpeed_->setFocus();
  if (decision.finger) Q_EMIT fingerPressed(*decision.finger);
  return decision.consumed();
}

void WindowKeys::install() {
  qApp->installEventFilter(this);
}

bool WindowKeys::focusKeepsKeys(const QWidget* focus) {
  // Space presses a focused button, types into an edit and picks in a list; the arrows move the
  // cursor or the current item there. Such a control keeps every key, including the ones it
  // leaves unused (Up, Escape ...) that travel on to its parents.
  return qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QAbstractItemView*>(focus) ||
         qobject_cast<const QComboBox*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus) ||
         qobject_cast<const QAbstractButton*>(focus) || qobject_cast<const QPlainTextEdit*>(focus) ||
         qobject_cast<const QTextEdit*>(focus) || qobject_cast<const UpDown*>(focus) ||
         qobject_cast<const QTabBar*>(focus);
}

bool WindowKeys::isWindowKey(const QWidget* focus, const QKeyEvent& key) const {
  // Tab and Shift+Tab always travel between the controls.
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return false;
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;  // menu shortcuts
  if (!focus) return true;
  for (const auto& typing : typing_) {
    if (typing && typing == focus) return false;
  }
  if (focusKeepsKeys(focus)) return false;
  // A page picture with the focus moves its selection with the arrows, shows it with Enter and
  // opens its popup with the menu keys; Space and the finger keys stay the window's.
  if (const auto* picture = qobject_cast<const PageImage*>(focus)) return !picture->takesKey(key);
  return true;
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !window_ || widget->window() != window_) return false;
  auto* keyEvent = static_cast<QKeyEvent*>(event);
  // Whether the key is the window's depends on what has the focus, wherever the key is delivered
  // (it travels on from the focused control to its parents).
  QWidget* focus = QApplication::focusWidget();
  if (!isWindowKey(focus ? focus : widget, *keyEvent)) return false;
  // A page picture keeps the focus a keyboard user gave it.
  const bool onPicture = qobject_cast<PageImage*>(focus) != nullptr;
  const bool taken = FormKeyDown(keyEvent->key(), !onPicture);
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
