#include "core/chords/ChordDictionary.h"

#include <fstream>
#include <vector>

namespace strumly {

namespace {

// Reads `size` bytes at `offset`; a missing, unreadable or short file is a ReadFailed error that
// names the file, never a partly filled record.
std::vector<std::uint8_t> readBytes(const std::filesystem::path& file, std::size_t offset, std::size_t size) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    throw DictionaryError(DictionaryError::Kind::ReadFailed,
                          "I/O error: cannot open " + file.filename().string() + ".");
  }
  std::vector<std::uint8_t> bytes(size);
  in.seekg(static_cast<std::streamoff>(offset));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  if (!in || static_cast<std::size_t>(in.gcount()) != size) {
    throw DictionaryError(DictionaryError::Kind::ReadFailed, "I/O error: " + file.filename().string() +
                                                                 " is too short (read past end of file).");
  }
  return bytes;
}

ChordTypeRecord decodeChordType(const std::uint8_t* p) {
  ChordTypeRecord r;
  std::copy_n(p, 7, r.intervals.begin());
  r.name.setRaw(p[7], reinterpret_cast<const char*>(p + 8));
  r.formula.setRaw(p[23], reinterpret_cast<const char*>(p + 24));
  return r;
}

}  // namespace

ChordTypeRecord ReadChordType(const std::filesystem::path& programFolder, int dictionaryIndex) {
  if (dictionaryIndex < 0 || dictionaryIndex >= kChordTypeCount) {
    throw DictionaryError(DictionaryError::Kind::ReadFailed, "Chord type index out of range.");
  }
  const auto bytes =
      readBytes(programFolder / kChordTypeFileName,
                static_cast<std::size_t>(dictionaryIndex) * ChordTypeRecord::kSize, ChordTypeRecord::kSize);
  return decodeChordType(bytes.data());
}

void ForEachChordType(const std::filesystem::path& programFolder,
                      const std::function<void(int, const ChordTypeRecord&)>& visit) {
  const auto bytes =
      readBytes(programFolder / kChordTypeFileName, 0, kChordTypeCount * ChordTypeRecord::kSize);
  for (int i = 0; i < kChordTypeCount; ++i)
    visit(i, decodeChordType(bytes.data() + i * ChordTypeRecord::kSize));
}

ChordDiagram makeDictionaryDiagram(const ChordTypeRecord& type, const VoicingRecord& voicing,
                                   PitchClass key) {
  ChordDiagram d;
  d.empty = 0;
  d.name = type.name.view();
  d.tuningName = "Standard";
  d.formula = type.formula.view();
  d.tuning = kStandardTuning;
  d.strings = voicing.strings;
  d.intervals = type.intervals;
  for (int s = 0; s < kStringCount; ++s)
    d.pitches[s] = voicing.sounds(s) ? static_cast<PitchNumber>(d.tuning[s] + voicing.strings[s].fret) : 0;
  d.beginFret = voicing.beginFret;
  d.root = key;
  d.bass = static_cast<std::uint8_t>(key + 24);
  return d;
}

std::array<ChordDiagram, kVoicingsPerChord> LoadChordVoicings(const std::filesystem::path& programFolder,
                                                              ChordFamily family, int type, PitchClass key) {
  const FamilyInfo& info = familyInfo(family);
  const auto file1 = programFolder / info.shapeFile1;
  const auto file2 = programFolder / info.shapeFile2;
  if (!std::filesystem::is_regular_file(file1) || !std::filesystem::is_regular_file(file2)) {
    throw DictionaryError(DictionaryError::Kind::ChordFilesMissing, kChordFilesMissingText);
  }
  if (type < 0 || type >= info.typeCount || key >= kKeyCount) {
    throw DictionaryError(DictionaryError::Kind::ReadFailed, "Chord type or key out of range.");
  }
  const ChordTypeRecord typeRecord = ReadChordType(programFolder, dictionaryIndex(family, type));
  const std::size_t offset =
      static_cast<std::size_t>(firstShapeRecord(family, type, key)) * VoicingRecord::kSize;
  const std::size_t size = kVoicingsPerFile * VoicingRecord::kSize;
  const auto first = readBytes(file1, offset, size);
  const auto second = readBytes(file2, offset, size);

  std::array<ChordDiagram, kVoicingsPerChord> out;
  for (int v = 0; v < kVoicingsPerFile; ++v) {
    const auto a = decodeVoicing(std::span<const std::uint8_t, VoicingRecord::kSize>(
        first.data() + v * VoicingRecord::kSize, VoicingRecord::kSize));
    const auto b = decodeVoicing(std::span<const std::uint8_t, VoicingRecord::kSize>(
        second.data() + v * VoicingRecord::kSize, VoicingRecord::kSize));
    out[v] = makeDictionaryDiagram(typeRecord, a, key);
    out[v + kVoicingsPerFile] = makeDictionaryDiagram(typeRecord, b, key);
  }
  return out;
}

}  // namespace strumly
