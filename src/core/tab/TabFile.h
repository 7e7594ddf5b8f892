#pragma once
// Tab page files (.vxt): sixteen header lines (the player's settings and the two markers), then
// the converted lines exactly as the page holds them; CR LF line ends. A file is read and checked
// whole before anything of it is used, so a refused file changes nothing.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/tab/TabMarkers.h"
#include "core/tab/TabText.h"

namespace strumly {

inline constexpr std::string_view kTabPageFileHeader = "kv6.50TabPage";
inline constexpr std::string_view kNotATabPageFile = "This is not a Strumly 6.50 Tab file";
constexpr int kTabHeaderLines = 16;

// Slider ranges of the page (values read from a file are brought into them).
constexpr int kMinTabSustain = 3, kMaxTabSustain = 20, kDefaultTabSustain = 11;
constexpr int kMinSliceTime = 15, kMaxSliceTime = 120, kDefaultSliceTime = 60;

// Everything the header lines carry; the defaults are the page's start-up state.
struct TabPageSettings {
  std::uint32_t tempoMicros = 600000;  // line 2 as beats per minute (100)
  int sustain = kDefaultTabSustain;    // line 3, "Note Sustain"
  int sliceTime = kDefaultSliceTime;   // line 4, ticks per column
  bool loop = false;                   // line 5, Loop Play
  TabMarkers markers;                  // lines 6..9 (column, block of start; column, block of end)
  bool playOnFirstDigit = false;       // line 10
  bool doubleDigitTempoAdjust = true;  // line 11
  bool autoTune = true;                // line 12
  bool operator==(const TabPageSettings&) const = default;
};

struct TabPageFile {
  TabPageSettings settings;
  TabLines lines;  // line 17 on: the converted page
};

struct TabPageReadResult {
  std::optional<TabPageFile> file;
  // Empty when read. kNotATabPageFile for a short file or a wrong first line; for a header number
  // that is not a whole number (or a tempo of 0 or below), a message naming the line and text.
  std::string error;
  bool ok() const { return file.has_value(); }
};

// Parses a whole file's bytes (any encoding decodeTabText takes). Tempo, sustain and slice time
// are brought into the ranges the controls allow (tempo 10..250 beats per minute); markers are
// kept as stored (clampTabMarkers brings them onto the page).
TabPageReadResult parseTabPageFile(std::string_view bytes);
TabPageReadResult readTabPageFile(const std::filesystem::path& path);

// The file's lines: the sixteen header lines (line 2 = int(60000000 / tempoMicros), lines 13..16
// "!") and the converted lines.
TabLines tabPageFileLines(const TabPageSettings& settings, const TabLines& convertedLines);
// Writes them through a temporary file renamed over `path`. Empty on success, else the reason.
std::string writeTabPageFile(const std::filesystem::path& path, const TabPageSettings& settings,
                             const TabLines& convertedLines);

}  // namespace strumly
