#include "gui/intervals/IntervalNotes.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/chords/ChordDictionary.h"
#include "core/chords/ChordTypes.h"
#include "core/scales/ScaleDictionary.h"

namespace strumly::gui {
namespace {

constexpr std::uint8_t kScaleEnd = 99;
constexpr std::uint8_t kUnused = 255;

std::vector<std::uint8_t> readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Copies the first N bytes of record `index` when the file holds the whole record.
template <std::size_t N>
bool takeRecord(const std::vector<std::uint8_t>& file, std::size_t recordSize, std::size_t index,
                std::array<std::uint8_t, N>& out) {
  const std::size_t start = index * recordSize;
  if (start + recordSize > file.size()) return false;
  std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(start), N, out.begin());
  return true;
}

}  // namespace

IntervalTables::IntervalTables(const std::filesystem::path& dataFolder) {
  const std::vector<std::uint8_t> scaleFile = readAll(dataFolder / kScaleFileName);
  const auto& scaleDefaults = scaleDefinitions();
  scales_.resize(scaleDefaults.size());
  for (std::size_t i = 0; i < scales_.size(); ++i)
    if (!takeRecord(scaleFile, ScaleRecord::kSize, i, scales_[i])) scales_[i] = scaleDefaults[i].intervals;

  const std::vector<std::uint8_t> chordFile = readAll(dataFolder / kChordTypeFileName);
  const auto chordDefaults = chordTypeDefinitions();
  chords_.resize(chordDefaults.size());
  for (std::size_t i = 0; i < chords_.size(); ++i)
    if (!takeRecord(chordFile, ChordTypeRecord::kSize, i, chords_[i]))
      chords_[i] = chordDefaults[i].intervals;
}

const std::array<std::uint8_t, 10>& IntervalTables::scale(int entry) const {
  return scales_.at(static_cast<std::size_t>(entry));
}

const std::array<std::uint8_t, 7>& IntervalTables::chord(int entry) const {
  return chords_.at(static_cast<std::size_t>(entry));
}

std::vector<int> playedIntervals(const std::uint8_t* intervals, std::size_t count) {
  std::vector<int> played;
  for (std::size_t i = 0; i < count; ++i) {
    if (intervals[i] == kUnused) break;
    if (intervals[i] == kScaleEnd) {
      played.push_back(12);
      break;
    }
    played.push_back(intervals[i]);
  }
  return played;
}

}  // namespace strumly::gui
