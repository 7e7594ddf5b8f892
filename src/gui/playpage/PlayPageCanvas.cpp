#include "gui/playpage/PlayPageCanvas.h"

#include <QPainter>

#include "core/playpage/PlayPageLayout.h"
#include "gui/common/PageImage.h"
#include "gui/common/Resources.h"
#include "gui/views/DiagramPainter.h"

namespace strumly::gui {
namespace {

QRect toRect(const PixelRect& r) {
  return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

void PlayPageCanvas::drawPicture(const char* name, int x, int y) {
  const QImage art = picture(name);
  if (art.isNull()) return;
  const QRect area(QPoint(x, y), art.size());
  // The picture is chosen when painted: the sharper one on a HiDPI screen and on paper. The
  // pictures are opaque, so they are simply drawn (a PDF knows no other composition).
  image_.paint(area,
               [name, area](QPainter& p) { p.drawImage(area, picture(name, p.deviceTransform().m11())); });
}

void PlayPageCanvas::DrawPlayGrid(TimeSignature signature) {
  const QFont font = pageFont(6);
  const char* signaturePicture = signature == TimeSignature::FourFour ? "FOURFOUR" : "TREEFOUR";
  for (int row = 0; row < kPlayRows; ++row) {
    const PlayGridRow grid = playGridRow(signature, row);
    drawPicture(signaturePicture, grid.signaturePicture.x, grid.signaturePicture.y);
    // The marker band of a row is redrawn whole, so bar lines of the other signature go.
    const QRect band(20, playMarkerY(row), PlayPageCanvas::kWidth - 60, 33);
    image_.paint(band, [band](QPainter& p) { p.fillRect(band, Qt::white); });
    for (const PlayGridText& text : grid.texts)
      drawTextAt(image_, font, text.at.x, text.at.y, QString::fromStdString(text.text));
    for (int x : grid.barLineXs) drawPicture("BARLINE", x, playMarkerY(row));
  }
  const PixelPoint start = playStartMarkerPoint({0, 0});
  drawPicture("PLAYCURS", start.x, start.y);
}

void PlayPageCanvas::DrawRepeatMarkers(TimeSignature signature, const RepeatMarkers& markers,
                                       bool loopShown) {
  const QFont font = pageFont(6);
  for (int m = 0; m < measureCount(signature); ++m) {
    const auto index = static_cast<std::size_t>(m);
    const RepeatMarkerPoints points = repeatMarkerPoints(signature, m);
    for (const PixelPoint& at : points.covers()) drawPicture("PLAYERAS", at.x, at.y);
    if (markers.startRepeat[index] != 0) drawPicture("RETURN", points.start.x, points.start.y);
    if (markers.repeatCount[index] > 0) {
      drawPicture("REPEAT", points.end.x, points.end.y);
      const PixelPoint count = points.countText();
      drawTextAt(image_, font, count.x, count.y, QString::number(markers.repeatCount[index]));
    }
    const PixelPoint loop = points.loopMarker();
    drawPicture("PLAYERAS", loop.x, loop.y);
    if (loopShown && markers.loopFlag[index] == 1) drawPicture("PLAYLOOP", loop.x, loop.y);
  }
}

void PlayPageCanvas::eraseCell(SlotPos slot) {
  const QRect cell = toRect(playCellRect(slot));
  image_.paint(cell, [cell](QPainter& p) { p.fillRect(cell, Qt::white); });
}

void PlayPageCanvas::drawSlot(SlotPos slot, const ChordDiagram& chord, const SlotStyle& style) {
  eraseCell(slot);
  if (chord.isEmpty()) return;
  drawTinyDiagram(image_, chord, style.leftHanded, playDiagramPoint(slot));
  const PixelPoint label = playChordLabelPoint(slot);
  drawTextAt(image_, pageFont(style.smallFont ? 6 : 7), label.x, label.y, chordTitle(chord, style.names),
             toRect(playCellRect(slot)));
}

void PlayPageCanvas::RedrawPlayPage(const PlaySlots& slots, const SlotStyle& style) {
  for (int s = 0; s < kPlaySlotCount; ++s)
    drawSlot(SlotPos::of(s), slots[static_cast<std::size_t>(s)], style);
}

void PlayPageCanvas::movePlayStart(SlotPos from, SlotPos to) {
  const PixelPoint old = playStartMarkerPoint(from);
  drawPicture("PLAYERAS", old.x, old.y);
  const PixelPoint now = playStartMarkerPoint(to);
  drawPicture("PLAYCURS", now.x, now.y);
}

void PlayPageCanvas::drawBeatCursor(int beatIndex, bool shown) {
  if (beatIndex < 0 || beatIndex >= kPlaySlotCount / 2) return;
  const int row = beatIndex / 6;
  const int beat = beatIndex % 6;
  drawPicture(shown ? "REDSLASH" : "BLAKSLAS", 126 * beat + 39, playMarkerY(row));
}

void PlayPageCanvas::moveStepCursor(std::optional<SlotPos> slot) {
  const auto place = [](SlotPos at) { return QPoint(63 * at.column + 39, playMarkerY(at.row)); };
  if (stepAt_) {
    const QRect area(place(*stepAt_), stepCovered_.deviceIndependentSize().toSize());
    image_.paint(area, [area, covered = stepCovered_](QPainter& p) { p.drawImage(area, covered); });
  }
  stepAt_ = slot;
  if (!slot) return;
  const QImage arrow = picture("STEPARRW");
  stepCovered_ = image_.copyArea(QRect(place(*slot), arrow.size()));
  const QPoint at = place(*slot);
  drawPicture("STEPARRW", at.x(), at.y());
}

void PlayPageCanvas::drawVerdictMark(SlotPos slot, std::optional<StrumVerdict> verdict) {
  // Under the diagram's strings, clear of the measure numbers at the left of a cell.
  const QRect strip(63 * slot.column + 28, 132 * slot.row + 87, 45, 7);
  image_.paint(strip, [strip, verdict](QPainter& p) {
    p.fillRect(strip, Qt::white);
    if (!verdict) return;
    const QRect bar = strip.adjusted(0, 1, -1, -1);
    // A frame `width` pixels wide inside the bar, painted without any smoothing.
    const auto frame = [&p, bar](const QColor& colour, int width) {
      p.fillRect(bar, colour);
      p.fillRect(bar.adjusted(width, width, -width, -width), Qt::white);
    };
    switch (*verdict) {
      case StrumVerdict::Right:
        p.fillRect(bar, QColor(0x2e, 0x9e, 0x3e));
        break;
      case StrumVerdict::Partly: {
        const QColor amber(0xe0, 0x9a, 0x00);
        frame(amber, 1);
        p.fillRect(bar.adjusted(0, 0, -bar.width() / 2, 0), amber);
        break;
      }
      case StrumVerdict::Missed:
        frame(QColor(0xd0, 0x20, 0x20), 2);
        break;
    }
  });
}

}  // namespace strumly::gui
