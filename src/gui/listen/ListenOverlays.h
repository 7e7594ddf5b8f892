#pragma once
// What Listen paints over the neck and the keyboard, on top of what they show: rings on the
// chord's or scale's places (green heard, grey not yet) and red on the keys of notes that do not
// belong. They take no mouse input; the neck and keyboard below keep theirs.
#include <QColor>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "core/views/FretboardGeometry.h"

namespace strumly::gui {

class NeckMarks : public QWidget {
  Q_OBJECT
 public:
  struct Mark {
    int string = 0;
    int fret = 0;
    bool heard = false;
  };
  explicit NeckMarks(QWidget* neck);
  void showMarks(std::vector<Mark> marks, Hand hand);
  void clear() { showMarks({}, hand_); }
  const std::vector<Mark>& marks() const { return marks_; }
  static QColor heardColour() { return {0, 180, 0}; }
  static QColor notHeardColour() { return {150, 150, 150}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<Mark> marks_;
  Hand hand_ = Hand::Right;
};

class KeyMarks : public QWidget {
  Q_OBJECT
 public:
  explicit KeyMarks(QWidget* keyboard);
  // Pitch classes, bit 0 = C: every key of each turns red.
  void showWrong(std::uint16_t pitchClasses);
  std::uint16_t wrong() const { return wrong_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::uint16_t wrong_ = 0;
};

}  // namespace strumly::gui
