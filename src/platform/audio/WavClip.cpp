#include "platform/audio/WavClip.h"

#include <algorithm>
#include <cstring>
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

std::optional<WavClip> parseWav(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 12 || !tagIs(bytes.data(), "RIFF") || !tagIs(bytes.data() + 8, "WAVE"))
    return std::nullopt;
  WavClip clip;
  bool haveFormat = false;
  std::size_t pos = 12;
  while (pos + 8 <= bytes.size()) {
    const std::uint8_t* chunk = bytes.data() + pos;
    const std::size_t size = le32(chunk + 4);
    const std::size_t bodyStart = pos + 8;
    if (size > bytes.size() - bodyStart) {
      // A data chunk cut short by a truncated file is played as far as it goes.
      if (!tagIs(chunk, "data")) return std::nullopt;
    }
    const std::size_t available = std::min(size, bytes.size() - bodyStart);
    const std::uint8_t* body = chunk + 8;
    if (tagIs(chunk, "fmt ")) {
      if (available < 16 || le16(body) != 1) return std::nullopt;  // PCM only
      clip.channels = le16(body + 2);
      clip.sampleRate = static_cast<int>(le32(body + 4));
      clip.bitsPerSample = le16(body + 14);
      if (clip.channels < 1 || clip.channels > 2 || (clip.bitsPerSample != 8 && clip.bitsPerSample != 16) ||
          clip.sampleRate < 1000 || clip.sampleRate > 192000)
        return std::nullopt;
      haveFormat = true;
    } else if (tagIs(chunk, "data")) {
      if (!haveFormat) return std::nullopt;
      clip.samples.assign(body, body + available);
      return clip;
    }
    pos = bodyStart + available + (available & 1);  // chunks are padded to even sizes
  }
  return std::nullopt;
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
