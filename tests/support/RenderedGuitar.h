#pragma once
// Guitar sounds made with the program's own offline renderer (FluidSynth with the General MIDI
// sound font) for the listening tests and benchmarks: what was played is known exactly, so the
// expected values come from the score, never from the listener under test.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "platform/midi/OfflineRenderer.h"

namespace strumly::testing {

constexpr int kNylonGuitar = 24;  // General MIDI programs 25 and 26, counted from 0
constexpr int kSteelGuitar = 25;

// A pluck or a strum: its notes start `spreadMs` apart, lowest first, from `ms` on, and sound
// for `lengthMs`.
struct Strike {
  int ms = 0;
  std::vector<int> notes;
  int lengthMs = 600;
  int spreadMs = 0;
  int velocity = 100;
};

// The renderer's 16-bit stereo mixed down to mono floats in -1..1, as the listeners take them.
inline std::vector<float> monoOf(const RenderedAudio& audio) {
  std::vector<float> mono(audio.frames());
  for (std::size_t f = 0; f < mono.size(); ++f)
    mono[f] =
        (static_cast<float>(audio.samples[2 * f]) + static_cast<float>(audio.samples[2 * f + 1])) / 65536.0f;
  return mono;
}

// Mono samples at 44.1 kHz of the strikes played with `program`, followed by `tailSeconds`.
inline std::vector<float> renderStrikes(OfflineRenderer& renderer, int program,
                                        const std::vector<Strike>& strikes, double tailSeconds = 1.0) {
  struct Timed {
    int ms;
    std::uint8_t status;
    int note;
    int velocity;
  };
  std::vector<Timed> timed;
  for (const Strike& s : strikes) {
    std::vector<int> notes = s.notes;
    std::sort(notes.begin(), notes.end());
    for (std::size_t i = 0; i < notes.size(); ++i) {
      const int on = s.ms + static_cast<int>(i) * s.spreadMs;
      timed.push_back({on, 0x90, notes[i], s.velocity});
      timed.push_back({s.ms + s.lengthMs, 0x80, notes[i], 0});
    }
  }
  std::stable_sort(timed.begin(), timed.end(), [](const Timed& a, const Timed& b) { return a.ms < b.ms; });
  // 480 000 microseconds a beat: one tick is one millisecond.
  std::vector<MidiEvent> events{
      {0, static_cast<std::uint8_t>(0xC0), static_cast<std::uint8_t>(program), 0, 0}};
  int now = 0;
  for (const Timed& t : timed) {
    events.push_back({static_cast<std::uint32_t>(t.ms - now), t.status, static_cast<std::uint8_t>(t.note),
                      static_cast<std::uint8_t>(t.velocity), 0});
    now = t.ms;
  }
  RenderOptions options;
  options.tempoMicros = 480000;
  options.tailSeconds = tailSeconds;
  // Without chorus: it sways the pitch, which a real guitar in the room does not.
  options.effects = false;
  const RenderedAudio audio = renderer.render(events, options);
  return monoOf(audio);
}

// White noise `dB` below the level of the guitar while it sounds (the RMS of the samples that
// are not silent), added to the samples.
inline void addNoise(std::vector<float>& mono, double dB, unsigned seed = 22) {
  double sum = 0;
  std::size_t sounding = 0;
  for (float s : mono) {
    if (std::abs(s) < 1e-4f) continue;
    sum += static_cast<double>(s) * s;
    ++sounding;
  }
  if (sounding == 0) return;
  const double rms = std::sqrt(sum / static_cast<double>(sounding)) * std::pow(10.0, dB / 20.0);
  std::mt19937 random(seed);
  std::normal_distribution<double> gauss(0.0, rms);
  for (float& s : mono) s += static_cast<float>(gauss(random));
}

// Everything `listener` hears in `mono`, fed 10 ms at a time as the audio input hands it over,
// then finished.
template <typename Listener>
auto hearAll(Listener& listener, const std::vector<float>& mono) {
  constexpr std::size_t kBlock = 441;
  decltype(listener.finish()) heard;
  for (std::size_t i = 0; i < mono.size(); i += kBlock) {
    const auto events = listener.feed(mono.data() + i, std::min(kBlock, mono.size() - i));
    heard.insert(heard.end(), events.begin(), events.end());
  }
  const auto rest = listener.finish();
  heard.insert(heard.end(), rest.begin(), rest.end());
  return heard;
}

}  // namespace strumly::testing
