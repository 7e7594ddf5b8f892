#pragma once
// The Print page: chord and scale diagrams arranged for printing.
#include <QWidget>

namespace strumly::gui {

class PrintPage : public QWidget {
  Q_OBJECT
 public:
  explicit PrintPage(QWidget* parent = nullptr);
};

}  // namespace strumly::gui
