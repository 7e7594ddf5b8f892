// Play as the user meets it, on a sink that records instead of sounding: the chord chosen on the
// Chords page strums with its notes shown on the neck, the end of playback releases Play, Pause
// is refused there; the play page plays its song and Stop halts it.
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include "core/midi/MidiEvent.h"
#include "core/playpage/PlayPageLayout.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/playback/MidiBridge.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPage.h"
#include "gui/views/FretboardView.h"
#include "support/MenuLookup.h"
#include "support/ProgramFixture.h"
#include "support/SteppedMidiLibrary.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

struct Program : ProgramFixture {
  Program() : ProgramFixture({.midi = true, .leds = true}) {}
  const ToolPanel::Buttons& buttons() { return parts->toolPanel().buttons(); }
  std::vector<SinkCall> noteOns() {
    std::vector<SinkCall> out;
    for (const SinkCall& c : session.sink.events())
      if ((c.event.status & 0xF0) == 0x90 && c.event.data2 > 0) out.push_back(c);
    return out;
  }
  // What the clock would post for every marker queued so far, then the end.
  void playOut() {
    for (const SinkCall& c : session.sink.events())
      if (isMarkerStatus(c.event.status))
        parts->transport().midiMessage(markerMessage(c.event.status), packMarkerParam(c.event));
    parts->transport().midiMessage(kMsgAllPlayed, 0);
  }
};

}  // namespace

class PlaybackTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aChosenChordStrumsShowsItsNotesAndTheEndReleasesPlay() {
    Program p;
    // C major from the Major menu: voicing 1 is the open x32010, C3 E3 G3 C4 E4 from the low string.
    p.showChords(0, p.parts->mainMenu().menuMajor(), "major");
    const QImage before = qobject_cast<FretboardView*>(p.parts->bottomPanel().fretboard())->image().copy();

    QTest::mouseClick(p.buttons().sbtnPlay, Qt::LeftButton);
    QVERIFY(p.buttons().sbtnPlay->isChecked());
    QVERIFY(!p.parts->mainMenu().menuFile()->menuAction()->isEnabled());
    std::vector<int> pitches;
    for (const SinkCall& c : p.noteOns()) pitches.push_back(c.event.data1);
    QCOMPARE(pitches, (std::vector<int>{48, 52, 55, 60, 64}));
    QCOMPARE(p.session.sink.calls().front().tempoMicros, 500000u);  // single chords at 120 bpm
    QCOMPARE(p.session.sink.kinds().back(), SinkCall::Kind::Start);

    // Pause belongs to the pages that play songs; Stop lets a chord ring out.
    QTest::mouseClick(p.buttons().sbtnPause, Qt::LeftButton);
    QVERIFY(!p.buttons().sbtnPause->isChecked());
    QTest::mouseClick(p.buttons().sbtnStop, Qt::LeftButton);
    QVERIFY(p.buttons().sbtnPlay->isChecked());

    // The markers draw on the neck as the notes start and put it back as they end.
    const QImage& neck = qobject_cast<FretboardView*>(p.parts->bottomPanel().fretboard())->image();
    p.leds.reset();
    p.playOut();
    QCOMPARE(neck, before);
    // With the guitar's animation on (the default), the C on the A string's third fret lit up.
    bool litC = false;
    for (const LedFrame& frame : p.leds.frames()) litC |= frame.at(3, 4).lit != 0;
    QVERIFY(litC);
    QVERIFY(!p.buttons().sbtnPlay->isChecked());
    QVERIFY(p.parts->mainMenu().menuFile()->menuAction()->isEnabled());
    QVERIFY(!p.parts->transport().IsPlayingOrBusy());
  }

  void stepPlayWalksTheSongChordByChord() {
    Program p;
    ChordDiagram c;
    c.empty = 0;
    c.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, kFingerMuted}};
    c.pitches = {64, 60, 55, 52, 48, 0};
    ChordDiagram g = c;  // a different chord two beats later: G2 first
    g.strings = {StringFret{3, 4}, {0, 0}, {0, 0}, {0, 0}, {2, 1}, {3, 2}};
    g.pitches = {67, 59, 55, 50, 47, 43};
    PlayPage& page = p.parts->playPage();
    page.model().slots()[0] = c;
    page.model().slots()[4] = g;
    QVERIFY(p.parts->pages().activate(PageId::PlayPage));
    QTest::mouseClick(p.buttons().sbtnStep, Qt::LeftButton);
    QTest::mouseClick(p.buttons().sbtnPlay, Qt::LeftButton);
    QCOMPARE(int(p.noteOns().back().event.data1), 64);  // the first chord, strummed up to E4
    // The chord ends: the clock pauses between chords and Play stays down.
    p.parts->transport().midiMessage(kMsgAllPlayed, 0);
    QVERIFY(p.buttons().sbtnPlay->isChecked());
    QVERIFY(!p.parts->transport().chordSounding());
    p.session.sink.clear();
    QTest::keyClick(&p.parts->mainWindow(), Qt::Key_Right);
    QVERIFY(!p.noteOns().empty());
    QCOMPARE(int(p.noteOns().front().event.data1), 43);      // G2: the next chord
    QTest::keyClick(&p.parts->mainWindow(), Qt::Key_Right);  // still sounding: ignored
    QCOMPARE(int(p.noteOns().size()), 6);
    p.parts->transport().midiMessage(kMsgAllPlayed, 0);
    QTest::mouseClick(p.buttons().sbtnStop, Qt::LeftButton);
    QVERIFY(!p.buttons().sbtnPlay->isChecked());
  }

  void keysTheWindowIgnoresLeaveTheStrumAlone() {
    Program p;
    QVERIFY(p.openCOnThePlayPage());
    QScrollBar* strum = p.parts->toolPanel().strumSpeed();
    QCOMPARE(strum->value(), -300);
    // Nothing plays: Left does nothing; the keys a scroll bar takes land on it where the focus rests.
    for (int key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_Home})
      QTest::keyClick(strum, Qt::Key(key));
    QCOMPARE(strum->value(), -300);
    // A step chord sounding: Right is ignored until it ends.
    QTest::mouseClick(p.buttons().sbtnStep, Qt::LeftButton);
    QTest::mouseClick(p.buttons().sbtnPlay, Qt::LeftButton);
    QVERIFY(p.parts->transport().chordSounding());
    for (int i = 0; i < 3; ++i) QTest::keyClick(strum, Qt::Key_Right);
    QCOMPARE(strum->value(), -300);
    QTest::mouseClick(p.buttons().sbtnStop, Qt::LeftButton);
  }

  void withoutCountOffTheBeatCursorStandsOnTheFirstBeatAtOnce() {
    Program p;
    QVERIFY(p.openCOnThePlayPage());
    QVERIFY(!p.buttons().sbtnCount->isChecked());
    // The first beat's mark, left of the first slot: the red REDSLASH stands there once Play is
    // down, before the clock has posted any beat.
    const QImage& page = p.parts->playPage().imgPlayPage()->image();
    const QRect firstBeat(39, playMarkerY(0), 28, 33);
    const auto redPixels = [&] {
      int red = 0;
      for (int y = firstBeat.top(); y <= firstBeat.bottom(); ++y)
        for (int x = firstBeat.left(); x <= firstBeat.right(); ++x) {
          const QColor color = page.pixelColor(x, y);
          red += color.red() > 180 && color.green() < 90 && color.blue() < 90;
        }
      return red;
    };
    QCOMPARE(redPixels(), 0);
    QTest::mouseClick(p.buttons().sbtnPlay, Qt::LeftButton);
    QVERIFY(redPixels() > 20);
    QTest::mouseClick(p.buttons().sbtnStop, Qt::LeftButton);
    QCOMPARE(redPixels(), 0);
  }

  void fromTheClockToTheScreen() {
    // The real library on a clock stepped by hand: its messages cross the bridge to the transport
    // and the player, and the chord's end releases Play.
    SteppedMidiLibrary midi({"Synth"});
    ProgramFixture p({.midiSession = &midi.session, .show = false});
    ProgramParts& parts = *p.parts;
    QObject::connect(&midi.bridge, &MidiBridge::midiMessage, &parts.transport(), &Transport::midiMessage);
    p.showChords(0, parts.mainMenu().menuMajor(), "major");
    QToolButton* play = parts.toolPanel().buttons().sbtnPlay;
    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(play->isChecked());
    // Five strings 300 ticks apart and an 800-tick hold at 120 bpm: well within five seconds.
    midi.time.advanceBy(5'000'000);
    QTRY_VERIFY(!play->isChecked());
    int noteOns = 0;
    for (const RecordedMessage& m : midi.heard->messages())
      noteOns += (m.dispatch.message.status & 0xF0) == 0x90 && m.dispatch.message.data2 > 0;
    QCOMPARE(noteOns, 5);
    QVERIFY(parts.mainWindow().close());
  }

  void withoutTheAnimationEachSlotLightsItsWholeChordOnTheGuitar() {
    Program p;
    QVERIFY(p.openCOnThePlayPage());
    p.buttons().sbtnFLAnimate->setChecked(false);
    QTest::mouseClick(p.buttons().sbtnPlay, Qt::LeftButton);
    const auto markersDue = [&p](bool slotsOnly) {
      p.leds.reset();
      for (const SinkCall& call : p.session.sink.events())
        if (isMarkerStatus(call.event.status) && (!slotsOnly || call.event.status == 3))
          p.parts->transport().midiMessage(markerMessage(call.event.status), packMarkerParam(call.event));
    };
    markersDue(false);
    // The guitar goes dark, then shows the chord; the notes starting and ending send nothing.
    LedFrame chord;
    for (const auto& [fret, string] : {std::pair{0, 0}, {1, 1}, {0, 2}, {2, 3}, {3, 4}})
      chord.light(fret, string, false);
    QCOMPARE(p.leds.frames(), (std::vector<LedFrame>{LedFrame{}, chord}));
    // With the animation on the notes light as they start; the slot itself sends nothing.
    p.buttons().sbtnFLAnimate->setChecked(true);
    markersDue(true);
    QVERIFY(p.leds.calls().empty());
  }

  void thePlayPagePlaysItsSongUntilStop() {
    Program p;
    QVERIFY(p.openCOnThePlayPage({0, 4}));
    QTest::mouseClick(p.buttons().sbtnPlay, Qt::LeftButton);
    QVERIFY(p.buttons().sbtnPlay->isChecked());
    // The song's tempo (100 bpm at start-up) and C3 strummed first on the first slot.
    QVERIFY(!p.noteOns().empty());
    QCOMPARE(int(p.noteOns().front().event.data1), 48);
    bool tempo = false;
    for (const SinkCall& call : p.session.sink.calls()) tempo |= call.tempoMicros == 600000;
    QVERIFY(tempo);
    // Pause and go on; then Stop halts at once.
    QTest::mouseClick(p.buttons().sbtnPause, Qt::LeftButton);
    QVERIFY(p.buttons().sbtnPause->isChecked());
    QTest::mouseClick(p.buttons().sbtnPause, Qt::LeftButton);
    QTest::mouseClick(p.buttons().sbtnStop, Qt::LeftButton);
    QVERIFY(!p.buttons().sbtnPlay->isChecked());
    const std::vector<SinkCall::Kind> kinds = p.session.sink.kinds();
    QVERIFY(std::find(kinds.begin(), kinds.end(), SinkCall::Kind::Pause) != kinds.end());
    QVERIFY(std::find(kinds.begin(), kinds.end(), SinkCall::Kind::Restart) != kinds.end());
    QCOMPARE(kinds.back(), SinkCall::Kind::Stop);
  }
};

QTEST_MAIN(PlaybackTest)
#include "tst_playback.moc"
