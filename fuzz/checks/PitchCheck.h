#pragma once
// Invariants of the pitch helpers on arbitrary numbers: they are fed from settings, files and
// wheel deltas, so any int must give a name from the tables and an open-string pitch in 33..69.
#include <cstdint>
#include <cstring>
#include <string>

#include "Finding.h"
#include "core/theory/Pitch.h"

namespace strumly::fuzz {

inline Finding checkPitchInput(const std::uint8_t* data, std::size_t size) {
  int a = 0, b = 0;
  std::memcpy(&a, data, size < 4 ? size : 4);
  if (size > 4) std::memcpy(&b, data + 4, size - 4 < 4 ? size - 4 : 4);

  if (pitchClassOf(a) > 11) return "pitchClassOf(" + std::to_string(a) + ") out of 0..11";
  for (auto spelling : {Spelling::Flats, Spelling::Sharps}) {
    NoteNames names{spelling};
    if (names.name(a).empty()) return "no note name for " + std::to_string(a);
    auto n = names.nameWithOctave(a);
    if (n.size() < 2 || n.size() > 3) return "odd name with octave for " + std::to_string(a);
  }
  auto stepped = stepOpenString(static_cast<PitchNumber>(a), b);
  if (stepped < kLowestOpenString || stepped > kHighestOpenString)
    return "stepOpenString(" + std::to_string(a & 0xff) + ", " + std::to_string(b) +
           ") = " + std::to_string(stepped);

  Tuning t;
  for (std::size_t s = 0; s < t.pitches.size(); ++s)
    t.pitches[s] = static_cast<PitchNumber>(size > 8 + s ? data[8 + s] : 64);
  auto text = tuningName(t, NoteNames{});
  if (t.isStandard() ? text != "Standard" : (text.empty() || text.back() != ' '))
    return "tuningName gave " + shown(text);
  return {};
}

}  // namespace strumly::fuzz
