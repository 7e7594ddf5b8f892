#include "core/tab/TabFile.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "core/common/ReadWholeFile.h"
#include "core/midi/MidiEvent.h"

namespace strumly {

namespace {

// A header number: optional blanks around an optionally signed decimal integer that fits an int.
std::optional<int> headerInt(const TabLine& line) {
  const std::string text = toUtf8(line);
  std::size_t first = text.find_first_not_of(' ');
  std::size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  int value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

bool headerBool(const TabLine& line) {
  return line == U"True";
}

TabLine boolLine(bool value) {
  return value ? U"True" : U"False";
}

TabLine intLine(long long value) {
  return fromUtf8(std::to_string(value));
}

}  // namespace

TabPageReadResult parseTabPageFile(std::string_view bytes) {
  TabLines lines = decodeTabText(bytes);
  if (lines.size() <= static_cast<std::size_t>(kTabHeaderLines) || lines[0] != fromUtf8(kTabPageFileHeader))
    return {std::nullopt, std::string(kNotATabPageFile)};

  // Lines 2, 3, 4, 6..9 (from 1) are numbers; all of them are checked before any is used.
  constexpr std::array<std::size_t, 7> kNumberLines{1, 2, 3, 5, 6, 7, 8};
  std::array<int, 7> numbers{};
  for (std::size_t k = 0; k < kNumberLines.size(); ++k) {
    const TabLine& line = lines[kNumberLines[k]];
    const std::optional<int> value = headerInt(line);
    if (!value)
      return {std::nullopt, "Line " + std::to_string(kNumberLines[k] + 1) + " of the tab file, \"" +
                                toUtf8(line) + "\", is not a whole number."};
    numbers[k] = *value;
  }
  if (numbers[0] <= 0)
    return {std::nullopt, "Line 2 of the tab file, \"" + toUtf8(lines[1]) + "\", is not a tempo."};

  TabPageFile file;
  TabPageSettings& s = file.settings;
  // The tempo controls hold 10..250 beats per minute; a file cannot take the clock beyond them.
  s.tempoMicros = tempoMicrosForBpm(std::clamp(numbers[0], kMinTempoBpm, kMaxTempoBpm));
  s.sustain = std::clamp(numbers[1], kMinTabSustain, kMaxTabSustain);
  s.sliceTime = std::clamp(numbers[2], kMinSliceTime, kMaxSliceTime);
  s.loop = headerBool(lines[4]);
  s.markers = {{numbers[3], numbers[4]}, {numbers[5], numbers[6]}};
  s.playOnFirstDigit = headerBool(lines[9]);
  s.doubleDigitTempoAdjust = headerBool(lines[10]);
  s.autoTune = headerBool(lines[11]);
  file.lines.assign(std::make_move_iterator(lines.begin() + kTabHeaderLines),
                    std::make_move_iterator(lines.end()));
  return {std::move(file), {}};
}

TabPageReadResult readTabPageFile(const std::filesystem::path& path) {
  std::string error;
  const std::optional<std::string> bytes = readWholeFile(path, error, kMaxTabFileBytes + 1);
  if (!bytes) return {std::nullopt, error};
  if (bytes->size() > kMaxTabFileBytes) return {std::nullopt, path.string() + " is too large for a tab."};
  return parseTabPageFile(*bytes);
}

TabLines tabPageFileLines(const TabPageSettings& s, const TabLines& convertedLines) {
  TabLines lines;
  lines.reserve(kTabHeaderLines + convertedLines.size());
  lines.push_back(fromUtf8(kTabPageFileHeader));
  lines.push_back(intLine(s.tempoMicros == 0 ? 0 : kMicrosPerMinute / s.tempoMicros));
  lines.push_back(intLine(s.sustain));
  lines.push_back(intLine(s.sliceTime));
  lines.push_back(boolLine(s.loop));
  lines.push_back(intLine(s.markers.start.column));
  lines.push_back(intLine(s.markers.start.block));
  lines.push_back(intLine(s.markers.end.column));
  lines.push_back(intLine(s.markers.end.block));
  lines.push_back(boolLine(s.playOnFirstDigit));
  lines.push_back(boolLine(s.doubleDigitTempoAdjust));
  lines.push_back(boolLine(s.autoTune));
  for (int k = 0; k < 4; ++k) lines.push_back(U"!");
  lines.insert(lines.end(), convertedLines.begin(), convertedLines.end());
  return lines;
}

std::string writeTabPageFile(const std::filesystem::path& path, const TabPageSettings& settings,
                             const TabLines& convertedLines) {
  return writeTabTextFile(path, tabPageFileLines(settings, convertedLines));
}

}  // namespace strumly
