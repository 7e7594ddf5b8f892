// How late the MIDI clock hands events to the device (actual - scheduled) at 250 beats per
// minute while the interface thread is busy and refills the queue on the library's messages,
// as the play page does. Targets: p99 <= 1 ms, max <= 5 ms.
#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <vector>

#include "LatenessProbe.h"
#include "gui/playback/MidiBridge.h"
#include "platform/midi/MidiLibrary.h"

using namespace strumly;
using bench::burn;
using bench::LatenessProbe;
using bench::ProbeDevices;

namespace {

constexpr int kEvents = 3000;
constexpr std::uint32_t kTempo = 240000;     // 250 bpm
constexpr std::uint32_t kSpacingTicks = 12;  // a strum's string spacing: 6 ms apart

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  auto ownedClock = std::make_unique<RealMidiClock>();
  const MidiClock& clock = *ownedClock;
  LatenessProbe* probe = nullptr;
  MidiLibrary library(std::make_unique<ProbeDevices>(probe, clock), std::move(ownedClock));

  QObject window;
  gui::MidiBridge bridge;
  const std::uint32_t sync = library.OpenSync(0, bridge.poster(), 0, 10);
  const std::uint32_t out = library.OpenMidiOut(bridge.poster(), 0, sync, 0x13320);
  library.SetTempo(sync, kTempo);

  int queued = 0;
  auto fill = [&] {
    while (queued < kEvents) {
      const auto note = static_cast<std::uint8_t>(40 + queued % 30);
      const MidiEvent e{kSpacingTicks, static_cast<std::uint8_t>(queued % 2 ? 0x80 : 0x90), note, 90, 0};
      if (library.PutMidiOut(out, e) != 0) return;  // full: go on at the next 0x5453
      ++queued;
    }
  };
  int refills = 0;
  QObject::connect(&bridge, &gui::MidiBridge::midiMessage, [&](quint32 message, quint32) {
    if (message == kMsgQueueReady) {
      ++refills;
      fill();
    } else if (message == kMsgAllPlayed && queued == kEvents) {
      app.quit();
    }
  });
  // The interface thread is busy 30 ms out of every 35, as while redrawing a large page.
  QTimer busy;
  QObject::connect(&busy, &QTimer::timeout, [] { burn(std::chrono::milliseconds(30)); });
  busy.start(5);

  fill();
  library.StartSync(sync);
  app.exec();
  library.StopSync(sync);

  const std::vector<std::int64_t> lateness = probe->lateness();
  std::printf("MIDI clock dispatch lateness at 250 bpm, interface thread busy (%zu events, %d refills)\n",
              lateness.size(), refills);
  bench::reportLateness(lateness);
  return 0;
}
