#pragma once
// The notes of one strum from the peaks of its spectrum: each note a template of harmonic partials,
// the set chosen that explains the peaks best and that six strings in standard tuning can sound.
// Internal to listen/.
#include <span>
#include <vector>

namespace strumly::listen {

class StrumTiming;

struct SpectralPeak {
  double hz = 0;
  double height = 0;  // natural log of the magnitude over the spectrum's floor around it
};

// The notes (MIDI numbers), lowest first. `timing`, when given, finds the notes whose partials all lie on a lower
// string's: they rose later than the lower string did.
std::vector<int> strumNotes(const std::vector<SpectralPeak>& peaks, double a4Hz,
                           const StrumTiming* timing = nullptr);

// Whether the notes can sound together on six strings tuned E A D G B E: one a string, frets
// 0..24, the fretted ones within five frets of each other (a hand's stretch).
bool playableOnSixStrings(std::span<const int> notes);

}  // namespace strumly::listen
