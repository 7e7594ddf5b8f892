// The LED guitar through a fake USB port: it comes and goes while the program runs, a guitar that
// stops answering counts as unplugged within a second, and the switches act on the program.
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "core/midi/MidiEvent.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/PageList.h"
#include "gui/fretlight/FretlightLink.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPage.h"
#include "support/ProgramFixture.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

struct Program : ProgramFixture {
  std::int64_t now = 0;

  Program() : ProgramFixture({.midi = true, .guitar = true, .show = false}) {
    link().setClock([this] { return now; });
    link().DetectFretlight();
    // The test polls by hand.
    link().footSwitchTimer().setEnabled(false);
  }
  FretlightLink& link() { return parts->fretlight(); }
  bool controlsShown() { return !parts->toolPanel().footSwitchPicture()->isHidden(); }
  // One poll of the switches reading `byte`.
  void poll(std::uint8_t byte) {
    port.state->switchBytes.push_back(byte);
    link().timerFootSwitchTimer();
  }
};

}  // namespace

class FretlightTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void theGuitarComesAndGoesWhileTheProgramRuns() {
    Program p;
    QVERIFY(p.link().present());
    QVERIFY(p.controlsShown());
    QVERIFY(!p.parts->toolPanel().buttons().sbtnRootFlash->isHidden());
    QCOMPARE(p.link().productName(), QString("Fretlight FG-421"));

    p.port.state->plugged = false;  // pulled out: the next poll finds it gone
    p.link().timerFootSwitchTimer();
    QVERIFY(!p.link().present());
    QVERIFY(!p.controlsShown());
    QVERIFY(p.parts->toolPanel().buttons().sbtnFLAnimate->isHidden());

    p.port.state->plugged = true;  // what the system's notice of a new device leads to
    p.link().DetectFretlight();
    QVERIFY(p.controlsShown());
  }

  void aGuitarThatStopsAnsweringIsDroppedWithinASecond() {
    Program p;
    p.port.state->answering = false;
    p.now = 1000;
    p.link().timerFootSwitchTimer();
    QVERIFY(p.link().present());
    p.now = 1001;
    p.link().timerFootSwitchTimer();
    QVERIFY(!p.link().present());
    QVERIFY(!p.controlsShown());
    // Nothing more goes to it.
    const std::size_t written = p.port.state->reports.size();
    p.link().showBoard(LedFrame{});
    QCOMPARE(p.port.state->reports.size(), written);
  }

  void switchChangesActAndTheUnreadableByteIsOnlyKept() {
    Program p;
    QList<int> acted;
    connect(&p.link(), &FretlightLink::switchActed, this, [&](int n) { acted << n; });
    p.poll(0);
    p.poll(1);  // switch 1 down
    p.poll(1);  // no change
    p.poll(3);  // switch 2 down
    QCOMPARE(acted, (QList<int>{1, 2}));
    acted.clear();
    p.poll(255);  // nothing could be read: kept, no action
    QCOMPARE(int(p.link().switchState()), 255);
    QVERIFY(acted.isEmpty());
    p.poll(0);  // both bits differ from 255: only switch 1 acts
    QCOMPARE(acted, (QList<int>{1}));

    acted.clear();
    p.link().setSwitchesReversed(true);
    p.poll(2);  // bit value 2 is switch 1 now
    QCOMPARE(acted, (QList<int>{1}));
  }

  void thePlaySwitchStartsAndStopsThePlayPage() {
    Program p;
    QVERIFY(p.openCOnThePlayPage());
    p.poll(0);
    p.poll(1);
    QVERIFY(p.parts->transport().playing());
    p.poll(0);
    QVERIFY(!p.parts->transport().playing());
  }

  void showLedsTurnsTheGuitarDarkAndBack() {
    Program p;
    p.parts->settings().fretlight.switch2 = int(SwitchAction::ActivateLeds);
    LedFrame board;
    board.light(0, 0, false);
    p.link().showBoard(board);
    p.poll(0);
    p.port.state->reports.clear();
    p.poll(2);
    const std::vector<LedReport> dark = p.port.state->reports;
    QCOMPARE(dark.size(), std::size_t(3));
    for (const LedReport& report : dark) QCOMPARE(report[6], std::uint8_t(0));
    p.link().showBoard(board);  // while dark the fretboard's frames stay away
    QCOMPARE(p.port.state->reports.size(), std::size_t(3));
    p.poll(0);
    QCOMPARE(p.port.state->reports.size(), std::size_t(6));
    QCOMPARE(p.port.state->reports[3], (LedReport{0, 0, 0, 0, 0, 0, 0x80, 1}));
  }
};

QTEST_MAIN(FretlightTest)
#include "tst_fretlight.moc"
