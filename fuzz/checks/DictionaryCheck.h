#pragma once
// Invariants of the chord and scale dictionary readers on arbitrary data files.
//
// Input layout: family, type, key, scale number, a presence/size flag byte, four 16-bit file
// sizes (kvcd3.dat, the family's "1" and "2" shape files, kvs.dat), then the bytes the files are
// tiled from. The files are written into a scratch program folder, then:
//  - the readers return or throw DictionaryError, never anything else;
//  - a missing shape file gives ChordFilesMissing, a missing kvs.dat ScaleFileMissing;
//  - a read succeeds exactly when every record it needs is inside its file, and then gives the
//    file's bytes: strings and beginning fret from the shape records, intervals and texts from
//    kvcd3.dat (texts never longer than their fields), root = key, bass = key + 24, standard
//    tuning, pitches = tuning + fret or 0 for a muted string;
//  - ForEachChordType visits 62 types in order, or throws when kvcd3.dat is short.
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Finding.h"
#include "core/chords/ChordDictionary.h"
#include "core/scales/ScaleDictionary.h"

namespace strumly::fuzz {

namespace dictionary_detail {

struct DataFile {
  std::string name;
  std::size_t fullSize;
  bool present;
  std::vector<std::uint8_t> bytes;
};

inline std::vector<std::uint8_t> tiled(const std::uint8_t* tail, std::size_t tailSize, std::size_t size,
                                       std::size_t shift) {
  std::vector<std::uint8_t> out(size, 0);
  if (tailSize > 0)
    for (std::size_t i = 0; i < size; ++i) out[i] = tail[(i + shift) % tailSize];
  return out;
}

// Runs a reader; a DictionaryError is an answer, any other exception a finding.
template <typename F>
Finding attempt(const char* what, F f, bool& threw, DictionaryError::Kind& kind) {
  threw = false;
  try {
    f();
  } catch (const DictionaryError& e) {
    threw = true;
    kind = e.kind();
  } catch (const std::exception& e) {
    return std::string(what) + " threw a foreign exception: " + e.what();
  }
  return {};
}

}  // namespace dictionary_detail

inline Finding checkDictionaryInput(const std::uint8_t* data, std::size_t size,
                                    const std::filesystem::path& folder) {
  using namespace dictionary_detail;
  constexpr std::size_t kHeader = 13;
  std::array<std::uint8_t, kHeader> h{};
  for (std::size_t i = 0; i < kHeader && i < size; ++i) h[i] = data[i];
  const std::uint8_t* tail = size > kHeader ? data + kHeader : nullptr;
  const std::size_t tailSize = size > kHeader ? size - kHeader : 0;

  const auto family = static_cast<ChordFamily>(1 + h[0] % 3);
  const FamilyInfo& info = familyInfo(family);
  const int type = h[1] % (info.typeCount + 2) - 1;  // one out of range at each end
  const auto key = static_cast<PitchClass>(h[2] % (kKeyCount + 1));
  const int scaleNumber = h[3] % (kScaleRecordCount + 3) - 1;
  const std::uint8_t flags = h[4];

  std::array<DataFile, 4> files{{
      {kChordTypeFileName, kChordTypeCount * ChordTypeRecord::kSize, true, {}},
      {std::string(info.shapeFile1),
       static_cast<std::size_t>(info.recordsPerFile()) * VoicingRecord::kSize,
       true,
       {}},
      {std::string(info.shapeFile2),
       static_cast<std::size_t>(info.recordsPerFile()) * VoicingRecord::kSize,
       true,
       {}},
      {kScaleFileName, kScaleRecordCount * ScaleRecord::kSize, true, {}},
  }};
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    std::filesystem::remove(entry.path(), ec);
  for (std::size_t k = 0; k < files.size(); ++k) {
    auto& f = files[k];
    f.present = (flags >> k & 1) == 0;  // bits 0..3: file missing
    const std::size_t asked = static_cast<std::size_t>(h[5 + 2 * k]) | static_cast<std::size_t>(h[6 + 2 * k])
                                                                           << 8;
    const bool full = (flags >> (4 + k) & 1) != 0;  // bits 4..7: file of its true size
    f.bytes = tiled(tail, tailSize, full ? f.fullSize : asked % (f.fullSize + 1), k * 7919);
    if (f.present)
      std::ofstream(folder / f.name, std::ios::binary)
          .write(reinterpret_cast<const char*>(f.bytes.data()), static_cast<std::streamsize>(f.bytes.size()));
  }
  const auto& types = files[0];
  const auto& shape1 = files[1];
  const auto& shape2 = files[2];
  const auto& scales = files[3];

  bool threw = false;
  DictionaryError::Kind kind{};

  // The six voicings of one chord.
  std::array<ChordDiagram, kVoicingsPerChord> voicings;
  if (auto f = attempt(
          "LoadChordVoicings", [&] { voicings = LoadChordVoicings(folder, family, type, key); }, threw, kind);
      !f.empty())
    return f;
  const bool inRange = type >= 0 && type < info.typeCount && key < kKeyCount;
  if (!shape1.present || !shape2.present) {
    if (!threw || kind != DictionaryError::Kind::ChordFilesMissing)
      return "a missing shape file did not give ChordFilesMissing";
  } else if (!inRange) {
    if (!threw)
      return "LoadChordVoicings accepted type " + std::to_string(type) + " key " + std::to_string(key);
  } else {
    const std::size_t typeOffset =
        static_cast<std::size_t>(dictionaryIndex(family, type)) * ChordTypeRecord::kSize;
    const std::size_t shapeOffset =
        static_cast<std::size_t>(firstShapeRecord(family, type, key)) * VoicingRecord::kSize;
    const std::size_t shapeEnd = shapeOffset + kVoicingsPerFile * VoicingRecord::kSize;
    const bool readable = types.present && types.bytes.size() >= typeOffset + ChordTypeRecord::kSize &&
                          shape1.bytes.size() >= shapeEnd && shape2.bytes.size() >= shapeEnd;
    if (readable == threw)
      return readable ? "LoadChordVoicings failed on complete files"
                      : "LoadChordVoicings read past a short file";
    if (readable) {
      const std::uint8_t* t = types.bytes.data() + typeOffset;
      for (int v = 0; v < kVoicingsPerChord; ++v) {
        const ChordDiagram& d = voicings[static_cast<std::size_t>(v)];
        const auto& shape = v < kVoicingsPerFile ? shape1 : shape2;
        const std::uint8_t* r =
            shape.bytes.data() + shapeOffset + (v % kVoicingsPerFile) * VoicingRecord::kSize;
        const std::string at = "voicing " + std::to_string(v) + ": ";
        if (d.empty != 0 || d.root != key || d.bass != key + 24 || d.tuning != kStandardTuning ||
            d.beginFret != r[0])
          return at + "wrong fixed fields";
        for (int s = 0; s < kStringCount; ++s) {
          const auto& sf = d.strings[static_cast<std::size_t>(s)];
          if (sf.fret != r[1 + 2 * s] || sf.finger != r[2 + 2 * s])
            return at + "strings differ from the file";
          const int pitch =
              sf.finger == kFingerMuted ? 0 : (kStandardTuning[static_cast<std::size_t>(s)] + sf.fret) & 0xff;
          if (d.pitches[static_cast<std::size_t>(s)] != pitch)
            return at + "wrong pitch on string " + std::to_string(s);
        }
        for (int i = 0; i < 7; ++i)
          if (d.intervals[static_cast<std::size_t>(i)] != t[i]) return at + "intervals differ from kvcd3.dat";
        const std::size_t nameLen = t[7] < 15 ? t[7] : 15, formulaLen = t[23] < 20 ? t[23] : 20;
        if (d.name.view() != std::string_view(reinterpret_cast<const char*>(t + 8), nameLen) ||
            d.formula.view() != std::string_view(reinterpret_cast<const char*>(t + 24), formulaLen))
          return at + "texts differ from kvcd3.dat";
      }
    }
  }

  // All chord types, for the chord search.
  int visited = 0;
  bool inOrder = true;
  if (auto f = attempt(
          "ForEachChordType",
          [&] {
            ForEachChordType(folder, [&](int index, const ChordTypeRecord& r) {
              inOrder = inOrder && index == visited++ && r.name.size() <= 15 && r.formula.size() <= 20;
            });
          },
          threw, kind);
      !f.empty())
    return f;
  const bool typesComplete = types.present && types.bytes.size() >= types.fullSize;
  if (threw == typesComplete)
    return typesComplete ? "ForEachChordType failed on a complete file"
                         : "ForEachChordType read a short file";
  if (!threw && (visited != kChordTypeCount || !inOrder))
    return "ForEachChordType did not visit 62 types in order";

  // One scale.
  ScaleRecord scale;
  if (auto f = attempt(
          "ReadScaleRecord", [&] { scale = ReadScaleRecord(folder, scaleNumber); }, threw, kind);
      !f.empty())
    return f;
  if (!scales.present) {
    if (!threw || kind != DictionaryError::Kind::ScaleFileMissing)
      return "a missing kvs.dat did not give ScaleFileMissing";
  } else {
    const bool readable =
        scaleNumber >= 0 &&
        scales.bytes.size() >= static_cast<std::size_t>(scaleNumber + 1) * ScaleRecord::kSize;
    if (readable == threw)
      return readable ? "ReadScaleRecord failed on a complete record" : "ReadScaleRecord read past the file";
    if (readable) {
      const std::uint8_t* r =
          scales.bytes.data() + static_cast<std::size_t>(scaleNumber) * ScaleRecord::kSize;
      for (std::size_t i = 0; i < 10; ++i)
        if (scale.intervals[i] != r[i]) return "scale intervals differ from kvs.dat";
      if (scale.formula.view() !=
          std::string_view(reinterpret_cast<const char*>(r + 11), r[10] < 26 ? r[10] : 26))
        return "scale formula differs from kvs.dat";
      ScaleDiagram set;
      applyScaleRecord(scale, set);
      const int notes = scaleNoteCount(set.intervals);
      if (set.empty != 0 || notes < 0 || notes > 10) return "applyScaleRecord gave a bad set";
    }
  }
  return {};
}

}  // namespace strumly::fuzz
