#pragma once
// Moving between the pages of the page control: a change is refused while the program plays or
// is busy; entering a page drops any diagram being carried, sets the window caption to the page's
// document, locks or unlocks the tuning controls and lets the page show its item on the
// fretboard. "Send to" commands carry a diagram to another page: the page is entered and its
// image gets the placement cursor. The mouse wheel scrolls the active page, whatever has focus.
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "core/app/PageRules.h"

class QAbstractButton;
class QAbstractScrollArea;
class QTabWidget;
class QWheelEvent;

namespace strumly::gui {

class PageSwitcher : public QObject {
  Q_OBJECT
 public:
  struct PageParts {
    QWidget* tab = nullptr;    // the page widget inside the page control
    QWidget* image = nullptr;  // the page picture that shows the placement cursor
    // The scroll area the wheel drives now (the tab page has two views, only one shown).
    std::function<QAbstractScrollArea*()> scrollArea;
    std::function<QString()> documentName;  // file name for the window caption, empty when none
    std::function<void()> entered;          // show the page's item on the fretboard, undo state
  };

  PageSwitcher(QTabWidget* pageControl, QWidget* window, QObject* parent = nullptr);

  void setPage(Page page, const PageParts& parts);
  // The parts of a registered page, for its owner to complete (nothing when not registered).
  PageParts* pageParts(Page page);
  void setBusyCheck(std::function<bool()> isBusy) { isBusy_ = std::move(isBusy); }
  void setTuningLock(std::function<void(bool locked)> lock) { lockTuning_ = std::move(lock); }
  void setUndoButton(QAbstractButton* undo) { undo_ = undo; }
  // Puts the seven interval read-outs back to black on white.
  void setIntervalReset(std::function<void()> reset) { resetIntervals_ = std::move(reset); }

  std::optional<Page> current() const;
  // Enters a page as if its tab had been clicked; false when refused or unknown.
  bool activate(Page page);
  // Enters the page and gives its image the placement cursor "CURFRET".
  bool carryTo(Page page);
  // What every change runs after the page has changed (also after the left-handed switch).
  void PageControl1Change();

  void setWindowCaption(const QString& caption);
  // "Strumly!   " followed by the active page's document file name.
  void refreshCaption();

  // Wheel distance in eighths of a degree (120 a notch); scrolls the active page by whole notches.
  void wheel(int angleDelta);
  // Takes every wheel event of `window` for the active page (installed on the application).
  bool eventFilter(QObject* watched, QEvent* event) override;
  void installWheelFilter();

 private:
  void changed(int index);
  const PageParts* parts(Page page) const;

  QTabWidget* pageControl_;
  QPointer<QWidget> window_;
  std::array<std::optional<PageParts>, kPageCount> pages_;
  std::function<bool()> isBusy_;
  std::function<void(bool)> lockTuning_;
  std::function<void()> resetIntervals_;
  QAbstractButton* undo_ = nullptr;
  WheelAccumulator wheel_;
  int shownIndex_ = -1;
};

}  // namespace strumly::gui
