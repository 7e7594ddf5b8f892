#include "core/practice/ListenCheck.h"

namespace strumly {

ChordCheck checkChord(const std::array<PitchNumber, kStringCount>& pitches, std::uint16_t heard) {
  ChordCheck check;
  std::uint16_t chord = 0;
  for (int s = 0; s < kStringCount; ++s) {
    const PitchNumber p = pitches[static_cast<std::size_t>(s)];
    if (p == 0) continue;
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << pitchClassOf(p));
    chord |= bit;
    check.strings[static_cast<std::size_t>(s)] = (heard & bit) ? StringMark::Heard : StringMark::NotHeard;
  }
  check.missing = static_cast<std::uint16_t>(chord & ~heard);
  check.extra = static_cast<std::uint16_t>(heard & ~chord & 0x0FFF);
  return check;
}

std::string chordCheckText(const ChordCheck& check, const NoteNames& names) {
  if (check.right()) return "Right";
  std::string text;
  if (check.missing) text = "Missing " + pitchClassNames(check.missing, names);
  if (check.extra)
    text += text.empty() ? "Extra " + pitchClassNames(check.extra, names)
                         : ", extra " + pitchClassNames(check.extra, names);
  return text;
}

std::string heardChordText(const std::string& name, std::uint16_t heard, const NoteNames& names) {
  return "Heard: " + (name.empty() ? pitchClassNames(heard, names) : name);
}

ScalePractice::ScalePractice(std::vector<NotePlace> places, const std::array<bool, 12>& scaleClasses)
    : places_(std::move(places)), classes_(scaleClasses), played_(places_.size(), false) {}

ScalePractice::Outcome ScalePractice::hear(int midi) {
  if (!classes_[pitchClassOf(midi)]) {
    ++wrong_;
    return {Verdict::Wrong, -1};
  }
  bool held = false;
  for (std::size_t i = 0; i < places_.size(); ++i) {
    if (places_[i].pitch != midi) continue;
    held = true;
    if (!played_[i]) {
      played_[i] = true;
      return {Verdict::Played, static_cast<int>(i)};
    }
  }
  return {held ? Verdict::AlreadyPlayed : Verdict::OtherOctave, -1};
}

void ScalePractice::restart() {
  played_.assign(places_.size(), false);
  wrong_ = 0;
}

int ScalePractice::playedCount() const {
  int n = 0;
  for (bool p : played_) n += p ? 1 : 0;
  return n;
}

std::string ScalePractice::progressText() const {
  return std::to_string(playedCount()) + " of " + std::to_string(total()) + " notes played, " +
         std::to_string(wrong_) + " wrong";
}

}  // namespace strumly
