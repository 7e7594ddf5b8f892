#include "core/tab/TabPlayer.h"

#include <algorithm>

#include "core/playback/ChordPlayer.h"

namespace strumly {

namespace {

constexpr int kNoNote = 0;
constexpr int kSingleDigits = 1;
constexpr int kTwoDigitFret = 2;
constexpr std::size_t kMaxPendingCursors = 1 << 16;  // far more than any queue holds

}  // namespace

TabPlayerOptions tabPlayerOptionsFrom(const TabPageSettings& page, const MidiSettings& midi,
                                      const Tuning& tuning) {
  TabPlayerOptions o;
  o.midi = midi;
  o.tuning = tuning;
  o.tempoMicros = page.tempoMicros;
  o.sustain = page.sustain;
  o.sliceTime = page.sliceTime;
  o.loop = page.loop;
  o.playOnFirstDigit = page.playOnFirstDigit;
  o.doubleDigitTempoAdjust = page.doubleDigitTempoAdjust;
  return o;
}

// --- Reading the play lines (any position is safe: outside the lines is silence) ---

bool TabPlayer::isEndRow(long row) const {
  // The last play line is the end line; anything at or beyond it ends the range.
  return row < 0 || row >= static_cast<long>(play_.size()) - 1;
}

long TabPlayer::lineLength(long row) const {
  return isEndRow(row) ? 0 : static_cast<long>(play_[static_cast<std::size_t>(row)].size());
}

std::uint8_t TabPlayer::byteAt(long row, long col) const {
  if (isEndRow(row) || col < 1 || col > lineLength(row)) return kSilentColumn;
  return static_cast<std::uint8_t>(play_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col - 1)]);
}

bool TabPlayer::pastEnd(Pos p) const {
  return p.row > end_.row || (p.row == end_.row && p.col > end_.col);
}

bool TabPlayer::beforeStart(Pos p) const {
  return p.row < start_.row || (p.row == start_.row && p.col < start_.col);
}

int TabPlayer::columnClass(Pos p) const {
  int result = kNoNote;
  for (long k = 0; k < kTabStrings; ++k) {
    const std::uint8_t b = byteAt(p.row + k, p.col);
    if (!isPlayNote(b)) continue;
    if (b >= 10) return kTwoDigitFret;
    result = kSingleDigits;
  }
  return result;
}

// The class `ahead` (1 or 2) columns on, following the range into the next block or back to its
// start. `fromNext` tells whether the column was found past the current block.
int TabPlayer::classAhead(Pos p, long ahead, bool p2FromNext, bool* fromNext) const {
  const Pos same{p.row, p.col + ahead};
  if (lineLength(p.row) >= p.col + ahead && !pastEnd(same)) return columnClass(same);
  if (fromNext) *fromNext = true;
  const bool nextBlock = static_cast<long>(play_.size()) >= p.row + 13 && !pastEnd(same);
  Pos next = nextBlock ? Pos{p.row + 7, 1} : start_;
  if (!nextBlock && !options_.loop) return kNoNote;  // the range ends here
  if (ahead == 2 && p2FromNext) next.col += 1;
  return lineLength(next.row) > 1 ? columnClass(next) : kNoNote;
}

// --- Continuous play ---

bool TabPlayer::start(const TabLines& convertedLines, const TabMarkers& markers,
                      const TabPlayerOptions& options, SequenceSink& sink) {
  options_ = options;
  play_ = encodePlayLines(convertedLines, options.playOnFirstDigit);
  active_ = true;
  sink.setTempo(options_.tempoMicros);

  sounding_.fill(-1);
  lit_.fill(false);
  litFret_.fill(0);
  sustainCount_ = 0;
  nextTime_ = 0;
  endQueued_ = false;
  syncStarted_ = false;
  playedSinceLoopStart_ = false;
  columnEvents_.clear();
  columnQueued_ = 0;
  columnBuilt_ = false;
  closingBuilt_ = false;
  pendingCursors_.clear();

  // Markers from a file may lie anywhere; past the page they only end the range at once.
  const long blocks = static_cast<long>(play_.size()) / kTabLinesPerBlock + 1;
  long longest = 0;
  for (const PlayLine& line : play_) longest = std::max(longest, static_cast<long>(line.size()));
  auto row = [&](int block) { return kTabLinesPerBlock * std::clamp<long>(block, 0, blocks) + 1; };
  auto col = [&](int column) { return std::clamp<long>(column, 0, longest + 2); };
  start_ = {row(markers.start.block), col(markers.start.column) + 1};
  end_ = {row(markers.end.block), col(markers.end.column) - 1};
  cur_ = start_;

  const MidiSettings& midi = options_.midi;
  sink.queue(channelEvent(0xC0, midi.guitarChannel, midi.guitarPatch, 0));  // a refusal is ignored
  if (options_.stepMode) {
    if (!searchForward()) return false;
    playStep(sink);
    return true;
  }
  fill(sink);
  return true;
}

void TabPlayer::startSync(SequenceSink& sink) {
  if (syncStarted_) return;
  sink.start();
  syncStarted_ = true;
}

void TabPlayer::remember(const TabCursor& cursor) {
  if (pendingCursors_.size() == kMaxPendingCursors) pendingCursors_.pop_front();
  pendingCursors_.push_back(cursor);
}

void TabPlayer::noteOffs(const std::function<void(MidiEvent)>& put) {
  const MidiSettings& midi = options_.midi;
  for (int& pitch : sounding_) {
    if (pitch < 0) continue;
    put(channelEvent(0x80, midi.guitarChannel, pitch, midi.guitarVolume));
    pitch = -1;
  }
}

void TabPlayer::unmarkString(int g, const std::function<void(MidiEvent)>& put) {
  const auto i = static_cast<std::size_t>(g);
  if (!lit_[i]) return;
  put(markerEvent(kTabFretMarker, g, litFret_[i], kTabMarkerRemove));
  lit_[i] = false;
}

void TabPlayer::soundString(int g, const std::function<void(MidiEvent)>& put) {
  const auto i = static_cast<std::size_t>(g);
  const std::uint8_t w = byteAt(cur_.row + g, cur_.col);
  if (!isPlayNote(w)) return;
  const int pitch = w + options_.tuning.pitches[i];
  put(channelEvent(0x90, options_.midi.guitarChannel, pitch, options_.midi.guitarVolume));
  sounding_[i] = pitch;
  // A string already marked keeps its marker: it moves only when a column with a note clears it.
  if (lit_[i]) return;
  put(markerEvent(kTabFretMarker, g, w, w > 0 ? kTabFingerFretted : kTabFingerOpen));
  lit_[i] = true;
  litFret_[i] = w;
}

void TabPlayer::buildColumn(int s, int p2, int p3) {
  columnEvents_.clear();
  columnQueued_ = 0;
  std::uint32_t time = nextTime_;
  auto put = [&](MidiEvent e) {
    e.time = time;
    time = 0;
    columnEvents_.push_back(e);
  };

  bool released = false;
  for (int g = 0; g < kTabStrings; ++g) {
    if (s > kNoNote || sustainCount_ >= options_.sustain) {
      if (!released) noteOffs(put);
      released = true;
      // A fretboard marker stays until the next column with a note.
      if (s > kNoNote) unmarkString(g, put);
    }
    soundString(g, put);
  }

  const bool first = options_.playOnFirstDigit;
  const bool adjust = options_.doubleDigitTempoAdjust;
  const bool clear = p2 > kNoNote || (!first && p2 == kNoNote && p3 == kTwoDigitFret && adjust) ||
                     (first && s == kTwoDigitFret && p2 == kNoNote && p3 > kNoNote && adjust);
  const int block = static_cast<int>(cur_.row / kTabLinesPerBlock);
  columnCursor_ = {static_cast<int>(cur_.col), block, clear};
  put(markerEvent(kTabCursorMarker, static_cast<int>(cur_.col & 0xFF), block & 0xFF, clear ? 1 : 0));

  nextTime_ = static_cast<std::uint32_t>(options_.sliceTime);
  ++sustainCount_;
  if (sustainCount_ > options_.sustain || s > kNoNote) sustainCount_ = 0;
  columnAdvance_ = (first && adjust && s == kTwoDigitFret && p2 == kNoNote) ? 2 : 1;
}

void TabPlayer::buildClosing() {
  columnEvents_.clear();
  columnQueued_ = 0;
  std::uint32_t time = static_cast<std::uint32_t>(std::max(0, options_.sliceTime * options_.sustain));
  auto put = [&](MidiEvent e) {
    e.time = time;
    time = 0;
    columnEvents_.push_back(e);
  };
  // Notes still ringing end with the page rather than hang on the synth.
  noteOffs(put);
  put(channelEvent(0x80, options_.midi.guitarChannel, 0, 0));
}

void TabPlayer::fill(SequenceSink& sink) {
  if (!active_ || options_.stepMode) return;
  for (;;) {
    if (columnBuilt_) {
      for (; columnQueued_ < columnEvents_.size(); ++columnQueued_) {
        const MidiEvent& e = columnEvents_[columnQueued_];
        if (sink.queue(e) == QueueResult::Full) {
          startSync(sink);
          return;
        }
        if (e.status == kTabCursorMarker) remember(columnCursor_);
      }
      columnBuilt_ = false;
      if (closingBuilt_) {
        endQueued_ = true;
        return;
      }
      cur_.col += columnAdvance_;
      continue;
    }
    if (endQueued_) return;

    bool rangeDone = isEndRow(cur_.row);
    if (!rangeDone) {
      const long length = lineLength(cur_.row);
      if (length == 0) {
        ++cur_.row;
        cur_.col = 1;
        continue;
      }
      if (length < cur_.col) {
        cur_.row += 6;  // the empty line after the block
        cur_.col = 1;
        continue;
      }
      rangeDone = pastEnd(cur_);
    }
    if (rangeDone) {
      startSync(sink);
      if (options_.loop && playedSinceLoopStart_) {
        cur_ = start_;
        playedSinceLoopStart_ = false;
        continue;
      }
      buildClosing();
      closingBuilt_ = true;
      columnBuilt_ = true;
      continue;
    }

    const int s = columnClass(cur_);
    bool p2FromNext = false;
    const int p2 = classAhead(cur_, 1, false, &p2FromNext);
    const int p3 = classAhead(cur_, 2, p2FromNext, nullptr);
    if (!options_.playOnFirstDigit && options_.doubleDigitTempoAdjust && s == kNoNote &&
        p2 == kTwoDigitFret) {
      ++cur_.col;  // the filler before a two-digit fret takes no time
      continue;
    }
    buildColumn(s, p2, p3);
    columnBuilt_ = true;
    playedSinceLoopStart_ = true;
  }
}

// --- Step play ---

bool TabPlayer::searchForward() {
  Pos p = cur_;
  int wraps = 0;
  for (;;) {
    if (isEndRow(p.row) || pastEnd(p)) {
      if (++wraps > 1) return false;
      p = start_;
      continue;
    }
    const long length = lineLength(p.row);
    if (length == 0) {
      ++p.row;
      p.col = 1;
      continue;
    }
    if (p.col < 1) p.col = 1;
    if (length < p.col) {
      p.row += kTabLinesPerBlock;
      p.col = 1;
      continue;
    }
    if (columnClass(p) > kNoNote) {
      cur_ = p;
      return true;
    }
    ++p.col;
  }
}

bool TabPlayer::searchBackward() {
  Pos p = cur_;
  int wraps = 0;
  auto wrap = [&] {
    p = end_;
    return ++wraps <= 1;
  };
  for (;;) {
    if (p.col < 1) {
      if (p.row - kTabLinesPerBlock < 1) {
        if (!wrap()) return false;
        continue;
      }
      p.row -= kTabLinesPerBlock;
      p.col = lineLength(p.row);
      continue;
    }
    if (beforeStart(p)) {
      if (!wrap()) return false;
      continue;
    }
    if (!pastEnd(p) && p.col <= lineLength(p.row) && columnClass(p) > kNoNote) {
      cur_ = p;
      return true;
    }
    --p.col;
  }
}

bool TabPlayer::step(StepDirection direction, SequenceSink& sink) {
  if (!active_) return false;
  const Pos before = cur_;
  const bool backward = direction == StepDirection::Backward;
  cur_.col += backward ? -1 : 1;
  if (!(backward ? searchBackward() : searchForward())) {
    cur_ = before;
    return false;
  }
  playStep(sink);
  return true;
}

void TabPlayer::playStep(SequenceSink& sink) {
  // Every event of a step is due at once; a refusal is ignored (a step is a handful of events).
  auto put = [&](MidiEvent e) {
    e.time = 0;
    sink.queue(e);
  };
  noteOffs(put);
  for (int g = 0; g < kTabStrings; ++g) {
    unmarkString(g, put);
    soundString(g, put);
  }
  const int block = static_cast<int>(cur_.row / kTabLinesPerBlock);
  MidiEvent cursor = markerEvent(kTabCursorMarker, static_cast<int>(cur_.col & 0xFF), block & 0xFF, 1);
  if (sink.queue(cursor) == QueueResult::Queued) remember({static_cast<int>(cur_.col), block, true});
  sink.start();
}

void TabPlayer::stop() {
  play_.clear();
  play_.shrink_to_fit();
  pendingCursors_.clear();
  columnEvents_.clear();
  active_ = false;
}

TabCursor TabPlayer::cursorForMarker(std::uint32_t param) {
  const int column = markerData1(param);
  const int block = markerData2(param);
  const bool clear = markerData3(param) != 0;
  const auto match = std::find_if(pendingCursors_.begin(), pendingCursors_.end(), [&](const TabCursor& c) {
    return (c.column & 0xFF) == column && (c.block & 0xFF) == block && c.clearFretlight == clear;
  });
  if (match == pendingCursors_.end()) return {column, block, clear};
  const TabCursor found = *match;
  pendingCursors_.erase(pendingCursors_.begin(), match + 1);
  return found;
}

TabArpeggio TabPlayer::arpeggio() const {
  TabArpeggio notes{};
  if (play_.empty()) return notes;
  int stringIndex = 0;
  const long lastRow = std::min(end_.row + 5, static_cast<long>(play_.size()) - 2);
  for (long row = std::max(start_.row, 0L); row <= lastRow; ++row) {
    const long length = lineLength(row);
    if (length == 0) {
      stringIndex = 0;
      continue;
    }
    const long from = row <= start_.row + 5 ? std::max(start_.col, 1L) : 1;
    const long to = row < end_.row ? length : std::min(end_.col, length);
    if (stringIndex < kTabStrings) {
      for (long col = from; col <= to; ++col) {
        const std::uint8_t w = byteAt(row, col);
        if (isPlayNote(w)) notes[w][static_cast<std::size_t>(stringIndex)] = true;
      }
    }
    ++stringIndex;
  }
  return notes;
}

}  // namespace strumly
