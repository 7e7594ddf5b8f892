#pragma once
// A page picture: everything is drawn at exact positions in page pixels, which are the widget's
// logical pixels, and the widget shows the picture at a fixed size. What is drawn is kept as a
// PageScene: the screen picture is painted from it at the window's pixel ratio (and painted again
// when the window reaches a screen with another ratio), printing paints it onto the paper.
// Mouse presses arrive in page pixels.
#include <QFont>
#include <QImage>
#include <QWidget>

#include "core/pages/PageLayout.h"
#include "gui/common/PageScene.h"

namespace strumly::gui {

class PageImage : public QWidget {
  Q_OBJECT

 public:
  explicit PageImage(QSize size, QWidget* parent = nullptr);

  // The screen picture, in device pixels (its devicePixelRatio() gives the scale).
  const QImage& image() const { return image_; }
  QSize pageSize() const { return size_; }
  const PageScene& scene() const { return scene_; }
  // A part of the screen picture (page pixels), at the screen's ratio.
  QImage copyArea(const QRect& area) const;

  // Paints one step onto the picture and keeps it for printing and for another pixel ratio;
  // `bounds` holds everything it paints, `covers` what it paints over whole (see PageScene).
  void paint(const QRect& bounds, const QRect& covers, PageScene::Step step, int key = 0);
  // A step that paints its whole rectangle over.
  void paint(const QRect& area, PageScene::Step step) { paint(area, area, std::move(step)); }
  // The whole page white again; forgets every step and the selection frame.
  void clear();
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

  QSize sizeHint() const override { return size_; }

 Q_SIGNALS:
  void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
  void doubleClicked(int x, int y);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The picture again from the scene, at the ratio the widget has now.
  void repaintAtRatio(qreal ratio);

  QSize size_;
  QImage image_;
  PageScene scene_;
  QFont canvasFont_;
  PixelRect frame_;
};

// The "Ariel" of the page layouts at a point size, on a 96 dpi canvas as the layouts assume.
QFont pageFont(int pointSize);
// A white picture of `size` page pixels at `ratio` device pixels each, with the 96 dpi that page
// text sizes assume.
QImage whitePagePicture(QSize size, qreal ratio);

}  // namespace strumly::gui
