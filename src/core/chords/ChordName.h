#pragma once
// How chords are named in text: the name shown for a chord, the note list beside it, the reduction
// of a typed chord name to a chord-type name, and the Key read-out's own normalisation.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/pages/DiagramRecords.h"
#include "core/theory/Pitch.h"

namespace strumly {

// Root name + " " + type name; when the bass pitch class differs from the root, followed by
// " /" and the bass name ("C maj /E").
std::string chordNameText(const ChordDiagram& chord, const NoteNames& names);

// For each used interval (255 entries are skipped), one blank and the note name of
// (interval + root) mod 12: " E G B D".
std::string chordNotesText(std::span<const std::uint8_t> intervals, PitchClass root, const NoteNames& names);

// The chord-type name a typed chord name stands for: the root letter with its accidental and a
// slash bass are taken off ("F#m7" -> "m7", "Am/" -> "m", "C maj7 /E" -> "maj7 "), while a slash
// that is part of the type stays ("6/9"). Cut to 15 characters. Nothing when only blanks were
// typed, so the design keeps its name.
std::optional<std::string> reduceTypedChordName(std::string_view text);

// The Chords-page root read-out as it leaves the keyboard: first letter upper-cased and kept only
// when it is A..G; a second character "#", "+" or "3" becomes "#", "-", "B" or "b" becomes "b",
// anything else is dropped. At most two characters.
std::string normaliseChordRoot(std::string_view text);

// Trailing blanks removed, as the headings show texts of the records.
std::string_view trimRight(std::string_view text);

// The heading drawn above a set of chord voicings:
// root + " " + name + "   [ " + notes + " ] " + "   [ " + formula (trailing blanks removed) + " ]".
std::string chordSetHeading(std::string_view rootText, std::string_view nameText,
                            std::span<const std::uint8_t> intervals, PitchClass key, std::string_view formula,
                            const NoteNames& names);

}  // namespace strumly
