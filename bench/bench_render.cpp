// Offline rendering speed as a multiple of real time: a minute of strummed guitar chords with
// bass and click, with reverb and chorus, through the General MIDI soundfont. Target: >= 100x.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/midi/OfflineRenderer.h"
#include "platform/midi/SoundFontLocator.h"

using namespace strumly;

namespace {

// A minute at 120 bpm, six strings strummed 12 ticks apart, with bass and a click on every
// beat; a new chord every `slotsPerChord` half beats (1 is the densest a play page can be).
std::vector<MidiEvent> strummedMinute(int slotsPerChord) {
  std::vector<MidiEvent> events = {{0, 0xC0, 25, 0, 0}, {0, 0xC1, 33, 0, 0}, {0, 0xC9, 0, 0, 0}};
  const std::uint8_t chords[2][6] = {{40, 47, 52, 56, 59, 64}, {45, 52, 57, 61, 64, 69}};
  const auto span = static_cast<std::uint32_t>(240 * slotsPerChord);
  for (int slot = 0; slot < 240; slot += slotsPerChord) {
    const auto& chord = chords[(slot / 8) % 2];
    events.push_back({0, 0x99, 34, 80, 0});
    events.push_back({0, 0x91, static_cast<std::uint8_t>(chord[0] - 12), 100, 0});
    for (std::uint8_t note : chord) events.push_back({note == chord[0] ? 20u : 12u, 0x90, note, 100, 0});
    events.push_back({span - 20 - 5 * 12, 0x89, 34, 0, 0});
    events.push_back({0, 0x81, static_cast<std::uint8_t>(chord[0] - 12), 0, 0});
    for (std::uint8_t note : chord) events.push_back({0, 0x80, note, 0, 0});
  }
  return events;
}

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

void measure(OfflineRenderer& renderer, const char* what, int slotsPerChord, int polyphony) {
  const std::vector<MidiEvent> events = strummedMinute(slotsPerChord);
  RenderOptions options;
  options.tempoMicros = 500000;
  options.tailSeconds = 2.0;
  options.polyphony = polyphony;
  double bestWall = 0.0;
  double bestCpu = 0.0;
  double seconds = 0.0;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = cpuSeconds();
    const RenderedAudio audio = renderer.render(events, options);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = cpuSeconds() - cpuStart;
    seconds = audio.seconds();
    bestWall = std::max(bestWall, seconds / wall);
    bestCpu = std::max(bestCpu, seconds / cpu);
  }
  std::printf("  %-34s %3d voices: %5.0fx real time by the wall clock, %5.0fx per CPU second%s\n", what,
              polyphony, bestWall, bestCpu, bestWall >= 100 ? "" : "  (below 100x)");
  (void)seconds;
}

}  // namespace

int main() {
  const auto soundFont = findSoundFont();
  if (!soundFont) {
    std::printf("offline render: no General MIDI soundfont installed, nothing measured\n");
    return 0;
  }
  const auto loadStart = std::chrono::steady_clock::now();
  OfflineRenderer renderer(*soundFont);
  const auto loaded = std::chrono::steady_clock::now();
  std::printf("Offline render of one minute at 120 bpm with reverb and chorus (%s), target >= 100x\n",
              soundFont->c_str());
  std::printf("  soundfont load %.0f ms\n",
              std::chrono::duration<double, std::milli>(loaded - loadStart).count());
  measure(renderer, "chord every beat (typical)", 2, RenderOptions{}.polyphony);
  measure(renderer, "chord every half beat (densest)", 1, RenderOptions{}.polyphony);
  measure(renderer, "chord every half beat (densest)", 1, 256);
  return 0;
}
