#include "gui/common/PageList.h"

#include <QTabWidget>

#include "gui/common/Page.h"

namespace strumly::gui {

PageList::PageList(QTabWidget* pageControl, QObject* parent) : QObject(parent), pageControl_(pageControl) {}

void PageList::add(Page& page) {
  pages_.push_back(&page);
  pageControl_->addTab(page.pageWidget(), page.title());
}

Page* PageList::page(PageId id) const {
  for (Page* p : pages_)
    if (p->pageId() == id) return p;
  return nullptr;
}

Page* PageList::current() const {
  QWidget* tab = pageControl_->currentWidget();
  for (Page* p : pages_)
    if (p->pageWidget() == tab) return p;
  return nullptr;
}

std::optional<PageId> PageList::currentId() const {
  const Page* p = current();
  return p ? std::optional<PageId>(p->pageId()) : std::nullopt;
}

bool PageList::activate(PageId id) {
  Page* target = page(id);
  if (!target) return false;
  if (current() == target) return true;
  pageControl_->setCurrentWidget(target->pageWidget());
  return current() == target;
}

bool PageList::carryTo(PageId id) {
  if (!activate(id)) return false;
  // After the change: entering a page drops every placement first.
  page(id)->startPlacement();
  return true;
}

}  // namespace strumly::gui
