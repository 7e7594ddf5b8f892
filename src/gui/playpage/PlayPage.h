#pragma once
// The PlayPage: four pages of measures of chords that play in time.
#include <QWidget>

namespace strumly::gui {

class PlayPage : public QWidget {
  Q_OBJECT
 public:
  explicit PlayPage(QWidget* parent = nullptr);
};

}  // namespace strumly::gui
