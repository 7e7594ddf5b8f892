#include "core/views/ChordEditing.h"

#include <algorithm>
#include <charconv>

#include "core/views/FretboardGeometry.h"

namespace strumly {
namespace {

bool validPosition(int string, int fret) {
  return string >= 0 && string < kStringCount && fret >= 0 && fret <= kHighestFret;
}

// The first edit of an empty chord starts a fresh fingering in the tuning on the controls, so the
// pitches it stores agree with the tuning it records.
void startIfEmpty(ChordDiagram& chord, const EditContext& context) {
  if (!chord.isEmpty()) return;
  chord.empty = 0;
  chord.tuning = context.tuning.pitches;
  chord.tuningName = context.tuningName;
  chord.strings.fill({0, kFingerMuted});
  chord.pitches = {};
  chord.intervals = kRootOnlyIntervals;
}

void place(ChordDiagram& chord, const EditContext& context, int string, int fret, std::uint8_t finger) {
  const auto s = static_cast<std::size_t>(string);
  chord.strings[s] = {static_cast<std::uint8_t>(fret), finger};
  chord.pitches[s] =
      finger == kFingerMuted ? PitchNumber{0} : static_cast<PitchNumber>(context.tuning.pitches[s] + fret);
  chord.beginFret = beginningFret(chord);
}

}  // namespace

bool pressString(ChordDiagram& chord, const EditContext& context, int string, int fret, NeckButton button) {
  if (!validPosition(string, fret)) return false;
  startIfEmpty(chord, context);
  const auto s = static_cast<std::size_t>(string);
  std::uint8_t finger = context.fingerButton;
  if (fret == 0) {
    const bool muted = chord.strings[s].finger == kFingerMuted;
    finger = (button == NeckButton::Left && !muted) ? kFingerMuted : kFingerOpen;
  }
  place(chord, context, string, fret, finger);
  if (button == NeckButton::Right) {
    chord.root = pitchClassOf(context.tuning.pitches[s] + fret);
    chord.bass = static_cast<std::uint8_t>(chord.root + 24);
  }
  return true;
}

bool setStringFret(ChordDiagram& chord, const EditContext& context, int string, std::optional<int> fret) {
  if (string < 0 || string >= kStringCount) return false;
  if (fret && !validPosition(string, *fret)) return false;
  startIfEmpty(chord, context);
  if (!fret) {
    place(chord, context, string, 0, kFingerMuted);
  } else {
    place(chord, context, string, *fret, *fret == 0 ? std::uint8_t{kFingerOpen} : context.fingerButton);
  }
  return true;
}

std::uint8_t beginningFret(const ChordDiagram& chord) {
  int lowest = 0, highest = 0;
  for (const StringFret& sf : chord.strings) {
    if (sf.fret == 0) continue;
    lowest = lowest == 0 ? sf.fret : std::min<int>(lowest, sf.fret);
    highest = std::max<int>(highest, sf.fret);
  }
  if (highest <= 4) return 1;
  return static_cast<std::uint8_t>(lowest > 16 ? 17 : lowest);
}

std::string fretEditText(const ChordDiagram& chord, int string) {
  if (string < 0 || string >= kStringCount) return {};
  const auto s = static_cast<std::size_t>(string);
  if (chord.pitches[s] == 0) return {};
  return std::to_string(chord.strings[s].fret);
}

std::optional<int> parseFretEdit(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (value < 0 || value > kHighestFret) return std::nullopt;
  return value;
}

}  // namespace strumly
