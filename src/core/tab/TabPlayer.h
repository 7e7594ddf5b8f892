#pragma once
// The tab player: plays the converted page column by column between the markers. Every column
// of the six lines is one time slice; digits sound on their string, every other character is a
// silent slice. Besides the notes it queues kind-1 markers (a fret marker shown or removed on the
// fretboard) and one kind-4 marker per column (the play cursor moves there).
//
// The queue is bounded: `fill` stops at the first refused event and the next `fill` offers that
// very event again, time included, so the music goes on without a gap or a doubled event.
// Everything the player plays from is copied at `start`.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "core/app/AppSettings.h"
#include "core/playback/PlayPageSequencer.h"  // StepDirection
#include "core/playback/SequenceSink.h"
#include "core/tab/TabConversion.h"
#include "core/tab/TabFile.h"

namespace strumly {

// What the player reads from the page, the transport and the settings when it starts.
struct TabPlayerOptions {
  MidiSettings midi;                   // guitar channel, patch (instrument) and volume (velocity)
  Tuning tuning;                       // the main window's tuning (the conversion's Auto Tune)
  std::uint32_t tempoMicros = 600000;  // given to the sink's setTempo
  int sustain = kDefaultTabSustain;    // slices a note may ring after its own (3..20)
  int sliceTime = kDefaultSliceTime;   // ticks per column (15..120)
  bool loop = false;                   // Loop Play down
  bool stepMode = false;               // Step Play down
  bool playOnFirstDigit = false;       // "Play on First Digit"
  bool doubleDigitTempoAdjust = true;  // "Double Digit Tempo Adjust"
};

// Options of a tab page file's settings (tempo, sustain, slice, loop and the two check boxes).
TabPlayerOptions tabPlayerOptionsFrom(const TabPageSettings& page, const MidiSettings& midi,
                                      const Tuning& tuning);

constexpr std::uint8_t kTabFretMarker = 1;     // data1 string, data2 fret, data3 finger or 10 (remove)
constexpr std::uint8_t kTabCursorMarker = 4;   // data1 column, data2 block (low bytes), data3 clear flag
constexpr std::uint8_t kTabFingerFretted = 6;  // data3 of a shown fretted note (plain marker)
constexpr std::uint8_t kTabFingerOpen = 0;     // data3 of a shown open string
constexpr std::uint8_t kTabMarkerRemove = 10;  // data3 of a removed fret marker

// Where the play cursor goes when a kind-4 marker comes due.
struct TabCursor {
  int column = 0;
  int block = 0;
  bool clearFretlight = false;  // clear the guitar's notes after showing them
  bool operator==(const TabCursor&) const = default;
};

// The notes of the play range by (fret 0..22, string 0..5), for "Show Arpeggio".
using TabArpeggio = std::array<std::array<bool, kTabStrings>, kHighestPlayedFret + 1>;

class TabPlayer {
 public:
  // StartTabPlayback's share: encodes the play lines, sets the tempo, resets the player to the
  // start marker, queues the instrument, then plays the first step (step mode) or fills the queue.
  // False when step mode finds no note between the markers (nothing but the instrument queued).
  bool start(const TabLines& convertedLines, const TabMarkers& markers, const TabPlayerOptions& options,
             SequenceSink& sink);

  // FillTabQueue: queues until the queue is full or the range is done (the closing event is
  // queued; with Loop Play the start follows instead). Starts the sink's clock once per play, the
  // first time the queue fills or the range ends. Does nothing before `start`, in step mode and
  // after `stop`.
  void fill(SequenceSink& sink);

  // StepTab for a step key: Forward (Space, Right) moves one column on, Backward (Left) one back,
  // then the search finds the next column with a note in that direction, wrapping round the range
  // at most once, and plays it (all at time 0) and starts the clock. False, nothing queued, when
  // the range holds no note.
  bool step(StepDirection direction, SequenceSink& sink);

  // Releases the play lines (the end of playback); the player is idle until the next `start`.
  void stop();

  bool active() const { return active_; }
  bool endQueued() const { return endQueued_; }

  // OnTabCursorEvent's position: the kind-4 marker's parameter (packMarkerParam) to the full
  // column and block. A marker carries only their low bytes, so the player keeps the cursors it
  // queued in order and hands back the first one the bytes match (older ones were dropped with a
  // flushed queue); when none matches, the bytes as they are.
  TabCursor cursorForMarker(std::uint32_t markerParam);

  // "Show Arpeggio": every note between the markers, by fret and string.
  TabArpeggio arpeggio() const;

  const std::vector<PlayLine>& playLines() const { return play_; }

 private:
  struct Pos {
    long row = 0;  // index in the play lines of a block's string-0 line
    long col = 0;  // from 1
  };

  std::uint8_t byteAt(long row, long col) const;
  long lineLength(long row) const;
  bool isEndRow(long row) const;
  bool pastEnd(Pos p) const;
  bool beforeStart(Pos p) const;
  int columnClass(Pos p) const;
  int classAhead(Pos p, long ahead, bool p2FromNext, bool* fromNext) const;
  void buildColumn(int s, int p2, int p3);
  void buildClosing();
  void noteOffs(const std::function<void(MidiEvent)>& put);
  // The fretboard marker of string g comes off, when it has one.
  void unmarkString(int g, const std::function<void(MidiEvent)>& put);
  // The note of string g in the current column starts, with its marker where none stands.
  void soundString(int g, const std::function<void(MidiEvent)>& put);
  bool searchForward();
  bool searchBackward();
  void playStep(SequenceSink& sink);
  void startSync(SequenceSink& sink);
  void remember(const TabCursor& cursor);

  std::vector<PlayLine> play_;
  TabPlayerOptions options_{};
  bool active_ = false;
  Pos start_{}, end_{}, cur_{};

  std::array<int, kTabStrings> sounding_{};  // pitch, -1 = none
  std::array<bool, kTabStrings> lit_{};
  std::array<std::uint8_t, kTabStrings> litFret_{};
  int sustainCount_ = 0;
  std::uint32_t nextTime_ = 0;  // delay of the next column's first event
  bool endQueued_ = false;
  bool syncStarted_ = false;
  bool playedSinceLoopStart_ = false;  // a loop over a range without a column must not spin

  // The current column's events, times included, and how many of them the queue took.
  std::vector<MidiEvent> columnEvents_;
  std::size_t columnQueued_ = 0;
  bool columnBuilt_ = false;
  bool closingBuilt_ = false;
  long columnAdvance_ = 1;  // 2 when the filler after a two-digit fret is skipped
  TabCursor columnCursor_{};
  std::deque<TabCursor> pendingCursors_;
};

}  // namespace strumly
