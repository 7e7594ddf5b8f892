#pragma once
// The pages of the page control, in tab order, and moving between them. Every part that needs to
// know the active page or to bring a page forward asks this list; what happens when the page
// changes (refusal while playing, the page's entry, the caption) is the shell's page switcher.
#include <QObject>
#include <optional>
#include <vector>

#include "core/app/PageRules.h"

class QTabWidget;

namespace strumly::gui {

class Page;

class PageList : public QObject {
  Q_OBJECT
 public:
  explicit PageList(QTabWidget* pageControl, QObject* parent = nullptr);

  // Adds the page as the next tab, under its title.
  void add(Page& page);
  const std::vector<Page*>& pages() const { return pages_; }
  Page* page(PageId id) const;
  Page* current() const;
  std::optional<PageId> currentId() const;
  bool isActive(PageId id) const { return currentId() == id; }
  QTabWidget* pageControl() const { return pageControl_; }

  // Enters a page as if its tab had been clicked; false when refused or unknown.
  bool activate(PageId id);
  // Enters the page and gives its picture the placement cursor "CURFRET".
  bool carryTo(PageId id);

 private:
  QTabWidget* pageControl_;
  std::vector<Page*> pages_;
};

}  // namespace strumly::gui
