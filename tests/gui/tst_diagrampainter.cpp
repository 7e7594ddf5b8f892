// Diagrams must land on the exact pixels the page layouts give: markers are compared cell by cell
// with the marker pictures they were copied from.
#include <QPainter>
#include <QtTest>

#include "gui/common/Resources.h"
#include "gui/views/DiagramPainter.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// Open C: e open, B 1st finger, G open, D 2nd, A 3rd, low E muted but with a stale fret stored.
ChordDiagram openC() {
  ChordDiagram c = emptyDesignChord();
  c.name = "major";
  c.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {3, kFingerMuted}};
  c.intervals = {0, 4, 7, 255, 255, 255, 255};
  c.formula = "1 3 5";
  return c;
}

QImage cell(const char* strip, int index, int size) {
  return picture(strip).convertToFormat(QImage::Format_RGB32).copy(index * size, 0, size, size);
}

QImage areaOf(const PageImage& page, int x, int y, int size) {
  return page.image().copy(x, y, size, size).convertToFormat(QImage::Format_RGB32);
}

bool isWhite(QRgb c) {
  return qRed(c) == 255 && qGreen(c) == 255 && qBlue(c) == 255;
}

}  // namespace

class DiagramPainterTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(!picture("SMALFRET").isNull());
    QCOMPARE(picture("SMALFRET").size(), QSize(105, 120));
    QCOMPARE(picture("SMALMARK").size(), QSize(40, 10));
    QCOMPARE(picture("SMALNUMB").size(), QSize(70, 10));
    QCOMPARE(picture("TINYFRET").size(), QSize(58, 61));
    QCOMPARE(picture("TINYMARK").size(), QSize(15, 5));
  }

  void smallChordMarkersLandOnTheirCells_data() {
    QTest::addColumn<bool>("leftHanded");
    QTest::addColumn<int>("markers");
    QTest::newRow("right, shapes") << false << int(ChordMarkers::Shapes);
    QTest::newRow("left, shapes") << true << int(ChordMarkers::Shapes);
    QTest::newRow("right, numbered") << false << int(ChordMarkers::Numbered);
    QTest::newRow("left, plain") << true << int(ChordMarkers::Plain);
  }
  void smallChordMarkersLandOnTheirCells() {
    QFETCH(bool, leftHanded);
    QFETCH(int, markers);
    const auto style = static_cast<ChordMarkers>(markers);
    PageImage page(QSize(kChordPageWidth, kDiagramPageHeight));
    ChordDiagram chord = openC();
    drawSmallChord(chord, page, DiagramPage::Chords, 2, 3, style, leftHanded);

    const PixelPoint origin{20 + 3 * 120, 30 + 2 * 150};
    const MarkerColumns columns = markerColumns(leftHanded);
    // string, row index into the row table, finger code
    // (the muted string shows its cross in the open/muted row whatever fret is stored for it)
    const int expected[6][2] = {{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, kFingerMuted}};
    for (int s = 0; s < 6; ++s) {
      const int row = expected[s][0];
      const int finger = expected[s][1];
      QImage want;
      if (style == ChordMarkers::Shapes)
        want = cell("SMALMARK", finger == kFingerMuted ? 2 : finger == 0 ? 1 : 0, 10);
      else if (style == ChordMarkers::Numbered)
        want = cell("SMALNUMB", finger, 10);
      else
        want = cell("SMALNUMB", finger >= 1 && finger <= 4 ? 6 : finger, 10);
      const QImage got = areaOf(page, origin.x + columns.small[static_cast<std::size_t>(s)],
                                origin.y + kSmallRowTops[static_cast<std::size_t>(row)], 10);
      QVERIFY2(got == want, qPrintable(QString("string %1").arg(s)));
    }
    // The muted string sounds nothing although a fret is stored for it.
    QCOMPARE(int(chord.pitches[5]), 0);
    QCOMPARE(int(chord.pitches[1]), 60);
  }

  void leftHandedMirrorsStringsButNotTheFretNumber() {
    PageImage right(QSize(kChordPageWidth, kDiagramPageHeight));
    PageImage left(QSize(kChordPageWidth, kDiagramPageHeight));
    ChordDiagram chord = openC();
    chord.beginFret = 1;
    drawSmallChord(chord, right, DiagramPage::Chords, 0, 0, ChordMarkers::Shapes, false);
    drawSmallChord(chord, left, DiagramPage::Chords, 0, 0, ChordMarkers::Shapes, true);
    QVERIFY(left.image() != right.image());
    const QRect number(20, 30 + 19, 14, 11);
    QCOMPARE(left.image().copy(number), right.image().copy(number));
    bool inked = false;
    for (int y = number.top(); y <= number.bottom(); ++y)
      for (int x = number.left(); x <= number.right(); ++x) inked |= !isWhite(right.image().pixel(x, y));
    QVERIFY2(inked, "the beginning fret is written at (4, 19)");
  }

  void printPageUsesItsOwnRowPitch() {
    PageImage page(QSize(kPrintPageWidth, kDiagramPageHeight));
    ChordDiagram chord = openC();
    drawSmallChord(chord, page, DiagramPage::Print, 3, 1, ChordMarkers::Numbered, false);
    const QImage got = areaOf(page, 20 + 120 + 76, 38 + 3 * 160 + 23, 10);
    QCOMPARE(got, cell("SMALNUMB", 1, 10));
  }

  void fretsOutsideTheSixRowsShowNothing() {
    ChordDiagram chord = openC();
    chord.beginFret = 5;
    chord.strings[3] = {12, 2};  // eight rows down
    const QImage withFar = composeSmallChord(chord, ChordMarkers::Shapes, false);
    chord.strings[3] = {0, kFingerMuted};
    const QImage blank = composeSmallChord(chord, ChordMarkers::Shapes, false);
    const QRect stringColumn(46, 20, 10, 100);
    QCOMPARE(withFar.copy(stringColumn), blank.copy(stringColumn).copy());
  }

  void scalePositionsShowOpenRowOnlyFromTheFirstFret() {
    ScaleDiagram scale;
    scale.empty = 0;
    scale.intervals = {0, 2, 4, 5, 7, 9, 11, 99, 99, 99};  // C major
    scale.root = 0;
    PageImage page(QSize(kScalePageWidth, kDiagramPageHeight));
    const PixelPoint o{20, 30};
    const MarkerColumns columns = markerColumns(false);
    drawScalePosition(scale, 0, page, DiagramPage::Scales, 0, 0, 5, false);
    // Position 0 begins at fret 1: open e is in the scale (ring), B string fret 1 is the root C.
    QCOMPARE(areaOf(page, o.x + columns.small[0], o.y + kSmallRowTops[0], 10), cell("SMALMARK", 1, 10));
    QCOMPARE(areaOf(page, o.x + columns.small[1], o.y + kSmallRowTops[1], 10), cell("SMALMARK", 3, 10));
    // Span 5 from fret 1 shows four fret rows: nothing on row 5 (e string fret 5 = A is in C major).
    QCOMPARE(areaOf(page, o.x + columns.small[0], o.y + kSmallRowTops[5], 10),
             picture("SMALFRET")
                 .convertToFormat(QImage::Format_RGB32)
                 .copy(columns.small[0], kSmallRowTops[5], 10, 10));

    // Position 1 begins at fret 4: no open row, five fret rows; e string fret 5 (A) is a dot on row 2.
    drawScalePosition(scale, 1, page, DiagramPage::Scales, 0, 1, 5, false);
    const PixelPoint o1{140, 30};
    QCOMPARE(areaOf(page, o1.x + columns.small[0], o1.y + kSmallRowTops[2], 10), cell("SMALMARK", 0, 10));
    QCOMPARE(areaOf(page, o1.x + columns.small[0], o1.y + kSmallRowTops[0], 10),
             picture("SMALFRET")
                 .convertToFormat(QImage::Format_RGB32)
                 .copy(columns.small[0], kSmallRowTops[0], 10, 10));
  }

  void tinyChordOutOfRangeLineAndReadout() {
    PageImage page(QSize(kDesignImageWidth, kDesignImageHeight));
    ChordDiagram chord = openC();
    updatePitches(chord);
    chord.beginFret = 1;
    chord.strings[2] = {7, 4};  // six frets above the beginning fret: cannot be shown
    chord.pitches[2] = 62;
    const FretReadout readout = drawTinyChord(chord, 2, page, TinyChordStyle{});
    QCOMPARE(readout, (FretReadout{0, 1, 7, 2, 3, -1}));
    const QRgb blue = qRgb(0, 0, 255);
    QCOMPARE(page.image().pixel(152 + 12, kDesignOutOfRangeY), blue);
    QCOMPARE(page.image().pixel(152 + 53, kDesignOutOfRangeY), blue);
    QVERIFY(page.image().pixel(152 + 54, kDesignOutOfRangeY) != blue);
    // No marker for that string anywhere in its column; the B string's dot is at its row.
    const MarkerColumns columns = markerColumns(false);
    const QImage fret = picture("TINYFRET").convertToFormat(QImage::Format_RGB32);
    const QRect column(columns.tiny[2], kTinyRowTops[1], 5, 61 - kTinyRowTops[1]);
    QCOMPARE(page.image().copy(column.translated(152, kDesignDiagramTop)), fret.copy(column));
    QCOMPARE(areaOf(page, 152 + columns.tiny[1], kDesignDiagramTop + kTinyRowTops[1], 5),
             cell("TINYMARK", 0, 5));
    // The slot is selected.
    QCOMPARE(page.selectionFrame(), designSelectionFrame(2));
    QCOMPARE(page.image().pixel(152, 0), qRgb(255, 0, 0));

    // An empty slot is only blanked; the frame stays where it was.
    ChordDiagram empty;
    drawTinyChord(empty, 4, page, TinyChordStyle{});
    QCOMPARE(page.selectionFrame(), designSelectionFrame(2));
  }

  void selectionFrameMovesAsAnOutline() {
    PageImage page(QSize(kChordPageWidth, kDiagramPageHeight));
    moveSelection(page, DiagramPage::Chords, {0, 0});
    const QRgb red = qRgb(255, 0, 0);
    QCOMPARE(page.image().pixel(20, 31), red);
    QCOMPARE(page.image().pixel(124, 157), red);
    QVERIFY(isWhite(page.image().pixel(125, 158)));  // right and bottom edges are exclusive
    QVERIFY(isWhite(page.image().pixel(70, 90)));    // clear brush: the inside is untouched
    moveSelection(page, DiagramPage::Chords, {1, 1});
    QVERIFY(isWhite(page.image().pixel(20, 31)));
    QCOMPARE(page.image().pixel(140, 181), red);
    clearPageImage(page);
    QVERIFY(isWhite(page.image().pixel(140, 181)));
    QVERIFY(page.selectionFrame().isNull());
  }

  void pageImageReportsPressesInImagePixels() {
    PageImage page(QSize(kDesignImageWidth, kDesignImageHeight));
    QCOMPARE(page.size(), QSize(kDesignImageWidth, kDesignImageHeight));
    QSignalSpy pressed(&page, &PageImage::mousePressed);
    QTest::mousePress(&page, Qt::RightButton, Qt::ShiftModifier, QPoint(160, 37));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(pressed[0][2].toInt(), 160);
    QCOMPARE(pressed[0][3].toInt(), 37);
    // A taller picture keeps what was drawn and adds white below.
    page.paint(QRect(3, 3, 1, 1), [](QPainter& p) { p.fillRect(3, 3, 1, 1, QColor(qRgb(1, 2, 3))); });
    page.resizeImage(QSize(kDesignImageWidth, 300));
    QCOMPARE(page.image().pixel(3, 3), qRgb(1, 2, 3));
    QVERIFY(isWhite(page.image().pixel(3, 299)));
    QCOMPARE(page.height(), 300);
  }

  void headingTexts() {
    NoteNames names;
    ChordDiagram chord = openC();
    chord.root = 1;
    chord.bass = 24 + 8;
    QCOMPARE(chordTitle(chord, names), QString("Db major /Ab"));
    QCOMPARE(chordNoteNames(chord, names), QString("Db F Ab"));
    names.spelling = Spelling::Sharps;
    chord.bass = 24 + 1;
    QCOMPARE(chordTitle(chord, names), QString("C# major"));
  }
};

QTEST_MAIN(DiagramPainterTest)
#include "tst_diagrampainter.moc"
