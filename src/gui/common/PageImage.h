#pragma once
// A page picture: everything is drawn into an off-screen image at exact pixel positions and the
// widget shows that image 1:1 at a fixed size. Mouse presses arrive in image pixels.
#include <QFont>
#include <QImage>
#include <QWidget>

#include "core/pages/PageLayout.h"

namespace strumly::gui {

class PageImage : public QWidget {
  Q_OBJECT

 public:
  explicit PageImage(QSize size, QWidget* parent = nullptr);

  QImage& image() { return image_; }
  const QImage& image() const { return image_; }
  // Grows or shrinks the picture (the Play page is made taller at start-up); new area is white.
  void resizeImage(QSize size);

  // The font that text drawn on this page uses ("canvas font").
  const QFont& canvasFont() const { return canvasFont_; }
  void setCanvasFont(const QFont& font) { canvasFont_ = font; }

  // The rectangle of the current selection frame; null when none is drawn.
  PixelRect selectionFrame() const { return frame_; }
  void setSelectionFrame(PixelRect frame) { frame_ = frame; }

  // Shows what was drawn into the image; a rectangle limits the repaint.
  void refresh() { update(); }
  void refresh(const QRect& area) { update(area); }

  QSize sizeHint() const override { return image_.size(); }

 Q_SIGNALS:
  void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
  void doubleClicked(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage image_;
  QFont canvasFont_;
  PixelRect frame_;
};

// The "Ariel" of the page layouts at a point size, on a 96 dpi canvas as the layouts assume.
QFont pageFont(int pointSize);

}  // namespace strumly::gui
