// How late the MIDI clock hands the events of a full play page (288 chords, 4/4) to the device
// at 250 beats per minute, while the interface thread is busy 30 ms of every 35 and the
// sequencer refills the library's queue on its messages, as the PlayPage plays.
// Targets: p99 <= 1 ms, max <= 5 ms.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "LatenessProbe.h"
#include "core/playback/PlayPageSequencer.h"
#include "gui/playback/MidiBridge.h"
#include "platform/midi/LibrarySequenceSink.h"
#include "platform/midi/MidiLibrary.h"

using namespace strumly;

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  auto ownedClock = std::make_unique<RealMidiClock>();
  const MidiClock& clock = *ownedClock;
  bench::LatenessProbe* probe = nullptr;
  MidiLibrary library(std::make_unique<bench::ProbeDevices>(probe, clock), std::move(ownedClock));
  gui::MidiBridge bridge;
  const std::uint32_t sync = library.OpenSync(0, bridge.poster(), 0, 10);
  const std::uint32_t out = library.OpenMidiOut(bridge.poster(), 0, sync, 0x13320);
  LibrarySequenceSink sink(library, sync, out);

  // An open C on every slot, strummed at the default speed, with the click.
  PlaySlots song{};
  ChordDiagram c;
  c.empty = 0;
  c.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, kFingerMuted}};
  c.pitches = {64, 60, 55, 52, 48, 0};
  song.fill(c);
  PlaybackSettings settings;
  settings.click = true;
  settings.playPageActive = true;
  settings.tempoMicros = 240000;  // 250 bpm

  PlayPageSequencer sequencer;
  int refills = 0;
  QObject::connect(&bridge, &gui::MidiBridge::midiMessage, [&](quint32 message, quint32) {
    if (message == kMsgQueueReady) {
      ++refills;
      sequencer.fill(sink);
    } else if (message == kMsgAllPlayed) {
      app.quit();
    }
  });
  QTimer busy;
  QObject::connect(&busy, &QTimer::timeout, [] { bench::burn(std::chrono::milliseconds(30)); });
  busy.start(5);

  sequencer.start(song, TimeSignature::FourFour, RepeatMarkers::defaults(TimeSignature::FourFour),
                  SlotPos{0, 0}, settings, sink);
  app.exec();
  library.StopSync(sync);

  const std::vector<std::int64_t> lateness = probe->lateness();
  std::printf("Full play page at 250 bpm, interface thread busy (%zu events, %d refills)\n", lateness.size(),
              refills);
  bench::reportLateness(lateness);
  return 0;
}
