// The interval operations of the Chord Design page in the real main window: Show Intervals lays a
// chord type over the whole neck in the colours of the interval labels and follows the root, the
// neck, the tuning and the page; the chord-type list holds the built-in and the user's types and
// survives a missing chord-type file; a click on an interval label switches its spelling; a typed
// chord name becomes the design's type name, with the window's keys kept out of the typing.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <array>
#include <map>
#include <optional>

#include "core/views/FretboardGeometry.h"
#include "gui/app/AppStyle.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/FretControls.h"
#include "gui/chorddesign/ShowIntervals.h"
#include "gui/common/PageList.h"
#include "gui/controls/TuningControls.h"
#include "gui/controls/UpDown.h"
#include "gui/playback/Transport.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

const QColor kRed(255, 0, 0), kAqua(0, 255, 255), kLime(0, 255, 0), kWhite(255, 255, 255),
    kYellow(255, 255, 0), kTeal(0, 128, 128), kMaroon(128, 0, 0);

// Open-string pitch classes of the standard tuning, string 0 (high E) to string 5 (low E).
constexpr int kStandardOpen[6] = {4, 11, 7, 2, 9, 4};
constexpr int kLastFret = 22;

// A scratch program folder holding only the chord-type file, so a test can take it away. The
// settings file is read at start-up, so whatever it holds must be written before the start.
struct DesignWindow : ProgramFixture {
  std::optional<Transport::BusyCursor> busyCursor;

  explicit DesignWindow(const QByteArray& kvIni = {})
      : ProgramFixture({.kvIni = kvIni, .dataFiles = {"kvcd3.dat"}, .page = PageId::ChordDesign}) {
    window().activateWindow();
    // The tests that need the active window check it themselves.
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window());
  }

  TfrmMain& window() const { return parts->mainWindow(); }
  BottomPanel& bottom() const { return parts->bottomPanel(); }
  ChordDesignPage* page() const { return &parts->chordDesignPage(); }
  QComboBox* types() const { return page()->chordTypeBox(); }
  QToolButton* showIntervals() const { return page()->displayIntervalsButton(); }
  FretboardView* neck() const { return qobject_cast<FretboardView*>(bottom().fretboard()); }
  QLabel* label(int slot) const { return bottom().intervalLabel(slot); }
  QLineEdit* chordName() const { return bottom().chordNameEdit(); }
  const ChordDiagram& design() const { return parts->holders().designChord; }
  const std::optional<ChordDiagram>& displayChord() const { return parts->showIntervals().displayChord(); }
  void showPage(PageId id) { QVERIFY(parts->pages().activate(id)); }

  // A user's choice in the list, as a click on an item.
  void choose(int index) {
    types()->setCurrentIndex(index);
    Q_EMIT types()->activated(index);
  }
  // udRoot stepped by its arrow and released, as the user does it.
  void stepRoot(int delta) {
    for (QToolButton* arrow : page()->findChild<QWidget*>("udRoot")->findChildren<QToolButton*>()) {
      if (arrow->arrowType() == (delta > 0 ? Qt::UpArrow : Qt::DownArrow)) {
        for (int i = 0; i < std::abs(delta); ++i) arrow->click();
      }
    }
  }
  void pressNeck(int string, int fret, Qt::MouseButton button) {
    const QPoint at(*fretX(Hand::Right, fret) + 6, *stringY(fret, string) + 6);
    QTest::mouseMove(neck(), at);
    QTest::mousePress(neck(), button, {}, at);
    QTest::mouseRelease(neck(), button, {}, at);
  }
  QStringList captions() const {
    QStringList texts;
    for (int n = 0; n < 7; ++n) texts << label(n)->text();
    return texts;
  }
  // Busy as while a page is being prepared: the busy cursor is up.
  void setBusy(bool busy) {
    if (busy)
      busyCursor.emplace(parts->transport());
    else
      busyCursor.reset();
  }
};

// The left edge of the outline drawn around the marker cell of a neck position.
QColor outlineAt(const QImage& image, int string, int fret) {
  return image.pixelColor(*fretX(Hand::Right, fret) - 1, *stringY(fret, string) + 6);
}

// For every position of the standard-tuned neck: the outline colour expected for the pitch class
// there, or the clean neck where none is expected.
void verifyNeck(const FretboardView& neck, const std::map<int, QColor>& colourOfClass) {
  for (int s = 0; s < 6; ++s) {
    for (int f = 0; f <= kLastFret; ++f) {
      const int pc = (kStandardOpen[s] + f) % 12;
      const QColor shown = outlineAt(neck.image(), s, f);
      const auto expected = colourOfClass.find(pc);
      if (expected != colourOfClass.end()) {
        QVERIFY2(shown == expected->second, qPrintable(QString("string %1 fret %2: %3 instead of %4")
                                                           .arg(s)
                                                           .arg(f)
                                                           .arg(shown.name(), expected->second.name())));
      } else {
        QVERIFY2(shown == outlineAt(neck.cleanImage(), s, f),
                 qPrintable(QString("string %1 fret %2 is outlined").arg(s).arg(f)));
      }
    }
  }
}

}  // namespace

class ShowIntervalsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void theListHoldsTheBuiltInTypesThenTheUsersAndStartsEmpty() {
    DesignWindow d("[UserChords]\nNumber=2\n[62]\nName=Power\nI0=0\nI1=7\n[63]\nI0=0\nI1=9\n");
    QCOMPARE(d.types()->count(), 64);
    QCOMPARE(d.types()->itemText(0), QString("maj"));
    QCOMPARE(d.types()->itemText(19), QString("minor"));
    QCOMPARE(d.types()->itemText(61), QString("13sus(b9)"));
    QCOMPARE(d.types()->itemText(62), QString("Power"));
    QCOMPARE(d.types()->itemText(63), QString("NONAME"));
    QCOMPARE(d.types()->currentIndex(), -1);
    QCOMPARE(d.types()->currentText(), QString());
    // The button lives on the page, up at start, and the fretboard answers from it.
    QVERIFY(d.window().findChildren<QToolButton*>("sbDisplayIntervals").size() == 1);
    QCOMPARE(d.showIntervals()->window(), &d.window());
    QVERIFY(d.page()->isAncestorOf(d.showIntervals()));
    QVERIFY(!d.showIntervals()->isChecked());
  }

  void gMajorOutlinesEveryGBAndDAcrossTheNeck() {
    DesignWindow d;
    // Given root G and "maj" chosen
    d.stepRoot(7);
    QCOMPARE(d.page()->fretControls()->root(), 7);
    d.choose(0);
    // When Show Intervals is pressed
    d.showIntervals()->click();
    // Then every G is outlined red, every B aqua, every D lime, frets 0..22, nothing else
    verifyNeck(*d.neck(), {{7, kRed}, {11, kAqua}, {2, kLime}});
    QCOMPARE(d.captions(), (QStringList{"1", "3", "5", "", "", "", ""}));
    QCOMPARE(d.label(0)->palette().color(QPalette::Window), kRed);
    QCOMPARE(d.label(1)->palette().color(QPalette::Window), kAqua);
    QCOMPARE(d.label(2)->palette().color(QPalette::Window), kLime);
    QCOMPARE(d.label(3)->palette().color(QPalette::Window), kWhite);
    QCOMPARE(d.label(1)->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(d.chordName()->text(), QString("G maj"));
    QCOMPARE(d.bottom().notesEdit()->text(), QString(" G B D"));
    QCOMPARE(d.parts->fretboard().boardLeds().at(3, 5), (LedCell{1, 1}));  // G on the low string
    QCOMPARE(d.parts->fretboard().boardLeds().at(2, 0), (LedCell{0, 0}));  // F#: nothing
    QCOMPARE(d.parts->fretboard().boardLeds().at(3, 1), (LedCell{1, 0}));  // D
    QVERIFY(d.dialogs.notices.isEmpty());
  }

  void sevenSlotsTakeTheirColoursInOrder() {
    DesignWindow d;
    d.choose(29);  // m13 fills all seven slots
    QCOMPARE(d.types()->currentText(), QString("m13"));
    d.showIntervals()->click();
    // C m13 takes its slots in rising order, simply spelt: C D Eb F G A Bb, each slot in its colour
    QCOMPARE(d.captions(), (QStringList{"1", "2", "b3", "4", "5", "6", "b7"}));
    const QColor colours[] = {kRed, kAqua, kLime, kWhite, kYellow, kTeal, kMaroon};
    for (int slot = 0; slot < 7; ++slot)
      QCOMPARE(d.label(slot)->palette().color(QPalette::Window), colours[slot]);
    // and every outline has the colour of the label naming its note.
    verifyNeck(*d.neck(),
               {{0, kRed}, {2, kAqua}, {3, kLime}, {5, kWhite}, {7, kYellow}, {9, kTeal}, {10, kMaroon}});
  }

  void theDisplayFollowsRootNeckTuningAndPage() {
    DesignWindow d;
    d.choose(0);
    d.showIntervals()->click();
    verifyNeck(*d.neck(), {{0, kRed}, {4, kAqua}, {7, kLime}});

    // The type is not read again for a new root: without its file the display still moves.
    QVERIFY(QFile::remove(d.user.filePath("kvcd3.dat")));
    d.stepRoot(2);  // D
    verifyNeck(*d.neck(), {{2, kRed}, {6, kAqua}, {9, kLime}});
    QVERIFY(d.dialogs.notices.isEmpty());

    // A right press on the neck makes A the root; the design shows its marker under the display.
    d.pressNeck(4, 0, Qt::RightButton);
    QCOMPARE(d.page()->fretControls()->root(), 9);
    QCOMPARE(d.design().root, PitchClass{9});
    QCOMPARE(d.chordName()->text(), QString("A maj"));
    QCOMPARE(outlineAt(d.neck()->image(), 4, 12), kRed);
    QCOMPARE(outlineAt(d.neck()->image(), 3, 11), kAqua);  // C# on the D string

    // A new tuning moves the outlines with the strings: the low E down to D.
    TuningControls* tuning = d.bottom().tuningControls();
    tuning->upDown(5)->step(-2);
    tuning->UpDown0MouseUp();
    QCOMPARE(tuning->tuning().pitches, (std::array<PitchNumber, 6>{64, 59, 55, 50, 45, 38}));
    QCOMPARE(outlineAt(d.neck()->image(), 5, 7), kRed);   // A at fret 7 of the D string
    QCOMPARE(outlineAt(d.neck()->image(), 5, 2), kLime);  // E
    QCOMPARE(outlineAt(d.neck()->image(), 5, 4), outlineAt(d.neck()->cleanImage(), 5, 4));  // F#
  }

  void leavingThePageResetsTheLabelsAndEnteringShowsTheDisplayAgain() {
    DesignWindow d;
    d.stepRoot(7);
    d.choose(19);  // minor
    d.showIntervals()->click();
    QCOMPARE(d.label(1)->palette().color(QPalette::Window), kAqua);

    d.showPage(PageId::Chords);
    for (int slot = 0; slot < 8; ++slot) {
      QCOMPARE(d.label(slot)->palette().color(QPalette::Window), kWhite);
      QCOMPARE(d.label(slot)->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
    // Back on the page, with a root changed meanwhile, the display shows on the new root.
    // Stepped on the stepper itself: its arrows are on the page not on show, and a click on them
    // always lets go, which would take the root over before the page is entered again.
    d.page()->fretControls()->udRootClick(+2);  // A, not released yet
    d.showPage(PageId::ChordDesign);
    QCOMPARE(d.chordName()->text(), QString("A minor"));
    verifyNeck(*d.neck(), {{9, kRed}, {0, kAqua}, {4, kLime}});

    // Released, the design alone is shown again.
    d.showIntervals()->click();
    verifyNeck(*d.neck(), {});
    QVERIFY(!d.chordName()->text().contains("minor"));
    QCOMPARE(d.label(1)->palette().color(QPalette::Window), kWhite);
  }

  void showArpeggioIsHeldOffUnderTheDisplay() {
    DesignWindow d;
    QToolButton* arpeggio = d.parts->toolPanel().buttons().sbShowArp;
    // A C major design with its arpeggio on
    d.pressNeck(4, 3, Qt::RightButton);
    d.pressNeck(3, 2, Qt::LeftButton);
    d.pressNeck(2, 0, Qt::LeftButton);
    arpeggio->click();
    QVERIFY(arpeggio->isChecked());
    QCOMPARE(outlineAt(d.neck()->image(), 5, 3), kLime);  // a G of the arpeggio

    // The display of G7 shows over the design, the arpeggio stays down but does not draw
    d.stepRoot(7);
    d.choose(36);  // 7
    d.showIntervals()->click();
    QVERIFY(arpeggio->isChecked());
    verifyNeck(*d.neck(), {{7, kRed}, {11, kAqua}, {2, kLime}, {5, kWhite}});
    // and a click on it changes nothing while the display is down.
    const QImage before = d.neck()->image();
    arpeggio->click();
    QCOMPARE(d.neck()->image(), before);
  }

  void aMissingChordTypeFileIsToldAndUserTypesStillShow() {
    DesignWindow d("[UserChords]\nNumber=2\n[62]\nName=Power\nFormula=1 5\nI0=0\nI1=7\n[63]\n");
    // The section without intervals is no chord type: it is told once and not listed.
    QCOMPARE(d.dialogs.notices,
             QStringList{"Damaged user chord types in Kv.ini were skipped (sections 63)."});
    QCOMPARE(d.types()->count(), 63);
    d.dialogs.notices.clear();
    QVERIFY(QFile::remove(d.user.filePath("kvcd3.dat")));
    d.stepRoot(7);
    d.showIntervals()->click();
    // Nothing chosen: no intervals, no notice.
    verifyNeck(*d.neck(), {});
    QVERIFY(d.dialogs.notices.isEmpty());
    QVERIFY(!d.displayChord());

    d.choose(62);
    QCOMPARE(d.chordName()->text(), QString("G Power"));
    verifyNeck(*d.neck(), {{7, kRed}, {2, kAqua}});
    QCOMPARE(d.displayChord()->formula.str(), std::string("1 5"));

    // A built-in type cannot be read: the user is told and the display stays as it was.
    const QImage before = d.neck()->image();
    d.choose(5);
    QCOMPARE(d.dialogs.notices.size(), 1);
    QVERIFY2(d.dialogs.notices.first().contains("kvcd3.dat"), qPrintable(d.dialogs.notices.first()));
    QCOMPARE(d.neck()->image(), before);
    QCOMPARE(d.chordName()->text(), QString("G Power"));

    // A choice gives the focus back to the strum-speed bar.
    QCOMPARE(QApplication::focusWidget(), d.parts->toolPanel().strumSpeed());
  }

  void aUserTypeNeedsTheCountInTheSettingsAtStart() {
    DesignWindow d("[UserChords]\nNumber=1\n[62]\nName=Power\nI0=0\nI1=7\n[63]\nName=Sixth\nI0=0\nI1=9\n");
    // Section 63 lies beyond the count: it is no chord type.
    QCOMPARE(d.types()->count(), 63);
    d.choose(62);
    d.showIntervals()->click();
    verifyNeck(*d.neck(), {{0, kRed}, {7, kAqua}});
    // The types were read at start: settings written since change nothing.
    QFile ini(d.user.filePath("Kv.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[UserChords]\nNumber=0\n");
    ini.close();
    d.choose(62);
    verifyNeck(*d.neck(), {{0, kRed}, {7, kAqua}});
  }

  void whilePlayingTheButtonGoesBackAndTheListChangesNothing() {
    DesignWindow d;
    d.choose(0);
    d.setBusy(true);
    d.showIntervals()->click();
    QVERIFY(!d.showIntervals()->isChecked());
    verifyNeck(*d.neck(), {});
    d.setBusy(false);
    d.showIntervals()->click();
    QVERIFY(d.showIntervals()->isChecked());
    const QImage shown = d.neck()->image();
    d.setBusy(true);
    d.choose(20);
    QVERIFY(d.showIntervals()->isChecked());
    QCOMPARE(d.neck()->image(), shown);
    d.showIntervals()->click();
    QVERIFY(d.showIntervals()->isChecked());
  }

  void clickingAnIntervalLabelSwitchesItsSpelling() {
    DesignWindow d;
    // A C minor design: C on the A string, Eb on the D string, G open
    d.pressNeck(4, 3, Qt::RightButton);
    d.pressNeck(3, 1, Qt::LeftButton);
    d.pressNeck(2, 0, Qt::LeftButton);
    QCOMPARE(d.captions(), (QStringList{"1", "b3", "5", "", "", "", ""}));

    // The b3 label turns into #9 behind the simple intervals
    QTest::mouseClick(d.label(1), Qt::LeftButton);
    QCOMPARE(d.captions(), (QStringList{"1", "5", "#9", "", "", "", ""}));
    QCOMPARE(d.design().intervals, (std::array<std::uint8_t, 7>{0, 7, 15, 255, 255, 255, 255}));
    QCOMPARE(d.design().formula.str(), std::string("1 5 #9     "));
    QCOMPARE(d.label(2)->property("tag").toInt(), 3);

    // "1" and "5" have no other spelling; empty labels take no switch either
    const ChordDiagram before = d.design();
    QTest::mouseClick(d.label(0), Qt::LeftButton);
    QTest::mouseClick(d.label(1), Qt::LeftButton);
    QTest::mouseClick(d.label(5), Qt::LeftButton);
    QCOMPARE(d.design(), before);

    // Not with the display down, nor on another page, nor while playing
    d.showIntervals()->click();
    QTest::mouseClick(d.label(2), Qt::LeftButton);
    QCOMPARE(d.design().intervals, before.intervals);
    d.showIntervals()->click();
    d.setBusy(true);
    QTest::mouseClick(d.label(2), Qt::LeftButton);
    QCOMPARE(d.design().intervals, before.intervals);
    d.setBusy(false);

    // #9 clicked switches back, and the spelling is kept for the next design: a new Eb shows #9
    QTest::mouseClick(d.label(2), Qt::LeftButton);
    QCOMPARE(d.captions(), (QStringList{"1", "b3", "5", "", "", "", ""}));
    QTest::mouseClick(d.label(1), Qt::LeftButton);
    d.pressNeck(1, 4, Qt::LeftButton);  // Eb on the B string
    QCOMPARE(d.captions(), (QStringList{"1", "5", "#9", "", "", "", ""}));
    d.showPage(PageId::Chords);
    const ChordDiagram onChords = d.design();
    QTest::mouseClick(d.bottom().intervalLabel(2), Qt::LeftButton);
    QCOMPARE(d.design(), onChords);
  }

  void aTypedChordNameBecomesTheDesignsType() {
    DesignWindow d;
    QVERIFY(d.window().isActiveWindow());
    QLineEdit* edit = d.chordName();
    QCOMPARE(edit->maxLength(), 25);
    const struct {
      const char* typed;
      const char* stored;
    } cases[] = {{"F#m7", "m7"},         {"6/9", "6/9"},     {"Am/", "m"},
                 {"C maj7 /E", "maj7 "}, {"Bbsus4", "sus4"}, {"G 13sus(b9)add9-long", "13sus(b9)add9-l"}};
    for (const auto& c : cases) {
      edit->setFocus();
      edit->clear();
      QTest::keyClicks(edit, c.typed);
      QCOMPARE(edit->text(), QString(c.typed));
      QCOMPARE(d.design().name.str(), std::string(c.stored));
    }
    // Blanks alone leave the name as it was.
    edit->clear();
    QTest::keyClicks(edit, "  ");
    QCOMPARE(d.design().name.str(), std::string("13sus(b9)add9-l"));

    // The typed name names the design from now on.
    d.pressNeck(4, 3, Qt::RightButton);
    QCOMPARE(edit->text(), QString("C 13sus(b9)add9-l"));

    // On another page typing stores nothing.
    d.showPage(PageId::Chords);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, "Dm");
    QCOMPARE(d.design().name.str(), std::string("13sus(b9)add9-l"));
  }

  void theWindowsKeysStayOutOfTheTyping() {
    DesignWindow d;
    QVERIFY(d.window().isActiveWindow());
    QAbstractButton* one = d.window().findChild<QAbstractButton*>("sbtnOne");
    QAbstractButton* plain = d.window().findChild<QAbstractButton*>("sbtnPlain");
    QVERIFY(one && plain && plain->isChecked());

    // Typing "1", a blank and Up into the chord name: no finger button, the focus stays
    QLineEdit* edit = d.chordName();
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, "1 ");
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(plain->isChecked());
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->text(), QString("1 "));
    QVERIFY(!d.parts->toolPanel().buttons().sbtnPlay->isChecked());

    // The same in the tuning name and a fret edit
    for (QLineEdit* typing :
         {d.bottom().tuningControls()->tuningNameEdit(), d.page()->fretControls()->fretEdit(2)}) {
      typing->setFocus();
      QTest::keyClick(typing, Qt::Key_1);
      QTest::keyClick(typing, Qt::Key_Up);
      QVERIFY(plain->isChecked());
      QCOMPARE(QApplication::focusWidget(), typing);
    }

    // Elsewhere the window takes the key: "1" presses the finger button
    d.parts->toolPanel().strumSpeed()->setFocus();
    QTest::keyClick(d.parts->toolPanel().strumSpeed(), Qt::Key_1);
    QVERIFY(one->isChecked());
  }

  // Last, as the program's style stays on the application: its style sheet must not paint over
  // the labels' colours.
  void theSlotColoursShowUnderTheProgramsStyle() {
    applyAppStyle(*qobject_cast<QApplication*>(QApplication::instance()));
    DesignWindow d;
    const auto inside = [](QWidget* w) { return w->grab().toImage().pixelColor(3, w->height() / 2); };
    for (int slot = 0; slot < 8; ++slot) QCOMPARE(inside(d.label(slot)), kWhite);
    d.choose(0);
    d.showIntervals()->click();
    QCOMPARE(inside(d.label(0)), kRed);
    QCOMPARE(inside(d.label(1)), kAqua);
    QCOMPARE(inside(d.label(2)), kLime);
    QCOMPARE(inside(d.label(7)), kWhite);
    d.showPage(PageId::Chords);
    QCOMPARE(inside(d.label(0)), kWhite);
  }
};

QTEST_MAIN(ShowIntervalsTest)
#include "tst_showintervals.moc"
