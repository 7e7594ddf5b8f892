#include "gui/app/PageSwitcher.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QWheelEvent>
#include <cstdlib>

#include "gui/app/BottomPanel.h"
#include "gui/common/DocumentFiles.h"
#include "gui/common/Page.h"
#include "gui/common/PageList.h"
#include "gui/controls/TuningControls.h"
#include "gui/playback/Transport.h"

namespace strumly::gui {

PageSwitcher::PageSwitcher(PageList& pages, const Transport& transport, BottomPanel& bottom,
                           QAbstractButton* undo, QWidget* window, QObject* parent)
    : QObject(parent), pages_(pages), transport_(transport), bottom_(bottom), undo_(undo), window_(window) {
  shownIndex_ = pages_.pageControl()->currentIndex();
  connect(pages_.pageControl(), &QTabWidget::currentChanged, this, &PageSwitcher::changed);
}

void PageSwitcher::changed(int index) {
  // The page control has already moved, so a refused change moves it back.
  if (transport_.IsPlayingOrBusy() && shownIndex_ >= 0 && index != shownIndex_) {
    const QSignalBlocker block(pages_.pageControl());
    pages_.pageControl()->setCurrentIndex(shownIndex_);
    return;
  }
  shownIndex_ = index;
  PageControl1Change();
}

void PageSwitcher::PageControl1Change() {
  for (Page* page : pages_.pages()) page->dropPlacement();
  if (undo_) undo_->setEnabled(false);
  bottom_.resetIntervalColours();
  Page* page = pages_.current();
  if (!page) return;
  bottom_.tuningControls()->setLocked(tuningLocked(page->pageId()));
  refreshCaption();
  page->entered();
}

void PageSwitcher::refreshCaption() {
  Page* page = pages_.current();
  PageDocument* document = page ? page->document() : nullptr;
  const QString name = document ? document->fileName() : QString();
  if (window_) window_->setWindowTitle(documentCaption(name));
}

void PageSwitcher::wheel(int angleDelta) {
  const int notches = wheel_.add(angleDelta);
  if (notches == 0) return;
  Page* page = pages_.current();
  QAbstractScrollArea* area = page ? page->scrollArea() : nullptr;
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
