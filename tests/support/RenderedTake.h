#pragma once
// A play page song's guitar as the student would play it along: the song recorded as the export
// records it, only the guitar channel kept (the bass and click are the program's part), rendered
// by the program's own synth. `alter` may move, drop or change the events first, which is how a
// test makes a take whose faults it knows.
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <vector>

#include "core/playback/SongRecording.h"
#include "platform/midi/OfflineRenderer.h"
#include "platform/midi/SoundFontLocator.h"
#include "support/RenderedGuitar.h"

namespace strumly::testing {

// A chord diagram with just what playing it needs: pitches string 0 (high E) first, 0 = not played.
inline ChordDiagram playedChord(PitchClass root, const char* name, std::array<PitchNumber, 6> pitches) {
  ChordDiagram c;
  c.empty = 0;
  c.name = name;
  c.root = root;
  c.bass = static_cast<std::uint8_t>(root + 24);
  c.pitches = pitches;
  return c;
}

// Open-position voicings.
inline const ChordDiagram kOpenC = playedChord(0, "maj", {64, 60, 55, 52, 48, 0});
inline const ChordDiagram kOpenG = playedChord(7, "maj", {67, 59, 55, 50, 47, 43});
inline const ChordDiagram kOpenAm = playedChord(9, "m", {64, 60, 57, 52, 45, 0});
inline const ChordDiagram kOpenD = playedChord(2, "maj", {66, 62, 57, 50, 0, 0});
inline const ChordDiagram kOpenEm = playedChord(4, "m", {64, 59, 55, 52, 47, 40});

// Mono samples at 44.1 kHz; `program` (General MIDI, from 0) replaces the settings' guitar patch
// when it is not negative.
inline std::vector<float> renderSongTake(const PlayPageSong& song,
                                         const std::function<void(std::vector<TickedEvent>&)>& alter = {},
                                         int program = -1) {
  const AppSettings settings;
  const RecordedSong recorded = recordSong(song, settings, RecordingOptions{});
  std::vector<TickedEvent> guitar;
  for (const TickedEvent& e : recorded.events) {
    if (!isChannelStatus(e.event.status) || (e.event.status & 0x0F) != settings.midi.guitarChannel) continue;
    guitar.push_back(e);
    if (program >= 0 && (e.event.status & 0xF0) == 0xC0)
      guitar.back().event.data1 = static_cast<std::uint8_t>(program);
  }
  if (alter) alter(guitar);
  std::stable_sort(guitar.begin(), guitar.end(),
                   [](const TickedEvent& a, const TickedEvent& b) { return a.tick < b.tick; });
  std::vector<MidiEvent> events;
  std::uint64_t now = 0;
  for (const TickedEvent& e : guitar) {
    MidiEvent m = e.event;
    m.time = static_cast<std::uint32_t>(e.tick - now);
    now = e.tick;
    events.push_back(m);
  }
  const auto soundFont = findSoundFont();
  if (!soundFont) throw std::runtime_error("no General MIDI sound font installed");
  OfflineRenderer renderer(*soundFont);
  RenderOptions options;
  options.tempoMicros = recorded.tempoMicros;
  // Without chorus: it sways the pitch, which a real guitar in the room does not.
  options.effects = false;
  // Every note the song plays sounds: a real guitar drops none of its strings for the tails of
  // the chord before.
  options.polyphony = 256;
  const RenderedAudio audio = renderer.render(events, options);
  return monoOf(audio);
}

}  // namespace strumly::testing
