// The round glyph button: where it can be hit, how it toggles in a group, its glyph strip and
// the values it refuses, and the light on its two faces.
#include <QSignalSpy>
#include <QTest>

#include "gui/controls/THemisphereButton.h"

using strumly::gui::THemisphereButton;

class HemisphereButtonTest : public QObject {
  Q_OBJECT

 private:
  static void click(THemisphereButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(12, 12)); }

 private Q_SLOTS:
  void hitTestIsTheEllipseInsideTheRings() {
    THemisphereButton b;  // 25 x 25, one lowered ring of 2: half axes 12.5 - 2 = 10.5
    QVERIFY(b.HitTest(12, 12));
    QVERIFY(b.HitTest(22, 12));   // (9.5 / 10.5)^2 + (0.5 / 10.5)^2 = 0.82
    QVERIFY(!b.HitTest(23, 12));  // 1 + 0.002: just beyond the ring's inner edge
    QVERIFY(!b.HitTest(3, 3));    // a corner
    b.setBevelOuter(THemisphereButton::hbNone);
    QVERIFY(b.HitTest(23, 12));  // no ring: half axes 12.5
    // A press that ends outside clicks nothing and leaves a push button up.
    QSignalSpy clicks(&b, &THemisphereButton::clicked);
    QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(12, 12));
    QVERIFY(b.down());
    QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!b.down());
    click(&b);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!b.down());
  }

  void groupedButtonsToggleOneAtATime() {
    QWidget owner;
    auto* a = new THemisphereButton(&owner);
    auto* b = new THemisphereButton(&owner);
    auto* other = new THemisphereButton(&owner);
    a->setGroupIndex(18);
    b->setGroupIndex(18);
    other->setGroupIndex(5);
    other->setDown(true);
    click(a);
    QVERIFY(a->down());
    click(b);
    QVERIFY(b->down() && !a->down());
    QVERIFY(other->down());  // another group is left alone
    click(b);                // without AllowAllUp the down button stays down
    QVERIFY(b->down());
    a->setAllowAllUp(true);  // reaches the whole group
    QVERIFY(b->allowAllUp() && !other->allowAllUp());
    click(b);
    QVERIFY(!b->down() && !a->down());
  }

  void glyphStripAndRefusals() {
    THemisphereButton b;
    QImage strip(64, 16, QImage::Format_RGB32);
    strip.fill(Qt::red);
    b.setGlyph(strip);
    QCOMPARE(b.numGlyphs(), 4);
    b.setGlyphIndex(4);
    QCOMPARE(b.glyphIndex(), 4);
    b.setGlyphIndex(5);
    QCOMPARE(b.glyphIndex(), 4);
    b.setGlyphIndex(0);
    QCOMPARE(b.glyphIndex(), 4);
    b.setGlyph(QImage(30, 16, QImage::Format_RGB32));  // not a strip of squares: one picture
    QCOMPARE(b.numGlyphs(), 1);
    QCOMPARE(b.glyphIndex(), 1);
    b.setBevelWidth(0);
    b.setBevelWidth(-3);
    QCOMPARE(b.bevelWidth(), 2);
  }

  void theFacesAreLitFromTheUpperLeft() {
    THemisphereButton b;
    // The centre's normal is (0, 0, 1): light term 0.5773502692, so grey 128 becomes
    // 128 + round(73.9) = 202 up and 128 - 74 = 54 down.
    QCOMPARE(qRed(b.imageOut().pixel(12, 12)), 202);
    QCOMPARE(qRed(b.imageIn().pixel(12, 12)), 54);
    // A lowered ring is dark at the upper left and bright at the lower right.
    QVERIFY(qRed(b.imageOut().pixel(4, 4)) < 128);
    QVERIFY(qRed(b.imageOut().pixel(20, 20)) > 128);
    QCOMPARE(b.imageMask().pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(b.imageMask().pixel(12, 12), qRgb(0, 0, 0));
  }
};

QTEST_MAIN(HemisphereButtonTest)
#include "tst_hemispherebutton.moc"
