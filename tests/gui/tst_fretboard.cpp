// The fretboard controller on real widgets: marker pixels, hover read-outs, presses, clearing,
// LED frames, handedness, Flip, Show Arpeggio and the Chord Design fret controls.
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "gui/chorddesign/FretControls.h"
#include "gui/common/Resources.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"
#include "support/FakeFretboardHost.h"

using namespace strumly;
using namespace strumly::gui;

Q_DECLARE_METATYPE(strumly::LedFrame)

namespace {

ChordDiagram cMajor() {
  ChordDiagram chord;
  chord.empty = 0;
  chord.name = "maj";
  chord.tuningName = "Standard";
  chord.strings = {StringFret{0, kFingerOpen}, {1, 1}, {0, kFingerOpen}, {2, 2}, {3, 3}, {0, kFingerMuted}};
  chord.pitches = {64, 60, 55, 52, 48, 0};
  chord.intervals = {0, 4, 7, 255, 255, 255, 255};
  return chord;
}

// Every opaque pixel of the marker cell shows at (x, y) on the neck; returns how many were checked.
int checkMarker(const QImage& neck, int cellX, int x, int y) {
  const QImage strip = picture("FINGERS").convertToFormat(QImage::Format_ARGB32);
  const QImage shown = neck.convertToFormat(QImage::Format_ARGB32);
  int opaque = 0;
  for (int dy = 0; dy < kMarkerSize; ++dy) {
    for (int dx = 0; dx < kMarkerSize; ++dx) {
      const QRgb want = strip.pixel(cellX + dx, dy);
      if (qAlpha(want) != 255) continue;
      ++opaque;
      if ((shown.pixel(x + dx, y + dy) & 0xffffff) != (want & 0xffffff)) return -1;
    }
  }
  return opaque;
}

// A press on the neck as the mouse gives it, in the neck's own pixels.
void pressNeck(FretboardView& neck, Qt::MouseButton button, int x, int y) {
  QTest::mouseClick(&neck, button, {}, QPoint(x, y));
}

// The up or down arrow of a root or bass stepper of the fret controls.
QToolButton* stepperArrow(const FretControls& controls, const char* stepper, Qt::ArrowType arrow) {
  for (QToolButton* button : controls.findChild<QWidget*>(stepper)->findChildren<QToolButton*>())
    if (button->arrowType() == arrow) return button;
  return nullptr;
}

}  // namespace

class FretboardTest : public QObject {
  Q_OBJECT

  struct Rig {
    FakeFretboardHost host;
    FretboardView neck;
    KeyboardView keyboard;
    QLabel note, interval;
    QLineEdit name, notes;
    std::array<QLabel, 8> intervals;
    QToolButton leftHanded, flip, arpeggio, fullScale, bass;
    std::unique_ptr<Fretboard> board;
    Rig() {
      FretboardWidgets w{&neck, &keyboard, &note, &interval, &name, &notes, {}};
      for (std::size_t i = 0; i < intervals.size(); ++i) w.intervals[i] = &intervals[i];
      board = std::make_unique<Fretboard>(w, host);
      for (QToolButton* b : {&leftHanded, &flip, &arpeggio, &fullScale, &bass}) b->setCheckable(true);
      board->bindButtons({&bass, &leftHanded, &flip, &arpeggio, &fullScale});
    }
  };

 private Q_SLOTS:
  void initTestCase() { qRegisterMetaType<LedFrame>(); }

  void picturesHaveTheirSizes() {
    QCOMPARE(picture("NECK").size(), QSize(900, 132));
    QCOMPARE(picture("FRETNUMR").size(), QSize(900, 14));
    QCOMPARE(picture("FRETNUML").size(), QSize(900, 14));
    QCOMPARE(picture("FINGERS").size(), QSize(240, 12));
  }

  void markersLandOnTheirPixels() {
    for (Hand hand : {Hand::Right, Hand::Left}) {
      Rig rig;
      rig.board->setLeftHanded(hand == Hand::Left);
      rig.board->RedrawFretboard(cMajor());
      const ChordPicture expected = drawChord(cMajor(), hand, NoteNames{});
      QCOMPARE(expected.markers.size(), std::size_t{6});
      for (const MarkerPlacement& m : expected.markers) {
        const int opaque = checkMarker(rig.neck.image(), m.cellX, m.x, m.y);
        QVERIFY2(opaque > 20, qPrintable(QString("string %1 cell %2").arg(m.string).arg(m.cellX)));
      }
      // Away from the markers the neck is untouched.
      QCOMPARE(rig.neck.image().pixel(450, 120), rig.neck.cleanImage().pixel(450, 120));
    }
  }

  void leftHandedNeckIsTheMirrorWithItsOwnNumbers() {
    Rig rig;
    const QImage right = rig.neck.cleanImage();
    rig.board->setLeftHanded(true);
    const QImage left = rig.neck.cleanImage();
    for (int y = kFretNumberStripHeight; y < kNeckHeight; y += 7)
      for (int x = 0; x < kNeckWidth; x += 13) QCOMPARE(left.pixel(x, y), right.pixel(kNeckWidth - 1 - x, y));
    QCOMPARE(left.copy(0, 0, kNeckWidth, kFretNumberStripHeight),
             picture("FRETNUML").convertToFormat(left.format()));
    QCOMPARE(rig.board->layout().diagramStringX, (StringColumns{16, 31, 46, 61, 76, 91}));
  }

  void hoverReadouts() {
    Rig rig;
    rig.board->RedrawFretboard(cMajor());
    rig.board->imgGuitarMouseMove(200, 100);  // fret 3 of string 5
    QCOMPARE(rig.note.text(), QString("G"));
    QCOMPARE(rig.interval.text(), QString("5"));
    rig.board->imgGuitarMouseMove(160, 110);  // fret 2 of string 5: F#
    QCOMPARE(rig.note.text(), QString("Gb"));
    QCOMPARE(rig.interval.text(), QString("b5 / #11"));
    rig.board->imgGuitarMouseMove(4, 100);
    QCOMPARE(rig.note.text(), QString());
    QCOMPARE(rig.interval.text(), QString());
    QVERIFY(!rig.board->hoverPosition());
    // The tuning on the controls names the note, not the chord's.
    rig.host.tuning.pitches[5] = 38;
    rig.board->imgGuitarMouseMove(200, 100);
    QCOMPARE(rig.note.text(), QString("F"));
    QCOMPARE(rig.interval.text(), QString("4 / 11"));
  }

  void pressesOnlyEditTheDesign() {
    Rig rig;
    QSignalSpy pressed(rig.board.get(), &Fretboard::neckPressed);
    pressNeck(rig.neck, Qt::RightButton, 20, 66);
    QCOMPARE(pressed.count(), 0);
    rig.host.design = true;
    pressNeck(rig.neck, Qt::RightButton, 20, 66);  // open D string
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed[0][0].toInt(), 3);
    QCOMPARE(pressed[0][1].toInt(), 0);
    QCOMPARE(pressed[0][2].value<Qt::MouseButton>(), Qt::RightButton);
    pressNeck(rig.neck, Qt::LeftButton, 2, 66);  // outside the area
    pressNeck(rig.neck, Qt::MiddleButton, 20, 66);
    rig.host.playing = true;
    pressNeck(rig.neck, Qt::LeftButton, 20, 66);
    QCOMPARE(pressed.count(), 1);
  }

  void ledFrameAndClearing() {
    Rig rig;
    QSignalSpy leds(rig.board.get(), &Fretboard::ledsChanged);
    QSignalSpy cleared(rig.board.get(), &Fretboard::ledsCleared);
    QSignalSpy tuning(rig.board.get(), &Fretboard::tuningShown);
    ChordDiagram chord = cMajor();
    chord.strings[0] = {22, 4};
    chord.pitches[0] = 86;
    rig.board->RedrawFretboard(chord);
    QCOMPARE(leds.count(), 1);
    const LedFrame frame = leds[0][0].value<LedFrame>();
    QCOMPARE(frame, rig.board->boardLeds());
    QCOMPARE(frame.at(3, 4).root, std::uint8_t{1});
    for (int fret = 0; fret < kLedFrets; ++fret) QCOMPARE(frame.at(fret, 0).lit, std::uint8_t{0});
    QCOMPARE(tuning.count(), 1);
    QCOMPARE(tuning[0][1].toString(), QString("Standard"));
    QCOMPARE(rig.name.text(), QString("C maj"));
    QCOMPARE(rig.notes.text(), QString(" C E G"));
    QCOMPARE(rig.intervals[1].text(), QString("3"));
    QCOMPARE(rig.intervals[2].property("tag").toInt(), 7);
    QVERIFY(rig.board->chordShown());

    rig.board->imgGuitarMouseMove(200, 100);
    rig.board->RedrawFretboard(ChordDiagram{});  // an empty chord clears
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(rig.board->boardLeds(), LedFrame{});
    QCOMPARE(rig.neck.image(), rig.neck.cleanImage());
    QCOMPARE(rig.name.text(), QString());
    QCOMPARE(rig.notes.text(), QString());
    QCOMPARE(rig.note.text(), QString());
    for (QLabel& label : rig.intervals) {
      QCOMPARE(label.text(), QString());
      QCOMPARE(label.property("tag").toInt(), 0);
    }
    QVERIFY(!rig.board->chordShown());
  }

  void rootLabelGreysWhenNoStringPlaysTheRoot() {
    Rig rig;
    rig.board->RedrawFretboard(cMajor());
    QCOMPARE(rig.intervals[0].palette().color(QPalette::WindowText), QColor(Qt::black));
    ChordDiagram chord = cMajor();
    chord.root = 2;
    rig.board->RedrawFretboard(chord);
    QVERIFY(rig.intervals[0].palette().color(QPalette::WindowText) != QColor(Qt::black));
  }

  void staffNotesOnlyOnTheDesignPage() {
    Rig rig;
    QSignalSpy staff(rig.board.get(), &Fretboard::staffNotesChanged);
    rig.board->RedrawFretboard(cMajor());
    QCOMPARE(staff.count(), 0);
    rig.host.design = true;
    rig.board->RedrawFretboard(cMajor());
    QCOMPARE(staff.count(), 1);
  }

  void arpeggioOutlines() {
    Rig rig;
    rig.host.arpeggio = cMajor();
    rig.board->RedrawFretboard(cMajor());
    rig.fullScale.setChecked(true);
    rig.arpeggio.click();
    // The C at fret 8 of the low string: red outline; the G at fret 3: lime.
    const int x8 = *fretX(Hand::Right, 8), y8 = *stringY(8, 5);
    QCOMPARE(QColor(rig.neck.image().pixel(x8 - 1, y8 + 6)), QColor(255, 0, 0));
    const int x3 = *fretX(Hand::Right, 3), y3 = *stringY(3, 5);
    QCOMPARE(QColor(rig.neck.image().pixel(x3 - 1, y3 + 6)), QColor(0, 255, 0));
    QCOMPARE(rig.board->boardLeds().at(8, 5), (LedCell{1, 1}));
    // Released: the chord alone again.
    rig.arpeggio.click();
    QCOMPARE(rig.neck.image().pixel(x8 - 1, y8 + 6), rig.neck.cleanImage().pixel(x8 - 1, y8 + 6));
    // Nothing on a page without a chord.
    rig.host.arpeggio.reset();
    const QImage before = rig.neck.image();
    rig.arpeggio.click();
    QCOMPARE(rig.neck.image(), before);
  }

  void slotColoursOnTheDesignPage() {
    Rig rig;
    rig.host.design = true;
    rig.host.intervalsDown = true;
    rig.board->ShowNotesAcrossNeck(cMajor(), Qt::blue);
    QCOMPARE(rig.intervals[1].palette().color(QPalette::Window), QColor(0, 255, 255));
    QCOMPARE(rig.intervals[3].palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(rig.name.palette().color(QPalette::Text), QColor(Qt::blue));
    // The E at fret 0 of the top string is outlined in the aqua of its label.
    QCOMPARE(QColor(rig.neck.image().pixel(*fretX(Hand::Right, 0) - 1, *stringY(0, 0) + 6)),
             QColor(0, 255, 255));
  }

  void togglesRefusedWhileBusy() {
    Rig rig;
    QSignalSpy hand(rig.board.get(), &Fretboard::handednessChanged);
    QSignalSpy flip(rig.board.get(), &Fretboard::flipChanged);
    QSignalSpy bass(rig.board.get(), &Fretboard::bassNoteChanged);
    rig.host.busy = true;
    rig.leftHanded.click();
    rig.flip.click();
    rig.bass.click();
    // The rig has no menu bar; the Flip item's own wiring is walked in the full window.
    rig.board->menuFlipClick();
    QVERIFY(!rig.leftHanded.isChecked());
    QVERIFY(!rig.flip.isChecked());
    QVERIFY(!rig.bass.isChecked());
    QCOMPARE(hand.count() + flip.count() + bass.count(), 0);
    QVERIFY(!rig.board->leftHanded());

    rig.host.busy = false;
    rig.leftHanded.click();
    QVERIFY(rig.board->leftHanded());
    QCOMPARE(hand.count(), 1);
    QCOMPARE(rig.board->layout().hand, Hand::Left);
    rig.board->menuFlipClick();
    QVERIFY(rig.flip.isChecked());
    rig.flip.click();
    QVERIFY(!rig.flip.isChecked());
    QCOMPARE(flip.count(), 2);
    QCOMPARE(flip[1][0].toBool(), false);
    rig.bass.click();
    QCOMPARE(bass.count(), 1);
    QVERIFY(bass[0][0].toBool());

    // While Play is down the hand stays and the button shows it.
    rig.host.playing = true;
    rig.leftHanded.click();
    QVERIFY(rig.board->leftHanded());
    QVERIFY(rig.leftHanded.isChecked());
  }

  void fretControls() {
    FretControls controls;
    QCOMPARE(controls.fingerCode(), std::uint8_t{kFingerPlain});
    controls.fingerButton(3)->click();
    QCOMPARE(controls.fingerCode(), std::uint8_t{3});
    controls.fingerButton(3)->click();  // a down button stays down
    QCOMPARE(controls.fingerCode(), std::uint8_t{3});

    QSignalSpy root(&controls, &FretControls::rootChanged);
    QSignalSpy bass(&controls, &FretControls::bassChanged);
    QToolButton* rootDown = stepperArrow(controls, "udRoot", Qt::DownArrow);
    QToolButton* bassUp = stepperArrow(controls, "udBass", Qt::UpArrow);
    QVERIFY(rootDown && bassUp);
    QTest::mouseClick(rootDown, Qt::LeftButton);
    QCOMPARE(controls.root(), 11);
    QCOMPARE(controls.bass(), 11);
    QCOMPARE(controls.rootEdit()->text(), QString("B"));
    QTest::mouseClick(bassUp, Qt::LeftButton);
    QCOMPARE(controls.bass(), 0);
    QCOMPARE(root.count(), 1);
    QCOMPARE(bass.count(), 1);
    controls.setNoteNames(NoteNames{Spelling::Sharps});
    controls.showRootAndBass(1, 13);
    QCOMPARE(controls.rootEdit()->text(), QString("C#"));
    QCOMPARE(controls.bass(), 1);

    // Only digits go in, two at most; 23 on leaving empties the edit and mutes the string.
    QSignalSpy edited(&controls, &FretControls::fretEdited);
    QLineEdit* edit = controls.fretEdit(2);
    QTest::keyClicks(edit, "x2-35");
    QCOMPARE(edit->text(), QString("23"));
    controls.show();
    QVERIFY(QTest::qWaitForWindowActive(&controls));
    edit->setFocus();
    controls.fretEdit(0)->setFocus();
    QTRY_COMPARE(edited.count(), 1);
    QCOMPARE(edited[0][0].toInt(), 2);
    QVERIFY(!edited[0][1].value<std::optional<int>>().has_value());
    QCOMPARE(edit->text(), QString());

    ChordDiagram chord = cMajor();
    controls.showFrets(chord);
    QCOMPARE(controls.fretEdit(4)->text(), QString("3"));
    QCOMPARE(controls.fretEdit(0)->text(), QString("0"));
    QCOMPARE(controls.fretEdit(5)->text(), QString());
  }

  void designEditingThroughTheControls() {
    // Given the design page with an open-string press, a fingered note and a typed fret
    Rig rig;
    rig.host.design = true;
    FretControls controls;
    ChordDiagram design;
    connect(rig.board.get(), &Fretboard::neckPressed, &controls, [&](int s, int f, Qt::MouseButton b) {
      QVERIFY(controls.applyNeckPress(design, rig.host.tuning, "Standard", s, f, b));
      rig.board->RedrawFretboard(design);
    });
    rig.board->RedrawFretboard(cMajor());
    pressNeck(rig.neck, Qt::RightButton, 20, 66);  // open D: the root
    QCOMPARE(design.root, PitchClass{2});
    QCOMPARE(design.bass, std::uint8_t{26});
    QCOMPARE(controls.rootEdit()->text(), QString("D"));
    QCOMPARE(controls.bassEdit()->text(), QString("D"));
    QCOMPARE(rig.interval.text(), QString("1"));
    QCOMPARE(controls.fretEdit(3)->text(), QString("0"));

    controls.fingerButton(2)->click();
    pressNeck(rig.neck, Qt::LeftButton, 380, 35);  // fret 6 of string 1
    QCOMPARE(design.strings[1], (StringFret{6, 2}));
    QCOMPARE(design.beginFret, std::uint8_t{6});
    QCOMPARE(controls.fretEdit(1)->text(), QString("6"));
    QVERIFY(checkMarker(rig.neck.image(), *chordMarkerCell(2, false), *fretX(Hand::Right, 6),
                        *stringY(6, 1)) > 20);

    QVERIFY(controls.applyFretEdit(design, rig.host.tuning, "Standard", 1, std::nullopt));
    QCOMPARE(design.strings[1].finger, std::uint8_t{kFingerMuted});
    QCOMPARE(design.beginFret, std::uint8_t{1});
    QCOMPARE(controls.fretEdit(1)->text(), QString());
    QVERIFY(!controls.applyFretEdit(design, rig.host.tuning, "Standard", 1, 30));
  }
};

QTEST_MAIN(FretboardTest)
#include "tst_fretboard.moc"
