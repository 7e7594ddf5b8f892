#include "platform/audio/WavClip.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

namespace strumly {
namespace {

std::uint32_t le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
bool tagIs(const std::uint8_t* p, std::string_view tag) {
  return std::memcmp(p, tag.data(), 4) == 0;
}

}  // namespace

namespace {

// The format and data chunks of a RIFF/WAVE file, found by walking its chunks; a data chunk cut
// short by a truncated file is taken as far as it goes, any other cut-short chunk is refused.
struct WavChunks {
  std::uint16_t formatTag = 0;
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::span<const std::uint8_t> format;  // the whole fmt body (for the extensible sub-format)
  std::span<const std::uint8_t> data;
};

std::optional<WavChunks> walkWav(std::span<const std::uint8_t> bytes, std::string& error) {
  if (bytes.size() < 12 || !tagIs(bytes.data(), "RIFF") || !tagIs(bytes.data() + 8, "WAVE")) {
    error = "is not a WAV file";
    return std::nullopt;
  }
  WavChunks found;
  bool haveFormat = false;
  std::size_t pos = 12;
  while (pos + 8 <= bytes.size()) {
    const std::uint8_t* chunk = bytes.data() + pos;
    const std::size_t size = le32(chunk + 4);
    const std::size_t bodyStart = pos + 8;
    if (size > bytes.size() - bodyStart && !tagIs(chunk, "data")) {
      error = "is cut short";
      return std::nullopt;
    }
    const std::size_t available = std::min(size, bytes.size() - bodyStart);
    const std::uint8_t* body = chunk + 8;
    if (tagIs(chunk, "fmt ")) {
      if (available < 16) {
        error = "has a damaged format chunk";
        return std::nullopt;
      }
      found.formatTag = le16(body);
      found.channels = le16(body + 2);
      found.sampleRate = static_cast<int>(le32(body + 4));
      found.bitsPerSample = le16(body + 14);
      found.format = {body, available};
      haveFormat = true;
    } else if (tagIs(chunk, "data")) {
      if (!haveFormat) {
        error = "has no format chunk before its samples";
        return std::nullopt;
      }
      found.data = {body, available};
      return found;
    }
    pos = bodyStart + available + (available & 1);  // chunks are padded to even sizes
  }
  error = "has no samples";
  return std::nullopt;
}

}  // namespace

std::optional<WavClip> parseWav(std::span<const std::uint8_t> bytes) {
  std::string error;
  const std::optional<WavChunks> wav = walkWav(bytes, error);
  if (!wav || wav->formatTag != 1) return std::nullopt;  // PCM only
  WavClip clip;
  clip.channels = wav->channels;
  clip.sampleRate = wav->sampleRate;
  clip.bitsPerSample = wav->bitsPerSample;
  if (clip.channels < 1 || clip.channels > 2 || (clip.bitsPerSample != 8 && clip.bitsPerSample != 16) ||
      clip.sampleRate < 1000 || clip.sampleRate > 192000)
    return std::nullopt;
  clip.samples.assign(wav->data.begin(), wav->data.end());
  return clip;
}

WavMonoResult decodeWavMono(std::span<const std::uint8_t> bytes) {
  WavMonoResult result;
  const std::optional<WavChunks> wav = walkWav(bytes, result.error);
  if (!wav) return result;
  std::uint16_t tag = wav->formatTag;
  if (tag == 0xFFFE && wav->format.size() >= 26) tag = le16(wav->format.data() + 24);  // extensible
  const int bits = wav->bitsPerSample;
  const bool integer = tag == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
  const bool floating = tag == 3 && bits == 32;
  if (!integer && !floating) {
    result.error = tag == 1 || tag == 3 ? "has an unsupported sample size (" + std::to_string(bits) + " bits)"
                                        : "is not PCM";
    return result;
  }
  if (wav->channels < 1 || wav->channels > 8 || wav->sampleRate < 8000 || wav->sampleRate > 192000) {
    result.error = "has an unsupported format (" + std::to_string(wav->channels) + " channels, " +
                   std::to_string(wav->sampleRate) + " Hz)";
    return result;
  }
  const std::size_t sampleBytes = static_cast<std::size_t>(bits / 8);
  const std::size_t frameBytes = sampleBytes * static_cast<std::size_t>(wav->channels);
  const std::size_t frames = wav->data.size() / frameBytes;
  if (frames == 0) {
    result.error = "has no samples";
    return result;
  }
  const auto sampleAt = [&](const std::uint8_t* p) -> float {
    if (floating) {
      const std::uint32_t raw = le32(p);
      float f;
      std::memcpy(&f, &raw, sizeof f);
      return std::isfinite(f) ? f : 0.0f;
    }
    switch (bits) {
      case 8:
        return (static_cast<float>(p[0]) - 128.0f) / 128.0f;
      case 16:
        return static_cast<float>(static_cast<std::int16_t>(le16(p))) / 32768.0f;
      case 24: {
        const std::uint32_t raw = static_cast<std::uint32_t>(p[0]) << 8 |
                                  static_cast<std::uint32_t>(p[1]) << 16 |
                                  static_cast<std::uint32_t>(p[2]) << 24;
        return static_cast<float>(static_cast<std::int32_t>(raw)) / 2147483648.0f;
      }
      default:
        return static_cast<float>(static_cast<std::int32_t>(le32(p))) / 2147483648.0f;
    }
  };
  result.sampleRate = wav->sampleRate;
  result.mono.resize(frames);
  const float share = 1.0f / static_cast<float>(wav->channels);
  for (std::size_t f = 0; f < frames; ++f) {
    const std::uint8_t* frame = wav->data.data() + f * frameBytes;
    float sum = 0;
    for (int c = 0; c < wav->channels; ++c)
      sum += sampleAt(frame + static_cast<std::size_t>(c) * sampleBytes);
    result.mono[f] = sum * share;
  }
  return result;
}

WavClip scaledClip(const WavClip& clip, int volume) {
  WavClip out = clip;
  const int v = std::clamp(volume, 0, 255);
  if (v == 255) return out;
  if (clip.bitsPerSample == 8) {
    for (auto& s : out.samples) s = static_cast<std::uint8_t>(128 + (static_cast<int>(s) - 128) * v / 255);
  } else {
    for (std::size_t i = 0; i + 1 < out.samples.size(); i += 2) {
      const auto raw = static_cast<std::int16_t>(le16(&out.samples[i]));
      const auto scaled = static_cast<std::uint16_t>(static_cast<std::int16_t>(raw * v / 255));
      out.samples[i] = static_cast<std::uint8_t>(scaled & 0xFF);
      out.samples[i + 1] = static_cast<std::uint8_t>(scaled >> 8);
    }
  }
  return out;
}

}  // namespace strumly
