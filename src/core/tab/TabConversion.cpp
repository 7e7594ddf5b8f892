#include "core/tab/TabConversion.h"

#include <algorithm>

#include "core/tab/TabText.h"

namespace strumly {

std::string writeCheckedTabFile(const std::filesystem::path& folder, const TabLines& workingLines) {
  return writeTabTextFile(folder / kTabCheckedFileName, workingLines);
}

std::string writeConvertedTabFile(const std::filesystem::path& folder, const TabLines& convertedLines) {
  return writeTabTextFile(folder / kTabConvertedFileName, convertedLines);
}

namespace {

// Pitch class of a string name: letter and accidental; -1 when the letter is not A..G.
int pitchClassOfName(char32_t letter, char32_t next) {
  const int accidental = next == U'#' ? 1 : (next == U'b' ? -1 : 0);
  switch (letter) {
    case U'A':
    case U'a':
      return 9 + accidental;
    case U'B':
    case U'b':
      return std::min(11, 11 + accidental);  // B# stays B
    case U'C':
    case U'c':
      return std::max(0, accidental);  // Cb stays C
    case U'D':
    case U'd':
      return 2 + accidental;
    case U'E':
    case U'e':
      return 4 + accidental;
    case U'F':
    case U'f':
      return 5 + accidental;
    case U'G':
    case U'g':
      return 7 + accidental;
    default:
      return -1;
  }
}

// Each string's pitch lies in a window of one octave around its standard pitch.
struct StringWindow {
  int base;
  int lowest;
  int highest;
};
constexpr std::array<StringWindow, kTabStrings> kWindows{
    {{60, 58, 69}, {60, 53, 64}, {48, 49, 60}, {48, 44, 55}, {48, 39, 50}, {36, 34, 45}}};

}  // namespace

std::optional<Tuning> autoTune(const TabLines& lines) {
  if (lines.size() < 1 + kTabStrings) return std::nullopt;
  const TabLine& top = lines[1];
  if (top.size() < 5) return std::nullopt;
  std::size_t p = 0;  // the letter column, from 0 here
  while (p < 4 && top[p] == U' ') ++p;
  Tuning tuning;
  for (std::size_t s = 0; s < kTabStrings; ++s) {
    const TabLine& line = lines[1 + s];
    if (p >= line.size()) return std::nullopt;
    const char32_t next = p + 1 < line.size() ? line[p + 1] : U'\0';
    const int pc = pitchClassOfName(line[p], next);
    if (pc < 0) return std::nullopt;
    int pitch = kWindows[s].base + pc;
    // String 2's window reaches up to C (60) itself, so its C is raised rather than lowered.
    if (pitch > kWindows[s].highest) pitch -= 12;
    if (pitch < kWindows[s].lowest) pitch += 12;
    tuning.pitches[s] = static_cast<PitchNumber>(pitch);
  }
  return tuning;
}

bool holdsTabBlock(const TabLines& workingLines) {
  return workingLines.size() > 5;
}

std::optional<ConvertedTab> convertTab(const TabLines& workingLines, bool useAutoTune,
                                       const NoteNames& names) {
  if (!holdsTabBlock(workingLines)) return std::nullopt;
  ConvertedTab result;
  result.lines = workingLines;
  if (useAutoTune) {
    if (const std::optional<Tuning> tuned = autoTune(workingLines)) {
      result.tuning = *tuned;
      result.autoTuned = true;
    }
  }
  result.tuningName = tuningName(result.tuning, names).substr(0, kTuningNameCapacity);
  result.markers = defaultTabMarkers(result.lines);
  return result;
}

std::vector<PlayLine> encodePlayLines(const TabLines& lines, bool playOnFirstDigit) {
  std::vector<PlayLine> play;
  play.reserve(lines.size() + 1);
  for (const TabLine& line : lines) {
    PlayLine out(line.size(), static_cast<char>(kSilentColumn));
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char32_t c = line[i];
      if (c >= U'0' && c <= U'9') {
        const int digit = static_cast<int>(c - U'0');
        const bool pair =
            (digit == 1 || digit == 2) && i + 1 < line.size() && line[i + 1] >= U'0' && line[i + 1] <= U'9';
        if (!pair) {
          out[i] = static_cast<char>(digit);
          continue;
        }
        const char fret = static_cast<char>(digit * 10 + static_cast<int>(line[i + 1] - U'0'));
        out[i] = playOnFirstDigit ? fret : '-';
        out[i + 1] = playOnFirstDigit ? '-' : fret;
        ++i;
      } else if (c >= 0x20 && c < 0x7F) {
        out[i] = static_cast<char>(c);
      }
    }
    play.push_back(std::move(out));
  }
  play.emplace_back(kPlayEndLine);
  return play;
}

std::u32string timingCharsFrom(std::string_view setting) {
  std::u32string chars;
  for (char32_t c : fromUtf8(setting))
    if (c != U' ') chars += c;
  return chars;
}

bool stripTab(std::u32string& text, std::size_t start, std::size_t length, std::u32string_view timingChars) {
  if (timingChars.empty()) return false;
  if (start >= text.size()) return true;
  const std::size_t end = start + std::min(length, text.size() - start);
  for (std::size_t i = start; i < end; ++i)
    if (timingChars.find(text[i]) != std::u32string_view::npos) text[i] = U'-';
  return true;
}

void insertTabLines(TabLines& raw, std::size_t caretLine, const TabLines& inserted) {
  const std::size_t at = std::min(caretLine, raw.size());
  raw.insert(raw.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(), inserted.end());
}

}  // namespace strumly
