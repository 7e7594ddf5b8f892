#pragma once
// What happens as the user moves between the pages: a change is refused while the program plays
// or is busy; entering a page drops any diagram being carried, locks or unlocks the tuning
// controls, puts the interval read-outs back to black on white, sets the window caption to the
// page's document and lets the page show its item on the fretboard. The mouse wheel scrolls the
// active page, whatever has the focus.
#include <QObject>
#include <QPointer>

#include "core/app/PageRules.h"

class QAbstractButton;
class QWheelEvent;

namespace strumly::gui {

class BottomPanel;
class PageList;
class Transport;

class PageSwitcher : public QObject {
  Q_OBJECT
 public:
  // `undo` (sbtnUndo) may be null.
  PageSwitcher(PageList& pages, const Transport& transport, BottomPanel& bottom, QAbstractButton* undo,
               QWidget* window, QObject* parent = nullptr);

  // What every change runs after the page has changed (also after the left-handed switch).
  void PageControl1Change();
  // "Strumly!   " followed by the active page's document file name.
  void refreshCaption();

  // Wheel distance in eighths of a degree (120 a notch); scrolls the active page by whole notches.
  void wheel(int angleDelta);
  // Takes every wheel event of the window for the active page (installed on the application).
  bool eventFilter(QObject* watched, QEvent* event) override;
  void installWheelFilter();

 private:
  void changed(int index);

  PageList& pages_;
  const Transport& transport_;
  BottomPanel& bottom_;
  QAbstractButton* undo_;
  QPointer<QWidget> window_;
  WheelAccumulator wheel_;
  int shownIndex_ = -1;
};

}  // namespace strumly::gui
