// The six tuning controls: read-outs, wrapping, the tuning name in both spellings, refusals while
// playing, and the take-over handed to the page that carries a tuning.
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "gui/app/BottomPanel.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/controls/TuningControls.h"
#include "gui/controls/UpDown.h"
#include "gui/tab/TabPage.h"
#include "platform/audio/PcmPlayer.h"

using namespace strumly;
using namespace strumly::gui;

class TuningTest : public QObject {
  Q_OBJECT

 private:
  static QStringList readOuts(const TuningControls& t) {
    QStringList r;
    for (int s = 0; s < 6; ++s) r << t.readOut(s)->text();
    return r;
  }
  // Steps an up-down as the user does: each press steps, the release takes the tuning over.
  static void stepAndRelease(TuningControls& t, int string, int delta) {
    UpDown* u = t.upDown(string);
    for (int i = 0; i < std::abs(delta); ++i) u->step(delta > 0 ? +1 : -1);
    t.UpDown0MouseUp();
  }

 private Q_SLOTS:
  void startsOnStandardTuning() {
    NoteSpelling spelling;
    TuningControls t(spelling);
    QCOMPARE(readOuts(t), (QStringList{"E4", "B3", "G3", "D3", "A2", "E2"}));
    QVERIFY(t.tuning().isStandard());
    QCOMPARE(t.tuningName(), QString("Standard"));
    QCOMPARE(t.upDown(0)->objectName(), QString("UpDown0"));
    QCOMPARE(t.readOut(5)->objectName(), QString("editString5"));
    QVERIFY(t.readOut(0)->isReadOnly());
    QCOMPARE(t.readOut(0)->focusPolicy(), Qt::NoFocus);
  }

  void upDownsWrapAtBothEndsOfTheOpenStringRange() {
    NoteSpelling spelling;
    TuningControls t(spelling);
    UpDown* low = t.upDown(5);
    low->setPosition(69);
    low->step(+1);
    QCOMPARE(low->position(), 33);
    QCOMPARE(t.readOut(5)->text(), QString("A1"));
    low->step(-1);
    QCOMPARE(low->position(), 69);
    QCOMPARE(t.readOut(5)->text(), QString("A4"));
  }

  void aStepRenamesOnlyItsReadOutAndTheReleaseTakesTheTuningOver() {
    NoteSpelling spelling;
    TuningControls t(spelling);
    QSignalSpy takenOver(&t, &TuningControls::tuningTakenOver);
    t.upDown(5)->step(-1);
    t.upDown(5)->step(-1);
    QCOMPARE(t.readOut(5)->text(), QString("D2"));
    QVERIFY(t.tuning().isStandard());  // nothing taken over before the release
    QCOMPARE(takenOver.size(), 0);
    t.UpDown0MouseUp();
    QCOMPARE(t.tuning().pitches[5], PitchNumber(38));
    QCOMPARE(t.tuningName(), QString("D A D G B E "));
    QCOMPARE(takenOver.size(), 1);
    QCOMPARE(takenOver[0][1].toString(), QString("D A D G B E "));
    // Back to standard by hand names it "Standard" again.
    stepAndRelease(t, 5, +2);
    QCOMPARE(t.tuningName(), QString("Standard"));
  }

  void aRealMouseClickOnTheArrowStepsAndTakesOver() {
    NoteSpelling spelling;
    TuningControls t(spelling);
    t.show();
    QSignalSpy takenOver(&t, &TuningControls::tuningTakenOver);
    QTest::mouseClick(t.upDown(0)->upButton(), Qt::LeftButton);
    QCOMPARE(t.upDown(0)->position(), 65);
    QCOMPARE(t.readOut(0)->text(), QString("F4"));
    QCOMPARE(takenOver.size(), 1);
    QCOMPARE(t.tuning().pitches[0], PitchNumber(65));
  }

  void tuningNamesAndReadOutsFollowTheSpelling() {
    NoteSpelling spelling;
    TuningControls t(spelling);
    stepAndRelease(t, 5, -2);  // D A D G B E
    t.upDown(4)->setPosition(34);
    t.refreshNames();
    QCOMPARE(t.readOut(4)->text(), QString("Bb1"));
    spelling.setSpelling(Spelling::Sharps);
    t.refreshNames();
    QCOMPARE(t.readOut(4)->text(), QString("A#1"));
    spelling.setSpelling(Spelling::Flats);
    t.refreshNames();
    QCOMPARE(t.readOut(4)->text(), QString("Bb1"));
    // The name is the same with sharps when no string is a black key.
    t.upDown(4)->setPosition(45);
    spelling.setSpelling(Spelling::Sharps);
    t.UpDown0MouseUp();
    QCOMPARE(t.tuningName(), QString("D A D G B E "));
    stepAndRelease(t, 0, +1);  // F
    stepAndRelease(t, 3, +1);  // D#
    QCOMPARE(t.tuningName(), QString("D A D# G B F "));
  }

  void changesAreRefusedWhileBusyAndTheControlsStayTrue() {
    NoteSpelling spelling;
    TuningControls t(spelling);
    bool busy = true;
    t.setBusyCheck([&] { return busy; });
    QSignalSpy takenOver(&t, &TuningControls::tuningTakenOver);
    t.upDown(2)->step(+1);
    QCOMPARE(t.readOut(2)->text(), QString("G3"));
    t.UpDown0MouseUp();
    QCOMPARE(takenOver.size(), 0);
    QCOMPARE(t.upDown(2)->position(), 55);  // put back: the control never disagrees with the tuning
    busy = false;
    stepAndRelease(t, 2, +1);
    QCOMPARE(t.tuning().pitches[2], PitchNumber(56));
  }

  void theTakeOverGoesToTheActivePage() {
    QTemporaryDir dir;
    ScriptedDialogService dialogs;
    PcmPlayer player("strumly-no-such-device");
    ProgramParts parts({dialogs, player}, ProgramFolder::locate(dir.path(), dir.filePath("user")));
    parts.start();
    TuningControls& t = *parts.bottomPanel().tuningControls();
    TabPage* tab = &parts.tabPage();

    QVERIFY(parts.pages().activate(PageId::Tablature));
    stepAndRelease(t, 5, -2);
    QCOMPARE(tab->tuning().pitches[5], PitchNumber(38));
    QCOMPARE(tab->tuningName(), QString("D A D G B E "));

    // The design page: an empty design is left alone; a design moves its sounding strings only.
    ChordDesignPage* design = &parts.chordDesignPage();
    QVERIFY(parts.pages().activate(PageId::ChordDesign));
    // Entering the page shows the design, and with it the design's own (standard) tuning.
    QCOMPARE(t.tuning().pitches[5], PitchNumber(40));
    QSignalSpy retuned(design, &ChordDesignPage::designRetuned);
    ChordDiagram empty;
    empty.empty = 1;
    design->setDesignChord(empty);
    stepAndRelease(t, 5, +2);
    QCOMPARE(retuned.size(), 0);
    QCOMPARE(design->designChord().tuning[5], PitchNumber(40));

    ChordDiagram chord = parts.holders().designChord;
    chord.empty = 0;
    chord.strings[0] = {3, 2};
    chord.pitches[0] = 64 + 3;
    chord.pitches[5] = 0;  // muted
    design->setDesignChord(chord);
    stepAndRelease(t, 0, -2);  // D4
    stepAndRelease(t, 5, -2);
    QCOMPARE(design->designChord().pitches[0], PitchNumber(62 + 3));
    QCOMPARE(design->designChord().pitches[5], PitchNumber(0));
    QCOMPARE(design->designChord().tuning[0], PitchNumber(62));
    QCOMPARE(design->designChord().tuningName.str(), std::string("E A D G B D "));
    QCOMPARE(retuned.size(), 2);

    // While busy the page gets nothing.
    const Transport::BusyCursor busy(parts.transport());
    stepAndRelease(t, 0, +2);
    QCOMPARE(design->designChord().tuning[0], PitchNumber(62));
  }
};

QTEST_MAIN(TuningTest)
#include "tst_tuning.moc"
