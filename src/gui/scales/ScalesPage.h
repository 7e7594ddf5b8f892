#pragma once
// The Scales page: six fretboard positions of a scale, in the page's own tuning.
#include <QWidget>

#include "gui/common/Page.h"
#include "gui/common/TuningTakeOver.h"

namespace strumly::gui {

class ScalesPage : public QWidget, public Page, public PageTuning {
  Q_OBJECT
 public:
  explicit ScalesPage(QWidget* parent = nullptr);

  PageId pageId() const override { return PageId::Scales; }
  QString title() const override { return "Scales"; }
  QWidget* pageWidget() override { return this; }
  QAbstractScrollArea* scrollArea() const override { return scrollScales_; }
  TuningTakeOver* tuningTakeOver() override { return this; }

 private:
  QAbstractScrollArea* scrollScales_;
};

}  // namespace strumly::gui
