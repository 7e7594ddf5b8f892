#pragma once
// Turns a queued sequence into sound without a clock or a sound card, as fast as the synth can
// render: 44.1 kHz, stereo, 16-bit. Used by exports and by checks that listen to the result.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/midi/MidiEvent.h"

namespace strumly {

class FluidSynthInstance;

struct RenderOptions {
  std::uint32_t tempoMicros = kDefaultTempoMicros;
  double tailSeconds = 1.5;  // rendered after the last event so the last notes can ring out
  bool effects = true;       // reverb and chorus
  // Rendering time grows with the voices sounding. Strummed chords leave many release tails
  // ringing; beyond this many voices the synth drops the quietest of them, which cannot be heard
  // under the new notes. The General MIDI font plays most notes as stereo pairs, so 32 voices
  // hold a strummed chord, its bass and click and the tails of the chord before. Live playback
  // keeps FluidSynth's 256.
  int polyphony = 32;
  // Applied to the synth's output before it becomes 16-bit; anything beyond full scale is clipped.
  float gain = 1.0f;
};

struct RenderedAudio {
  static constexpr int kSampleRate = 44100;
  static constexpr int kChannels = 2;
  std::vector<std::int16_t> samples;  // interleaved left, right

  std::size_t frames() const { return samples.size() / kChannels; }
  double seconds() const { return static_cast<double>(frames()) / kSampleRate; }
};

class OfflineRenderer {
 public:
  // An empty path renders silence (no soundfont); check `hasSoundFont`.
  explicit OfflineRenderer(const std::string& soundFontPath);
  ~OfflineRenderer();

  bool hasSoundFont() const;

  // Events as PutMidiOut takes them, played from tick 0. Each event starts on the synth's 64-frame
  // render block nearest to its exact time, so it sounds within 0.73 ms of it.
  RenderedAudio render(std::span<const MidiEvent> events, const RenderOptions& options);
  // The same render handed over in blocks of interleaved samples as they are made, so a long song
  // needs no more memory than a block. False when `out` refused a block, which ends the render.
  bool render(std::span<const MidiEvent> events, const RenderOptions& options,
              const std::function<bool(std::span<const std::int16_t>)>& out);
  // The same render before it becomes 16-bit: the synth's interleaved samples, full scale 1.0
  // (`options.gain` is not applied). toPcm turns a block into what `render` hands over.
  bool renderFloat(std::span<const MidiEvent> events, const RenderOptions& options,
                   const std::function<bool(std::span<const float>)>& out);

 private:
  std::unique_ptr<FluidSynthInstance> synth_;
};

// The synth's samples as 16-bit after `gain`: anything beyond full scale clipped, no dither.
void toPcm(std::span<const float> samples, float gain, std::vector<std::int16_t>& out);

// A canonical 44-byte-header PCM WAV file (44.1 kHz, 16-bit stereo) written as the samples come;
// the header's sizes are filled in by `finish`. Every call is false once a write has failed.
class WavFileWriter {
 public:
  explicit WavFileWriter(const std::string& path);
  ~WavFileWriter();
  WavFileWriter(const WavFileWriter&) = delete;
  WavFileWriter& operator=(const WavFileWriter&) = delete;

  bool append(std::span<const std::int16_t> samples);
  bool finish();  // closes the file

 private:
  std::FILE* file_ = nullptr;
  std::uint64_t dataBytes_ = 0;
  bool ok_ = false;
};

// The whole of `audio` through a WavFileWriter; false when it could not be written completely.
bool writeWav(const std::string& path, const RenderedAudio& audio);

}  // namespace strumly
