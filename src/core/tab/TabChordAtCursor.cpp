#include "core/tab/TabChordAtCursor.h"

#include <algorithm>
#include <string>

#include "core/tab/TabBlocks.h"
#include "core/theory/Intervals.h"

namespace strumly {

namespace {

bool isDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

// The fret under columns p-1..p+1 (from 1) of `line`: up to two digits read left to right.
std::optional<int> fretAround(const TabLine& line, std::size_t p) {
  int digits = 0;
  int value = 0;
  for (std::size_t col = p > 1 ? p - 1 : 1; col <= p + 1 && col <= line.size(); ++col) {
    if (!isDigit(line[col - 1])) continue;
    if (digits == 2) break;
    value = value * 10 + static_cast<int>(line[col - 1] - U'0');
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  return value;
}

}  // namespace

std::optional<ChordDiagram> chordAtCursor(const TabLines& raw, std::size_t caretLine,
                                          std::size_t caretColumn) {
  if (caretLine >= raw.size() || caretColumn == 0) return std::nullopt;
  const std::size_t n = raw[caretLine].size();
  const std::size_t p = caretColumn;

  // Walk up while the lines look like the caret's block.
  std::size_t top = caretLine >= 6 ? caretLine - 6 : 0;
  bool found = false;
  for (std::size_t k = 1; k <= 6; ++k) {
    if (k > caretLine) return std::nullopt;  // the walk would leave the text
    const TabLine& line = raw[caretLine - k];
    if (line.size() != n || (p <= line.size() && line[p - 1] == U' ')) {
      top = caretLine - k + 1;
      found = true;
      break;
    }
  }
  if (!found) top = caretLine - 6;
  if (top + kTabStrings > raw.size()) return std::nullopt;  // only a complete read is sent

  ChordDiagram chord;
  chord.empty = 1;
  chord.name = "";
  chord.formula = "";
  chord.tuningName = "Standard";
  chord.tuning = kStandardTuning;
  for (StringFret& s : chord.strings) s = {0, kFingerMuted};
  chord.intervals = kRootOnlyIntervals;
  chord.pitches.fill(0);
  chord.beginFret = kFretCount;
  chord.root = 0;
  chord.bass = 0;

  for (std::size_t i = 0; i < kTabStrings; ++i) {
    const std::optional<int> fret = fretAround(raw[top + i], p);
    if (!fret || *fret > kFretCount) continue;
    chord.strings[i] = {static_cast<std::uint8_t>(*fret), *fret > 0 ? kFingerPlain : kFingerOpen};
    chord.pitches[i] = static_cast<PitchNumber>(kStandardTuning[i] + *fret);
    chord.empty = 0;
    chord.beginFret = static_cast<std::uint8_t>(std::min<int>(chord.beginFret, std::max(*fret, 1)));
  }
  if (chord.empty) return std::nullopt;

  int lowest = kTabStrings - 1;
  while (chord.strings[static_cast<std::size_t>(lowest)].finger == kFingerMuted) --lowest;
  chord.root = pitchClassOf(chord.pitches[static_cast<std::size_t>(lowest)]);
  chord.bass = chord.root;

  for (std::size_t i = 0; i < kTabStrings; ++i)
    if (chord.strings[i].finger != kFingerMuted)
      chord.intervals[i] = pitchClassOf(chord.pitches[i] - chord.root);
  std::sort(chord.intervals.begin(), chord.intervals.end());
  const auto last = std::unique(chord.intervals.begin(), chord.intervals.end());
  std::fill(last, chord.intervals.end(), kUnusedInterval);

  std::string formula;
  for (std::uint8_t interval : chord.intervals) {
    if (interval == kUnusedInterval) break;
    formula += intervalName(interval);
    formula += ' ';
  }
  chord.formula = std::string_view(formula).substr(0, 20);
  return chord;
}

}  // namespace strumly
