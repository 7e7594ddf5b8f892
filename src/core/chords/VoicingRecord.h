#pragma once
// One voicing as the shape files store it: 13 bytes, the beginning fret, then fret and finger
// code of strings 0 (highest) to 5 (lowest).
#include <array>
#include <cstdint>
#include <span>

#include "core/pages/DiagramRecords.h"
#include "core/theory/Pitch.h"

namespace strumly {

struct VoicingRecord {
  static constexpr std::size_t kSize = 13;
  std::uint8_t beginFret = 1;
  std::array<StringFret, kStringCount> strings{};

  bool sounds(int s) const { return strings[s].finger != kFingerMuted; }
  bool isFretted(int s) const { return sounds(s) && strings[s].fret > 0; }
  // Sounding pitch in standard tuning, or -1 for a muted string.
  int pitch(int s) const { return sounds(s) ? kStandardTuning[s] + strings[s].fret : -1; }
  // Highest-numbered (lowest-sounding) string that sounds, or -1.
  int bassString() const {
    for (int s = kStringCount - 1; s >= 0; --s)
      if (sounds(s)) return s;
    return -1;
  }
  bool operator==(const VoicingRecord&) const = default;
};

inline void encodeVoicing(const VoicingRecord& v, std::span<std::uint8_t, VoicingRecord::kSize> out) {
  out[0] = v.beginFret;
  for (int s = 0; s < kStringCount; ++s) {
    out[1 + 2 * s] = v.strings[s].fret;
    out[2 + 2 * s] = v.strings[s].finger;
  }
}

inline VoicingRecord decodeVoicing(std::span<const std::uint8_t, VoicingRecord::kSize> in) {
  VoicingRecord v;
  v.beginFret = in[0];
  for (int s = 0; s < kStringCount; ++s) v.strings[s] = {in[1 + 2 * s], in[2 + 2 * s]};
  return v;
}

}  // namespace strumly
