#include "gui/views/TNvStaffBox.h"

#include <QEvent>
#include <QPainter>

#include "core/views/StaffLayout.h"
#include "gui/common/Resources.h"

namespace strumly::gui {
namespace {

// A staff picture at `ratio`: the @2x picture above 1x, where there is one of the right size.
QImage staffPicture(const QString& name, QSize size, qreal ratio) {
  QImage image = picture(name, ratio);
  if (image.isNull() || image.deviceIndependentSize().toSize() != size) image = picture(name);
  if (image.isNull()) {
    image = QImage(size, QImage::Format_RGB32);
    image.fill(Qt::white);
  }
  const qreal own = image.devicePixelRatio();
  image = image.convertToFormat(QImage::Format_RGB32);
  image.setDevicePixelRatio(own);
  return image;
}

}  // namespace

TNvStaffBox::TNvStaffBox(QWidget* parent) : QWidget(parent) {
  setObjectName("StaffBox");
  setFixedSize(kWidth, kHeight);
  loadPictures(devicePixelRatioF());
}

void TNvStaffBox::loadPictures(qreal ratio) {
  ratio_ = ratio;
  staff_ = staffPicture("StaffBmp", {kWidth - 4, kHeight - 4}, ratio);
  noteHead_ = staffPicture("NoteBmp", {10, 6}, ratio);
  sharpSign_ = staffPicture("SharpBmp", {5, 13}, ratio);
  flatSign_ = staffPicture("FlatBmp", {5, 13}, ratio);
  naturalSign_ = staffPicture("NaturalBmp", {5, 13}, ratio);
  layOut();
}

void TNvStaffBox::setNotes(const NoteSet& notes) {
  notes_ = notes;
  layOut();
}

void TNvStaffBox::setKey(int key) {
  if (key == key_) return;
  key_ = key;
  layOut();
}

void TNvStaffBox::setSharp(int sharp) {
  if (sharp == sharp_) return;
  sharp_ = sharp;
  update();
}

void TNvStaffBox::layOut() {
  buffer_ = staff_.copy();
  buffer_.setDevicePixelRatio(staff_.devicePixelRatio());
  const StaffLayout layout = layoutStaff(notes_);
  QPainter p(&buffer_);
  // Glyphs are black on white and are ANDed in, so staff and ledger lines show through them.
  p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  p.setPen(Qt::black);
  for (int y : layout.ledgerLineYs) p.drawLine(kStaffLedgerLeft, y, kStaffLedgerRight, y);
  for (const StaffMark& mark : layout.marks) {
    const QImage* glyph = &noteHead_;
    switch (mark.glyph) {
      case StaffGlyph::NoteHead:
        glyph = &noteHead_;
        break;
      case StaffGlyph::Flat:
        glyph = &flatSign_;
        break;
      case StaffGlyph::Sharp:
        glyph = &sharpSign_;
        break;
      case StaffGlyph::Natural:
        glyph = &naturalSign_;
        break;
    }
    p.drawImage(QRectF(QPointF(mark.x, mark.y), glyph->deviceIndependentSize()), *glyph);
  }
  p.end();
  update();
}

bool TNvStaffBox::event(QEvent* event) {
  // A new screen may have another pixel ratio; paintEvent notices it.
  if (event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(event);
}

void TNvStaffBox::paintEvent(QPaintEvent*) {
  if (!qFuzzyCompare(devicePixelRatioF(), ratio_)) loadPictures(devicePixelRatioF());
  QPainter p(this);
  const QColor shadow = palette().color(QPalette::Dark);
  const QColor face = palette().color(QPalette::Button);
  const int r = width() - 1, b = height() - 1;
  // Two-pixel sunken frame: shadow above and left, light below and right.
  p.setPen(shadow);
  p.drawLine(0, 0, r, 0);
  p.drawLine(0, 0, 0, b);
  p.drawLine(1, 1, r - 1, 1);
  p.drawLine(1, 1, 1, b - 1);
  p.setPen(Qt::white);
  p.drawLine(0, b, r, b);
  p.drawLine(r, 0, r, b);
  p.setPen(face);
  p.drawLine(1, b - 1, r - 1, b - 1);
  p.drawLine(r - 1, 1, r - 1, b - 1);
  p.drawImage(QRectF(QPointF(2, 2), buffer_.deviceIndependentSize()), buffer_);
}

}  // namespace strumly::gui
