#pragma once
// The page files of the Chords (.cpf), Print (.gpr, older .prf), Chord Design (.cds) and Scales
// (.spf) pages: one header record carrying the kind's mark, then the page's records, each the
// size of the page's record type, with no other framing. Empty slots are written too.
//
// Every reader checks the whole file before it touches the page: a file with the wrong mark or
// shorter than its records is refused with a message for the user and the page stays exactly as
// it was. Bytes after the records are ignored. Header bytes other than the mark are not read and
// are written as zeros.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/pages/PageHolders.h"
#include "core/pages/PageLayout.h"

namespace strumly {

enum class PageFileKind { Chords, Print, Design, Scales };

struct PageFileFormat {
  const char* mark;         // the header's ShortString text
  std::size_t markOffset;   // offset of its length byte within the header record
  std::size_t recordSize;   // header and records alike
  std::size_t recordCount;  // records after the header
  const char* notThisKind;  // the message for a file with another mark
  const char* title;        // the kind as the user's messages name it
  std::size_t fileSize() const { return recordSize * (1 + recordCount); }
};

inline constexpr PageFileFormat kChordPageFormat{
    "kvPageChord", 1, ChordDiagram::kSize, 30, "This is not a Chord Page file", "Chord Page"};
inline constexpr PageFileFormat kPrintPageFormat{
    "kvPagePrint", 2, PrintCell::kSize, 30, "This is not a Print Page file", "Print Page"};
inline constexpr PageFileFormat kDesignFormat{
    "kvChordDesign", 1, ChordDiagram::kSize, 6, "This is not a Chord Design file", "Chord Design"};
inline constexpr PageFileFormat kScalePageFormat{
    "kvPageScale", 1, ScaleDiagram::kSize, 5, "This is not a Scale Page file", "Scale Page"};

const PageFileFormat& pageFileFormat(PageFileKind kind);

// Chords page: set 0 diagrams 0..5, set 1 diagrams 0..5, ... set 4 (2,728 bytes).
std::vector<std::uint8_t> writeChordPageFile(const PageHolders& holders);
// Nothing on success, else the message to show. On success all 30 diagrams are the file's,
// chordSetCount is recounted (sets counted row by row up to the first set with an empty diagram)
// and chordPageChord is diagram 0 of set 0 when a set exists, else empty: the page then selects
// set 0 diagram 0 whenever chordSetCount > 0.
std::optional<std::string> readChordPageFile(std::span<const std::uint8_t> bytes, PageHolders& into);

// Print page: row 0 columns 0..5, row 1 columns 0..5, ... row 4 (3,379 bytes). Older .prf files
// have the same layout and are read by the same function.
std::vector<std::uint8_t> writePrintPageFile(const PageHolders& holders);
// On success all 30 cells are the file's and printPageCell is the first used cell in row order
// (firstUsedPrintCell), or empty when there is none.
std::optional<std::string> readPrintPageFile(std::span<const std::uint8_t> bytes, PageHolders& into);
// The first used cell, rows 0..4 and columns 0..5 within a row: the selection after opening.
std::optional<GridCell> firstUsedPrintCell(const PageHolders& holders);

// Chord Design group: slots 0..5 (616 bytes).
std::vector<std::uint8_t> writeDesignFile(const PageHolders& holders);
// On success the six slots are the file's (overwritten, used or not). When a slot is used, the
// first used one (firstUsedDesignSlot) becomes designChord and is the selection; a file of six
// empty slots leaves designChord, and the page's selection, as they were.
std::optional<std::string> readDesignFile(std::span<const std::uint8_t> bytes, PageHolders& into);
std::optional<int> firstUsedDesignSlot(const PageHolders& holders);

// Scales page: sets 0..4 (564 bytes).
std::vector<std::uint8_t> writeScalePageFile(const PageHolders& holders);
// On success the sets are read in order up to the first empty record; they become sets
// 0..scaleSetCount-1 and the later slots are marked empty, keeping the file's other bytes (a file
// whose set 2 is empty opens with two sets even when sets 3 and 4 are used). The page selects
// position 0 of set 0 and scrolls to the top when scaleSetCount > 1 (scalePageOpensWithSelection);
// currentScale is then set 0, otherwise empty.
std::optional<std::string> readScalePageFile(std::span<const std::uint8_t> bytes, PageHolders& into);
bool scalePageOpensWithSelection(const PageHolders& holders);

// Writes `bytes` to "<path>.tmp" and renames it over `path`: a failed save leaves the old file
// as it was. False with `error` naming the file and the system's reason.
bool savePageFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, std::string& error);

// The first `limit` bytes of a file (a page file is a few kilobytes; the readers ignore anything
// after their records). Nothing with `error` set when the file cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readPageFileBytes(const std::filesystem::path& path,
                                                           std::string& error, std::size_t limit = 64 * 1024);

}  // namespace strumly
