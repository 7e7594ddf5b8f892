#include "core/playpage/PlayPageFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

namespace strumly {
namespace fs = std::filesystem;

namespace {

// Header record offsets.
constexpr std::size_t kSignatureAt = 0;
constexpr std::size_t kMarkAt = 1;  // length byte, then up to 15 characters
constexpr std::size_t kStrumAt = 17;
constexpr std::size_t kTextCapacity = 15;
constexpr std::size_t kTempoAt = 85;
constexpr std::size_t kLoopAt = 86;
constexpr std::size_t kBassAt = 87;

using Bytes = std::vector<std::uint8_t>;

std::string reasonOf(int error) {
  return std::strerror(error != 0 ? error : EIO);
}

// Reads at most `limit` bytes; reading one byte more than a file may hold is enough to tell that
// it is too long without loading whatever large file the user picked.
bool readUpTo(const fs::path& path, std::size_t limit, Bytes& bytes, std::string& reason) {
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    reason = reasonOf(errno);
    return false;
  }
  bytes.resize(limit);
  const std::size_t got = std::fread(bytes.data(), 1, limit, f);
  const int error = errno;
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) {
    reason = reasonOf(error);
    return false;
  }
  bytes.resize(got);
  return true;
}

std::string writeWhole(const fs::path& path, std::span<const std::uint8_t> bytes) {
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return reasonOf(errno);
  int error = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fflush(f) != 0) error = errno;
  if (std::fclose(f) != 0 && error == 0) error = errno != 0 ? errno : EIO;
  return error != 0 ? reasonOf(error) : std::string();
}

std::string_view textAt(const Bytes& bytes, std::size_t at) {
  return {reinterpret_cast<const char*>(bytes.data() + at + 1), bytes[at]};
}

// Only the two marks, compared by length byte and characters; a mark that merely starts like ours
// is someone else's file.
bool markIs(const Bytes& bytes, std::string_view mark) {
  return bytes[kMarkAt] == mark.size() && textAt(bytes, kMarkAt) == mark;
}

// This program's rule for the strum text: an optional minus sign and decimal digits that fit an
// int, nothing else; it is what the writer produces.
bool parseStrum(std::string_view text, int& value) {
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && !text.empty();
}

PlayPageReadResult refused(std::string message) {
  return {std::nullopt, std::move(message)};
}

PlayPageReadResult damaged(const fs::path& path, const std::string& what) {
  return refused("The file " + path.filename().string() + " is damaged: " + what);
}

template <std::size_t N>
void copyFront(std::array<std::uint8_t, N>& to, const std::uint8_t* from, std::size_t count) {
  std::copy_n(from, count, to.begin());
}

}  // namespace

fs::path repeatFilePath(const fs::path& playPageFile) {
  return fs::path(playPageFile).replace_extension(".rpt");
}

// Everything is read into memory and checked before the song is built, so a refused file never
// leaves a half-filled page behind.
PlayPageReadResult readPlayPage(const fs::path& playPageFile) {
  Bytes ppf;
  std::string reason;
  if (!readUpTo(playPageFile, kPlayPageFileSize + 1, ppf, reason))
    return refused("Cannot read " + playPageFile.string() + ": " + reason);

  constexpr std::size_t kMarkEnd = kMarkAt + 1 + kTextCapacity;
  if (ppf.size() < kMarkEnd) return refused(kNotAPlayPageText);
  PlayPageSong song;
  if (markIs(ppf, kOlderPlayPageMark))
    song.olderFormat = true;
  else if (!markIs(ppf, kPlayPageMark))
    return refused(kNotAPlayPageText);

  // This program's rule: a play page file is exactly its records. Anything shorter lost slots,
  // anything longer was not written by a play page.
  const std::size_t expectedSize = song.olderFormat ? kOlderPlayPageFileSize : kPlayPageFileSize;
  if (ppf.size() != expectedSize)
    return damaged(playPageFile,
                   (ppf.size() > kPlayPageFileSize ? "more than " + std::to_string(kPlayPageFileSize)
                                                   : std::to_string(ppf.size())) +
                       " bytes instead of " + std::to_string(expectedSize));

  // This program's rule: the tempo controls only reach 10..250 beats per minute, so any other
  // byte (0 above all, which no tempo can be made from) marks a damaged file.
  const int tempo = ppf[kTempoAt];
  if (tempo < kMinTempoBpm || tempo > kMaxTempoBpm)
    return damaged(playPageFile, "its tempo is " + std::to_string(tempo));
  if (ppf[kStrumAt] > kTextCapacity || !parseStrum(textAt(ppf, kStrumAt), song.strumSpeed))
    return damaged(playPageFile, "its strum speed is not a number");
  // The window's bar holds only its own range; a song reads the same for Play and the exports.
  song.strumSpeed = clampedStrumSpeed(song.strumSpeed);

  song.signature = ppf[kSignatureAt] != 0 ? TimeSignature::ThreeFour : TimeSignature::FourFour;
  song.tempoBpm = tempo;
  song.loop = ppf[kLoopAt] == 1;
  song.bass = ppf[kBassAt] == 1;
  const std::size_t slotCount = song.olderFormat ? kOlderSlotCount : kPlaySlotCount;
  for (std::size_t i = 0; i < slotCount; ++i)
    song.slots[i] = readChordDiagram(std::span<const std::uint8_t, ChordDiagram::kSize>(
        ppf.data() + (i + 1) * kPlayPageRecordSize, ChordDiagram::kSize));

  const fs::path rptFile = repeatFilePath(playPageFile);
  std::error_code ec;
  const bool hasRepeats = fs::exists(rptFile, ec);
  if (ec) return refused("Cannot read " + rptFile.string() + ": " + ec.message());
  if (!hasRepeats) return {std::move(song), {}};

  const std::size_t rptSize = song.olderFormat ? kOlderRepeatFileSize : kRepeatFileSize;
  Bytes rpt;
  if (!readUpTo(rptFile, rptSize + 1, rpt, reason))
    return refused("Cannot read " + rptFile.string() + ": " + reason);
  if (rpt.size() != rptSize)
    return damaged(rptFile, std::to_string(rpt.size()) + " bytes instead of " + std::to_string(rptSize));

  // The older version kept one page of 12 measures: its markers start the set of the song's
  // signature, and the default loop end at the last measure is dropped from both sets, since the
  // older song closes its loop within its own 12 measures.
  const std::size_t measures = song.olderFormat ? kOlderMarkerMeasures : kMarkerMeasures;
  if (song.olderFormat) {
    song.markers34.loopFlag[measureCount(TimeSignature::ThreeFour) - 1] = 0;
    song.markers44.loopFlag[measureCount(TimeSignature::FourFour) - 1] = 0;
  }
  RepeatMarkers& saved = song.savedMarkers();
  copyFront(saved.startRepeat, rpt.data(), measures);
  copyFront(saved.repeatCount, rpt.data() + measures, measures);
  copyFront(saved.repeatsLeft, rpt.data() + 2 * measures, measures);
  copyFront(saved.loopFlag, rpt.data() + 3 * measures, measures);
  return {std::move(song), {}};
}

// Both files go to temporaries first; only when both are complete are they renamed over the old
// ones, the .rpt first. Should the .ppf rename still fail, the old .rpt is put back from a hard
// link kept for that moment, so the old pair stays whole.
PlayPageWriteResult writePlayPage(const fs::path& playPageFile, const PlayPageSong& song,
                                  const RepeatMarkers& workingMarkers) {
  const fs::path rptFile = repeatFilePath(playPageFile);
  auto failed = [](const fs::path& file, const std::string& reason) {
    return PlayPageWriteResult{"Unable to write " + file.string() + ": " + reason};
  };
  if (rptFile == playPageFile) return failed(playPageFile, "a PlayPage file cannot end in .rpt");

  Bytes ppf(kPlayPageFileSize, 0);
  ppf[kSignatureAt] = song.signature == TimeSignature::ThreeFour ? 1 : 0;
  const std::string_view mark = kPlayPageMark;
  ppf[kMarkAt] = static_cast<std::uint8_t>(mark.size());
  std::copy(mark.begin(), mark.end(), ppf.begin() + kMarkAt + 1);
  const std::string strum = std::to_string(song.strumSpeed).substr(0, kTextCapacity);
  ppf[kStrumAt] = static_cast<std::uint8_t>(strum.size());
  std::copy(strum.begin(), strum.end(), ppf.begin() + kStrumAt + 1);
  ppf[kTempoAt] = static_cast<std::uint8_t>(std::clamp(song.tempoBpm, kMinTempoBpm, kMaxTempoBpm));
  ppf[kLoopAt] = song.loop ? 1 : 0;
  ppf[kBassAt] = song.bass ? 1 : 0;
  for (std::size_t i = 0; i < kPlaySlotCount; ++i)
    writeRecord(song.slots[i], std::span<std::uint8_t, ChordDiagram::kSize>(
                                   ppf.data() + (i + 1) * kPlayPageRecordSize, ChordDiagram::kSize));

  Bytes rpt;
  rpt.reserve(kRepeatFileSize);
  for (const auto* a : {&workingMarkers.startRepeat, &workingMarkers.repeatCount, &workingMarkers.repeatsLeft,
                        &workingMarkers.loopFlag})
    rpt.insert(rpt.end(), a->begin(), a->end());

  const fs::path rptTemp = rptFile.string() + ".tmp";
  const fs::path ppfTemp = playPageFile.string() + ".tmp";
  const fs::path rptKept = rptFile.string() + ".old";
  std::error_code ec;
  auto cleanUp = [&] {
    fs::remove(rptTemp, ec);
    fs::remove(ppfTemp, ec);
  };
  if (std::string why = writeWhole(rptTemp, rpt); !why.empty()) {
    cleanUp();
    return failed(rptFile, why);
  }
  if (std::string why = writeWhole(ppfTemp, ppf); !why.empty()) {
    cleanUp();
    return failed(playPageFile, why);
  }

  fs::remove(rptKept, ec);
  const bool hadRepeats = fs::exists(rptFile, ec);
  const bool kept = hadRepeats && (fs::create_hard_link(rptFile, rptKept, ec), !ec);
  fs::rename(rptTemp, rptFile, ec);
  if (ec) {
    const std::string why = ec.message();
    cleanUp();
    if (kept) fs::remove(rptKept, ec);
    return failed(rptFile, why);
  }
  fs::rename(ppfTemp, playPageFile, ec);
  if (ec) {
    const std::string why = ec.message();
    cleanUp();
    if (kept)
      fs::rename(rptKept, rptFile, ec);
    else if (!hadRepeats)
      fs::remove(rptFile, ec);
    return failed(playPageFile, why);
  }
  if (kept) fs::remove(rptKept, ec);
  return {};
}

}  // namespace strumly
