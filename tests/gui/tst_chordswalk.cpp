// The road of one request with the shipped dictionary and the real fretboard: "E" from the Key
// menu, "m7" from the Minor menu, "Show Chords", a press on the third diagram, more sets, page
// changes with the fretboard following the Chords page's item, and the wheel scrolling the page
// whatever has the focus. Then the same road through the real main window: the keyboard, the
// read-outs and the staff follow what is shown, the fretboard follows each page, and a change of
// hand redraws the Chords page in the mirrored layout.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "core/pages/PageLayout.h"
#include "core/views/FretboardGeometry.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/FretControls.h"
#include "gui/chords/ChordMenus.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/controls/TuningControls.h"
#include "gui/controls/UpDown.h"
#include "gui/playback/Transport.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"
#include "gui/views/TNvStaffBox.h"
#include "support/FakeFretboardHost.h"
#include "support/MenuLookup.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// The program's data (the chord dictionary) with a scratch folder for Kv.ini.
struct RealWindow : ProgramFixture {
  explicit RealWindow(const QByteArray& kvIni = {}) : ProgramFixture({.leds = true, .kvIni = kvIni}) {}
  KeyboardView* keyboard() const { return parts->mainWindow().findChild<KeyboardView*>("imgKeyboard"); }
  FretboardView* neck() const { return qobject_cast<FretboardView*>(parts->bottomPanel().fretboard()); }
  ChordsPage* chords() const { return &parts->chordsPage(); }
  QString notes() const { return parts->bottomPanel().notesEdit()->text(); }
};

void moveOver(QWidget* widget, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

// The middle of the neck's marker at a string and fret (right-handed neck).
QPoint neckPoint(int string, int fret) {
  return {*fretX(Hand::Right, fret) + 6, *stringY(fret, string) + 6};
}

// The up arrow of the root stepper of the fret controls.
QToolButton* rootUpArrow(const FretControls& controls) {
  for (QToolButton* button : controls.findChild<QWidget*>("udRoot")->findChildren<QToolButton*>())
    if (button->arrowType() == Qt::UpArrow) return button;
  return nullptr;
}

// The keyboard's 3 x 3 dot of key k, as the keyboard's picture places it.
QRgb keyboardDot(const KeyboardView& keyboard, int key) {
  static constexpr int kOffsets[12] = {0, 4, 8, 12, 16, 24, 28, 32, 36, 40, 44, 48};
  const int pc = key % 12;
  const bool black = pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
  return keyboard.image().pixel(3 + 56 * (key / 12) + kOffsets[pc] + 1, (black ? 6 : 12) + 1);
}

// The 10 x 10 marker box of a string in a small diagram of the Chords page.
QImage markerBox(const QImage& page, GridCell cell, const ChordDiagram& chord, int string, bool leftHanded) {
  const StringFret& sf = chord.strings[static_cast<std::size_t>(string)];
  const std::optional<int> row = sf.finger == kFingerMuted ? 0 : chordMarkerRow(sf.fret, chord.beginFret);
  if (!row) return {};
  const int x = 20 + 120 * cell.column + markerColumns(leftHanded).small[static_cast<std::size_t>(string)];
  const int y = 30 + 150 * cell.row + kSmallRowTops[static_cast<std::size_t>(*row)];
  return page.copy(x, y, kSmallMarkerSize, kSmallMarkerSize);
}

}  // namespace

class ChordsWalkTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void showChordsWalk() {
    RealWindow real;
    ProgramParts& w = *real.parts;
    MainMenu& menu = w.mainMenu();
    ChordsPage* page = real.chords();
    QTabWidget* tabs = w.pages().pageControl();
    QScrollBar* strum = w.toolPanel().strumSpeed();
    TuningControls* tuning = w.bottomPanel().tuningControls();
    BottomPanel& bottom = w.bottomPanel();
    PageHolders& holders = w.holders();

    // Given E from the Key menu and m7 from the Minor menu
    menu.keyItems()[4]->trigger();
    itemNamed(menu.menuMinor(), "m7")->trigger();
    QCOMPARE(w.toolPanel().chordRootEdit()->text(), QString("E"));
    QCOMPARE(w.toolPanel().chordNameEdit()->text(), QString("m7"));

    // When Show Chords is pressed on another page
    tabs->setCurrentIndex(int(PageId::ChordDesign));
    w.toolPanel().showChordsButton()->click();

    // Then six E m7 voicings stand as set 0 and the first is on the fretboard
    QVERIFY2(real.dialogs.notices.isEmpty(), qPrintable(real.dialogs.notices.join("; ")));
    QCOMPARE(page->model().setCount(), 1);
    QCOMPARE(tabs->currentWidget(), page);
    QVERIFY(tuning->isLocked());
    for (int d = 0; d < 6; ++d) {
      QCOMPARE(int(holders.chordAt(d, 0).root), 4);
      QCOMPARE(holders.chordAt(d, 0).name.str(), std::string("m7"));
    }
    QVERIFY(w.fretboard().chordShown());
    QCOMPARE(int(w.fretboard().lastShownRoot()), 4);
    QCOMPARE(real.notes(), QString(" E G B D"));
    QCOMPARE(bottom.chordNameEdit()->text(), QString("E m7"));
    QCOMPARE(bottom.intervalLabel(1)->text(), QString("b3"));
    // ... and on the LED guitar: only E, G, B and D light up.
    QVERIFY(!real.leds.frames().empty());
    const LedFrame frame = real.leds.frames().back();
    const int standard[6] = {64, 59, 55, 50, 45, 40};
    int lit = 0;
    for (int fret = 0; fret < kLedFrets; ++fret)
      for (int string = 0; string < 6; ++string)
        if (frame.at(fret, string).lit) {
          ++lit;
          QVERIFY(QList<int>({4, 7, 11, 2}).contains((standard[string] + fret) % 12));
        }
    QVERIFY(lit >= 4);

    // A left press on the third diagram shows it
    QTest::mouseClick(page->imgChordPage(), Qt::LeftButton, {}, QPoint(20 + 240 + 50, 30 + 60));
    QCOMPARE(page->model().selection(), (GridCell{2, 0}));
    QCOMPARE(holders.chordPageChord, holders.chordAt(2, 0));

    // More sets, up to five
    itemNamed(menu.menuMajor(), "maj7")->trigger();
    for (int i = 0; i < 4; ++i) w.toolPanel().showChordsButton()->click();
    QCOMPARE(page->model().setCount(), 5);
    QCOMPARE(holders.chordAt(0, 4).name.str(), std::string("maj7"));
    w.toolPanel().showChordsButton()->click();
    QCOMPARE(real.dialogs.notices, QStringList{"Maximum is 5 sets of chords. Clear the Chord page."});

    // Leaving and re-entering the Chords page shows its item again
    tabs->setCurrentIndex(int(PageId::PlayPage));
    QVERIFY(real.notes().isEmpty());
    QCOMPARE(real.leds.calls().back().kind, LedSinkCall::Kind::Clear);
    tabs->setCurrentIndex(int(PageId::ChordDesign));
    QVERIFY(!tuning->isLocked());
    tabs->setCurrentWidget(page);
    QVERIFY(tuning->isLocked());
    QCOMPARE(bottom.chordNameEdit()->text(), QString("E maj7"));
    QCOMPARE(w.mainWindow().windowTitle(), QString("Strumly!   "));

    // The wheel over the strum-speed bar scrolls the page, not the bar
    QScrollBar* pageBar = page->scrollChordPage()->verticalScrollBar();
    QVERIFY(pageBar->maximum() > 0);
    pageBar->setValue(pageBar->maximum());
    const int strumBefore = strum->value();
    const int before = pageBar->value();
    QWheelEvent wheel(QPointF(5, 5), strum->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(strum, &wheel);
    QCOMPARE(strum->value(), strumBefore);
    QVERIFY(pageBar->value() < before);

    // Space on the Chords page with nothing playing presses Play, which comes back up at once as
    // nothing plays here yet; other keys park the focus.
    QSignalSpy transportChanges(&w.transport(), &Transport::stateChanged);
    QLineEdit* rootEdit = w.toolPanel().chordRootEdit();
    rootEdit->setFocus();
    QTest::keyClick(rootEdit, Qt::Key_Space);
    QVERIFY(transportChanges.size() >= 1);
    QVERIFY(!w.toolPanel().buttons().sbtnPlay->isChecked());
    QTest::keyClick(rootEdit, Qt::Key_X);
    QCOMPARE(w.mainWindow().focusWidget(), static_cast<QWidget*>(strum));
  }
  void realWindowWalkDrivesKeyboardReadoutsAndStaff() {
    RealWindow real;
    ProgramParts& w = *real.parts;
    MainMenu* menu = &w.mainMenu();
    BottomPanel* bottom = &w.bottomPanel();
    KeyboardView* keyboard = real.keyboard();
    QVERIFY(keyboard);
    QVERIFY(keyboard->isVisible());

    // Given E and m7, Show Chords and a press on the third diagram
    real.showChords(4, menu->menuMinor(), "m7");
    QVERIFY2(real.dialogs.notices.isEmpty(), qPrintable(real.dialogs.notices.join("; ")));
    QTest::mouseClick(real.chords()->imgChordPage(), Qt::LeftButton, {}, QPoint(20 + 240 + 50, 30 + 60));
    const ChordDiagram third = w.holders().chordAt(2, 0);
    QCOMPARE(w.holders().chordPageChord, third);

    // Then the read-outs name it and the keyboard marks E (red) G B D (green) in every octave
    QCOMPARE(bottom->chordNameEdit()->text(), QString("E m7"));
    QCOMPARE(real.notes(), QString(" E G B D"));
    QStringList captions;
    for (int n = 0; n < 8; ++n) captions << bottom->intervalLabel(n)->text();
    QCOMPARE(captions, (QStringList{"1", "b3", "5", "b7", "", "", "", ""}));
    for (int octave = 0; octave < 5; ++octave) {
      QCOMPARE(keyboardDot(*keyboard, 12 * octave + 4), qRgb(255, 0, 0));
      for (int pc : {7, 11, 2}) QCOMPARE(keyboardDot(*keyboard, 12 * octave + pc), qRgb(0, 255, 0));
      for (int pc : {0, 3, 5, 9}) {
        const QRgb dot = keyboardDot(*keyboard, 12 * octave + pc);
        QVERIFY(dot != qRgb(255, 0, 0) && dot != qRgb(0, 255, 0));
      }
    }
    // Hovering the neck names the note and its interval against E
    moveOver(real.neck(), neckPoint(1, 3));  // D on the B string
    QCOMPARE(bottom->noteReadOut()->text(), QString("D"));
    QCOMPARE(bottom->intervalReadOut()->text(), QString("b7"));

    // More sets of other keys and types; the fifth is the last one allowed
    real.showChords(9, menu->menuMajor(), "maj7");
    real.showChords(2, menu->menuDominant(), "9");
    real.showChords(7, menu->menuMinor(), "minor");
    real.showChords(0, menu->menuDominant(), "7sus4");
    QCOMPARE(real.chords()->model().setCount(), 5);
    QCOMPARE(bottom->chordNameEdit()->text(), QString("C 7sus4"));

    // The Chord Design page shows the design; a right press roots it, presses finger it
    w.pages().pageControl()->setCurrentIndex(int(PageId::ChordDesign));
    QVERIFY(!bottom->tuningControls()->isLocked());
    ChordDesignPage* design = &w.chordDesignPage();
    TNvStaffBox* staff = design->staffBox();
    QVERIFY(staff->isVisible());
    const QImage bareStaff = staff->backBuffer();
    QTest::mouseClick(real.neck(), Qt::RightButton, {}, neckPoint(4, 3));  // C on the A string
    QTest::mouseClick(real.neck(), Qt::LeftButton, {}, neckPoint(3, 2));   // E
    for (int string : {2, 1, 0}) QTest::mouseClick(real.neck(), Qt::LeftButton, {}, neckPoint(string, 0));
    const ChordDiagram& cmaj7 = w.holders().designChord;
    QCOMPARE(int(cmaj7.root), 0);
    QCOMPARE(std::vector<int>(cmaj7.intervals.begin(), cmaj7.intervals.begin() + 5),
             (std::vector<int>{0, 4, 7, 11, 255}));
    QCOMPARE(cmaj7.formula.str(), std::string("1 3 5 7    "));
    QCOMPARE(real.notes(), QString(" C E G B"));
    QCOMPARE(keyboardDot(*keyboard, 24), qRgb(255, 0, 0));
    QCOMPARE(keyboardDot(*keyboard, 24 + 11), qRgb(0, 255, 0));
    // The staff holds exactly the sounding pitches C3 E3 G3 B3 E4 and shows more than the bare staff
    NoteSet expected{};
    for (int pitch : {48, 52, 55, 59, 64}) expected[static_cast<std::size_t>(pitch)] = 1;
    QCOMPARE(staff->notes(), expected);
    QVERIFY(staff->backBuffer() != bareStaff);

    // A typed fret follows the same road: the low E string at fret 3 brings G3 (the 5) in the bass
    FretControls* frets = design->fretControls();
    frets->fretEdit(5)->setText("3");
    QFocusEvent left(QEvent::FocusOut);
    QApplication::sendEvent(frets->fretEdit(5), &left);
    QCOMPARE(int(cmaj7.pitches[5]), 43);
    QCOMPARE(staff->notes()[43], std::uint8_t(1));
    // Stepping the root to D and letting go counts the intervals from D (C is the b7)
    QToolButton* rootUp = rootUpArrow(*frets);
    QVERIFY(rootUp);
    QTest::mouseClick(rootUp, Qt::LeftButton);
    QCOMPARE(frets->rootEdit()->text(), QString("Db"));
    // The spelling switch renames the design page's root and bass, the only ones there are
    w.mainMenu().action("mnuFlatSharp")->trigger();
    QCOMPARE(frets->rootEdit()->text(), QString("C#"));
    QCOMPARE(frets->bassEdit()->text(), QString("C#"));
    QCOMPARE(w.mainWindow().findChildren<QLineEdit*>("editRoot").size(), 1);
    w.mainMenu().action("mnuFlatSharp")->trigger();
    QTest::mouseClick(rootUp, Qt::LeftButton);
    QCOMPARE(int(cmaj7.root), 2);
    QCOMPARE(bottom->intervalLabel(0)->text(), QString("1"));
    QVERIFY(cmaj7.formula.str().find("b7") != std::string::npos);
    // A new tuning moves the sounding strings, and the staff with them
    TuningControls* tuning = bottom->tuningControls();
    tuning->upDown(0)->step(-2);
    tuning->UpDown0MouseUp();
    QCOMPARE(int(cmaj7.pitches[0]), 62);
    QCOMPARE(staff->notes()[62], std::uint8_t(1));
    QCOMPARE(staff->notes()[64], std::uint8_t(0));

    // PlayPage shows no chord; Chords shows its item again
    w.pages().pageControl()->setCurrentIndex(int(PageId::PlayPage));
    QVERIFY(real.notes().isEmpty());
    QVERIFY(bottom->chordNameEdit()->text().isEmpty());
    for (int key = 0; key < 60; ++key) {
      const QRgb dot = keyboardDot(*keyboard, key);
      QVERIFY(dot != qRgb(255, 0, 0) && dot != qRgb(0, 255, 0));
    }
    w.pages().pageControl()->setCurrentIndex(int(PageId::Chords));
    QCOMPARE(bottom->chordNameEdit()->text(), QString("C 7sus4"));  // the last set's first voicing
    QCOMPARE(keyboardDot(*keyboard, 0), qRgb(255, 0, 0));
    QCOMPARE(w.mainWindow().windowTitle(), QString("Strumly!   "));
  }

  void eraseAndNewClearTheChordsPageOnlyWhenItIsActive() {
    RealWindow real;
    ProgramParts& w = *real.parts;
    real.showChords(0, w.mainMenu().menuMajor(), "maj7");
    real.showChords(2, w.mainMenu().menuMinor(), "m7");
    QCOMPARE(w.holders().chordSetCount, 2);

    // On another page Erase leaves the Chords page alone
    w.pages().pageControl()->setCurrentIndex(int(PageId::PlayPage));
    w.toolPanel().buttons().sbtnErase->click();
    QCOMPARE(w.holders().chordSetCount, 2);

    // On the Chords page it clears the sets, the fretboard and the caption
    w.pages().pageControl()->setCurrentIndex(int(PageId::Chords));
    w.toolPanel().buttons().sbtnErase->click();
    QCOMPARE(w.holders().chordSetCount, 0);
    QVERIFY(w.holders().chordAt(0, 0).isEmpty());
    QVERIFY(w.holders().chordPageChord.isEmpty());
    QCOMPARE(real.notes(), QString());
    QCOMPARE(w.mainWindow().windowTitle(), QString("Strumly!"));

    // New does the same
    real.showChords(7, w.mainMenu().menuMajor(), "major");
    QCOMPARE(w.holders().chordSetCount, 1);
    w.mainMenu().action("mnuNew")->trigger();
    QCOMPARE(w.holders().chordSetCount, 0);
  }

  void changeOfHandRedrawsTheChordsPageMirrored() {
    RealWindow real;
    ProgramParts& w = *real.parts;
    real.showChords(4, w.mainMenu().menuMinor(), "m7");
    real.showChords(9, w.mainMenu().menuMajor(), "maj7");
    QToolButton* lefty = w.toolPanel().buttons().sbtnLeftHanded;

    // Left, then right again: both pages are whole-page redraws with the same markers
    lefty->click();
    QVERIFY(w.fretboard().leftHanded());
    QCOMPARE(real.neck()->hand(), Hand::Left);
    const QImage leftPage = real.chords()->imgChordPage()->image().copy();
    lefty->click();
    QVERIFY(!w.fretboard().leftHanded());
    const QImage rightPage = real.chords()->imgChordPage()->image().copy();
    QVERIFY(leftPage != rightPage);

    int compared = 0;
    for (int set = 0; set < 2; ++set) {
      for (int column = 0; column < 6; ++column) {
        const ChordDiagram& chord = w.holders().chordAt(column, set);
        for (int s = 0; s < 6; ++s) {
          const QImage mirrored = markerBox(leftPage, {column, set}, chord, s, true);
          if (mirrored.isNull()) continue;
          QCOMPARE(mirrored, markerBox(rightPage, {column, set}, chord, s, false));
          ++compared;
        }
      }
    }
    QVERIFY(compared >= 60);
    // The selection frame (set 1, diagram 0) is drawn again in red
    const QImage& page = real.chords()->imgChordPage()->image();
    QCOMPARE(page.pixel(20 + 50, 150 + 31), qRgb(255, 0, 0));
    // and the fretboard shows the Chords page's item again after the switch
    QCOMPARE(w.bottomPanel().chordNameEdit()->text(), QString("A maj7"));

    // Flip puts the fretboard above the pages and the tool panel below them, and back
    QLayout* column = w.mainWindow().centralWidget()->layout();
    w.toolPanel().buttons().sbtnFlip->click();
    QCOMPARE(column->indexOf(&w.bottomPanel()), 0);
    QCOMPARE(column->indexOf(&w.toolPanel()), 2);
    w.mainMenu().action("menuFlip")->trigger();
    QCOMPARE(column->indexOf(&w.toolPanel()), 0);
    QVERIFY(!w.toolPanel().buttons().sbtnFlip->isChecked());
  }

  void leftHandSettingAppliesAtStartUp() {
    RealWindow right;
    RealWindow left("[Main]\nLeftHand=1\n");
    QVERIFY(left.parts->fretboard().leftHanded());
    QVERIFY(left.parts->toolPanel().buttons().sbtnLeftHanded->isChecked());
    QCOMPARE(left.neck()->hand(), Hand::Left);
    QCOMPARE(left.neck()->cleanImage().mirrored(true, false).copy(0, 20, 900, 100),
             right.neck()->cleanImage().copy(0, 20, 900, 100));
    // The first set is drawn in the left-handed columns from the start
    right.showChords(4, right.parts->mainMenu().menuMinor(), "m7");
    left.showChords(4, left.parts->mainMenu().menuMinor(), "m7");
    const ChordDiagram& chord = left.parts->holders().chordAt(1, 0);
    for (int s = 0; s < 6; ++s) {
      const QImage l = markerBox(left.chords()->imgChordPage()->image(), {1, 0}, chord, s, true);
      if (l.isNull()) continue;
      QCOMPARE(l, markerBox(right.chords()->imgChordPage()->image(), {1, 0}, chord, s, false));
    }
  }
};

QTEST_MAIN(ChordsWalkTest)
#include "tst_chordswalk.moc"
