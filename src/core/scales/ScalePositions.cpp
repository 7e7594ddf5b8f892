#include "core/scales/ScalePositions.h"

#include <algorithm>

namespace strumly {

int clampScaleSpan(int span) {
  return std::clamp(span, kMinScaleSpan, kMaxScaleSpan);
}

FretRange positionFrets(int beginFret, int span) {
  span = clampScaleSpan(span);
  if (beginFret <= 1) return {0, span - 1};
  const int first = std::min(beginFret, kHighestNeckFret);
  return {first, std::min(beginFret + span - 1, kHighestNeckFret)};
}

FretRange shownFrets(const ScaleDiagram& scale, int position, int span, bool fullFretboard) {
  if (fullFretboard) return {0, kHighestNeckFret};
  position = std::clamp(position, 0, kScalePositions - 1);
  return positionFrets(scale.beginFrets[static_cast<std::size_t>(position)], span);
}

std::array<bool, 12> scalePitchClasses(const ScaleDiagram& scale) {
  std::array<bool, 12> in{};
  const int count = scaleNoteCount(scale.intervals);
  for (int i = 0; i < count; ++i)
    in[pitchClassOf(scale.intervals[static_cast<std::size_t>(i)] + scale.root)] = true;
  return in;
}

std::vector<ScaleNote> scaleNotes(const ScaleDiagram& scale, FretRange frets) {
  const std::array<bool, 12> in = scalePitchClasses(scale);
  const PitchClass root = pitchClassOf(scale.root);
  std::vector<ScaleNote> notes;
  for (int s = 0; s < kStringCount; ++s) {
    for (int fret = std::max(frets.first, 0); fret <= std::min(frets.last, kHighestNeckFret); ++fret) {
      const PitchClass pc = pitchClassOf(scale.tuning[static_cast<std::size_t>(s)] + fret);
      if (in[pc]) notes.push_back({s, fret, pc == root});
    }
  }
  return notes;
}

std::array<ScalePosition, kScalePositions> scalePositions(const ScaleDiagram& scale, int span) {
  std::array<ScalePosition, kScalePositions> positions;
  for (std::size_t p = 0; p < positions.size(); ++p) {
    positions[p].beginFret = scale.beginFrets[p];
    positions[p].frets = positionFrets(scale.beginFrets[p], span);
    positions[p].notes = scaleNotes(scale, positions[p].frets);
  }
  return positions;
}

LedFrame scaleLeds(const std::vector<ScaleNote>& notes) {
  LedFrame frame;
  for (const ScaleNote& n : notes)
    if (n.fret < kLedFrets) frame.light(n.fret, n.string, n.root);
  return frame;
}

std::string builtScaleTuningName(const Tuning& tuning, const NoteNames& names) {
  std::string text;
  for (int s = kStringCount - 1; s >= 0; --s) {
    text += ' ';
    text += names.name(tuning.pitches[static_cast<std::size_t>(s)]);
  }
  return text.substr(0, kTuningNameCapacity);
}

ScaleDiagram newScaleSet(const ScaleRecord& record, std::string_view caption, const Tuning& tuning,
                         std::string_view tuningName, PitchClass root, const NoteNames& names) {
  ScaleDiagram set;
  applyScaleRecord(record, set);
  set.name = caption;
  if (tuningName.empty())
    set.tuningName = builtScaleTuningName(tuning, names);
  else
    set.tuningName = tuningName;
  set.tuning = tuning.pitches;
  set.root = pitchClassOf(root);
  set.beginFrets = kNewSetBeginFrets;
  return set;
}

std::string scaleNoteNames(const ScaleDiagram& scale, const NoteNames& names) {
  std::string text;
  const int count = scaleNoteCount(scale.intervals);
  for (int i = 0; i < count; ++i) {
    text += ' ';
    text += names.name(scale.intervals[static_cast<std::size_t>(i)] + scale.root);
  }
  return text;
}

std::string scaleSetHeading(const ScaleDiagram& scale, const NoteNames& names) {
  std::string_view formula = scale.formula.view();
  while (!formula.empty() && formula.back() == ' ') formula.remove_suffix(1);
  std::string text(names.name(scale.root));
  text += ' ';
  text += scale.name.view();
  text += " Scale   [ ";
  text += scaleNoteNames(scale, names);
  text += " ]    [ ";
  text += formula;
  text += " ] Tuning: ";
  text += scale.tuningName.view();
  return text;
}

}  // namespace strumly
