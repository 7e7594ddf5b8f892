#include "gui/common/PageScene.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace strumly::gui {

void PageScene::add(const QRect& bounds, const QRect& covers, Step step, int key) {
  if (!covers.isNull() || key != 0) {
    std::erase_if(steps_, [&covers, key](const Entry& e) {
      return (key != 0 && e.key == key) || (!covers.isNull() && covers.contains(e.bounds));
    });
  }
  steps_.push_back({bounds, std::move(step), key});
}

void PageScene::replay(QPainter& painter, const QRect& area) const {
  for (const Entry& e : steps_) {
    if (!area.isNull() && !area.intersects(e.bounds)) continue;
    painter.save();
    e.step(painter);
    painter.restore();
  }
}

QFont fontForPagePixels(const QFont& font, const QPainter& painter) {
  const QPaintDevice* device = painter.device();
  const int dpi = device ? device->logicalDpiY() : 96;
  if (dpi == 96 || dpi <= 0 || font.pointSizeF() <= 0) return font;
  QFont scaled(font);
  scaled.setPointSizeF(font.pointSizeF() * 96.0 / dpi);
  return scaled;
}

}  // namespace strumly::gui
