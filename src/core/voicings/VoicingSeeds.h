#pragma once
// The shapes a guitar teacher shows first: the open chords and the movable E-, A- and drop-shape
// barre forms. The generator starts from these and searches for the rest.
#include <vector>

#include "core/voicings/VoicingGenerator.h"

namespace strumly {

std::vector<FretPattern> canonicalShapes(int dictionaryIndex, PitchClass key);

// "x32010" (lowest string first, as guitarists write it) to frets of strings 0..5.
FretPattern parseShape(std::string_view lowToHigh);

}  // namespace strumly
