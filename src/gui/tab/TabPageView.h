#pragma once
// The converted view `scrollTabPage` with its picture `imgTabPage`: the converted lines on the
// page colour, the "Page n" labels, the two play-range markers and the play cursor. The page is
// never held as one picture: only the rows in view are painted, so a page of any length shows at
// once and costs no more memory than its lines.
#include <QAbstractScrollArea>
#include <QFont>
#include <QImage>
#include <optional>

#include "core/tab/TabMarkers.h"
#include "core/tab/TabText.h"

namespace strumly::gui {

class TabPageView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit TabPageView(QWidget* parent = nullptr);

  // The converted page to show (the view keeps the pointer; the owner keeps the lines alive and
  // calls this again after changing them), or none: the empty page (ClearTabPage).
  void setPage(const TabLines* lines);
  bool hasPage() const { return lines_ != nullptr; }
  int pageHeight() const;
  // 1000 pixels, or as wide as the longest line needs.
  int pageWidth() const { return pageWidth_; }
  void setMarkers(const TabMarkers& markers);
  const TabMarkers& markers() const { return markers_; }
  // The play cursor over column `column` of block `block`, or none. The view follows it sideways
  // so that a wide tab never plays unseen.
  void setPlayCursor(std::optional<std::pair<int, int>> columnAndBlock);
  std::optional<std::pair<int, int>> playCursor() const { return cursor_; }
  // Scrolls vertically to the top of a block (126 pixels a block).
  void scrollToBlock(int block);

  // Paints the page pixels of `area` with the area's top-left corner at the painter's origin.
  void renderPage(QPainter& painter, const QRect& area) const;
  // The part of the page in view now, in page pixels.
  QRect visiblePageRect() const;

 Q_SIGNALS:
  // A mouse press on the page, in page pixels.
  void pagePressed(int x, int y, Qt::MouseButton button, QPoint globalPos);
  void pageHovered();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void updateScrollRange();
  void drawOver(QPainter& painter, const QRect& area, const QImage& bitmap, const TabRect& at) const;
  int labelRight() const;
  void followColumn(int column);

  const TabLines* lines_ = nullptr;
  TabMarkers markers_{};
  std::optional<std::pair<int, int>> cursor_;
  QFont font_;
  int ascent_ = 0;
  int pageWidth_ = kTabPageWidth;
};

}  // namespace strumly::gui
