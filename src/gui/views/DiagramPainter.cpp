#include "gui/views/DiagramPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include "gui/common/RecordText.h"
#include "gui/common/Resources.h"

namespace strumly::gui {
namespace {

// Cells of the marker strips, by their left edge / size.
enum SmallMark { kMarkDot = 0, kMarkRing = 1, kMarkCross = 2, kMarkRoot = 3 };
enum TinyMark { kTinyDot = 0, kTinyRing = 1, kTinyCross = 2 };

// The diagram pictures are decoded once and shared; drawing only ever copies from them.
struct DiagramArt {
  QImage smallFret, smallMark, smallNumb, tinyFret, tinyMark;

  static const DiagramArt& get() {
    static const DiagramArt art;
    return art;
  }

 private:
  DiagramArt()
      : smallFret(load("SMALFRET")),
        smallMark(load("SMALMARK")),
        smallNumb(load("SMALNUMB")),
        tinyFret(load("TINYFRET")),
        tinyMark(load("TINYMARK")) {}
  static QImage load(const char* name) { return picture(name).convertToFormat(QImage::Format_RGB32); }
};

QImage blankBitmap(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  return image;
}

// Plain source copy of one square cell of a marker strip.
void copyCell(QPainter& p, const QImage& strip, int cell, int size, int x, int y) {
  p.drawImage(QPoint(x, y), strip, QRect(cell * size, 0, size, size));
}

QImage smallBackground() {
  QImage image = blankBitmap(kSmallDiagramWidth, kSmallDiagramHeight);
  QPainter p(&image);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(0, 0, DiagramArt::get().smallFret);
  return image;
}

void writeBeginFret(QImage& image, int beginFret, const QFont& font, int x, int y) {
  drawTextAt(image, font, x, y, QString::number(beginFret));
}

void copyToPage(PageImage& page, const QImage& diagram, PixelPoint at) {
  QPainter p(&page.image());
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(at.x, at.y, diagram);
}

// A muted string keeps whatever fret was stored for it; its cross belongs above the nut.
std::optional<int> markerRow(const StringFret& sf, int beginFret) {
  if (sf.finger == kFingerMuted) return 0;
  return chordMarkerRow(sf.fret, beginFret);
}

QRect toQRect(const PixelRect& r) {
  return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

}  // namespace

void drawTextAt(QImage& image, const QFont& font, int x, int y, const QString& text, const QRect& clip) {
  QPainter p(&image);
  p.setFont(font);
  if (!clip.isNull()) p.setClipRect(clip);
  const QFontMetrics fm(font, &image);
  const QRect cell(x, y, fm.horizontalAdvance(text), fm.height());
  p.fillRect(cell, Qt::white);
  p.setPen(Qt::black);
  p.drawText(x, y + fm.ascent(), text);
}

QImage composeSmallChord(const ChordDiagram& chord, ChordMarkers markers, bool leftHanded) {
  const DiagramArt& art = DiagramArt::get();
  QImage image = smallBackground();
  const MarkerColumns columns = markerColumns(leftHanded);
  {
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t s = 0; s < 6; ++s) {
      const StringFret& sf = chord.strings[s];
      const std::optional<int> row = markerRow(sf, chord.beginFret);
      if (!row) continue;
      const int x = columns.small[s];
      const int y = kSmallRowTops[static_cast<std::size_t>(*row)];
      if (markers == ChordMarkers::Shapes) {
        const int cell = sf.finger == kFingerMuted  ? kMarkCross
                         : sf.finger == kFingerOpen ? kMarkRing
                                                    : kMarkDot;
        copyCell(p, art.smallMark, cell, kSmallMarkerSize, x, y);
      } else {
        int cell = sf.finger <= kFingerPlain ? int{sf.finger} : int{kFingerPlain};
        if (markers == ChordMarkers::Plain && cell >= 1 && cell <= 4) cell = kFingerPlain;
        copyCell(p, art.smallNumb, cell, kSmallMarkerSize, x, y);
      }
    }
  }
  writeBeginFret(image, chord.beginFret, pageFont(7), 4, 19);
  return image;
}

void drawSmallChord(ChordDiagram& chord, PageImage& page, DiagramPage kind, int row, int column,
                    ChordMarkers markers, bool leftHanded) {
  updatePitches(chord);
  copyToPage(page, composeSmallChord(chord, markers, leftHanded), smallDiagramOrigin(kind, {column, row}));
}

QImage composeScalePosition(const ScaleDiagram& scale, int position, int span, bool leftHanded) {
  const DiagramArt& art = DiagramArt::get();
  const int beginFret = scale.beginFrets[static_cast<std::size_t>(std::clamp(position, 0, 5))];
  QImage image = smallBackground();
  const MarkerColumns columns = markerColumns(leftHanded);
  const RowRange rows = scalePositionRows(beginFret, span);
  {
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t s = 0; s < 6; ++s) {
      for (int i = rows.first; i <= rows.last; ++i) {
        const int pitchClass = pitchClassOf(scale.tuning[s] + i + beginFret - 1);
        for (std::uint8_t interval : scale.intervals) {
          if (interval == kScaleEnd) break;
          if (pitchClass != pitchClassOf(interval + scale.root)) continue;
          const int cell = pitchClass == scale.root ? kMarkRoot : (i > 0 ? kMarkDot : kMarkRing);
          copyCell(p, art.smallMark, cell, kSmallMarkerSize, columns.small[s],
                   kSmallRowTops[static_cast<std::size_t>(i)]);
          break;
        }
      }
    }
  }
  writeBeginFret(image, beginFret, pageFont(7), 4, 19);
  return image;
}

void drawScalePosition(const ScaleDiagram& scale, int position, PageImage& page, DiagramPage kind, int row,
                       int column, int span, bool leftHanded) {
  const GridCell cell{column, row};
  {
    QPainter p(&page.image());
    p.fillRect(toQRect(scaleBlankArea(kind, cell)), Qt::white);
  }
  copyToPage(page, composeScalePosition(scale, position, span, leftHanded), smallDiagramOrigin(kind, cell));
}

QImage composeTinyChord(const ChordDiagram& chord, bool leftHanded, std::array<bool, 6>* unshown) {
  const DiagramArt& art = DiagramArt::get();
  QImage image = blankBitmap(kTinyDiagramWidth, kTinyDiagramHeight);
  const MarkerColumns columns = markerColumns(leftHanded);
  if (unshown) unshown->fill(false);
  {
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, art.tinyFret);
    for (std::size_t s = 0; s < 6; ++s) {
      const StringFret& sf = chord.strings[s];
      const std::optional<int> row = markerRow(sf, chord.beginFret);
      if (!row) {
        if (unshown) (*unshown)[s] = true;
        continue;
      }
      const int cell = sf.finger == kFingerMuted  ? kTinyCross
                       : sf.finger == kFingerOpen ? kTinyRing
                                                  : kTinyDot;
      copyCell(p, art.tinyMark, cell, kTinyMarkerSize, columns.tiny[s],
               kTinyRowTops[static_cast<std::size_t>(*row)]);
    }
  }
  writeBeginFret(image, chord.beginFret, pageFont(6), chord.beginFret < 10 ? 1 : 0, 7);
  return image;
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
  QImage& canvas = page.image();
  const int left = kDesignSlotWidth * slot;
  const QRect slotArea(left, 0, kDesignSlotWidth, canvas.height());
  {
    QPainter p(&canvas);
    p.fillRect(slotArea, Qt::white);
  }
  if (chord.isEmpty()) return readout;

  std::array<bool, 6> unshown{};
  const QImage diagram = composeTinyChord(chord, style.leftHanded, &unshown);
  for (std::size_t s = 0; s < 6; ++s) {
    if (chord.pitches[s] != 0) readout[s] = chord.strings[s].fret;
  }
  if (std::find(unshown.begin(), unshown.end(), true) != unshown.end()) {
    QPainter p(&canvas);
    p.setPen(QPen(Qt::blue, 1));
    p.drawLine(left + 12, kDesignOutOfRangeY, left + 53, kDesignOutOfRangeY);
  }
  copyToPage(page, diagram, {left, kDesignDiagramTop});

  const QFont font = pageFont(style.smallFont ? 6 : 7);
  const int x = left + 1;
  drawTextAt(canvas, font, x, 0, chordTitle(chord, style.names), slotArea);
  drawTextAt(canvas, font, x, 10, chordNoteNames(chord, style.names), slotArea);
  drawTextAt(canvas, font, x, 20, fromRecordText(chord.formula.view()).trimmed(), slotArea);
  drawTextAt(canvas, font, x, 30, fromRecordText(chord.tuningName.view()).trimmed(), slotArea);
  moveSelection(page, designSelectionFrame(slot, canvas.height()));
  return readout;
}

void clearPageImage(PageImage& page) {
  page.image().fill(Qt::white);
  page.setSelectionFrame({});
}

void moveSelection(PageImage& page, PixelRect newFrame) {
  QPainter p(&page.image());
  p.setBrush(Qt::NoBrush);
  const auto outline = [&p](const PixelRect& r, const QColor& colour) {
    p.setPen(QPen(colour, 1));
    p.drawRect(QRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1));
  };
  const PixelRect old = page.selectionFrame();
  if (!old.isNull()) outline(old, Qt::white);
  outline(newFrame, Qt::red);
  page.setSelectionFrame(newFrame);
}

void moveSelection(PageImage& page, DiagramPage kind, GridCell cell) {
  moveSelection(page, selectionFrame(kind, cell));
}

}  // namespace strumly::gui
