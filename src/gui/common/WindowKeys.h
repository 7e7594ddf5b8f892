#pragma once
// The main window's own keys (FormKeyDown): Space and the arrows drive the transport and step
// play, 1..4 and P pick the finger on the Chord Design page, and any other key sends the focus
// back to the strum-speed bar so that the next Space reaches the window again. Typing into the
// few edits that take text (tuning name, chord name, fret edits) is never intercepted.
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

#include "core/app/PageRules.h"

class QWidget;

namespace strumly::gui {

class WindowKeys : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    std::function<KeyState()> state;          // page, Play down, Step down, chord still sounding
    std::function<void()> startPlay;          // press sbtnPlay and start, as sbtnPlayClick
    std::function<void()> stop;               // as sbtnStopClick
    std::function<void(int direction)> step;  // step play by one slot, +1 or -1
    std::function<void(FingerButton)> pressFinger;
  };

  WindowKeys(QWidget* window, QWidget* strumSpeed, QObject* parent = nullptr);
  void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }
  // Keys typed while one of these has the focus pass by untouched.
  void addTypingWidget(QWidget* widget) { typing_ << widget; }

  // Acts on a key of Qt::Key; true when the key was taken and must not reach the focused control.
  bool FormKeyDown(int key);

  // Previews the key presses of every control of the window (installed on the application).
  void install();
  bool eventFilter(QObject* watched, QEvent* event) override;

  static PreviewKey previewKeyOf(int key);

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> strumSpeed_;
  QList<QPointer<QWidget>> typing_;
  Hooks hooks_;
};

}  // namespace strumly::gui
