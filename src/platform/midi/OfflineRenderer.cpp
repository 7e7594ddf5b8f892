#include "platform/midi/OfflineRenderer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

#include "core/midi/MidiTimeline.h"
#include "platform/midi/FluidSynthOutput.h"

namespace strumly {

namespace {

constexpr std::int64_t kBlockFrames = 64;  // FluidSynth applies events between render blocks

// Renders in float and converts without dither, so silence stays exactly zero and the same
// sequence always gives the same bytes.
void renderFrames(fluid_synth_t* synth, RenderedAudio& audio, std::int64_t frames) {
  constexpr std::int64_t kChunk = 4096;
  std::vector<float> left(kChunk), right(kChunk);
  while (frames > 0) {
    const int n = static_cast<int>(std::min(frames, kChunk));
    fluid_synth_write_float(synth, n, left.data(), 0, 1, right.data(), 0, 1);
    for (int i = 0; i < n; ++i) {
      for (float v : {left[i], right[i]}) {
        const float scaled = std::clamp(v * 32768.0f, -32768.0f, 32767.0f);
        audio.samples.push_back(static_cast<std::int16_t>(std::lrint(scaled)));
      }
    }
    frames -= n;
  }
}

void putLittleEndian(std::vector<unsigned char>& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

}  // namespace

OfflineRenderer::OfflineRenderer(const std::string& soundFontPath)
    : synth_(std::make_unique<FluidSynthInstance>(
          soundFontPath, RenderedAudio::kSampleRate,
          static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u)))) {}

OfflineRenderer::~OfflineRenderer() = default;

bool OfflineRenderer::hasSoundFont() const {
  return synth_->hasSoundFont();
}

RenderedAudio OfflineRenderer::render(std::span<const MidiEvent> events, const RenderOptions& options) {
  RenderedAudio audio;
  fluid_synth_t* synth = synth_->synth();
  if (synth == nullptr) return audio;
  fluid_synth_system_reset(synth);
  fluid_synth_set_polyphony(synth, std::clamp(options.polyphony, 16, 4096));
  fluid_synth_reverb_on(synth, -1, options.effects ? 1 : 0);
  fluid_synth_chorus_on(synth, -1, options.effects ? 1 : 0);

  const std::vector<TimedEvent> timeline = toTimeline(events, options.tempoMicros);
  std::int64_t rendered = 0;
  for (const TimedEvent& timed : timeline) {
    if (!isChannelStatus(timed.event.status)) continue;
    const std::int64_t frame = frameOfMicros(timed.micros, RenderedAudio::kSampleRate);
    const std::int64_t block = (frame + kBlockFrames / 2) / kBlockFrames * kBlockFrames;
    if (block > rendered) {
      renderFrames(synth, audio, block - rendered);
      rendered = block;
    }
    synth_->apply({timed.event.status, timed.event.data1, timed.event.data2});
  }
  renderFrames(synth, audio, static_cast<std::int64_t>(options.tailSeconds * RenderedAudio::kSampleRate));
  return audio;
}

bool writeWav(const std::string& path, const RenderedAudio& audio) {
  const auto dataBytes = static_cast<std::uint32_t>(audio.samples.size() * sizeof(std::int16_t));
  std::vector<unsigned char> header;
  header.insert(header.end(), {'R', 'I', 'F', 'F'});
  putLittleEndian(header, 36 + dataBytes, 4);
  header.insert(header.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  putLittleEndian(header, 16, 4);  // PCM format chunk size
  putLittleEndian(header, 1, 2);   // PCM
  putLittleEndian(header, RenderedAudio::kChannels, 2);
  putLittleEndian(header, RenderedAudio::kSampleRate, 4);
  putLittleEndian(header, RenderedAudio::kSampleRate * RenderedAudio::kChannels * 2, 4);
  putLittleEndian(header, RenderedAudio::kChannels * 2, 2);
  putLittleEndian(header, 16, 2);
  header.insert(header.end(), {'d', 'a', 't', 'a'});
  putLittleEndian(header, dataBytes, 4);

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(header.data(), 1, header.size(), file) == header.size();
  static_assert(std::endian::native == std::endian::little, "samples are written in memory order");
  ok = ok && std::fwrite(audio.samples.data(), 1, dataBytes, file) == dataBytes;
  return (std::fclose(file) == 0) && ok;
}

}  // namespace strumly
