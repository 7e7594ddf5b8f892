#pragma once
// The Print page: chord and scale diagrams arranged for printing. Entering it shows its last
// cell on the fretboard; a cell holding a scale waits for the scale display.
#include <QWidget>

#include "core/pages/PageHolders.h"
#include "gui/common/Page.h"

namespace strumly::gui {

class ChordDisplay;

class PrintPage : public QWidget, public Page {
  Q_OBJECT
 public:
  PrintPage(const PageHolders& holders, ChordDisplay& display, QWidget* parent = nullptr);

  PageId pageId() const override { return PageId::Print; }
  QString title() const override { return "Print"; }
  QWidget* pageWidget() override { return this; }
  void entered() override;
  QAbstractScrollArea* scrollArea() const override { return scrollPrintPage_; }

 private:
  const PageHolders& holders_;
  ChordDisplay& display_;
  QAbstractScrollArea* scrollPrintPage_;
};

}  // namespace strumly::gui
