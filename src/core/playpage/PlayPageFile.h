#pragma once
// The play page on disk: a .ppf with a header record and the slots, and beside it a .rpt with the
// repeat markers of the song's time signature. Files of the older single-page version (72 slots,
// 12 measures of markers) are read as well; saving always writes the current format.
//
// Reading never hands back part of a file: both files are read and checked whole, and either the
// complete song or a message for the user comes back. Saving goes through temporary files beside
// the real ones, so a failed save leaves the old song as it was.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "core/midi/MidiEvent.h"
#include "core/playpage/PlayPageData.h"

namespace strumly {

inline constexpr const char* kNotAPlayPageText = "This is not a Strumly PlayPage file";
inline constexpr const char* kPlayPageMark = "kv6PlayPage";
inline constexpr const char* kOlderPlayPageMark = "kvPlayPage";

inline constexpr int kOlderSlotCount = kPlayColumns * kRowsPerPlayPage;  // one play page
inline constexpr int kOlderMarkerMeasures = 12;

inline constexpr std::size_t kPlayPageRecordSize = ChordDiagram::kSize;  // header and slots alike
inline constexpr std::size_t kPlayPageFileSize = kPlayPageRecordSize * (1 + kPlaySlotCount);
inline constexpr std::size_t kOlderPlayPageFileSize = kPlayPageRecordSize * (1 + kOlderSlotCount);
inline constexpr std::size_t kRepeatFileSize = 4 * kMarkerMeasures;
inline constexpr std::size_t kOlderRepeatFileSize = 4 * kOlderMarkerMeasures;

struct PlayPageSong {
  TimeSignature signature = TimeSignature::FourFour;
  int tempoBpm = 100;     // kMinTempoBpm..kMaxTempoBpm
  int strumSpeed = -300;  // strum speed scroll bar position; read clamped to its range
  bool loop = false;      // Loop Play
  bool bass = false;      // play a bass note
  PlaySlots slots{};      // slots the file does not hold stay free
  // The saved marker sets. Opening fills the set of the file's signature from its .rpt; the
  // other set is the default.
  RepeatMarkers markers34 = RepeatMarkers::defaults(TimeSignature::ThreeFour);
  RepeatMarkers markers44 = RepeatMarkers::defaults(TimeSignature::FourFour);
  bool olderFormat = false;  // read from a single-page file; the caption says so

  RepeatMarkers& savedMarkers() { return signature == TimeSignature::ThreeFour ? markers34 : markers44; }
  const RepeatMarkers& savedMarkers() const {
    return signature == TimeSignature::ThreeFour ? markers34 : markers44;
  }
  bool operator==(const PlayPageSong&) const = default;
};

// Either the song or the message to show; never both.
struct PlayPageReadResult {
  std::optional<PlayPageSong> song;
  std::string error;
  bool ok() const { return song.has_value(); }
};

struct PlayPageWriteResult {
  std::string error;  // empty when both files were written
  bool ok() const { return error.empty(); }
};

// The repeat file beside a play page file: the same path with the extension ".rpt".
std::filesystem::path repeatFilePath(const std::filesystem::path& playPageFile);

// Reads the .ppf and, when there is one, its .rpt. Never throws for anything found on disk.
// Refused with a message: a wrong format mark (exactly kNotAPlayPageText), a .ppf that is not
// exactly its records long, a tempo byte outside kMinTempoBpm..kMaxTempoBpm, a strum text that is
// not a whole number, a .rpt that is not its format's size, and files that cannot be read. A strum
// speed outside the bar's range is read as the nearer end of it, as the bar would take it.
PlayPageReadResult readPlayPage(const std::filesystem::path& playPageFile);

// Writes the song in the current format: the header and all 288 slots to the .ppf, and
// `workingMarkers` as the .rpt. The song's marker sets and olderFormat are not stored. A tempo
// outside kMinTempoBpm..kMaxTempoBpm is stored clamped. On failure the old files are left as they
// were and the error names the file and the system's reason.
PlayPageWriteResult writePlayPage(const std::filesystem::path& playPageFile, const PlayPageSong& song,
                                  const RepeatMarkers& workingMarkers);

}  // namespace strumly
