#pragma once
// Byte images of the chord dictionary files, as the dictionary generator writes them and the
// tests rebuild them.
#include <cstdint>
#include <vector>

#include "core/chords/ChordTypes.h"
#include "core/voicings/VoicingGenerator.h"

namespace strumly {

std::vector<std::uint8_t> buildChordTypeFile();

// Shape file `part` (1 or 2) of a family from the table of generateVoicingTable().
std::vector<std::uint8_t> buildShapeFile(const std::vector<VoicingSet>& table, ChordFamily family, int part);

}  // namespace strumly
