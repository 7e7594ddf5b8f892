// The transport as the user meets it: what each button does on a page that plays and on one that
// does not, the buttons that refuse to move while playing, and the tempo edit's clamps.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "core/playback/SequenceSink.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/Command.h"
#include "gui/common/Page.h"
#include "gui/common/PageList.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/controls/UpDown.h"
#include "gui/playback/PagePlayer.h"
#include "gui/playback/Transport.h"
#include "support/SteppedMidiLibrary.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

class FakePage : public QWidget, public Page, public PageDocument, public PagePlayer {
 public:
  FakePage(PageId id, bool hasPlayer) : id_(id), hasPlayer_(hasPlayer) {}
  // As the real pages answer: a song pauses and keeps its tempo in its file; a print cell does neither.
  bool canPause() const override { return id_ == PageId::PlayPage; }
  PageDocument* document() override { return this; }
  void erase() override {}
  bool keepsTempo() const override { return id_ == PageId::PlayPage; }
  PageId pageId() const override { return id_; }
  QString title() const override { return "Fake"; }
  QWidget* pageWidget() override { return this; }
  QAbstractScrollArea* scrollArea() const override { return nullptr; }
  PagePlayer* player() override { return hasPlayer_ ? this : nullptr; }
  bool play() override {
    ++plays;
    return somethingToPlay;
  }
  void pause(bool down) override { pauses << down; }
  bool stop() override {
    ++stops;
    return !playsOut;
  }
  void step(int direction) override { steps << direction; }
  void midiMessage(std::uint32_t message, std::uint32_t) override { messages << message; }

  bool somethingToPlay = true;
  bool playsOut = false;
  int plays = 0, stops = 0;
  QList<bool> pauses;
  QList<int> steps;
  QList<std::uint32_t> messages;

 private:
  PageId id_;
  bool hasPlayer_;
};

// The tool panel's transport buttons and tempo controls, bound to the transport as the shell binds them.
struct Rig {
  QTabWidget tabs;
  PageList pages{&tabs};
  Transport transport{[this] { return pages.current(); }};
  CommandTable commands{&transport, nullptr};
  ToolPanel panel;
  FakePage* chords = new FakePage(PageId::Chords, false);
  FakePage* playPage = new FakePage(PageId::PlayPage, true);
  FakePage* print = new FakePage(PageId::Print, true);
  const ToolPanel::Buttons& b = panel.buttons();
  QToolButton *play = b.sbtnPlay, *pause = b.sbtnPause, *stop = b.sbtnStop, *step = b.sbtnStep,
              *loop = b.sbtnLoop;
  QLineEdit& tempo = *panel.tempoEdit();
  UpDown& upDown = *panel.tempoUpDown();

  Rig() {
    for (FakePage* p : {chords, playPage, print}) pages.add(*p);
    panel.declareCommands(commands);
    panel.bindTransport(transport, commands);
  }
  void click(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

}  // namespace

class TransportTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void playComesBackUpWhereNothingPlays() {
    Rig r;
    r.click(r.play);  // the Chords page has no player yet
    QVERIFY(!r.play->isChecked());
    QVERIFY(!r.transport.IsPlayingOrBusy());
    r.pages.activate(PageId::PlayPage);
    r.playPage->somethingToPlay = false;  // an empty play page
    r.click(r.play);
    QCOMPARE(r.playPage->plays, 1);
    QVERIFY(!r.play->isChecked());
    QVERIFY(!r.transport.IsPlayingOrBusy());
  }

  void whilePlayingOnlyPauseAndStopAct() {
    Rig r;
    r.pages.activate(PageId::PlayPage);
    QSignalSpy state(&r.transport, &Transport::stateChanged);
    r.click(r.play);
    QVERIFY(r.play->isChecked());
    QVERIFY(r.transport.IsPlayingOrBusy());
    QVERIFY(!r.tempo.isEnabled());
    QVERIFY(state.size() >= 1);
    r.click(r.play);  // a click never releases Play
    QVERIFY(r.play->isChecked());
    QCOMPARE(r.playPage->plays, 1);
    r.click(r.step);
    r.click(r.loop);
    QVERIFY(!r.step->isChecked());
    QVERIFY(!r.loop->isChecked());
    r.click(r.pause);
    r.click(r.pause);
    QCOMPARE(r.playPage->pauses, (QList<bool>{true, false}));
    r.transport.midiMessage(kMsgBeat, 0);
    QCOMPARE(r.playPage->messages, (QList<std::uint32_t>{kMsgBeat}));
    r.click(r.stop);
    QCOMPARE(r.playPage->stops, 1);
    QVERIFY(!r.play->isChecked());
    QVERIFY(r.tempo.isEnabled());
    // Late messages after Stop reach nobody.
    r.transport.midiMessage(kMsgBeat, 0);
    QCOMPARE(r.playPage->messages.size(), 1);
    // Idle again: Step and Loop now take their clicks.
    QSignalSpy looped(&r.transport, &Transport::loopChanged);
    r.click(r.step);
    r.click(r.loop);
    QVERIFY(r.transport.stepMode() && r.step->isChecked());
    QVERIFY(r.transport.loop() && r.loop->isChecked());
    QCOMPARE(looped.size(), 1);
  }

  void pauseOnlyWherePagesPauseAndAPlayingOutChordEndsByItself() {
    Rig r;
    r.pages.activate(PageId::Print);
    r.click(r.play);
    QVERIFY(r.play->isChecked());
    r.click(r.pause);  // the Print page does not pause
    QVERIFY(!r.pause->isChecked());
    QVERIFY(r.print->pauses.isEmpty());
    r.print->playsOut = true;  // a chord on the Print page plays out
    r.click(r.stop);
    QVERIFY(r.play->isChecked());
    r.transport.playbackEnded();
    QVERIFY(!r.play->isChecked());
    QVERIFY(!r.transport.IsPlayingOrBusy());
  }

  void tempoTextIsClampedAndMarksThePlayPage() {
    Rig r;
    QCOMPARE(r.tempo.text(), QString("100"));
    QCOMPARE(r.transport.tempoMicros(), 600000u);
    r.pages.activate(PageId::PlayPage);
    QSignalSpy edited(&r.transport, &Transport::tempoEdited);
    const QList<std::pair<QString, int>> cases{{"5", 10}, {"300", 250}, {"", 100}, {"72", 72}};
    for (const auto& [typed, bpm] : cases) {
      r.tempo.setText(typed);
      r.panel.meditTempoMainExit();
      QCOMPARE(r.tempo.text(), QString::number(bpm));
      QCOMPARE(r.upDown.position(), bpm);
      QCOMPARE(r.transport.tempoMicros(), 60000000u / static_cast<unsigned>(bpm));
    }
    QCOMPARE(edited.size(), 4);
    QCOMPARE(edited.first().first().value<PageId>(), PageId::PlayPage);
    // 60000000 / 72 = 833333.33: the micros are truncated.
    QCOMPARE(r.transport.tempoMicros(), 833333u);
    r.pages.activate(PageId::Chords);
    r.upDown.step(+1);
    Q_EMIT r.upDown.mouseReleased();
    QCOMPARE(r.tempo.text(), QString("73"));
    QCOMPARE(edited.size(), 4);  // the Chords page has no tempo of its own
  }

  void anOutputLostWhilePlayingStopsAndTheNextPlaySoundsOnTheSynth() {
    SteppedMidiLibrary midi({"Synth", "Ext: port 0"});
    LibraryMidiSession& session = midi.session;
    MidiSettings settings;
    settings.outDevice = 1;
    session.open(settings);
    Rig r;
    ScriptedDialogService dialogs;
    r.transport.bindOutput(&session, &dialogs, nullptr);
    connect(&midi.bridge, &MidiBridge::midiMessage, &r.transport, &Transport::midiMessage);
    const auto playANote = [&] {
      session.sequence()->queue({0, 0x90, 60, 100});
      session.sequence()->queue({480, 0x80, 60, 0});
      session.sequence()->start();
    };
    r.pages.activate(PageId::PlayPage);
    r.click(r.play);
    playANote();
    midi.heard->unplug(1);  // the external synth's port closes mid-play
    midi.time.advanceBy(100'000);
    QTRY_VERIFY(!r.play->isChecked());
    QCOMPARE(r.playPage->stops, 1);
    QVERIFY(!r.transport.IsPlayingOrBusy());
    QCOMPARE(dialogs.notices.size(), 1);
    QVERIFY(dialogs.notices[0].contains("\"Ext: port 0\" was lost"));
    QVERIFY(dialogs.notices[0].contains("\"Synth\""));
    midi.heard->clear();
    r.click(r.play);
    QVERIFY(r.play->isChecked());
    playANote();
    midi.time.advanceBy(100'000);
    QVERIFY(!midi.heard->messages().empty());
    QCOMPARE(midi.heard->messages().front().device, std::size_t{0});
    QCOMPARE(int(midi.heard->messages().front().dispatch.message.data1), 60);
  }
};

QTEST_MAIN(TransportTest)
#include "tst_transport.moc"
