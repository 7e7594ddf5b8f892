#include "platform/midi/OfflineRenderer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
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

// Renders in float; the 16-bit blocks are made from these by toPcm.
bool renderFrames(fluid_synth_t* synth, std::int64_t frames,
                  const std::function<bool(std::span<const float>)>& out) {
  constexpr std::int64_t kChunk = 4096;
  std::vector<float> left(kChunk), right(kChunk);
  std::vector<float> block;
  block.reserve(2 * kChunk);
  while (frames > 0) {
    const int n = static_cast<int>(std::min(frames, kChunk));
    fluid_synth_write_float(synth, n, left.data(), 0, 1, right.data(), 0, 1);
    block.clear();
    for (int i = 0; i < n; ++i) block.insert(block.end(), {left[i], right[i]});
    if (!out(block)) return false;
    frames -= n;
  }
  return true;
}

void putLittleEndian(unsigned char* at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

constexpr std::size_t kWavHeaderBytes = 44;
// The RIFF sizes are 32 bits wide.
constexpr std::uint64_t kMaxWavDataBytes = 0xFFFFFFFFull - (kWavHeaderBytes - 8);

std::array<unsigned char, kWavHeaderBytes> wavHeader(std::uint32_t dataBytes) {
  std::array<unsigned char, kWavHeaderBytes> h{};
  std::memcpy(h.data(), "RIFF", 4);
  putLittleEndian(h.data() + 4, 36 + dataBytes, 4);
  std::memcpy(h.data() + 8, "WAVEfmt ", 8);
  putLittleEndian(h.data() + 16, 16, 4);  // PCM format chunk size
  putLittleEndian(h.data() + 20, 1, 2);   // PCM
  putLittleEndian(h.data() + 22, RenderedAudio::kChannels, 2);
  putLittleEndian(h.data() + 24, RenderedAudio::kSampleRate, 4);
  putLittleEndian(h.data() + 28, RenderedAudio::kSampleRate * RenderedAudio::kChannels * 2, 4);
  putLittleEndian(h.data() + 32, RenderedAudio::kChannels * 2, 2);
  putLittleEndian(h.data() + 34, 16, 2);
  std::memcpy(h.data() + 36, "data", 4);
  putLittleEndian(h.data() + 40, dataBytes, 4);
  return h;
}

}  // namespace

// Without dither, so silence stays exactly zero and the same sequence always gives the same bytes.
void toPcm(std::span<const float> samples, float gain, std::vector<std::int16_t>& out) {
  const float scale = 32768.0f * gain;
  out.clear();
  for (float v : samples)
    out.push_back(static_cast<std::int16_t>(std::lrint(std::clamp(v * scale, -32768.0f, 32767.0f))));
}

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
  render(events, options, [&audio](std::span<const std::int16_t> block) {
    audio.samples.insert(audio.samples.end(), block.begin(), block.end());
    return true;
  });
  return audio;
}

bool OfflineRenderer::render(std::span<const MidiEvent> events, const RenderOptions& options,
                             const std::function<bool(std::span<const std::int16_t>)>& out) {
  std::vector<std::int16_t> pcm;
  return renderFloat(events, options, [&](std::span<const float> block) {
    toPcm(block, options.gain, pcm);
    return out(pcm);
  });
}

bool OfflineRenderer::renderFloat(std::span<const MidiEvent> events, const RenderOptions& options,
                                  const std::function<bool(std::span<const float>)>& out) {
  fluid_synth_t* synth = synth_->synth();
  if (synth == nullptr) return true;
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
      if (!renderFrames(synth, block - rendered, out)) return false;
      rendered = block;
    }
    synth_->apply({timed.event.status, timed.event.data1, timed.event.data2});
  }
  return renderFrames(synth, static_cast<std::int64_t>(options.tailSeconds * RenderedAudio::kSampleRate),
                      out);
}

WavFileWriter::WavFileWriter(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
  const auto header = wavHeader(0);
  ok_ = file_ != nullptr && std::fwrite(header.data(), 1, header.size(), file_) == header.size();
}

WavFileWriter::~WavFileWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

bool WavFileWriter::append(std::span<const std::int16_t> samples) {
  if (!ok_) return false;
  static_assert(std::endian::native == std::endian::little, "samples are written in memory order");
  const std::size_t bytes = samples.size_bytes();
  if (dataBytes_ + bytes > kMaxWavDataBytes) return ok_ = false;
  ok_ = std::fwrite(samples.data(), 1, bytes, file_) == bytes;
  dataBytes_ += bytes;
  return ok_;
}

bool WavFileWriter::finish() {
  if (file_ == nullptr) return false;
  if (ok_) {
    const auto header = wavHeader(static_cast<std::uint32_t>(dataBytes_));
    ok_ = std::fseek(file_, 0, SEEK_SET) == 0 &&
          std::fwrite(header.data(), 1, header.size(), file_) == header.size();
  }
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return ok_ && closed;
}

bool writeWav(const std::string& path, const RenderedAudio& audio) {
  WavFileWriter writer(path);
  writer.append(audio.samples);
  return writer.finish();
}

}  // namespace strumly
