#include "gui/views/DiagramPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include "gui/common/RecordText.h"
#include "gui/views/DiagramArtwork.h"

namespace strumly::gui {
namespace {

using artwork::SmallMark;
using artwork::TinyMark;

// A muted string keeps whatever fret was stored for it; its cross belongs above the nut.
std::optional<int> markerRow(const StringFret& sf, int beginFret) {
  if (sf.finger == kFingerMuted) return 0;
  return chordMarkerRow(sf.fret, beginFret);
}

QRect toQRect(const PixelRect& r) {
  return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// Text cells are measured on a 96 dpi canvas whatever the painter paints on, so that paper and
// every pixel ratio place text as the page layouts do.
QFontMetrics pageMetrics(const QFont& font) {
  static const QImage canvas = whitePagePicture(QSize(1, 1), 1.0);
  return QFontMetrics(font, &canvas);
}

QRect textCell(const QFont& font, int x, int y, const QString& text) {
  const QFontMetrics fm = pageMetrics(font);
  return QRect(x, y, fm.horizontalAdvance(text), fm.height());
}

void writeBeginFret(QPainter& p, int beginFret, const QFont& font, QPoint at) {
  paintTextAt(p, font, at.x(), at.y(), QString::number(beginFret));
}

void paintSmallChord(QPainter& p, const ChordDiagram& chord, ChordMarkers markers, bool leftHanded,
                     QPoint at) {
  artwork::paintSmallGrid(p, at);
  const MarkerColumns columns = markerColumns(leftHanded);
  for (std::size_t s = 0; s < 6; ++s) {
    const StringFret& sf = chord.strings[s];
    const std::optional<int> row = markerRow(sf, chord.beginFret);
    if (!row) continue;
    const QPoint cell = at + QPoint(columns.small[s], kSmallRowTops[static_cast<std::size_t>(*row)]);
    if (markers == ChordMarkers::Shapes) {
      const SmallMark mark = sf.finger == kFingerMuted  ? SmallMark::Cross
                             : sf.finger == kFingerOpen ? SmallMark::Ring
                                                        : SmallMark::Dot;
      artwork::paintSmallMark(p, mark, cell);
    } else {
      int number = sf.finger <= kFingerPlain ? int{sf.finger} : int{kFingerPlain};
      if (markers == ChordMarkers::Plain && number >= 1 && number <= 4) number = kFingerPlain;
      artwork::paintNumberedMark(p, number, cell);
    }
  }
  writeBeginFret(p, chord.beginFret, pageFont(7), at + QPoint(4, 19));
}

void paintScalePosition(QPainter& p, const ScaleDiagram& scale, int position, int span, bool leftHanded,
                        QPoint at) {
  const int beginFret = scale.beginFrets[static_cast<std::size_t>(std::clamp(position, 0, 5))];
  artwork::paintSmallGrid(p, at);
  const MarkerColumns columns = markerColumns(leftHanded);
  const RowRange rows = scalePositionRows(beginFret, span);
  for (std::size_t s = 0; s < 6; ++s) {
    for (int i = rows.first; i <= rows.last; ++i) {
      const int pitchClass = pitchClassOf(scale.tuning[s] + i + beginFret - 1);
      for (std::uint8_t interval : scale.intervals) {
        if (interval == kScaleEnd) break;
        if (pitchClass != pitchClassOf(interval + scale.root)) continue;
        const SmallMark mark =
            pitchClass == scale.root ? SmallMark::Root : (i > 0 ? SmallMark::Dot : SmallMark::Ring);
        artwork::paintSmallMark(p, mark,
                                at + QPoint(columns.small[s], kSmallRowTops[static_cast<std::size_t>(i)]));
        break;
      }
    }
  }
  writeBeginFret(p, beginFret, pageFont(7), at + QPoint(4, 19));
}

void paintTinyChord(QPainter& p, const ChordDiagram& chord, bool leftHanded, QPoint at) {
  artwork::paintTinyGrid(p, at);
  const MarkerColumns columns = markerColumns(leftHanded);
  for (std::size_t s = 0; s < 6; ++s) {
    const StringFret& sf = chord.strings[s];
    const std::optional<int> row = markerRow(sf, chord.beginFret);
    if (!row) continue;
    const TinyMark mark = sf.finger == kFingerMuted  ? TinyMark::Cross
                          : sf.finger == kFingerOpen ? TinyMark::Ring
                                                     : TinyMark::Dot;
    artwork::paintTinyMark(p, mark,
                           at + QPoint(columns.tiny[s], kTinyRowTops[static_cast<std::size_t>(*row)]));
  }
  writeBeginFret(p, chord.beginFret, pageFont(6), at + QPoint(chord.beginFret < 10 ? 1 : 0, 7));
}

template <typename Paint>
QImage composed(QSize size, Paint paint) {
  QImage image = whitePagePicture(size, 1.0);
  QPainter p(&image);
  paint(p);
  return image;
}

QRect smallDiagramRect(DiagramPage kind, GridCell cell) {
  const PixelPoint at = smallDiagramOrigin(kind, cell);
  return QRect(at.x, at.y, kSmallDiagramWidth, kSmallDiagramHeight);
}

void fillWhite(PageImage& page, const QRect& area) {
  page.paint(area, [area](QPainter& p) { p.fillRect(area, Qt::white); });
}

}  // namespace

void paintTextAt(QPainter& p, const QFont& font, int x, int y, const QString& text, const QRect& clip) {
  p.setFont(fontForPagePixels(font, p));
  if (!clip.isNull()) p.setClipRect(clip, Qt::IntersectClip);
  const QFontMetrics fm = pageMetrics(font);
  p.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), Qt::white);
  p.setPen(Qt::black);
  p.drawText(x, y + fm.ascent(), text);
}

void drawTextAt(PageImage& page, const QFont& font, int x, int y, const QString& text, const QRect& clip) {
  QRect cell = textCell(font, x, y, text);
  // Glyphs may reach a pixel past their advance.
  QRect bounds = cell.adjusted(-1, -1, 2, 1);
  if (!clip.isNull()) {
    cell &= clip;
    bounds &= clip;
  }
  page.paint(bounds, cell, [font, x, y, text, clip](QPainter& p) { paintTextAt(p, font, x, y, text, clip); });
}

QImage composeSmallChord(const ChordDiagram& chord, ChordMarkers markers, bool leftHanded) {
  return composed(QSize(kSmallDiagramWidth, kSmallDiagramHeight),
                  [&](QPainter& p) { paintSmallChord(p, chord, markers, leftHanded, QPoint(0, 0)); });
}

void drawSmallChord(ChordDiagram& chord, PageImage& page, DiagramPage kind, int row, int column,
                    ChordMarkers markers, bool leftHanded) {
  updatePitches(chord);
  const QRect area = smallDiagramRect(kind, {column, row});
  page.paint(area, [chord, markers, leftHanded, at = area.topLeft()](QPainter& p) {
    paintSmallChord(p, chord, markers, leftHanded, at);
  });
}

QImage composeScalePosition(const ScaleDiagram& scale, int position, int span, bool leftHanded) {
  return composed(QSize(kSmallDiagramWidth, kSmallDiagramHeight), [&](QPainter& p) {
    paintScalePosition(p, scale, position, span, leftHanded, QPoint(0, 0));
  });
}

void drawScalePosition(const ScaleDiagram& scale, int position, PageImage& page, DiagramPage kind, int row,
                       int column, int span, bool leftHanded) {
  const GridCell cell{column, row};
  fillWhite(page, toQRect(scaleBlankArea(kind, cell)));
  const QRect area = smallDiagramRect(kind, cell);
  page.paint(area, [scale, position, span, leftHanded, at = area.topLeft()](QPainter& p) {
    paintScalePosition(p, scale, position, span, leftHanded, at);
  });
}

QImage composeTinyChord(const ChordDiagram& chord, bool leftHanded, std::array<bool, 6>* unshown) {
  if (unshown) {
    for (std::size_t s = 0; s < 6; ++s) (*unshown)[s] = !markerRow(chord.strings[s], chord.beginFret);
  }
  return composed(QSize(kTinyDiagramWidth, kTinyDiagramHeight),
                  [&](QPainter& p) { paintTinyChord(p, chord, leftHanded, QPoint(0, 0)); });
}

void drawTinyDiagram(PageImage& page, const ChordDiagram& chord, bool leftHanded, PixelPoint at) {
  const QRect area(at.x, at.y, kTinyDiagramWidth, kTinyDiagramHeight);
  page.paint(area, [chord, leftHanded, origin = area.topLeft()](QPainter& p) {
    paintTinyChord(p, chord, leftHanded, origin);
  });
}

QString chordTitle(const ChordDiagram& chord, const NoteNames& names) {
  QString title = QString::fromLatin1(names.name(chord.root)) + ' ' + fromRecordText(chord.name.view());
  if (pitchClassOf(chord.bass) != chord.root)
    title += " /" + QString::fromLatin1(names.name(pitchClassOf(chord.bass)));
  return title;
}

QString chordNoteNames(const ChordDiagram& chord, const NoteNames& names) {
  QString text;
  for (std::uint8_t interval : chord.intervals) {
    if (interval == kUnusedInterval) continue;
    text += QString::fromLatin1(names.name(chord.root + interval)) + ' ';
  }
  return text.trimmed();
}

FretReadout drawTinyChord(const ChordDiagram& chord, int slot, PageImage& page, const TinyChordStyle& style) {
  FretReadout readout;
  readout.fill(-1);
  const int left = kDesignSlotWidth * slot;
  const int height = page.pageSize().height();
  const QRect slotArea(left, 0, kDesignSlotWidth, height);
  fillWhite(page, slotArea);
  if (chord.isEmpty()) return readout;

  bool anyUnshown = false;
  for (std::size_t s = 0; s < 6; ++s) {
    if (chord.pitches[s] != 0) readout[s] = chord.strings[s].fret;
    if (!markerRow(chord.strings[s], chord.beginFret)) anyUnshown = true;
  }
  if (anyUnshown) {
    const QRect line(left + 12, kDesignOutOfRangeY, 42, 1);
    page.paint(line, [line](QPainter& p) { p.fillRect(line, Qt::blue); });
  }
  drawTinyDiagram(page, chord, style.leftHanded, {left, kDesignDiagramTop});

  const QFont font = pageFont(style.smallFont ? 6 : 7);
  const int x = left + 1;
  drawTextAt(page, font, x, 0, chordTitle(chord, style.names), slotArea);
  drawTextAt(page, font, x, 10, chordNoteNames(chord, style.names), slotArea);
  drawTextAt(page, font, x, 20, fromRecordText(chord.formula.view()).trimmed(), slotArea);
  drawTextAt(page, font, x, 30, fromRecordText(chord.tuningName.view()).trimmed(), slotArea);
  moveSelection(page, designSelectionFrame(slot, height));
  return readout;
}

void clearPageImage(PageImage& page) {
  page.clear();
}

static void paintOutline(QPainter& p, const PixelRect& r, const QColor& colour) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  p.fillRect(r.left, r.top, w, 1, colour);
  p.fillRect(r.left, r.bottom - 1, w, 1, colour);
  p.fillRect(r.left, r.top, 1, h, colour);
  p.fillRect(r.right - 1, r.top, 1, h, colour);
}

void moveSelection(PageImage& page, PixelRect newFrame) {
  // The frame's steps replace one another, so a frame moved a thousand times is two steps.
  constexpr int kFrameKey = 1;
  const PixelRect old = page.selectionFrame();
  const QRect oldArea = old.isNull() ? QRect() : toQRect(old);
  page.paint(
      oldArea | toQRect(newFrame), QRect(),
      [old, newFrame](QPainter& p) {
        if (!old.isNull()) paintOutline(p, old, Qt::white);
        paintOutline(p, newFrame, Qt::red);
      },
      kFrameKey);
  page.setSelectionFrame(newFrame);
}

void moveSelection(PageImage& page, DiagramPage kind, GridCell cell) {
  moveSelection(page, selectionFrame(kind, cell));
}

}  // namespace strumly::gui
