#pragma once
// A page picture: everything is drawn at exact positions in page pixels, which are the widget's
// logical pixels, and the widget shows the picture at a fixed size. What is drawn is kept as a
// PageScene: the screen picture is painted from it at the window's pixel ratio (and painted again
// when the window reaches a screen with another ratio), printing paints it onto the paper.
// Mouse presses arrive in page pixels. The keyboard reaches the picture with Tab: the arrows move
// the page's selection, Enter shows it and the Menu key or Shift+F10 opens the page's popup.
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <optional>

#include "core/pages/PageLayout.h"
#include "gui/common/PageScene.h"

class QKeyEvent;

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
  void setSelectionFrame(PixelRect frame);

  // Shows what was drawn into the image; a rectangle limits the repaint.
  void refresh() { update(); }
  void refresh(const QRect& area) { update(area); }

  QSize sizeHint() const override { return size_; }

  // The keys a focused picture acts on itself instead of leaving them to the window: none until
  // its page answers them (pressSelectionOnKeys).
  bool takesKey(const QKeyEvent& key) const;
  void setSelectionKeys(bool on) { selectionKeys_ = on; }
  // Where the page's popup opens for the keyboard: the middle of the selection frame, else the
  // top left of the part in view (page pixels).
  QPoint keyboardPopupPoint() const;
  // Where a page opens the popup a press asked for, on the screen: at the mouse pointer, or at the
  // selection while the popup was asked for from the keyboard.
  QPoint popupPosition() const;

 Q_SIGNALS:
  void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
  void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
  void doubleClicked(int x, int y);
  // An arrow key: the selection one diagram (or slot) across and down; -1, 0 or +1 each.
  void selectionMoveRequested(int across, int down);
  // Enter or Return: show the selection as a left press on it would.
  void selectionShowRequested();
  // The Menu key or Shift+F10: the page's popup at `at` (page pixels), as a right press would.
  void popupRequested(QPoint at);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The picture again from the scene, at the ratio the widget has now.
  void repaintAtRatio(qreal ratio);

  QSize size_;
  QImage image_;
  PageScene scene_;
  QFont canvasFont_;
  PixelRect frame_;
  bool keyboardPopup_ = false;
  bool selectionKeys_ = false;
};

// Enter and the menu keys on a focused picture press the middle of its selection frame, with the
// left and the right button, through the page's own press handler.
void pressSelectionOnKeys(PageImage* image, const std::function<void(Qt::MouseButton, int, int)>& press);
// The name and description a screen reader gives a page picture.
void describePicture(PageImage* image, const QString& name, const QString& shows);

// The cell an arrow key moves a grid selection to: one across and down from `from`, held inside
// `columns` x `rows`; the first cell when nothing is selected yet.
GridCell keyboardStep(std::optional<GridCell> from, int across, int down, int columns, int rows);

// The middle of a diagram's selection frame, where the keyboard presses it (page pixels).
QPoint cellMiddle(DiagramPage page, GridCell cell);

// The "Ariel" of the page layouts at a point size, on a 96 dpi canvas as the layouts assume.
QFont pageFont(int pointSize);
// A white picture of `size` page pixels at `ratio` device pixels each, with the 96 dpi that page
// text sizes assume.
QImage whitePagePicture(QSize size, qreal ratio);

}  // namespace strumly::gui
