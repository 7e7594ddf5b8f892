#pragma once
// An up-down control: two small arrow buttons stepping a position between a minimum and a
// maximum, optionally wrapping at the ends. It reports each step (`clicked`, the up-down's
// OnClick) and the release of the mouse after stepping (`mouseReleased`, its OnMouseUp), which is
// where the program takes over a new value.
#include <QWidget>

class QToolButton;

namespace strumly::gui {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  explicit UpDown(QWidget* parent = nullptr);

  void setRange(int minimum, int maximum);
  void setWrap(bool wrap) { wrap_ = wrap; }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int position() const { return position_; }
  void setPosition(int position);  // clamped; emits nothing

  // Steps as a press on an arrow does: +1 for up, -1 for down.
  void step(int delta);
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 Q_SIGNALS:
  void clicked(int position);
  void mouseReleased();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
  bool wrap_ = false;
};

}  // namespace strumly::gui
