#pragma once
// The chord-type list of the Chord Design page: the 62 built-in types in dictionary order, then
// the user's own types, which the settings file holds in sections "62", "63", ...
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/chords/ChordDictionary.h"

namespace strumly {

// The list's entries: the built-in names followed by the user types' names in their order.
std::vector<std::string> chordTypeListEntries(std::span<const std::string> userTypeNames);

// A user type, shaped like a dictionary record, from the values of its settings section, with the defaults a
// missing key gives already applied by the caller (Name "NONAME", Formula empty, I0..I6 255). Texts are cut
// to the record widths; an interval outside 0..21 (a hand-edited file) counts as unused, so it can never
// reach the name tables or the neck display with a value they do not know.
ChordTypeRecord userChordType(std::string_view name, std::string_view formula,
                              const std::array<int, 7>& intervals);

// Settings section of the user type at a list index (62 -> "62").
std::string userChordSection(int listIndex);

}  // namespace strumly
