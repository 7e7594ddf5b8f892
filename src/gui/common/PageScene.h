#pragma once
// What has been drawn on a page picture, kept as painting steps in the page's own (logical) pixels
// so that it can be painted again at any resolution: the screen picture at the window's pixel
// ratio, the printer and the PDF as lines and text. A step that paints an area over whole makes
// the steps it covers unneeded; they are dropped, so a page redrawn for hours stays small.
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

class QFont;
class QPainter;

namespace strumly::gui {

class PageScene {
 public:
  using Step = std::function<void(QPainter&)>;

  // `bounds` holds everything the step paints; `covers` (may be null) what it paints over whole.
  // A step with a `key` replaces the earlier steps of that key (the moving selection frame).
  void add(const QRect& bounds, const QRect& covers, Step step, int key = 0);
  void clear() { steps_.clear(); }
  std::size_t size() const { return steps_.size(); }
  // Paints every step, in order, onto a painter already set to page pixels; `area` (if given)
  // leaves out the steps outside it.
  void replay(QPainter& painter, const QRect& area = QRect()) const;

 private:
  struct Entry {
    QRect bounds;
    Step step;
    int key;
  };
  std::vector<Entry> steps_;
};

// Text sizes on pages are in points of a 96 dpi canvas: the font to set on `painter` so that
// text keeps its size in page pixels on any device (a 1200 dpi printer included).
QFont fontForPagePixels(const QFont& font, const QPainter& painter);

}  // namespace strumly::gui
