#include "gui/tab/TabPageView.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "gui/common/Resources.h"

namespace strumly::gui {

namespace {

const QColor kPageColour(233, 224, 207);

QRect toQRect(const TabRect& r) {
  return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// A marker's picture for a painter: its @2x picture on a device of more than one pixel per page
// pixel, so a HiDPI screen gets the marker's own detail.
QImage markerPicture(const char* name, const QPainter& painter) {
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  QImage image = picture(QString::fromLatin1(name), ratio);
  const qreal own = image.devicePixelRatio();
  image = image.convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(own);
  return image;
}

}  // namespace

TabPageView::TabPageView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName("scrollTabPage");
  setAccessibleName(tr("Converted tab"));
  setAccessibleDescription(tr("The tab as it plays, with the play range markers and the play cursor"));
  viewport()->setObjectName("imgTabPage");
  viewport()->setAccessibleName(tr("Tab page"));
  viewport()->setAccessibleDescription(
      tr("The converted tab in blocks of six strings; a left click sets the start marker, a right click "
         "the end marker, a right click beside a block's text opens the marker commands"));
  viewport()->setMouseTracking(true);
  // "Courier" 12: every character keeps the page's 9-pixel column, whatever font stands in.
  font_ = QFont("Courier");
  font_.setStyleHint(QFont::TypeWriter);
  font_.setFixedPitch(true);
  font_.setPixelSize(15);
  const qreal advance = QFontMetricsF(font_).horizontalAdvance(QLatin1Char('0'));
  font_.setLetterSpacing(QFont::AbsoluteSpacing, kTabColumnPitch - advance);
  ascent_ = qRound(QFontMetricsF(font_).ascent());
  verticalScrollBar()->setSingleStep(kTabLinePitch);
  horizontalScrollBar()->setSingleStep(kTabColumnPitch);
  updateScrollRange();
}

void TabPageView::setPage(const TabLines* lines) {
  lines_ = lines;
  cursor_.reset();
  if (!lines_) markers_ = {};
  pageWidth_ = lines_ ? tabPageWidth(longestTabLine(*lines_)) : kTabPageWidth;
  updateScrollRange();
  viewport()->update();
}

int TabPageView::pageHeight() const {
  return lines_ ? tabPageHeight(static_cast<int>(std::min<std::size_t>(lines_->size(), 100'000'000)))
                : kTabMinPageHeight;
}

void TabPageView::setMarkers(const TabMarkers& markers) {
  markers_ = markers;
  viewport()->update();
}

void TabPageView::setPlayCursor(std::optional<std::pair<int, int>> columnAndBlock) {
  if (cursor_ == columnAndBlock) return;
  cursor_ = columnAndBlock;
  if (cursor_) followColumn(cursor_->first);
  viewport()->update();
}

void TabPageView::followColumn(int column) {
  const TabRect at = tabCursorRect(column, 0);
  QScrollBar* across = horizontalScrollBar();
  const int width = viewport()->width();
  // Turned like a page: once the cursor leaves the view it comes back a little in from the left.
  if (at.left < across->value() || at.right > across->value() + width)
    across->setValue(at.left - std::min(width / 8, 10 * kTabColumnPitch));
}

void TabPageView::scrollToBlock(int block) {
  verticalScrollBar()->setValue(kTabBlockPitch * block);
}

QRect TabPageView::visiblePageRect() const {
  return QRect(horizontalScrollBar()->value(), verticalScrollBar()->value(), viewport()->width(),
               viewport()->height());
}

void TabPageView::updateScrollRange() {
  const QSize view = viewport()->size();
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setRange(0, std::max(0, pageHeight() - view.height()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setRange(0, std::max(0, pageWidth_ - view.width()));
}

int TabPageView::labelRight() const {
  // The labels stand at the scroll box's right edge, and never off the picture.
  return std::min(horizontalScrollBar()->value() + viewport()->width(), pageWidth_);
}

void TabPageView::renderPage(QPainter& painter, const QRect& area) const {
  painter.save();
  painter.translate(-area.topLeft());
  const QRect page(0, 0, pageWidth_, pageHeight());
  painter.fillRect(area, palette().color(QPalette::Window));
  painter.fillRect(area.intersected(page), kPageColour);
  if (lines_) {
    painter.setFont(font_);
    const QFontMetrics metrics(font_);
    const long count = static_cast<long>(lines_->size());
    // Only the lines that reach into the area: one above for the white copy's pixel.
    const long first =
        std::max(0L, static_cast<long>((area.top() - kTabTextY - metrics.height()) / kTabLinePitch));
    const long last = std::min(count - 1, static_cast<long>((area.bottom() - kTabTextY + 1) / kTabLinePitch));
    const auto firstColumn =
        static_cast<std::size_t>(std::max(0, (area.left() - kTabTextX) / kTabColumnPitch - 1));
    const auto columns = static_cast<std::size_t>(area.width() / kTabColumnPitch + 3);
    for (long e = first; e <= last; ++e) {
      const TabLine& line = (*lines_)[static_cast<std::size_t>(e)];
      const int y = kTabLinePitch * static_cast<int>(e) + kTabTextY + ascent_;
      // Only the columns that reach into the area, one more each side for the white copy.
      const std::size_t from = std::min<std::size_t>(line.size(), firstColumn);
      const std::size_t shown = std::min<std::size_t>(line.size() - from, columns);
      if (shown > 0) {
        const QString text = QString::fromUcs4(line.data() + from, static_cast<qsizetype>(shown));
        const int x = kTabTextX + kTabColumnPitch * static_cast<int>(from);
        painter.setPen(Qt::white);
        painter.drawText(x - 1, y - 1, text);
        painter.setPen(Qt::black);
        painter.drawText(x, y, text);
      }
      if (tabLineHasPageLabel(static_cast<int>(e))) {
        const QString label = tr("Page %1").arg(e / kTabLinesPerPageLabel + 1);
        const int x = labelRight() - metrics.horizontalAdvance(label) - 24;
        painter.setPen(Qt::white);
        painter.drawText(x - 1, y - 1, label);
        painter.setPen(Qt::black);
        painter.drawText(x, y, label);
      }
    }
    drawOver(painter, area, markerPicture("TABSTART", painter), startMarkerRect(markers_.start));
    drawOver(painter, area, markerPicture("TABEND", painter), endMarkerRect(markers_.end));
    if (cursor_)
      drawOver(painter, area, markerPicture("TABCURSR", painter),
               tabCursorRect(cursor_->first, cursor_->second));
  }
  painter.restore();
}

void TabPageView::drawOver(QPainter& painter, const QRect& area, const QImage& bitmap,
                           const TabRect& at) const {
  const QRect target = toQRect(at);
  if (bitmap.isNull() || !target.intersects(area)) return;
  // AND-combined: the page shows through the bitmap's white.
  painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  painter.drawImage(QRectF(target.topLeft(), bitmap.deviceIndependentSize()), bitmap);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TabPageView::paintEvent(QPaintEvent* event) {
  const QRect dirty = event->rect();
  if (dirty.isEmpty()) return;
  // Painted through an image of the dirty part: the markers' AND needs a raster target. The image
  // has the screen's own pixels, so text and markers are as sharp as the screen.
  const qreal ratio = devicePixelRatioF();
  QImage buffer((QSizeF(dirty.size()) * ratio).toSize(), QImage::Format_RGB32);
  buffer.setDevicePixelRatio(ratio);
  {
    QPainter painter(&buffer);
    renderPage(painter, dirty.translated(horizontalScrollBar()->value(), verticalScrollBar()->value()));
  }
  QPainter(viewport()).drawImage(QRectF(dirty), buffer);
}

void TabPageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRange();
}

void TabPageView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  Q_EMIT pagePressed(at.x() + horizontalScrollBar()->value(), at.y() + verticalScrollBar()->value(),
                     event->button(), event->globalPosition().toPoint());
}

void TabPageView::mouseMoveEvent(QMouseEvent* event) {
  QAbstractScrollArea::mouseMoveEvent(event);
  Q_EMIT pageHovered();
}

}  // namespace strumly::gui
