#pragma once
// The Scales page: six fretboard positions of a scale.
#include <QWidget>

#include "gui/common/TuningTakeOver.h"

namespace strumly::gui {

class ScalesPage : public QWidget, public PageTuning {
  Q_OBJECT
 public:
  explicit ScalesPage(QWidget* parent = nullptr);
};

}  // namespace strumly::gui
