// play-along-score.png  the Play page's song played with Listen down, heard through the fake input
//                       the tests use: a take rendered by the program's own synth from the song
//                       with one chord left out and one played as another, each slot marked
//                       (green right, amber partly, red missed) and the summary above the page
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include "ShotKit.h"
#include "core/midi/MidiEvent.h"
#include "core/playback/CollectingSequenceSink.h"
#include "gui/app/ListenOnPages.h"
#include "gui/app/ListenWiring.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramParts.h"
#include "gui/app/ToolPanel.h"
#include "gui/controls/THemisphereButton.h"
#include "gui/playback/MidiSession.h"
#include "gui/playback/PlaybackContext.h"
#include "gui/playback/Transport.h"
#include "gui/playpage/PlayPage.h"
#include "support/FakeAudioInput.h"
#include "support/RenderedTake.h"

using namespace strumly;
using namespace strumly::gui;
using namespace strumly::shots;

static RegisterShots reg("58-score", [](ShotContext& c) {
  if (!c.audio) return false;
  ProgramParts& parts = c.parts;
  auto* kept = dynamic_cast<CollectingSequenceSink*>(parts.playback().sink());
  if (kept == nullptr || !parts.pages().activate(PageId::PlayPage)) return false;
  PlayPage& page = parts.playPage();
  Transport& transport = parts.transport();
  // The song the walk of the play page left: nine measures, the third and fourth played twice.
  PlayPageSong song;
  song.signature = page.model().timeSignature();
  song.tempoBpm = Transport::beatsPerMinute(transport.tempoMicros());
  song.slots = page.model().slots();
  song.markers34 = page.model().savedMarkers(TimeSignature::ThreeFour);
  song.markers44 = page.model().savedMarkers(TimeSignature::FourFour);
  // The student leaves out the first chord of measure 2 and strums measure 6's first chord as
  // the one before it.
  PlayPageSong played = song;
  played.slots[8] = ChordDiagram{};
  played.slots[40] = song.slots[36];
  std::vector<float> take;
  try {
    take = testing::renderSongTake(played);
  } catch (const std::exception&) {
    return false;  // no sound font: nothing to hear
  }
  take.resize(take.size() + 2 * 44100, 0.0f);

  THemisphereButton* listen = parts.listen().pages().button();
  press(listen, listen->rect().center());
  settle();
  const std::size_t first = kept->events().size();
  parts.toolPanel().buttons().sbtnPlay->click();
  if (!transport.playing() || kept->events().size() <= first) return false;
  // The walk plays the clock's part: the song's markers and beats as the take reaches them.
  const std::uint64_t start = kept->events()[first].tick;
  const double msPerTick = transport.tempoMicros() / 1000.0 / kTicksPerBeat;
  std::size_t next = first;
  std::uint64_t nextBeat = kTicksPerBeat;
  for (std::size_t at = 0; at < take.size(); at += 441) {
    const double nowMs = static_cast<double>(at) * 1000.0 / 44100;
    for (; next < kept->events().size(); ++next) {
      const TickedEvent& e = kept->events()[next];
      if (static_cast<double>(e.tick - start) * msPerTick > nowMs) break;
      while (e.tick - start >= nextBeat) {
        transport.midiMessage(kMsgBeat, 0);
        nextBeat += kTicksPerBeat;
      }
      if (isMarkerStatus(e.event.status))
        transport.midiMessage(markerMessage(e.event.status), packMarkerParam(e.event));
    }
    c.audio->play({take.begin() + static_cast<std::ptrdiff_t>(at),
                   take.begin() + static_cast<std::ptrdiff_t>(std::min(take.size(), at + 441))});
    QCoreApplication::processEvents();
  }
  parts.toolPanel().buttons().sbtnStop->click();
  settle();
  page.scrollPlayPage()->verticalScrollBar()->setValue(0);
  parts.mainWindow().resize(1024, 1000);
  settle();
  const bool ok = save(parts.mainWindow(), c.out + "play-along-score.png");
  press(listen, listen->rect().center());
  settle();
  return ok;
});
