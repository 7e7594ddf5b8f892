#pragma once
// The chord search of the Chord Design page: which chord types name the notes on the fretboard.
// A type matches a root when every note is one of the type's intervals above that root, or (the
// "these notes only" rule) when in addition the type has exactly as many intervals as there are
// notes. A root that does not sound is no note of the fingering, so a type's own root entry is
// not used for it either.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/chords/ChordDictionary.h"
#include "core/pages/DiagramRecords.h"
#include "core/theory/Pitch.h"

namespace strumly {

// Items of "Interval Note Options" and "Root Note Options", in the order the page lists them.
enum class IntervalOption { Containing = 0, TheseNotesOnly = 1 };
enum class RootOption { CurrentRoot = 0, EachNote = 1, AllKeys = 2 };

struct ChordSearchRequest {
  std::array<std::uint8_t, 7> intervals = kRootOnlyIntervals;  // of the fingering, above `root`
  PitchClass root = 0;
  bool rootSounds = false;  // the root is one of the sounding notes
  IntervalOption intervalOption = IntervalOption::TheseNotesOnly;
  RootOption rootOption = RootOption::CurrentRoot;
};

struct ChordSearchMatch {
  int typeIndex = 0;  // into the searched types: the dictionary's 0..61, then the user's types
  PitchClass root = 0;
  bool operator==(const ChordSearchMatch&) const = default;
};

struct ChordSearchOutcome {
  bool searched = false;  // false: fewer than two notes, nothing to look for
  // The options the search ran with: two notes always search for types containing them, and a
  // root that does not sound is replaced by each note in turn. The page shows them switched.
  IntervalOption intervalOption = IntervalOption::TheseNotesOnly;
  RootOption rootOption = RootOption::CurrentRoot;
  std::vector<ChordSearchMatch> matches;  // roots in option order, types in list order per root
};

ChordSearchOutcome searchChords(const ChordSearchRequest& request, std::span<const ChordTypeRecord> types);

// Whether a string of the chord sounds the chord's root.
bool rootSounds(const ChordDiagram& chord);

// The row of the result list: root name, blank, type name, a tab, the type's formula.
std::string chordSearchRowText(const ChordSearchMatch& match, const ChordTypeRecord& type,
                               const NoteNames& names);

}  // namespace strumly
