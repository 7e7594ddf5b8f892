#pragma once
// What the interval calculator plays: the interval lists of the scale and chord dictionaries,
// read once, and the notes one entry sounds above a root.
#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace strumly::gui {

class IntervalTables {
 public:
  // kvs.dat and kvcd3.dat of `dataFolder`. A record the files do not hold (a file missing or cut
  // short) takes the intervals the program was shipped with, so every entry of the list plays
  // its own notes.
  explicit IntervalTables(const std::filesystem::path& dataFolder);

  // The intervals of scale or chord `entry` (list index = record number), as stored: a scale's
  // end at the first 99, a chord's unused places 255.
  const std::array<std::uint8_t, 10>& scale(int entry) const;
  const std::array<std::uint8_t, 7>& chord(int entry) const;

 private:
  std::vector<std::array<std::uint8_t, 10>> scales_;
  std::vector<std::array<std::uint8_t, 7>> chords_;
};

// The intervals sounded, in order: 255 ends the list; 99 sounds the octave (12) and ends it.
std::vector<int> playedIntervals(const std::uint8_t* intervals, std::size_t count);

// Note of an interval above a root pitch class, in the octave from C3.
constexpr int calculatorNote(int root, int interval) {
  return 48 + root + interval;
}

}  // namespace strumly::gui
