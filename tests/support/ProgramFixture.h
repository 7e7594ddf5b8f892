#pragma once
// The whole program built on fakes, as a test meets it: a scratch user folder beside the shipped
// data, dialogs answered from a script, a speech player with no device, and on request MIDI into
// a recording sink, LED frames into a recorder or the LED guitar on a fake USB port.
#include <QByteArray>
#include <QFile>
#include <QMenu>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <initializer_list>
#include <memory>
#include <optional>

#include "gui/app/MainMenu.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/common/PageList.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/playback/MidiSession.h"
#include "gui/playpage/PlayPage.h"
#include "platform/audio/PcmPlayer.h"
#include "support/FakeAudioInput.h"
#include "support/FakeFretlight.h"
#include "support/MenuLookup.h"
#include "support/RecordingLedSink.h"
#include "support/RecordingSequenceSink.h"

namespace strumly::gui {

// A MIDI session that never touches a device: whatever the players queue lands in `sink`.
struct RecordingMidiSession : MidiSession {
  RecordingSequenceSink sink;
  void open(const MidiSettings&) override {}
  void close() override {}
  SequenceSink* sequence() override { return &sink; }
};

struct ProgramSetup {
  bool midi = false;                   // the players queue into `session.sink`; otherwise silent
  MidiSession* midiSession = nullptr;  // a session of the test's own instead (midi is then ignored)
  bool leds = false;                   // LED frames go to `leds` instead of a guitar
  bool guitar = false;                 // the LED guitar is looked for on `port`; otherwise never found
  bool audio = false;                  // Listen and the tuner hear `audio`; otherwise there is no input
  std::optional<QByteArray> kvIni;     // the settings file written before the start; none: no file
  QStringList dataFiles;       // non-empty: only these shipped files are copied into the scratch folder,
                               // which then serves as the data folder too, so a test can take them away
  bool show = true;            // the main window is shown
  std::optional<PageId> page;  // the page activated after the start
};

class ProgramFixture {
 public:
  explicit ProgramFixture(const ProgramSetup& setup = {}) {
    for (const QString& name : setup.dataFiles)
      QFile::copy(QString(STRUMLY_PROGRAM_DIR) + "/" + name, user.filePath(name));
    if (setup.kvIni) {
      QFile ini(user.filePath("Kv.ini"));
      if (ini.open(QIODevice::WriteOnly)) ini.write(*setup.kvIni);
    }
    const QString data = setup.dataFiles.isEmpty() ? QString(STRUMLY_PROGRAM_DIR) + "/" : user.path() + "/";
    MidiSession* midi = setup.midiSession ? setup.midiSession : setup.midi ? &session : nullptr;
    parts = std::make_unique<ProgramParts>(
        ProgramDevices{dialogs, player, midi, setup.leds ? &leds : nullptr, setup.guitar ? &port : nullptr,
                       setup.audio ? &audio : nullptr},
        ProgramFolder{data, user.path() + "/"});
    parts->start();
    if (setup.show) parts->mainWindow().show();
    if (setup.page) parts->pages().activate(*setup.page);
  }

  // A key from the Key menu, a chord type from one of the chord menus, then "Show Chords".
  void showChords(int key, QMenu* family, const QString& type) {
    parts->mainMenu().keyItems()[key]->trigger();
    itemNamed(family, type)->trigger();
    parts->toolPanel().showChordsButton()->click();
  }
  // Open C, x32010, in the play page's `slots`, then the play page in front (false when it is not).
  bool openCOnThePlayPage(std::initializer_list<int> slots = {0}) {
    ChordDiagram c;
    c.empty = 0;
    c.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, kFingerMuted}};
    c.pitches = {64, 60, 55, 52, 48, 0};
    for (int slot : slots) parts->playPage().model().slots()[static_cast<std::size_t>(slot)] = c;
    return parts->pages().activate(PageId::PlayPage);
  }
  // A right click on a page's picture that opens `popup`, then its item `caption` chosen. The
  // popup is closed first: offscreen it would otherwise stay up and take the next clicks.
  static void popupItem(QWidget* image, QPoint at, QMenu* popup, const QString& caption) {
    QTest::mouseClick(image, Qt::RightButton, {}, at);
    popup->hide();
    QAction* item = itemNamed(popup, caption);
    QVERIFY2(item, qPrintable(caption));
    item->trigger();
  }

  QTemporaryDir user;
  ScriptedDialogService dialogs;
  PcmPlayer player{"strumly-no-such-device"};
  RecordingMidiSession session;
  RecordingLedSink leds;
  FakeFretlightPort port;
  FakeAudioInput audio;
  std::unique_ptr<ProgramParts> parts;
};

}  // namespace strumly::gui
