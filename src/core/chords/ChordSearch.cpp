#include "core/chords/ChordSearch.h"

#include <algorithm>

namespace strumly {
namespace {

constexpr std::size_t kSlots = 7;

// Entries from `first` up to the first unused one; a list that fills all seven slots has no end
// mark, so the count stops at the last slot.
std::size_t usedFrom(const std::array<std::uint8_t, kSlots>& intervals, std::size_t first) {
  std::size_t end = first;
  while (end < kSlots && intervals[end] != kUnusedInterval) ++end;
  return end - first;
}

bool typeHasNote(const ChordTypeRecord& type, std::size_t first, int wanted) {
  const std::size_t count = usedFrom(type.intervals, first);
  for (std::size_t i = first; i < first + count; ++i)
    if (type.intervals[i] % 12 == wanted) return true;
  return false;
}

}  // namespace

ChordSearchOutcome searchChords(const ChordSearchRequest& request, std::span<const ChordTypeRecord> types) {
  ChordSearchOutcome outcome;
  outcome.intervalOption = request.intervalOption;
  outcome.rootOption = request.rootOption;
  const std::size_t first = request.rootSounds ? 0 : 1;
  const std::size_t n = usedFrom(request.intervals, first);
  if (n <= 1) return outcome;
  outcome.searched = true;
  if (n < 3) outcome.intervalOption = IntervalOption::Containing;
  if (first == 1 && outcome.rootOption == RootOption::CurrentRoot) outcome.rootOption = RootOption::EachNote;

  std::vector<int> notes;
  for (std::size_t j = 0; j < n; ++j) notes.push_back((request.root + request.intervals[first + j]) % 12);

  std::vector<int> roots;
  switch (outcome.rootOption) {
    case RootOption::CurrentRoot:
      roots = {request.root % 12};
      break;
    case RootOption::EachNote:
      roots = notes;
      break;
    case RootOption::AllKeys:
      for (int key = 0; key < 12; ++key) roots.push_back(key);
      break;
  }

  for (const int root : roots) {
    const bool rootIsNote = std::find(notes.begin(), notes.end(), root) != notes.end();
    const std::size_t from = rootIsNote ? 0 : 1;
    for (std::size_t d = 0; d < types.size(); ++d) {
      const ChordTypeRecord& type = types[d];
      if (outcome.intervalOption == IntervalOption::TheseNotesOnly && usedFrom(type.intervals, from) != n)
        continue;
      const bool all = std::all_of(notes.begin(), notes.end(), [&](int note) {
        return typeHasNote(type, from, (note - root + 12) % 12);
      });
      if (all) outcome.matches.push_back({static_cast<int>(d), static_cast<PitchClass>(root)});
    }
  }
  return outcome;
}

bool rootSounds(const ChordDiagram& chord) {
  return std::any_of(chord.pitches.begin(), chord.pitches.end(),
                     [&](PitchNumber p) { return p != 0 && p % 12 == chord.root % 12; });
}

std::string chordSearchRowText(const ChordSearchMatch& match, const ChordTypeRecord& type,
                               const NoteNames& names) {
  std::string text(names.name(match.root));
  text += ' ';
  text += type.name.str();
  text += '\t';
  text += type.formula.str();
  return text;
}

}  // namespace strumly
