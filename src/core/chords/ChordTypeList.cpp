#include "core/chords/ChordTypeList.h"

#include "core/chords/ChordTypes.h"

namespace strumly {

std::vector<std::string> chordTypeListEntries(std::span<const std::string> userTypeNames) {
  std::vector<std::string> entries;
  entries.reserve(kChordTypeCount + userTypeNames.size());
  for (const auto& type : chordTypeDefinitions()) entries.emplace_back(type.name);
  entries.insert(entries.end(), userTypeNames.begin(), userTypeNames.end());
  return entries;
}

ChordTypeRecord userChordType(std::string_view name, std::string_view formula,
                              const std::array<int, 7>& intervals) {
  ChordTypeRecord type;
  type.name = name;
  type.formula = formula;
  for (std::size_t i = 0; i < intervals.size(); ++i) {
    int value = intervals[i];
    type.intervals[i] = (value >= 0 && value <= 21) ? static_cast<std::uint8_t>(value) : 255;
  }
  return type;
}

std::string userChordSection(int listIndex) {
  return std::to_string(listIndex);
}

}  // namespace strumly
