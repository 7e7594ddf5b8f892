// Listening in the program: a strummed E m7 heard on the Chords page marks its notes, an input
// lost while listening ends Listen with one notice, Play ends it and it sends no MIDI, Chord
// Design asks for its chord (or any), on the Play page Listen and Play score each chord of the
// song, and without an input the tuner and Listen are off and say why.
#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "gui/app/ListenOnPages.h"
#include "gui/app/ListenWiring.h"
#include "gui/app/MainMenu.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/PageImage.h"
#include "gui/controls/THemisphereButton.h"
#include "gui/listen/ListenOverlays.h"
#include "gui/playback/MidiBridge.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPage.h"
#include "gui/playpage/PlayPageScoring.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/ProgramFixture.h"
#include "support/RenderedGuitar.h"
#include "support/RenderedTake.h"
#include "support/SteppedMidiLibrary.h"

using namespace strumly;
using namespace strumly::gui;

class ListenTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The E m7 on the neck, rendered on the steel guitar (strummed low to high, 12 ms a string)
  // after half a second of silence: every one of its places turns green and none is said missing.
  void aStrummedChordOnTheNeckIsMarkedHeard() {
    ProgramFixture p({.audio = true, .page = PageId::Chords});
    p.showChords(4, p.parts->mainMenu().menuMinor(), "m7");
    testing::Strike strike{500, {}, 1100, 12};
    for (PitchNumber pitch : p.parts->holders().chordPageChord.pitches)
      if (pitch != 0) strike.notes.push_back(pitch);
    QVERIFY(strike.notes.size() >= 4);
    const auto soundFont = findSoundFont();
    QVERIFY2(soundFont.has_value(), "no General MIDI sound font installed");
    OfflineRenderer renderer(*soundFont);
    const std::vector<float> strum = testing::renderStrikes(renderer, testing::kSteelGuitar, {strike});
    ListenOnPages& listen = p.parts->listen().pages();
    THemisphereButton* button = listen.button();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(listen.listening());
    QCOMPARE(listen.neckMarks().marks().size(), strike.notes.size());
    QVERIFY(std::none_of(listen.neckMarks().marks().begin(), listen.neckMarks().marks().end(),
                         [](const NeckMarks::Mark& m) { return m.heard; }));
    p.audio.play(strum);
    QTRY_VERIFY(std::all_of(listen.neckMarks().marks().begin(), listen.neckMarks().marks().end(),
                            [](const NeckMarks::Mark& m) { return m.heard; }));
    QVERIFY2(!listen.readout()->text().startsWith("Missing"), qPrintable(listen.readout()->text()));
  }

  void aLostInputEndsListeningWithOneNotice() {
    ProgramFixture p({.audio = true, .page = PageId::Chords});
    ListenOnPages& listen = p.parts->listen().pages();
    THemisphereButton* button = listen.button();
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(listen.listening());
    QVERIFY(button->down());
    QVERIFY(p.audio.isRunning());
    p.audio.vanish();
    QTRY_VERIFY(!listen.listening());
    QCOMPARE(p.dialogs.notices.size(), 1);
    QVERIFY(p.dialogs.notices[0].startsWith("The audio input was lost"));
    QVERIFY(!button->down());
    QVERIFY(listen.neckMarks().marks().empty());
    // Listen again and off: the input closes and nothing more is told.
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(listen.listening());
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(!listen.listening());
    QVERIFY(!p.audio.isRunning());
    QCOMPARE(p.dialogs.notices.size(), 1);
  }

  void playEndsListeningAndListeningSendsNoMidi() {
    ProgramFixture p({.midi = true, .audio = true, .page = PageId::Chords});
    p.showChords(4, p.parts->mainMenu().menuMinor(), "m7");
    ListenOnPages& listen = p.parts->listen().pages();
    THemisphereButton* button = listen.button();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(listen.listening());
    p.audio.play(std::vector<float>(44100, 0.0f));
    QTest::qWait(20);
    QVERIFY(p.session.sink.calls().empty());
    p.parts->toolPanel().buttons().sbtnPlay->click();
    QVERIFY(p.parts->transport().playing());
    QVERIFY(!listen.listening());
    QVERIFY(!p.audio.isRunning());
    QVERIFY(p.dialogs.notices
                .isEmpty());  // While it plays Listen waits at the shell's gate: the button comes back up.
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(!listen.listening());
    QVERIFY(!button->down());
  }

  void chordDesignAsksForTheDesignedChordOrAnyChord() {
    ProgramFixture p({.audio = true, .page = PageId::Chords});
    p.showChords(4, p.parts->mainMenu().menuMinor(), "m7");
    ListenOnPages& listen = p.parts->listen().pages();
    THemisphereButton* button = listen.button();
    for (bool designed : {false, true}) {
      p.parts->holders().designChord = designed ? p.parts->holders().chordPageChord : ChordDiagram{};
      QVERIFY(p.parts->pages().activate(PageId::ChordDesign));
      QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
      QVERIFY(listen.listening());
      QCOMPARE(listen.readout()->text(),
               QString(designed ? "Listening: strum the chord" : "Listening: strum a chord"));
      QCOMPARE(listen.neckMarks().marks().empty(), !designed);
      QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
  }

  // Six chords a beat apart at the page's 100 bpm; the take, rendered from the song with its third
  // chord left out, is heard 10 ms at a time as the clock is stepped by hand. The left-out slot is
  // marked missed, the others right, Stop shows the summary, and the next Play clears the marks.
  // While scoring, the synth plays no guitar notes.
  void listeningOnThePlayPageScoresEachChordOfTheSong() {
    SteppedMidiLibrary midi({"Synth"});
    ProgramFixture p({.midiSession = &midi.session, .audio = true});
    QObject::connect(&midi.bridge, &MidiBridge::midiMessage, &p.parts->transport(), &Transport::midiMessage);
    PlayPageSong song;
    song.tempoBpm = 100;
    const std::array<ChordDiagram, 6> chords{testing::kOpenC,  testing::kOpenG, testing::kOpenAm,
                                             testing::kOpenEm, testing::kOpenD, testing::kOpenC};
    for (std::size_t i = 0; i < chords.size(); ++i) song.slots[2 * i] = chords[i];
    PlayPage& page = p.parts->playPage();
    page.model().slots() = song.slots;
    QVERIFY(p.parts->pages().activate(PageId::PlayPage));
    PlayPageSong altered = song;
    altered.slots[4] = ChordDiagram{};
    std::vector<float> take = testing::renderSongTake(altered);
    take.resize(static_cast<std::size_t>(5.0 * 44100), 0.0f);

    ListenOnPages& listen = p.parts->listen().pages();
    QTest::mouseClick(listen.button(), Qt::LeftButton, {}, listen.button()->rect().center());
    QVERIFY(listen.listening());
    PlayPageScoring& scoring = page.scoring(p.parts->audioFeed());
    QVERIFY(scoring.listening());
    QVERIFY(scoring.mutesGuitar());
    p.parts->toolPanel().buttons().sbtnPlay->click();
    QVERIFY(p.parts->transport().playing());
    QVERIFY(listen.listening());
    for (std::size_t at = 0; at < take.size(); at += 441) {
      midi.time.advanceBy(10'000);
      QCoreApplication::processEvents();
      p.audio.play({take.begin() + static_cast<std::ptrdiff_t>(at),
                    take.begin() + static_cast<std::ptrdiff_t>(std::min(take.size(), at + 441))});
      QCoreApplication::processEvents();
    }
    p.parts->toolPanel().buttons().sbtnStop->click();

    QCOMPARE(scoring.scores().size(), chords.size());
    for (const StrumScore& s : scoring.scores()) {
      QCOMPARE(s.strum.slot % 2, 0);
      QCOMPARE(s.verdict, s.strum.slot == 4 ? StrumVerdict::Missed : StrumVerdict::Right);
    }
    QVERIFY2(page.lblScore()->text().startsWith("5 of 6 chords right, 0 partly, 1 missed; on average"),
             qPrintable(page.lblScore()->text()));
    // Under slot 2 (the first row's third column) a full green bar, under slot 4 a red outline.
    const QImage& image = page.imgPlayPage()->image();
    QCOMPARE(image.pixelColor(63 * 2 + 50, 90), QColor(0x2e, 0x9e, 0x3e));
    QCOMPARE(image.pixelColor(63 * 4 + 50, 90), QColor(Qt::white));
    QVERIFY(image.pixelColor(63 * 4 + 29, 90).red() > 150 && image.pixelColor(63 * 4 + 29, 90).green() < 100);
    for (const RecordedMessage& m : midi.heard->messages()) {
      QVERIFY2(m.dispatch.message.status != 0x90 || m.dispatch.message.data1 == 0, "a guitar note sounded");
    }

    p.parts->toolPanel().buttons().sbtnPlay->click();
    QVERIFY(scoring.scores().empty());
    QCOMPARE(page.imgPlayPage()->image().pixelColor(63 * 2 + 50, 90), QColor(Qt::white));
    p.parts->toolPanel().buttons().sbtnStop->click();
  }

  void withoutAnInputTheTunerAndListenAreOff() {
    ProgramFixture p({.show = false});
    QAction* item = p.parts->mainMenu().action("mnuTuner");
    QVERIFY(!item->isEnabled());
    QCOMPARE(item->toolTip(), QString("No audio input."));
    QVERIFY(!p.parts->listen().pages().button()->isEnabled());
    QCOMPARE(p.parts->listen().pages().button()->toolTip(), QString("No audio input."));
  }
};

QTEST_MAIN(ListenTest)
#include "tst_listen.moc"
