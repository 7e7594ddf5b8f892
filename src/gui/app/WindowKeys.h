#pragma once
// The main window's own keys (FormKeyDown): Space and the arrows drive the transport and step
// play, 1..4 and P pick the finger on the Chord Design page, and any other key sends the focus
// back to the strum-speed bar so that the next Space reaches the window again. Typing into the
// few edits that take text (tuning name, chord name, fret edits) is never intercepted.
#include <QList>
#include <QObject>
#include <QPointer>

#include "core/app/PageRules.h"

class QWidget;

namespace strumly::gui {

class PageList;
class Transport;

class WindowKeys : public QObject {
  Q_OBJECT
 public:
  WindowKeys(QWidget* window, QWidget* strumSpeed, Transport& transport, const PageList& pages,
             QObject* parent = nullptr);
  // Keys typed while one of these has the focus pass by untouched.
  void addTypingWidget(QWidget* widget) { typing_ << widget; }

  // Acts on a key of Qt::Key; true when the key was taken and must not reach the focused control.
  bool FormKeyDown(int key);

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
  const PageList& pages_;
  QList<QPointer<QWidget>> typing_;
};

}  // namespace strumly::gui
