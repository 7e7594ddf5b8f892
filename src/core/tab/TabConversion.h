#pragma once
// From the working list of blocks to a converted tab page: the two working files, the conversion
// with its Auto Tune, the play encoding the player reads, and the two text tools of the raw view
// (Strip Tab, Insert Tab).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tab/TabBlocks.h"
#include "core/tab/TabMarkers.h"
#include "core/theory/Pitch.h"

namespace strumly {

// --- Working files ---------------------------------------------------------------------------
// Both hold, per block, an empty line and the six lines (TabBlocks.h), CR LF line ends. They are
// written for whoever reads them beside the program; the page itself keeps its lines in memory.
inline constexpr std::string_view kTabCheckedFileName = "vxtmptab.bin";    // blocks of the last check
inline constexpr std::string_view kTabConvertedFileName = "vxcnvtab.bin";  // the converted page shown

// Overwrites `folder`/"vxtmptab.bin" or "vxcnvtab.bin" (through a temporary file). Empty on
// success, else the reason.
std::string writeCheckedTabFile(const std::filesystem::path& folder, const TabLines& workingLines);
std::string writeConvertedTabFile(const std::filesystem::path& folder, const TabLines& convertedLines);

// --- Conversion ------------------------------------------------------------------------------

// The tuning the string names of the first block spell (lines 1..6, string 0 first), or nothing
// when they spell none: the letter column is 1 + the leading blanks of string 0's line (at most
// four counted), the same for all six lines; "#" or "b" after the letter raises or lowers it
// (B is at most B, C at least C); each pitch is placed in its string's window.
std::optional<Tuning> autoTune(const TabLines& convertedLines);

struct ConvertedTab {
  TabLines lines;          // the page, exactly the working lines (what "vxcnvtab.bin" holds)
  Tuning tuning;           // Auto Tune's result, else standard
  std::string tuningName;  // "Standard" or the names of strings 5..0 each with a blank, <= 15 chars
  bool autoTuned = false;  // Auto Tune was asked for and succeeded
  TabMarkers markers;      // both markers at their defaults: the whole page plays
};

// Whether a working list holds a block to convert (more than 5 lines).
bool holdsTabBlock(const TabLines& workingLines);

// "Convert Tab" without the view: nothing when the working list holds no block (5 lines or fewer).
// With `useAutoTune` false or a failed Auto Tune the tuning is standard. `names` is the current
// flat/sharp table for the tuning's name.
std::optional<ConvertedTab> convertTab(const TabLines& workingLines, bool useAutoTune,
                                       const NoteNames& names = NoteNames{});

// --- Play encoding ---------------------------------------------------------------------------

// One byte per column. 0..22 sound that fret; every other value is a silent column.
using PlayLine = std::string;
constexpr std::uint8_t kHighestPlayedFret = 22;
constexpr std::uint8_t kSilentColumn =
    0xFF;  // what any character that is not a digit or printable ASCII becomes
inline constexpr std::string_view kPlayEndLine = "vxtEND";

constexpr bool isPlayNote(std::uint8_t byte) {
  return byte <= kHighestPlayedFret;
}

// Digits become 0..9; "1" or "2" followed by a digit become one fret 10..29 over two columns:
// (fret, "-") with `playOnFirstDigit`, else ("-", fret). Printable ASCII is copied (it never
// sounds); every other character (control characters such as TAB, anything beyond ASCII) becomes
// kSilentColumn, so no character but a digit ever sounds. The end line "vxtEND" is appended.
std::vector<PlayLine> encodePlayLines(const TabLines& convertedLines, bool playOnFirstDigit);

// --- Write Tab tools -------------------------------------------------------------------------

// The timing characters of [Tab] TimingChars with blanks dropped (may end up empty).
std::u32string timingCharsFrom(std::string_view setting);

// Strip Tab: every character of `text` in [start, start + length) that is one of `timingChars`
// becomes "-". Positions are characters of `text` as the caller counts them (the caller's text
// uses one character per line break). False, text unchanged, when `timingChars` is empty.
bool stripTab(std::u32string& text, std::size_t start, std::size_t length, std::u32string_view timingChars);

// Insert Tab: the insert file's lines go before line `caretLine` (at the end when it is past the
// last line); the caret's line moves down.
void insertTabLines(TabLines& raw, std::size_t caretLine, const TabLines& inserted);

// The insert file when [Tab] InsertFile is not set.
inline constexpr std::string_view kDefaultInsertFileName = "insertsection.tab";

}  // namespace strumly
