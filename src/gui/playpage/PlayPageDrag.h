#pragma once
// Dragging a chord from one slot of the play page to another. A left press on a filled slot
// arms the drag; moving past the desktop's drag distance starts it. While the drag runs, the page
// scrolls when the pointer nears the top or bottom of the scroll box (timerPageDrag), and a
// drop on the picture reports the slot dragged from and the point dropped on. Drags carry the
// slot number, so nothing but a play page slot is ever accepted.
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <optional>

#include "core/playpage/PlayPageData.h"

class QScrollArea;
class QWidget;

namespace strumly::gui {

class PageImage;

class PlayPageDrag : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kMimeType = "application/x-strumly-playslot";

  PlayPageDrag(PageImage& image, QScrollArea& scroll, QObject* parent = nullptr);

  // imgPlayPageMouseDown with the left button: a filled slot may be dragged from here.
  void arm(std::optional<SlotPos> slot, QPoint at);
  void disarm() { armed_.reset(); }
  bool dragging() const { return dragging_; }
  // timerPageDragTimer: scrolls by the remembered pointer position.
  void timerPageDragTimer();

 Q_SIGNALS:
  void dropped(strumly::SlotPos source, QPoint at);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void start();

  PageImage& image_;
  QScrollArea& scroll_;
  QTimer timerPageDrag_;
  std::optional<SlotPos> armed_;
  QPoint pressedAt_;
  bool dragging_ = false;
  int pointerY_ = -100;  // in the scroll box; -100 until a drag passes over it
};

}  // namespace strumly::gui
