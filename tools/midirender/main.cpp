// Renders MIDI events through the built-in synth into a WAV file, to listen to what playback
// sends without a sound card.
//
//   midirender out.wav                      a strummed demo: count-off, four chords, a scale
//   midirender out.wav events.bin [tempo]   8-byte event records as PutMidiOut takes them
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/midi/OfflineRenderer.h"
#include "platform/midi/SoundFontLocator.h"

using namespace strumly;

namespace {

std::vector<MidiEvent> demo() {
  std::vector<MidiEvent> events = {{0, 0xC0, 25, 0, 0}, {0, 0xC1, 33, 0, 0}, {0, 0xC9, 0, 0, 0}};
  for (int click = 0; click < 4; ++click) {
    events.push_back({click == 0 ? 0u : 240u, 0x99, 34, static_cast<std::uint8_t>(click == 0 ? 97 : 65), 0});
    events.push_back({240, 0x89, 34, 0, 0});
  }
  const std::uint8_t chords[4][6] = {
      {40, 47, 52, 55, 59, 64}, {45, 52, 57, 60, 64, 0}, {43, 47, 50, 55, 59, 67}, {0, 50, 57, 62, 66, 0}};
  for (const auto& chord : chords) {
    std::uint32_t wait = 240;
    for (std::uint8_t note : chord) {
      if (note == 0) continue;
      events.push_back({wait, 0x90, note, 100, 0});
      wait = 16;
    }
    events.push_back({1800, 0xB0, 123, 0, 0});
  }
  const std::uint8_t scale[] = {52, 54, 56, 57, 59, 61, 63, 64};
  for (std::uint8_t note : scale) {
    events.push_back({240, 0x90, note, 100, 0});
    events.push_back({200, 0x80, note, 0, 0});
  }
  return events;
}

bool readEvents(const char* path, std::vector<MidiEvent>& events) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  MidiEvent e;
  while (in.read(reinterpret_cast<char*>(&e), sizeof e)) events.push_back(e);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: %s out.wav [events.bin [microseconds-per-beat]]\n", argv[0]);
    return 2;
  }
  std::vector<MidiEvent> events;
  RenderOptions options;
  if (argc >= 3) {
    if (!readEvents(argv[2], events)) {
      std::fprintf(stderr, "cannot read %s\n", argv[2]);
      return 1;
    }
    if (argc >= 4) options.tempoMicros = static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10));
  } else {
    events = demo();
  }
  const auto soundFont = findSoundFont();
  if (!soundFont) std::fprintf(stderr, "no General MIDI soundfont found: the file will be silent\n");
  OfflineRenderer renderer(soundFont.value_or(""));
  const RenderedAudio audio = renderer.render(events, options);
  if (!writeWav(argv[1], audio)) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%s: %.1f s, %zu events\n", argv[1], audio.seconds(), events.size());
  return 0;
}
