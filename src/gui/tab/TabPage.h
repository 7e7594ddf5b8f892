#pragma once
// The Tablature page: plain-text guitar tab, converted and played.
#include <QWidget>

#include "gui/common/TuningTakeOver.h"

namespace strumly::gui {

class TabPage : public QWidget, public PageTuning {
  Q_OBJECT
 public:
  explicit TabPage(QWidget* parent = nullptr);
};

}  // namespace strumly::gui
