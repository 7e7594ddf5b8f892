#include "gui/playpage/PlayPageDrag.h"

#include <QApplication>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>

#include "core/playpage/PlayPageLayout.h"
#include "gui/common/PageImage.h"
#include "gui/common/Resources.h"

namespace strumly::gui {
namespace {

constexpr int kTimerInterval = 20;
constexpr int kFastInterval = 16;

std::optional<int> draggedSlot(const QMimeData* data) {
  if (!data || !data->hasFormat(PlayPageDrag::kMimeType)) return std::nullopt;
  bool ok = false;
  const int slot = data->data(PlayPageDrag::kMimeType).toInt(&ok);
  if (!ok || slot < 0 || slot >= kPlaySlotCount) return std::nullopt;
  return slot;
}

}  // namespace

PlayPageDrag::PlayPageDrag(PageImage& image, QScrollArea& scroll, QObject* parent)
    : QObject(parent), image_(image), scroll_(scroll) {
  image_.setAcceptDrops(true);
  image_.installEventFilter(this);
  timerPageDrag_.setInterval(kTimerInterval);
  connect(&timerPageDrag_, &QTimer::timeout, this, &PlayPageDrag::timerPageDragTimer);
}

void PlayPageDrag::arm(std::optional<SlotPos> slot, QPoint at) {
  armed_ = slot;
  pressedAt_ = at;
}

void PlayPageDrag::start() {
  const SlotPos source = *armed_;
  armed_.reset();
  auto* data = new QMimeData;
  data->setData(kMimeType, QByteArray::number(source.index()));
  auto* drag = new QDrag(&image_);
  drag->setMimeData(data);
  const PixelRect cell = playCellRect(source);
  drag->setPixmap(QPixmap::fromImage(
      image_.copyArea(QRect(cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top))));
  drag->setHotSpot(QPoint(cell.right - cell.left, cell.bottom - cell.top) / 2);
  drag->setDragCursor(cursor("CURMOVE").pixmap(), Qt::CopyAction);
  dragging_ = true;
  timerPageDrag_.start();
  drag->exec(Qt::CopyAction);
  timerPageDrag_.stop();
  dragging_ = false;
  pointerY_ = -100;
}

void PlayPageDrag::timerPageDragTimer() {
  if (pointerY_ == -100 || !dragging_) return;
  QScrollBar* bar = scroll_.verticalScrollBar();
  const int height = scroll_.viewport()->height();
  timerPageDrag_.setInterval(kTimerInterval);
  if (pointerY_ > height - 40) bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  if (pointerY_ <= 35) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  // Closer to the edge it scrolls twice as far and a little faster.
  if (pointerY_ > height - 20) {
    timerPageDrag_.setInterval(kFastInterval);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  }
  if (pointerY_ <= 15) {
    timerPageDrag_.setInterval(kFastInterval);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  }
}

bool PlayPageDrag::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &image_) return false;
  switch (event->type()) {
    case QEvent::MouseMove: {
      auto* move = static_cast<QMouseEvent*>(event);
      if (armed_ && (move->buttons() & Qt::LeftButton) &&
          (move->position().toPoint() - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        start();
        return true;
      }
      return false;
    }
    case QEvent::MouseButtonRelease:
      armed_.reset();
      return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* over = static_cast<QDragMoveEvent*>(event);
      pointerY_ = scroll_.viewport()->mapFromGlobal(image_.mapToGlobal(over->position().toPoint())).y();
      if (draggedSlot(over->mimeData()) &&
          playHitTest(over->position().toPoint().x(), over->position().toPoint().y()))
        over->acceptProposedAction();
      else
        over->ignore();
      return true;
    }
    case QEvent::DragLeave:
      return true;
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const std::optional<int> source = draggedSlot(drop->mimeData());
      if (!source) return false;
      drop->acceptProposedAction();
      Q_EMIT dropped(SlotPos::of(*source), drop->position().toPoint());
      return true;
    }
    default:
      return false;
  }
}

}  // namespace strumly::gui
