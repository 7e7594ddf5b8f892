#include "gui/app/ToolIcons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <functional>

#include "gui/common/Resources.h"

namespace strumly::gui {
namespace {

using Draw = std::function<void(QPainter&)>;

// The glyphs' ink: dark on the light theme's tool panel, light on the dark theme's.
QColor panelInk() {
  return QGuiApplication::palette().color(QPalette::Window).lightness() < 128 ? QColor(208, 214, 222)
                                                                              : QColor(52, 64, 84);
}

// Drawn on a 24 x 24 grid, twice the pixels for sharpness.
QIcon painted(const Draw& draw, QColor colour = panelInk()) {
  QPixmap pm(48, 48);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(2, 2);
  p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  draw(p);
  p.end();
  QIcon icon(pm);
  // A greyed copy for disabled buttons.
  QPixmap off(pm.size());
  off.fill(Qt::transparent);
  QPainter q(&off);
  q.setOpacity(0.35);
  q.drawPixmap(0, 0, pm);
  q.end();
  icon.addPixmap(off, QIcon::Disabled);
  return icon;
}

void fillWith(QPainter& p, const QColor& c) {
  p.setBrush(c);
}

QIcon glyph(const QString& name) {
  const QColor accent(38, 120, 200);
  if (name == "sbtnOpen")
    return painted([](QPainter& p) {
      p.drawPolyline(QPolygonF({{3, 19}, {3, 6}, {9, 6}, {11, 8}, {19, 8}, {19, 11}}));
      p.drawPolygon(QPolygonF({{3, 19}, {6, 11}, {22, 11}, {19, 19}}));
    });
  if (name == "sbtnSave")
    return painted([](QPainter& p) {
      p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
      p.drawRect(QRectF(8, 4, 8, 5));
      p.drawRect(QRectF(7, 13, 10, 7));
    });
  if (name == "sbtnErase")
    return painted([](QPainter& p) {
      p.drawPolyline(QPolygonF({{6, 7}, {7, 21}, {17, 21}, {18, 7}}));
      p.drawLine(QPointF(4, 7), QPointF(20, 7));
      p.drawPolyline(QPolygonF({{9, 7}, {10, 4}, {14, 4}, {15, 7}}));
      p.drawLine(QPointF(10, 11), QPointF(10, 17));
      p.drawLine(QPointF(14, 11), QPointF(14, 17));
    });
  if (name == "sbtnPrintPage")
    return painted([](QPainter& p) {
      p.drawRect(QRectF(7, 3, 10, 6));
      p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
      p.drawRect(QRectF(7, 14, 10, 7));
    });
  if (name == "sbtnPlay")
    return painted([=](QPainter& p) {
      fillWith(p, QColor(40, 150, 80));
      p.setPen(QPen(QColor(40, 150, 80), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolygon(QPolygonF({{7, 4}, {20, 12}, {7, 20}}));
    });
  if (name == "sbtnPause")
    return painted([](QPainter& p) {
      fillWith(p, QColor(52, 64, 84));
      p.drawRect(QRectF(6, 5, 4, 14));
      p.drawRect(QRectF(14, 5, 4, 14));
    });
  if (name == "sbtnStop")
    return painted([](QPainter& p) {
      fillWith(p, QColor(190, 60, 50));
      p.setPen(QPen(QColor(190, 60, 50), 1.5));
      p.drawRoundedRect(QRectF(6, 6, 12, 12), 1.5, 1.5);
    });
  if (name == "sbtnStep")
    return painted([=](QPainter& p) {
      fillWith(p, QColor(52, 64, 84));
      p.drawPolygon(QPolygonF({{5, 5}, {15, 12}, {5, 19}}));
      p.drawRect(QRectF(17, 5, 2.5, 14));
    });
  if (name == "sbtnLoop")
    return painted([](QPainter& p) {
      p.drawArc(QRectF(4, 5, 16, 14), 30 * 16, 300 * 16);
      p.drawPolyline(QPolygonF({{15, 3}, {19, 7.5}, {14, 9}}));
    });
  if (name == "sbtnUndo")
    return painted([](QPainter& p) {
      QPainterPath path(QPointF(6, 10));
      path.cubicTo(QPointF(10, 5), QPointF(20, 6), QPointF(19, 14));
      path.cubicTo(QPointF(18, 19), QPointF(13, 20), QPointF(10, 19));
      p.drawPath(path);
      p.drawPolyline(QPolygonF({{5, 5}, {6, 10}, {11, 10}}));
    });
  if (name == "sbtnClick")
    return painted([=](QPainter& p) {
      p.drawPolygon(QPolygonF({{8, 4}, {16, 4}, {20, 20}, {4, 20}}));
      p.setPen(QPen(accent, 1.8, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(12, 17), QPointF(17, 6));
    });
  if (name == "sbtnCount")
    return painted([](QPainter& p) {
      QFont f;
      f.setPixelSize(9);
      f.setBold(true);
      p.setFont(f);
      p.drawText(QRectF(0, 2, 24, 20), Qt::AlignCenter, "1 2 3");
    });
  if (name == "sbtnTime")
    return painted([](QPainter& p) {
      QFont f;
      f.setPixelSize(10);
      f.setBold(true);
      p.setFont(f);
      p.drawText(QRectF(0, 0, 24, 12), Qt::AlignCenter, "4");
      p.drawText(QRectF(0, 11, 24, 12), Qt::AlignCenter, "4");
    });
  return {};
}

}  // namespace

QIcon toolIcon(const QString& controlName) {
  const QImage supplied = picture(controlName.toUpper());
  if (!supplied.isNull()) return QIcon(QPixmap::fromImage(supplied));
  return glyph(controlName);
}

}  // namespace strumly::gui
