#pragma once
// The main window's own keys (FormKeyDown): Space and the arrows drive the transport and step
// play, 1..4 and P pick the finger on the Chord Design page, and any other key sends the focus
// back to the strum-speed bar so that the next Space reaches the window again. The keys act only
// while the focus is on a page (its picture or background) or the strum-speed bar: edits, lists,
// spin boxes, buttons and the tab text keep their keys, and Tab always moves between controls.
#include <QList>
#include <QObject>
#include <QPointer>

#include "core/app/PageRules.h"

class QKeyEvent;
class QWidget;

namespace strumly::gui {

class CommandTable;
class PageList;
class Transport;

class WindowKeys : public QObject {
  Q_OBJECT
 public:
  // Play and Stop go through the shell's `commands` (Play waits while busy); the steps go
  // straight to the transport, which steps only the player it runs.
  WindowKeys(QWidget* window, QWidget* strumSpeed, Transport& transport, CommandTable& commands,
             const PageList& pages, QObject* parent = nullptr);
  // Keys typed while one of these has the focus pass by untouched.
  void addTypingWidget(QWidget* widget) { typing_ << widget; }

  // Acts on a key of Qt::Key; true when the key was taken and must not reach the focused control.
  // `moveFocus` false keeps the focus where it is instead of sending it to the strum-speed bar.
  bool FormKeyDown(int key, bool moveFocus = true);
  // Whether `key`, pressed while `focus` has the keyboard focus, is the window's to act on. The
  // one place that decides it.
  bool isWindowKey(const QWidget* focus, const QKeyEvent& key) const;
  // Controls that use Space, the arrows or typed text themselves.
  static bool focusKeepsKeys(const QWidget* focus);

  // Previews the key presses of every control of the window (installed on the application).
  void install();
  bool eventFilter(QObject* watched, QEvent* event) override;

  static PreviewKey previewKeyOf(int key);

 Q_SIGNALS:
  // 1..4 and P on the Chord Design page press the finger buttons.
  void fingerPressed(strumly::FingerButton finger);

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> strumSpeed_;
  Transport& transport_;
  CommandTable& commands_;
  const PageList& pages_;
  QList<QPointer<QWidget>> typing_;
};

}  // namespace strumly::gui
