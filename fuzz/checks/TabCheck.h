#pragma once
// Invariants of the raw tab scan, the conversion, the player and the .vxt reader on arbitrary bytes.
//
// Raw text (checkTabTextInput):
//  - decoding never throws; re-encoding the lines and decoding again gives the same lines (a
//    leading U+FEFF aside, which reads as a byte-order mark);
//  - every block found is six tab lines of equal length, in text order without overlap, and the
//    working list holds 7 lines per block;
//  - a conversion exists exactly when a block was found; Auto Tune's pitches lie in the strings'
//    windows (34..69); the play lines have the page's lengths plus the end line, and a column
//    sounds only where the text has a digit;
//  - the player plays the page once to its closing event with a bounded number of events, and
//    every note-on is released by the end; step play keeps finding a column, or ends at once;
//  - the chord at any caret has frets up to 22 only.
// Tab page file (checkTabPageInput):
//  - parsing never throws and gives a file or a message, never both; short files and wrong first
//    lines give exactly kNotATabPageFile;
//  - an accepted file's settings lie in the controls' ranges, and writing it gives a file that
//    reads back the same; its page plays to an end.
#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "Finding.h"
#include "core/tab/TabBlocks.h"
#include "core/tab/TabChordAtCursor.h"
#include "core/tab/TabConversion.h"
#include "core/tab/TabFile.h"
#include "core/tab/TabPlayer.h"

namespace strumly::fuzz {

namespace tab_detail {

// Counts what a player queues; never full.
class CountingSink final : public SequenceSink {
 public:
  QueueResult queue(const MidiEvent& e) override {
    ++events;
    if ((e.status & 0xF0) == 0x90) ++sounding[e.data1];
    if ((e.status & 0xF0) == 0x80) sounding[e.data1] = 0;
    if ((e.status & 0xF0) == 0x80 && e.data1 == 0) ++closings;
    return QueueResult::Queued;
  }
  void setTempo(std::uint32_t) override {}
  void start() override {}
  void pause() override {}
  void restart() override {}
  void stop() override {}
  void flush() override {}
  std::size_t events = 0;
  std::size_t closings = 0;
  std::map<int, int> sounding;
};

inline Finding playsToAnEnd(const TabLines& lines, const TabMarkers& markers, TabPlayerOptions options) {
  std::size_t columns = 0;
  for (const TabLine& l : lines) columns += l.size() + 1;
  CountingSink sink;
  TabPlayer player;
  options.loop = false;
  options.stepMode = false;
  player.start(lines, markers, options, sink);
  if (!player.endQueued()) return "the player did not reach its closing event";
  if (sink.closings != 1) return "the player queued " + std::to_string(sink.closings) + " closing events";
  // Per column at most 6 note-offs, 6 removes, 6 note-ons, 6 shows and the cursor.
  if (sink.events > 25 * columns + 16) return "the player queued more events than the page has columns for";
  for (const auto& [pitch, count] : sink.sounding)
    if (count != 0 && pitch != 0) return "note " + std::to_string(pitch) + " still sounds after the end";

  options.stepMode = true;
  CountingSink steps;
  TabPlayer stepper;
  if (stepper.start(lines, markers, options, steps)) {
    for (int k = 0; k < 3; ++k)
      if (!stepper.step(StepDirection::Forward, steps)) return "step play lost the range's notes";
    // Backward walks whole blocks only, so on a damaged page it may find nothing; it must end.
    stepper.step(StepDirection::Backward, steps);
  } else if (stepper.step(StepDirection::Forward, steps)) {
    return "step play found a note after finding none";
  }
  return {};
}

}  // namespace tab_detail

inline Finding checkTabTextInput(const std::uint8_t* data, std::size_t size) {
  using namespace tab_detail;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TabLines lines = decodeTabText(bytes);
  TabLines again = decodeTabText(encodeTabText(lines));
  TabLines expected = lines;
  if (!expected.empty() && !expected[0].empty() && expected[0][0] == U'\uFEFF') expected[0].erase(0, 1);
  if (again != expected) return "lines do not survive writing and reading";

  const TabCheckResult check = checkTabEdits(lines);
  std::size_t next = 0;
  for (const TabBlockSpan& b : check.blocks) {
    if (b.firstLine < next || b.firstLine + 6 > lines.size()) return "blocks overlap or leave the text";
    for (std::size_t s = 0; s < 6; ++s) {
      const TabLine& l = lines[b.firstLine + s];
      if (!isTabLine(l) || l.size() != b.lineLength)
        return "a block holds a line that is no tab line of its length";
    }
    next = b.firstLine + 6;
  }
  if (check.workingLines.size() != 7 * check.blocks.size()) return "the working list is not 7 lines a block";

  const std::optional<ConvertedTab> converted = convertTab(check.workingLines, true);
  if (converted.has_value() != !check.blocks.empty()) return "conversion and block detection disagree";
  if (!converted) return {};
  for (PitchNumber p : converted->tuning.pitches)
    if (p < 34 || p > 69) return "Auto Tune left a string's window: " + std::to_string(p);
  for (bool first : {false, true}) {
    const std::vector<PlayLine> play = encodePlayLines(converted->lines, first);
    if (play.size() != converted->lines.size() + 1 || play.back() != kPlayEndLine)
      return "play lines miscounted";
    for (std::size_t r = 0; r < converted->lines.size(); ++r) {
      if (play[r].size() != converted->lines[r].size()) return "a play line changed its length";
      for (std::size_t c = 0; c < play[r].size(); ++c) {
        const bool digitNear =
            (converted->lines[r][c] >= U'0' && converted->lines[r][c] <= U'9') ||
            (c > 0 && converted->lines[r][c - 1] >= U'0' && converted->lines[r][c - 1] <= U'9') ||
            (c + 1 < play[r].size() && converted->lines[r][c + 1] >= U'0' &&
             converted->lines[r][c + 1] <= U'9');
        if (isPlayNote(static_cast<std::uint8_t>(play[r][c])) && !digitNear)
          return "a column without a digit sounds";
      }
    }
  }
  TabPlayerOptions options;
  options.tuning = converted->tuning;
  options.sustain = 3 + static_cast<int>(size % 18);
  options.playOnFirstDigit = size % 2 == 1;
  options.doubleDigitTempoAdjust = size % 3 != 0;
  if (Finding f = playsToAnEnd(converted->lines, converted->markers, options); !f.empty()) return f;

  for (std::size_t line = 0; line < lines.size() && line < 64; line += 3)
    for (std::size_t col = 1; col <= lines[line].size() + 1 && col < 64; col += 5)
      if (const std::optional<ChordDiagram> chord = chordAtCursor(lines, line, col))
        for (const StringFret& s : chord->strings)
          if (s.fret > 22) return "a chord at the caret has a fret above 22";
  return {};
}

inline Finding checkTabPageInput(const std::uint8_t* data, std::size_t size) {
  using namespace tab_detail;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TabPageReadResult read;
  try {
    read = parseTabPageFile(bytes);
  } catch (const std::exception& e) {
    return std::string("the reader threw: ") + e.what();
  }
  if (read.ok() == !read.error.empty()) return "a read gives both a file and a message, or neither";
  const TabLines lines = decodeTabText(bytes);
  const bool shapeOk = lines.size() > 16 && lines[0] == U"kv6.50TabPage";
  if (!shapeOk)
    return read.error == kNotATabPageFile ? Finding{} : "a file of the wrong shape got " + shown(read.error);
  if (!read.ok()) return {};

  const TabPageSettings& s = read.file->settings;
  const int bpm = bpmForTempoMicros(s.tempoMicros);
  if (bpm < kMinTempoBpm || bpm > kMaxTempoBpm || s.sustain < kMinTabSustain || s.sustain > kMaxTabSustain ||
      s.sliceTime < kMinSliceTime || s.sliceTime > kMaxSliceTime)
    return "a setting lies outside its control's range";
  const TabPageReadResult back = parseTabPageFile(encodeTabText(tabPageFileLines(s, read.file->lines)));
  if (!back.ok() || !(back.file->settings == s) || back.file->lines != read.file->lines)
    return "a written tab page file does not read back the same";

  const std::optional<ConvertedTab> converted = convertTab(read.file->lines, s.autoTune);
  if (!converted) return {};
  TabPlayerOptions options = tabPlayerOptionsFrom(s, MidiSettings{}, converted->tuning);
  return playsToAnEnd(converted->lines, s.markers, options);
}

}  // namespace strumly::fuzz
