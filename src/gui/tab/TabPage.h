#pragma once
// The Tablature page: plain-text guitar tab, converted and played. The page carries its own
// tuning: entering it puts that tuning in the tuning controls.
#include <QWidget>

#include "gui/common/Page.h"
#include "gui/common/TuningTakeOver.h"

namespace strumly::gui {

class TuningControls;

class TabPage : public QWidget, public Page, public PageTuning {
  Q_OBJECT
 public:
  explicit TabPage(TuningControls& tuningControls, QWidget* parent = nullptr);

  PageId pageId() const override { return PageId::Tablature; }
  QString title() const override { return "Tablature"; }
  QWidget* pageWidget() override { return this; }
  void entered() override;
  QAbstractScrollArea* scrollArea() const override { return scrollTabPage_; }
  TuningTakeOver* tuningTakeOver() override { return this; }

 private:
  TuningControls& tuningControls_;
  QAbstractScrollArea* scrollTabPage_;
};

}  // namespace strumly::gui
