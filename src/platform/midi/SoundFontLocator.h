#pragma once
// Where the built-in synth finds its General MIDI sounds.
#include <optional>
#include <string>
#include <vector>

namespace strumly {

// STRUMLY_SOUNDFONT when set (even when it names a missing file, so a wrong setting shows
// instead of being covered by another soundfont), else the system's default General MIDI
// soundfont, else well-known names.
std::optional<std::string> findSoundFont();

// The candidate list in search order, without the environment override.
const std::vector<std::string>& knownSoundFontPaths();

}  // namespace strumly
