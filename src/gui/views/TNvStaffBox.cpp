#include "gui/views/TNvStaffBox.h"

#include <QPainter>

#include "core/views/StaffLayout.h"
#include "gui/common/Resources.h"

namespace strumly::gui {
namespace {

QImage staffPicture(const QString& name, QSize fallback) {
  QImage image = picture(name);
  if (image.isNull()) {
    image = QImage(fallback, QImage::Format_RGB32);
    image.fill(Qt::white);
  }
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TNvStaffBox::TNvStaffBox(QWidget* parent) : QWidget(parent) {
  setObjectName("StaffBox");
  setFixedSize(kWidth, kHeight);
  staff_ = staffPicture("StaffBmp", {kWidth - 4, kHeight - 4});
  noteHead_ = staffPicture("NoteBmp", {10, 6});
  sharpSign_ = staffPicture("SharpBmp", {5, 13});
  flatSign_ = staffPicture("FlatBmp", {5, 13});
  naturalSign_ = staffPicture("NaturalBmp", {5, 13});
  buffer_ = staff_.copy();
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
    p.drawImage(mark.x, mark.y, *glyph);
  }
  p.end();
  update();
}

void TNvStaffBox::paintEvent(QPaintEvent*) {
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
  p.drawImage(2, 2, buffer_);
}

}  // namespace strumly::gui
