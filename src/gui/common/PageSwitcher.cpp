#include "gui/common/PageSwitcher.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QWheelEvent>
#include <cstdlib>

#include "gui/common/Resources.h"

namespace strumly::gui {

PageSwitcher::PageSwitcher(QTabWidget* pageControl, QWidget* window, QObject* parent)
    : QObject(parent), pageControl_(pageControl), window_(window) {
  shownIndex_ = pageControl_->currentIndex();
  connect(pageControl_, &QTabWidget::currentChanged, this, &PageSwitcher::changed);
}

void PageSwitcher::setPage(Page page, const PageParts& parts) {
  pages_[static_cast<std::size_t>(page)] = parts;
}

PageSwitcher::PageParts* PageSwitcher::pageParts(Page page) {
  auto& slot = pages_[static_cast<std::size_t>(page)];
  return slot ? &*slot : nullptr;
}

const PageSwitcher::PageParts* PageSwitcher::parts(Page page) const {
  const auto& slot = pages_[static_cast<std::size_t>(page)];
  return slot ? &*slot : nullptr;
}

std::optional<Page> PageSwitcher::current() const {
  QWidget* tab = pageControl_->currentWidget();
  for (int p = 0; p < kPageCount; ++p) {
    const auto& slot = pages_[static_cast<std::size_t>(p)];
    if (slot && slot->tab == tab) return static_cast<Page>(p);
  }
  return std::nullopt;
}

bool PageSwitcher::activate(Page page) {
  const PageParts* target = parts(page);
  if (!target || !target->tab) return false;
  if (pageControl_->currentWidget() == target->tab) return true;
  pageControl_->setCurrentWidget(target->tab);
  return pageControl_->currentWidget() == target->tab;
}

bool PageSwitcher::carryTo(Page page) {
  if (!activate(page)) return false;
  // After the change: entering a page resets every page cursor.
  if (const PageParts* target = parts(page); target && target->image)
    target->image->setCursor(cursor("CURFRET"));
  return true;
}

void PageSwitcher::changed(int index) {
  // PageControl1Changing: the page control has already moved, so a refused change moves it back.
  if (isBusy_ && isBusy_() && shownIndex_ >= 0 && index != shownIndex_) {
    QSignalBlocker block(pageControl_);
    pageControl_->setCurrentIndex(shownIndex_);
    return;
  }
  shownIndex_ = index;
  PageControl1Change();
}

void PageSwitcher::PageControl1Change() {
  for (const auto& slot : pages_) {
    if (slot && slot->image) slot->image->unsetCursor();
  }
  if (undo_) undo_->setEnabled(false);
  if (resetIntervals_) resetIntervals_();
  std::optional<Page> page = current();
  if (!page) return;
  PageEntry entry = pageEntry(*page);
  if (lockTuning_) lockTuning_(entry.tuningLocked);
  refreshCaption();
  if (const PageParts* active = parts(*page); active && active->entered) active->entered();
}

void PageSwitcher::setWindowCaption(const QString& caption) {
  if (window_) window_->setWindowTitle(caption);
}

void PageSwitcher::refreshCaption() {
  std::optional<Page> page = current();
  const PageParts* active = page ? parts(*page) : nullptr;
  QString name = active && active->documentName ? active->documentName() : QString();
  setWindowCaption("Strumly!   " + name);
}

void PageSwitcher::wheel(int angleDelta) {
  int notches = wheel_.add(angleDelta);
  if (notches == 0) return;
  std::optional<Page> page = current();
  const PageParts* active = page ? parts(*page) : nullptr;
  QAbstractScrollArea* area = active && active->scrollArea ? active->scrollArea() : nullptr;
  if (!area) return;
  QScrollBar* bar = area->verticalScrollBar();
  // A notch up (positive) scrolls towards the top, line by line as the desktop sets it.
  const auto action =
      notches > 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
  const int lines = std::abs(notches) * QApplication::wheelScrollLines();
  for (int i = 0; i < lines; ++i) bar->triggerAction(action);
}

void PageSwitcher::installWheelFilter() {
  qApp->installEventFilter(this);
}

bool PageSwitcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !window_ || widget->window() != window_) return false;
  // Taken here, the event never reaches the focused control (the strum-speed bar, mostly) nor
  // the scroll area under the pointer, so the page scrolls exactly once.
  wheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
  return true;
}

}  // namespace strumly::gui
