#pragma once
// The three diagram records every page stores. Their byte images (88, 94 and 109 bytes, packed,
// little-endian, texts in the Windows Latin-1 code page) are what the page files hold, so the
// serialisation in DiagramRecords.cpp is byte-exact.
#include <array>
#include <cstdint>
#include <span>

#include "core/common/ShortString.h"
#include "core/theory/Pitch.h"

namespace strumly {

enum FingerCode : std::uint8_t {
  kFingerOpen = 0,  // 1..4 are finger numbers
  kFingerMuted = 5,
  kFingerPlain = 6,  // a plain marker without a number
};

constexpr std::uint8_t kUnusedInterval = 255;
constexpr std::uint8_t kScaleEnd = 99;
// A chord with no notes but its root: the interval list every fresh or emptied chord starts from.
inline constexpr std::array<std::uint8_t, 7> kRootOnlyIntervals{0, 255, 255, 255, 255, 255, 255};

struct StringFret {
  std::uint8_t fret = 0;  // absolute fret, 0 = open or none
  std::uint8_t finger = kFingerMuted;
  bool operator==(const StringFret&) const = default;
};

struct ChordDiagram {
  static constexpr std::size_t kSize = 88;
  std::uint8_t empty = 1;
  ShortString<15> name;  // chord-type name without the root
  ShortString<15> tuningName;
  ShortString<20> formula;
  std::array<PitchNumber, 6> tuning{64, 59, 55, 50, 45, 40};
  std::array<StringFret, 6> strings{};
  std::array<std::uint8_t, 7> intervals = kRootOnlyIntervals;
  std::array<PitchNumber, 6> pitches{};  // 0 = string not played
  std::uint8_t beginFret = 1;
  PitchClass root = 0;
  std::uint8_t bass = 24;  // bass pitch class + 24

  bool isEmpty() const { return empty != 0; }
  bool operator==(const ChordDiagram&) const = default;
};

struct ScaleDiagram {
  static constexpr std::size_t kSize = 94;
  std::uint8_t empty = 1;
  ShortString<26> name;
  ShortString<15> tuningName;
  ShortString<26> formula;
  std::array<PitchNumber, 6> tuning{64, 59, 55, 50, 45, 40};
  std::array<std::uint8_t, 10> intervals{};  // ends at the first 99
  std::array<std::uint8_t, 6> beginFrets{1, 4, 8, 12, 16, 20};
  PitchClass root = 0;

  bool isEmpty() const { return empty != 0; }
  bool operator==(const ScaleDiagram&) const = default;
};

struct PrintCell {
  static constexpr std::size_t kSize = 109;
  std::uint8_t empty = 1;
  std::uint8_t isChord = 0;
  ShortString<26> name;
  ShortString<15> tuningName;
  ShortString<26> formula;
  std::array<PitchNumber, 6> tuning{64, 59, 55, 50, 45, 40};
  std::array<StringFret, 6> strings{};
  std::array<std::uint8_t, 10> intervals{};
  std::array<PitchNumber, 6> pitches{};
  std::uint8_t beginFret = 1;
  PitchClass root = 0;
  std::uint8_t bass = 24;

  bool isEmpty() const { return empty != 0; }
  bool operator==(const PrintCell&) const = default;
};

// Byte images. read* take exactly kSize bytes; write* fill exactly kSize bytes. Text bytes past a
// field's length are kept as read, so reading and writing a record gives back the same bytes
// (a length byte beyond the field's capacity is cut to the capacity).
void writeRecord(const ChordDiagram& r, std::span<std::uint8_t, ChordDiagram::kSize> out);
void writeRecord(const ScaleDiagram& r, std::span<std::uint8_t, ScaleDiagram::kSize> out);
void writeRecord(const PrintCell& r, std::span<std::uint8_t, PrintCell::kSize> out);
ChordDiagram readChordDiagram(std::span<const std::uint8_t, ChordDiagram::kSize> in);
ScaleDiagram readScaleDiagram(std::span<const std::uint8_t, ScaleDiagram::kSize> in);
PrintCell readPrintCell(std::span<const std::uint8_t, PrintCell::kSize> in);

// The design chord a fresh start shows: standard tuning, all strings muted, no notes.
ChordDiagram emptyDesignChord();

// Sounding pitch of each string from its tuning and fret; a muted string (finger code 5) gets 0
// even when a fret is stored for it. Every diagram is brought up to date this way when drawn.
void updatePitches(ChordDiagram& chord);

}  // namespace strumly
