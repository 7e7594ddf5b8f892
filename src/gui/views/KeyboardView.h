#pragma once
// `imgKeyboard`: the five-octave keyboard under the tool panel. It marks the pitch classes of the
// chord or scale on show with green dots, the root's keys red, and reports the key under the mouse.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <span>
#include <vector>

#include "core/theory/Pitch.h"
#include "core/views/KeyboardLayout.h"

namespace strumly::gui {

class KeyboardView : public QWidget {
  Q_OBJECT

 public:
  explicit KeyboardView(QWidget* parent = nullptr);

  // The keyboard display: an interval list read to its first 99 (at most ten) above the root.
  void showScale(std::span<const std::uint8_t> intervals, PitchClass root);
  // Back to the unmarked keyboard (`imgKeyboardCopy`).
  void clear();

  // In device pixels of the screen the keyboard is on (its devicePixelRatio() gives the scale).
  const QImage& image() const { return image_; }
  QSize sizeHint() const override { return {kKeyboardWidth, kKeyboardHeight}; }

 Q_SIGNALS:
  // imgKeyboardMouseMove: the key under the mouse (beyond the keys the previous one stays).
  void keyHovered(int key);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void loadPicture(qreal ratio);
  void drawDots();

  std::vector<KeyboardDot> dots_;
  QImage clean_;
  QImage image_;
  int hoveredKey_ = -1;
};

}  // namespace strumly::gui
