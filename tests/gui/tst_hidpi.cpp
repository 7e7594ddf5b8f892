// At twice the pixels (QT_SCALE_FACTOR=2) a page, the neck, the round button, the tab page and the
// About box's logo are painted with twice the detail, not blown up from their 1x pictures, and
// presses still land where they land at 1x.
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "core/tab/TabMarkers.h"
#include "gui/common/PagePrintout.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/controls/THemisphereButton.h"
#include "gui/help/AboutBox.h"
#include "gui/tab/TabPageView.h"
#include "gui/views/DiagramPainter.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"
#include "support/FakeFretboardHost.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// Open C, with the stale fret of a muted low E.
ChordDiagram openC() {
  ChordDiagram c = emptyDesignChord();
  c.name = "major";
  c.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {3, kFingerMuted}};
  c.intervals = {0, 4, 7, 255, 255, 255, 255};
  return c;
}

// A 1x picture blown up is made of equal 2 x 2 blocks: how many blocks of `logical` are not.
int mixedBlocks(const QImage& sharp, const QRect& logical) {
  int mixed = 0;
  for (int y = 2 * logical.top(); y < 2 * (logical.bottom() + 1); y += 2)
    for (int x = 2 * logical.left(); x < 2 * (logical.right() + 1); x += 2) {
      const QRgb c = sharp.pixel(x, y);
      mixed += sharp.pixel(x + 1, y) != c || sharp.pixel(x, y + 1) != c || sharp.pixel(x + 1, y + 1) != c;
    }
  return mixed;
}

}  // namespace

class HiDpiTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void pageIsPaintedAtTwiceThePixels() {
    PageImage page(QSize(kChordPageWidth, kDiagramPageHeight));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.devicePixelRatioF(), 2.0);
    ChordDiagram chord = openC();
    drawSmallChord(chord, page, DiagramPage::Chords, 1, 2, ChordMarkers::Shapes, false);
    drawTextAt(page, pageFont(8), 22, 8, "C major");
    page.repaint();

    const QImage sharp = page.image();
    QCOMPARE(sharp.size(), QSize(2 * kChordPageWidth, 2 * kDiagramPageHeight));
    QCOMPARE(sharp.deviceIndependentSize().toSize(), QSize(kChordPageWidth, kDiagramPageHeight));
    const QImage blownUp =
        pageSheet(page).image(1.0).scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // Over the diagram and the text, the round dots, the cross and the glyph edges take pixels
    // a blown-up 1x picture cannot have.
    const PixelPoint at = smallDiagramOrigin(DiagramPage::Chords, {2, 1});
    const auto differing = [&](const QRect& logical) {
      int n = 0;
      for (int y = 2 * logical.top(); y < 2 * (logical.bottom() + 1); ++y)
        for (int x = 2 * logical.left(); x < 2 * (logical.right() + 1); ++x)
          n += sharp.pixel(x, y) != blownUp.pixel(x, y);
      return n;
    };
    QVERIFY2(differing(QRect(at.x, at.y, kSmallDiagramWidth, kSmallDiagramHeight)) > 300, "diagram blown up");
    QVERIFY2(differing(QRect(22, 8, 60, 14)) > 100, "text blown up");
    // The grid lines are where they were: a string line two device pixels wide.
    QCOMPARE(sharp.pixel(2 * (at.x + 50), 2 * (at.y + 60)), blownUp.pixel(2 * (at.x + 50), 2 * (at.y + 60)));
  }

  void pressesArriveInLogicalPixels() {
    PageImage page(QSize(kChordPageWidth, kDiagramPageHeight));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy pressed(&page, &PageImage::mousePressed);
    // Inside the third diagram of the second set, well clear of its edges.
    const PixelPoint at = smallDiagramOrigin(DiagramPage::Chords, {2, 1});
    QTest::mousePress(&page, Qt::LeftButton, Qt::NoModifier, QPoint(at.x + 50, at.y + 60));
    QCOMPARE(pressed.count(), 1);
    const std::optional<GridCell> hit =
        pageHitTest(DiagramPage::Chords, pressed[0][2].toInt(), pressed[0][3].toInt());
    QVERIFY(hit.has_value());
    QCOMPARE(hit->column, 2);
    QCOMPARE(hit->row, 1);
  }

  void theNeckIsSharpAndPressedInLogicalPixels() {
    FakeFretboardHost host;
    host.design = true;
    FretboardView neck;
    KeyboardView keyboard;
    QLabel note, interval;
    QLineEdit name, notes;
    Fretboard board(FretboardWidgets{&neck, &keyboard, &note, &interval, &name, &notes, {}}, host);
    neck.show();
    QVERIFY(QTest::qWaitForWindowExposed(&neck));
    board.RedrawFretboard(openC());
    QCOMPARE(neck.image().size(), QSize(1800, 264));
    QCOMPARE(neck.size(), QSize(900, 132));
    // A 1x neck blown up is made of equal 2 x 2 blocks; over the strings, frets, fret numbers and
    // the chord's markers at the nut end most blocks of the sharp neck are not.
    int mixed = 0, blocks = 0;
    const QImage& sharp = neck.image();
    for (int y = 0; y < 264; y += 2)
      for (int x = 0; x < 2 * 200; x += 2, ++blocks) {
        const QRgb c = sharp.pixel(x, y);
        mixed += sharp.pixel(x + 1, y) != c || sharp.pixel(x, y + 1) != c || sharp.pixel(x + 1, y + 1) != c;
      }
    QVERIFY2(mixed > blocks / 3, qPrintable(QString("%1 of %2 blocks mixed").arg(mixed).arg(blocks)));
    // The open D string, where a 1x press finds it.
    QSignalSpy pressed(&board, &Fretboard::neckPressed);
    QTest::mouseClick(&neck, Qt::LeftButton, {}, QPoint(20, 66));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed[0][0].toInt(), 3);
    QCOMPARE(pressed[0][1].toInt(), 0);
  }

  void theRoundButtonAndTheTabPageAreSharpAndPressedInLogicalPixels() {
    QWidget window;
    window.resize(420, 200);
    auto* button = new THemisphereButton(&window);
    button->resize(90, 30);  // one lowered ring of 2: half axes 43 and 13 round (45, 15)
    button->setCaption("Show Intervals");
    auto* tab = new TabPageView(&window);
    tab->setGeometry(0, 40, 400, 160);
    const TabLines lines{U"",
                         U"e|-0---12--3-|",
                         U"B|--1-------|",
                         U"G|----2-----|",
                         U"D|-------2--|",
                         U"A|----------|",
                         U"E|-3--------|"};
    tab->setPage(&lines);
    tab->setMarkers(defaultTabMarkers(lines));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QImage& face = button->imageOut();
    QCOMPARE(face.size(), QSize(180, 60));
    // The shaded dome and the caption's edges change within a 1x pixel almost everywhere.
    QVERIFY2(mixedBlocks(face, QRect(0, 0, 90, 30)) > 90 * 30 / 2, "round button blown up");
    QSignalSpy clicks(button, &THemisphereButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(87, 15));  // (42 / 43)^2 = 0.95: on the face
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(89, 15));  // (44 / 43)^2: beyond it
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(2, 2));    // a corner
    QCOMPARE(clicks.count(), 1);

    const QImage page = tab->viewport()->grab().toImage();
    QCOMPARE(page.size(), 2 * tab->viewport()->size());
    // The six string lines of the first block (y 23 .. 131) over the text's columns.
    QVERIFY2(mixedBlocks(page, QRect(9, 23, 110, 108)) > 500, "tab page blown up");
    QSignalSpy pressed(tab, &TabPageView::pagePressed);
    QTest::mouseClick(tab->viewport(), Qt::RightButton, {}, QPoint(37, 41));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed[0][0].toInt(), 37);
    QCOMPARE(pressed[0][1].toInt(), 41);
  }

  void theAboutBoxLogoHasTheScreensPixels() {
    ScriptedDialogService dialogs;
    TfrmAboutBox about(dialogs, QString(STRUMLY_SOURCE_DIR) + "/data/licences", "");
    const QPixmap logo = about.findChild<QLabel*>("imgLogo")->pixmap();
    QCOMPARE(logo.size(), QSize(192, 192));
    QCOMPARE(logo.deviceIndependentSize(), QSizeF(96, 96));
  }
};

int main(int argc, char** argv) {
  // Before the application exists, as a desktop at 200 % sets it.
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  HiDpiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
