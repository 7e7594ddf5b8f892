#include "core/voicings/ChordDictionaryWriter.h"

#include <algorithm>

#include "core/chords/ChordDictionary.h"

namespace strumly {

namespace {

template <std::size_t Capacity>
void putShortString(std::vector<std::uint8_t>& out, std::string_view text) {
  const std::size_t n = std::min(text.size(), Capacity);
  out.push_back(static_cast<std::uint8_t>(n));
  for (std::size_t i = 0; i < Capacity; ++i) out.push_back(i < n ? static_cast<std::uint8_t>(text[i]) : 0);
}

}  // namespace

std::vector<std::uint8_t> buildChordTypeFile() {
  std::vector<std::uint8_t> out;
  out.reserve(kChordTypeCount * ChordTypeRecord::kSize);
  for (const auto& t : chordTypeDefinitions()) {
    out.insert(out.end(), t.intervals.begin(), t.intervals.end());
    putShortString<15>(out, t.name);
    putShortString<20>(out, t.formula);
  }
  return out;
}

std::vector<std::uint8_t> buildShapeFile(const std::vector<VoicingSet>& table, ChordFamily family, int part) {
  const FamilyInfo& info = familyInfo(family);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(info.recordsPerFile()) * VoicingRecord::kSize);
  for (int key = 0; key < kKeyCount; ++key) {
    for (int type = 0; type < info.typeCount; ++type) {
      const VoicingSet& set = table[static_cast<std::size_t>(dictionaryIndex(family, type)) * kKeyCount +
                                    static_cast<std::size_t>(key)];
      for (int v = 0; v < kVoicingsPerFile; ++v) {
        const std::size_t record =
            static_cast<std::size_t>(firstShapeRecord(family, type, key)) + static_cast<std::size_t>(v);
        encodeVoicing(
            set[static_cast<std::size_t>(part - 1) * kVoicingsPerFile + static_cast<std::size_t>(v)],
            std::span<std::uint8_t, VoicingRecord::kSize>(out.data() + record * VoicingRecord::kSize,
                                                          VoicingRecord::kSize));
      }
    }
  }
  return out;
}

}  // namespace strumly
