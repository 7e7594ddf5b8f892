#pragma once
// A PCM wave clip as the program's own spoken note names are stored: RIFF/WAVE, PCM, mono or
// stereo, 8 or 16 bits. Parsing is strict about sizes so a damaged resource is refused rather
// than read past its end.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace strumly {

struct WavClip {
  int sampleRate = 11025;
  int channels = 1;
  int bitsPerSample = 8;              // 8 = unsigned samples around 128, 16 = signed little-endian
  std::vector<std::uint8_t> samples;  // the data chunk as stored

  std::size_t frameCount() const {
    const std::size_t frameBytes = static_cast<std::size_t>(channels * bitsPerSample / 8);
    return frameBytes == 0 ? 0 : samples.size() / frameBytes;
  }
};

std::optional<WavClip> parseWav(std::span<const std::uint8_t> bytes);

// Any PCM wave file as the listeners take it: 8/16/24/32-bit integer or 32-bit float samples
// (also in the extensible format), any number of channels up to eight mixed down to one, 8 to
// 192 kHz. On failure `mono` is empty and `error` says why, to follow the file's name ("is not
// PCM", "has no samples", ...).
struct WavMonoResult {
  int sampleRate = 0;
  std::vector<float> mono;  // full scale = 1
  std::string error;
};
WavMonoResult decodeWavMono(std::span<const std::uint8_t> bytes);

// The speech volume (0..255, 255 = as recorded) applied to our own samples, never to a mixer.
WavClip scaledClip(const WavClip& clip, int volume);

}  // namespace strumly
