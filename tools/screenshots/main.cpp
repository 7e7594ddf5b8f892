// screenshots <folder>: walks the real main window through the road of one request and saves
//   main-window.png            the window as it opens
//   chords-walk-five-sets.png  "E" + "m7" + Show Chords, the third diagram pressed, four more
//                              sets, the third diagram of the first set pressed again
//   chord-design.png           G major fingered on the Chord Design page, Show Intervals down
//                              for "maj": every G, B and D on the neck in its label's colour
//   play-page-44.png           a song of the five chord types on the PlayPage in 4/4, with a
//                              repeated section and the loop marker shown
//   play-page-34.png           the same song in 3/4
//   play-page-playing.png      the song playing: the beat cursor on the third beat and the
//                              chord's notes marked on the neck as they sound
// Walks of other areas register themselves (ShotKit.h) and run after this one.
// The parts are the program's own, built by its composition root; only the dialogs are scripted
// and the sound is off. Settings come from the shipped Kv.ini, copied into a scratch folder, so the user's
// own settings never show and are never written.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <cstdio>

#include "ShotKit.h"
#include "core/playback/CollectingSequenceSink.h"
#include "core/views/FretboardGeometry.h"
#include "gui/app/AppStyle.h"
#include "gui/app/BottomPanel.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/chorddesign/ChordDesignPage.h"
#include "gui/chorddesign/FretControls.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/playback/MidiSession.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPage.h"
#include "gui/views/FretboardView.h"
#include "platform/audio/PcmPlayer.h"
#include "support/FakeAudioInput.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: screenshots <folder>\n");
    return 2;
  }
  const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + "/";
  applyAppStyle(app);

  QTemporaryDir scratch;
  ProgramFolder folder = ProgramFolder::forThisProgram();
  folder.userFolder = folder.documentFolder = folder.workFolder = scratch.path() + "/";
  QFile::copy(folder.dataFolder + "Kv.ini", folder.settingsFile());
  // The real parts, but silent and with dialogs that never block: a notice about the sound
  // output of a machine without a sound card would otherwise stop the walk.
  ScriptedDialogService dialogs;
  PcmPlayer player("strumly-no-such-device");
  // The sequencer's events are kept instead of sounding; the walk plays the clock's part.
  struct KeptSession : MidiSession {
    CollectingSequenceSink sink;
    void open(const MidiSettings&) override {}
    void close() override {}
    SequenceSink* sequence() override { return &sink; }
  } session;
  // Listen hears what a walk plays into this input.
  FakeAudioInput audio;
  ProgramParts parts({dialogs, player, &session, nullptr, nullptr, &audio}, folder);
  parts.start();
  TfrmMain& window = parts.mainWindow();
  window.show();
  settle();

  if (!save(window, out + "main-window.png")) return 1;

  MainMenu* menu = &parts.mainMenu();
  QPushButton* showChords = parts.toolPanel().showChordsButton();
  ChordsPage* chords = &parts.chordsPage();
  PageImage* chordPage = chords->imgChordPage();
  auto* neck = qobject_cast<FretboardView*>(parts.bottomPanel().fretboard());
  const QPoint thirdDiagram(20 + 2 * 120 + 50, 30 + 60);

  // The road of one request, then four more sets of other keys and types.
  menu->keyItems()[4]->trigger();
  trigger(menu->menuMinor(), "m7");
  showChords->click();
  press(chordPage, thirdDiagram);
  const struct {
    int key;
    QMenu* family;
    const char* type;
  } more[] = {{9, menu->menuMajor(), "maj7"},
              {2, menu->menuDominant(), "9"},
              {7, menu->menuMinor(), "minor"},
              {0, menu->menuDominant(), "7sus4"}};
  for (const auto& set : more) {
    menu->keyItems()[set.key]->trigger();
    trigger(set.family, set.type);
    showChords->click();
  }
  chords->scrollChordPage()->verticalScrollBar()->setValue(0);
  press(chordPage, thirdDiagram);
  mouse(neck, QEvent::MouseMove, neckPoint(1, 5), Qt::NoButton);
  // Tall enough for all five sets; grab() draws the whole window whatever the screen holds.
  window.resize(1024, 1130);
  if (!save(window, out + "chords-walk-five-sets.png")) return 1;

  // G major fingered on the Chord Design page, with Show Intervals laying "maj" over the neck.
  window.resize(1024, 768);
  parts.pages().activate(PageId::ChordDesign);
  ChordDesignPage* design = &parts.chordDesignPage();
  FretControls* frets = design->fretControls();
  frets->setFingerCode(2);
  press(neck, neckPoint(5, 3), Qt::RightButton);
  frets->setFingerCode(1);
  press(neck, neckPoint(4, 2));
  for (int string : {3, 2, 1}) press(neck, neckPoint(string, 0));
  frets->setFingerCode(3);
  press(neck, neckPoint(0, 3));
  QComboBox* types = design->chordTypeBox();
  types->setCurrentIndex(0);
  Q_EMIT types->activated(0);
  design->displayIntervalsButton()->click();
  mouse(neck, QEvent::MouseMove, neckPoint(3, 4), Qt::NoButton);
  if (!save(window, out + "chord-design.png")) return 1;

  // A song from the first diagram of each set: each carried to the PlayPage with "Send to
  // PlayPage" and dropped twice with Ctrl, on the first and third beat of a measure.
  types->setCurrentIndex(-1);
  design->displayIntervalsButton()->click();
  parts.pages().activate(PageId::Chords);
  PlayPage& playPage = parts.playPage();
  const int song[] = {0, 1, 2, 3, 0, 1, 4, 4, 0};  // the set of each measure
  for (int measure = 0; measure < 9; ++measure) {
    parts.pages().activate(PageId::Chords);
    chords->scrollChordPage()->verticalScrollBar()->setValue(0);
    press(chordPage, QPoint(20 + 50, 30 + 150 * song[measure] + 60), Qt::RightButton);
    chords->popmenuChords()->hide();
    trigger(chords->popmenuChords(), "Send to PlayPage");
    for (int beat : {0, 4}) {
      const SlotPos slot = SlotPos::of(measure * 8 + beat);
      const QPoint at(63 * slot.column + 50, 132 * slot.row + 43);
      QMouseEvent down(QEvent::MouseButtonPress, at, playPage.imgPlayPage()->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, beat == 0 ? Qt::ControlModifier : Qt::NoModifier);
      QApplication::sendEvent(playPage.imgPlayPage(), &down);
      mouse(playPage.imgPlayPage(), QEvent::MouseButtonRelease, at, Qt::LeftButton);
    }
  }
  // Measures 3 and 4 are played twice; Loop Play returns after the last measure.
  RepeatMarkers& markers = playPage.model().savedMarkers(TimeSignature::FourFour);
  markers.startRepeat[2] = 1;
  markers.repeatCount[3] = 2;
  parts.transport().setLoop(true);
  playPage.DrawRepeatMarkers();
  window.resize(1024, 1000);
  if (!save(window, out + "play-page-44.png")) return 1;
  parts.toolPanel().buttons().sbtnTime->click();
  RepeatMarkers& waltz = playPage.model().savedMarkers(TimeSignature::ThreeFour);
  waltz.startRepeat[4] = 1;
  waltz.repeatCount[5] = 3;
  playPage.DrawRepeatMarkers();
  if (!save(window, out + "play-page-34.png")) return 1;

  // Back in 4/4, Play, and the clock's messages of the first two and a half beats. The kept
  // queue never fills, so Loop Play (which never ends) is let go first.
  parts.toolPanel().buttons().sbtnTime->click();
  parts.transport().setLoop(false);
  parts.toolPanel().buttons().sbtnPlay->click();
  Transport& transport = parts.transport();
  const std::uint64_t until = 2 * 480 + 300;
  std::uint64_t nextBeat = 480;
  for (const TickedEvent& e : session.sink.events()) {
    if (e.tick > until) break;
    while (e.tick >= nextBeat) {
      transport.midiMessage(kMsgBeat, 0);
      nextBeat += 480;
    }
    if (isMarkerStatus(e.event.status))
      transport.midiMessage(markerMessage(e.event.status), packMarkerParam(e.event));
  }
  bool ok = save(window, out + "play-page-playing.png");
  parts.toolPanel().buttons().sbtnStop->click();
  // The walks of the other pages, each in its own file.
  ShotContext context{parts, dialogs, out, &audio};
  runRegisteredShots(context, ok);
  return ok ? 0 : 1;
}
