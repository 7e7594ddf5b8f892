#include "core/scales/ScaleDictionary.h"

#include <algorithm>
#include <fstream>

namespace strumly {

namespace {

constexpr std::uint8_t E = kScaleEnd;

// Names with more than one meaning in the literature are explained in docs/dictionaries.md.
const std::array<ScaleDefinition, kScaleRecordCount> kScales{{
    {"Ionian (Major)", "1 2 3 4 5 6 7", {0, 2, 4, 5, 7, 9, 11, E, E, E}},
    {"Dorian (Minor)", "1 2 b3 4 5 6 b7", {0, 2, 3, 5, 7, 9, 10, E, E, E}},
    {"Phrygian", "1 b2 b3 4 5 b6 b7", {0, 1, 3, 5, 7, 8, 10, E, E, E}},
    {"Lydian", "1 2 3 #4 5 6 7", {0, 2, 4, 6, 7, 9, 11, E, E, E}},
    {"Lydian Minor", "1 2 3 #4 5 b6 b7", {0, 2, 4, 6, 7, 8, 10, E, E, E}},
    {"Mixolydian", "1 2 3 4 5 6 b7", {0, 2, 4, 5, 7, 9, 10, E, E, E}},
    {"Aeolian (Natural Minor)", "1 2 b3 4 5 b6 b7", {0, 2, 3, 5, 7, 8, 10, E, E, E}},
    {"Locrian", "1 b2 b3 4 b5 b6 b7", {0, 1, 3, 5, 6, 8, 10, E, E, E}},
    {"Major Locrian", "1 2 3 4 b5 b6 b7", {0, 2, 4, 5, 6, 8, 10, E, E, E}},
    {"Major Pentatonic", "1 2 3 5 6", {0, 2, 4, 7, 9, E, E, E, E, E}},
    {"Minor Pentatonic", "1 b3 4 5 b7", {0, 3, 5, 7, 10, E, E, E, E, E}},
    {"Blues Pentatonic", "1 b3 4 b5 5 b7", {0, 3, 5, 6, 7, 10, E, E, E, E}},
    {"Blues 2", "1 2 b3 3 5 6", {0, 2, 3, 4, 7, 9, E, E, E, E}},
    {"Diminished", "1 2 b3 4 b5 #5 6 7", {0, 2, 3, 5, 6, 8, 9, 11, E, E}},
    {"Half Diminished", "1 2 b3 4 b5 b6 b7", {0, 2, 3, 5, 6, 8, 10, E, E, E}},
    {"Whole Tone", "1 2 3 #4 #5 b7", {0, 2, 4, 6, 8, 10, E, E, E, E}},
    {"Half-Whole", "1 b2 #2 3 #4 5 6 b7", {0, 1, 3, 4, 6, 7, 9, 10, E, E}},
    {"Neopolitan Major", "1 b2 b3 4 5 6 7", {0, 1, 3, 5, 7, 9, 11, E, E, E}},
    {"Neopolitan Minor", "1 b2 b3 4 5 b6 7", {0, 1, 3, 5, 7, 8, 11, E, E, E}},
    {"Hungarian Major", "1 #2 3 #4 5 6 b7", {0, 3, 4, 6, 7, 9, 10, E, E, E}},
    {"Hungarian Minor", "1 2 b3 #4 5 b6 7", {0, 2, 3, 6, 7, 8, 11, E, E, E}},
    {"Ascending Minor", "1 2 b3 4 5 6 7", {0, 2, 3, 5, 7, 9, 11, E, E, E}},
    {"Double Harmonic", "1 b2 3 4 5 b6 7", {0, 1, 4, 5, 7, 8, 11, E, E, E}},
    {"Enigmatic", "1 b2 3 #4 #5 #6 7", {0, 1, 4, 6, 8, 10, 11, E, E, E}},
    {"Spanish", "1 b2 b3 3 4 b5 b6 b7", {0, 1, 3, 4, 5, 6, 8, 10, E, E}},
    {"Prometheus", "1 2 3 #4 6 b7", {0, 2, 4, 6, 9, 10, E, E, E, E}},
    {"Messiaen", "1 2 b3 3 #4 5 #5 b7 7", {0, 2, 3, 4, 6, 7, 8, 10, 11, E}},
    {"Oriental", "1 b2 3 4 b5 6 b7", {0, 1, 4, 5, 6, 9, 10, E, E, E}},
    {"Kumoi", "1 2 b3 5 6", {0, 2, 3, 7, 9, E, E, E, E, E}},
    {"Hirajoshi", "1 2 b3 5 b6", {0, 2, 3, 7, 8, E, E, E, E, E}},
    {"Pelog", "1 b2 b3 5 b6", {0, 1, 3, 7, 8, E, E, E, E, E}},
    {"13b9", "1 b2 3 4 5 6 b7", {0, 1, 4, 5, 7, 9, 10, E, E, E}},
    {"Plain Mi7b5", "1 b2 b3 4 b5 b6 b7", {0, 1, 3, 5, 6, 8, 10, E, E, E}},
    {"Harmonic Minor (HM)", "1 2 b3 4 5 b6 7", {0, 2, 3, 5, 7, 8, 11, E, E, E}},
    {"HM 2", "1 b2 b3 4 b5 6 b7", {0, 1, 3, 5, 6, 9, 10, E, E, E}},
    {"HM 3", "1 2 3 4 #5 6 7", {0, 2, 4, 5, 8, 9, 11, E, E, E}},
    {"HM 4", "1 2 b3 #4 5 6 b7", {0, 2, 3, 6, 7, 9, 10, E, E, E}},
    {"HM 5", "1 b2 3 4 5 b6 b7", {0, 1, 4, 5, 7, 8, 10, E, E, E}},
    {"HM 6", "1 #2 3 #4 5 6 7", {0, 3, 4, 6, 7, 9, 11, E, E, E}},
    {"HM 7", "1 b2 b3 b4 b5 b6 bb7", {0, 1, 3, 4, 6, 8, 9, E, E, E}},
    {"Jazz/Melodic Minor (JM)", "1 2 b3 4 5 6 7", {0, 2, 3, 5, 7, 9, 11, E, E, E}},
    {"JM 2", "1 b2 b3 4 5 6 b7", {0, 1, 3, 5, 7, 9, 10, E, E, E}},
    {"JM 3", "1 2 3 #4 #5 6 7", {0, 2, 4, 6, 8, 9, 11, E, E, E}},
    {"JM 4 (Overtone)", "1 2 3 #4 5 6 b7", {0, 2, 4, 6, 7, 9, 10, E, E, E}},
    {"JM 5", "1 2 3 4 5 b6 b7", {0, 2, 4, 5, 7, 8, 10, E, E, E}},
    {"JM 6", "1 2 b3 4 b5 b6 b7", {0, 2, 3, 5, 6, 8, 10, E, E, E}},
    {"JM 7 (Super Locrian)", "1 b2 b3 b4 b5 b6 b7", {0, 1, 3, 4, 6, 8, 10, E, E, E}},
}};

}  // namespace

const std::array<ScaleDefinition, kScaleRecordCount>& scaleDefinitions() {
  return kScales;
}

int scaleNoteCount(const std::array<std::uint8_t, 10>& intervals) {
  const auto end = std::find(intervals.begin(), intervals.end(), kScaleEnd);
  return static_cast<int>(end - intervals.begin());
}

ScaleRecord ReadScaleRecord(const std::filesystem::path& programFolder, int scaleNumber) {
  const auto file = programFolder / kScaleFileName;
  if (!std::filesystem::is_regular_file(file)) {
    throw DictionaryError(DictionaryError::Kind::ScaleFileMissing, kScaleFileMissingText);
  }
  if (scaleNumber < 0) {
    throw DictionaryError(DictionaryError::Kind::ReadFailed, "Scale number out of range.");
  }
  std::ifstream in(file, std::ios::binary);
  std::array<char, ScaleRecord::kSize> bytes{};
  if (in) {
    in.seekg(static_cast<std::streamoff>(scaleNumber) * static_cast<std::streamoff>(ScaleRecord::kSize));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  if (!in || static_cast<std::size_t>(in.gcount()) != bytes.size()) {
    throw DictionaryError(
        DictionaryError::Kind::ReadFailed,
        std::string("I/O error: ") + kScaleFileName + " is unreadable or too short (read past end of file).");
  }
  ScaleRecord r;
  std::copy_n(bytes.begin(), 10, r.intervals.begin());
  r.formula.setRaw(static_cast<std::uint8_t>(bytes[10]), bytes.data() + 11);
  return r;
}

void applyScaleRecord(const ScaleRecord& record, ScaleDiagram& set) {
  set.empty = 0;
  set.intervals = record.intervals;
  set.formula = record.formula.view();
}

std::vector<std::uint8_t> buildScaleFile() {
  std::vector<std::uint8_t> out;
  out.reserve(kScaleRecordCount * ScaleRecord::kSize);
  for (const auto& s : kScales) {
    out.insert(out.end(), s.intervals.begin(), s.intervals.end());
    const std::size_t n = std::min<std::size_t>(s.formula.size(), 26);
    out.push_back(static_cast<std::uint8_t>(n));
    for (std::size_t i = 0; i < 26; ++i) out.push_back(i < n ? static_cast<std::uint8_t>(s.formula[i]) : 0);
  }
  return out;
}

}  // namespace strumly
