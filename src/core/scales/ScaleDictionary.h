#pragma once
// The scale dictionary kvs.dat beside the program: 47 fixed records of 37 bytes (ten interval
// bytes ending at the first 99, then the formula text), record number = scale number.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/chords/DictionaryError.h"
#include "core/pages/DiagramRecords.h"

namespace strumly {

inline constexpr const char* kScaleFileName = "kvs.dat";
constexpr int kScaleRecordCount = 47;

struct ScaleRecord {
  static constexpr std::size_t kSize = 37;
  std::array<std::uint8_t, 10> intervals{};  // ends at the first 99; ten notes use all ten
  ShortString<26> formula;
};

struct ScaleDefinition {
  std::string_view caption;  // the Scale menu's caption and the set's name
  std::string_view formula;
  std::array<std::uint8_t, 10> intervals;
};

// Index = scale number 0..46, in menu order.
const std::array<ScaleDefinition, kScaleRecordCount>& scaleDefinitions();

// Record `scaleNumber` of kvs.dat. ScaleFileMissing when the file is absent; ReadFailed when it is
// unreadable or too short for the record.
ScaleRecord ReadScaleRecord(const std::filesystem::path& programFolder, int scaleNumber);

// Puts a record's intervals and formula into a set and marks it used; the page fills the rest.
void applyScaleRecord(const ScaleRecord& record, ScaleDiagram& set);

// Number of notes: entries before the first 99, at most 10.
int scaleNoteCount(const std::array<std::uint8_t, 10>& intervals);

std::vector<std::uint8_t> buildScaleFile();

}  // namespace strumly
