// The keyboard's dots and hover names, and the staff control's drawing.
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "core/views/StaffLayout.h"
#include "gui/common/Resources.h"
#include "gui/views/Fretboard.h"
#include "gui/views/KeyboardView.h"
#include "gui/views/TNvStaffBox.h"
#include "support/FakeFretboardHost.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

void moveMouse(QWidget* widget, int x, int y) {
  QMouseEvent move(QEvent::MouseMove, QPointF(x, y), widget->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &move);
}

NoteSet notesOf(std::initializer_list<int> pitches) {
  NoteSet set{};
  for (int p : pitches) set[static_cast<std::size_t>(p)] = 1;
  return set;
}

bool isBlack(const QImage& image, int x, int y) {
  return (image.pixel(x, y) & 0xffffff) == 0;
}

}  // namespace

class KeyboardStaffTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void keyboardShowsDMinor() {
    KeyboardView keyboard;
    QCOMPARE(keyboard.size(), QSize(281, 18));
    const QImage clean = keyboard.image();
    const std::array<std::uint8_t, 10> minor{0, 3, 7, 99, 99, 99, 99, 99, 99, 99};
    keyboard.showScale(minor, 2);
    for (int key = 0; key < 60; ++key) {
      const KeyboardDot dot = keyboardDotAt(key);
      const QColor shown(keyboard.image().pixel(dot.x + 1, dot.y + 1));
      const int pc = key % 12;
      if (pc == 2)
        QCOMPARE(shown, QColor(255, 0, 0));
      else if (pc == 5 || pc == 9)
        QCOMPARE(shown, QColor(0, 255, 0));
      else
        QCOMPARE(shown.rgb(), clean.pixel(dot.x + 1, dot.y + 1));
    }
    keyboard.clear();
    QCOMPARE(keyboard.image(), clean);
  }

  void keyboardHoverNamesAgainstTheLastRoot() {
    FakeFretboardHost host;
    KeyboardView keyboard;
    QLabel note, interval;
    Fretboard board({nullptr, &keyboard, &note, &interval}, host);
    ChordDiagram chord;
    chord.empty = 0;
    chord.root = 2;  // D
    chord.bass = 26;
    chord.strings.fill({0, kFingerMuted});
    board.RedrawFretboard(chord);
    moveMouse(&keyboard, 19, 5);  // E of the lowest octave, upper part
    QCOMPARE(note.text(), QString("E"));
    QCOMPARE(interval.text(), QString("2 / 9"));
    moveMouse(&keyboard, 56 + 14, 3);  // D# of the second octave
    QCOMPARE(note.text(), QString("Eb"));
    QCOMPARE(interval.text(), QString("b2 / b9"));
    moveMouse(&keyboard, 300, 3);  // beyond the keys: the previous key stays
    QCOMPARE(note.text(), QString("Eb"));
  }

  void staffStartsBareAndHasItsSize() {
    TNvStaffBox staff;
    QCOMPARE(staff.size(), QSize(154, 144));
    staff.setNotes(NoteSet{});
    QCOMPARE(staff.backBuffer(), picture("StaffBmp").convertToFormat(staff.backBuffer().format()));
    staff.resize(300, 300);
    QCOMPARE(staff.size(), QSize(154, 144));
  }

  void staffDrawsCMajorWithLedgerLines() {
    TNvStaffBox staff;
    staff.setNotes(notesOf({48, 52, 55, 60, 64}));
    const QImage& buffer = staff.backBuffer();
    const StaffLayout layout = layoutStaff(staff.notes());
    for (const StaffMark& mark : layout.marks) {
      QCOMPARE(mark.glyph, StaffGlyph::NoteHead);
      QVERIFY(isBlack(buffer, mark.x + 5, mark.y));      // the head's top row
      QVERIFY(isBlack(buffer, mark.x + 1, mark.y + 2));  // and its left side
    }
    // The ledger line of C3 crosses the gap between the head columns.
    QVERIFY(isBlack(buffer, 80, 104));
    QVERIFY(!isBlack(buffer, 80, 110));
  }

  void staffSpellsTheCrowdedFlatWithANatural() {
    TNvStaffBox staff;
    staff.setNotes(notesOf({60, 61, 62}));
    const StaffLayout layout = layoutStaff(staff.notes());
    int naturals = 0;
    for (const StaffMark& mark : layout.marks) {
      if (mark.glyph != StaffGlyph::Natural) continue;
      ++naturals;
      QVERIFY(isBlack(staff.backBuffer(), mark.x, mark.y + 1));  // the natural's left stem
    }
    QCOMPARE(naturals, 1);
    // Setting the same key again lays nothing out anew; a new key keeps the Key-0 layout.
    const QImage before = staff.backBuffer();
    staff.setKey(0);
    staff.setKey(3);
    QCOMPARE(staff.property("Key").toInt(), 3);
    QCOMPARE(staff.backBuffer(), before);
    staff.setSharp(1);
    QCOMPARE(staff.sharp(), 1);
  }

  void staffPaintsInsideASunkenFrame() {
    TNvStaffBox staff;
    staff.setNotes(notesOf({64}));
    const QImage shot = staff.grab().toImage();
    QCOMPARE(QColor(shot.pixel(153, 143)), QColor(Qt::white));
    QCOMPARE(shot.pixel(2 + 70, 2 + 80), staff.backBuffer().pixel(70, 80));
  }
};

QTEST_MAIN(KeyboardStaffTest)
#include "tst_keyboardstaff.moc"
