// The tab player through a recording sink. Ticks are worked out by hand: one column is one slice
// (60 ticks by default), a note sounds for sustain + 1 slices at most, standard tuning, guitar
// channel 0 at volume 100.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "../support/RecordingSequenceSink.h"
#include "core/tab/TabPlayer.h"

namespace strumly {
namespace {

using Note = std::tuple<std::uint64_t, int, int>;  // tick, status, pitch

// One block: string 0 as given, the other five strings dashes of the same length.
TabLines block(const std::u32string& top, const std::u32string& low = {}) {
  TabLines lines{U"", top};
  for (int s = 1; s < 6; ++s)
    lines.push_back(s == 5 && !low.empty() ? low : std::u32string(top.size(), U'-'));
  return lines;
}

std::vector<Note> notes(const RecordingSequenceSink& sink) {
  std::vector<Note> out;
  for (const SinkCall& c : sink.events())
    if (c.event.status == 0x90 || c.event.status == 0x80)
      out.emplace_back(c.tick, c.event.status, c.event.data1);
  return out;
}

std::vector<int> cursorColumns(const RecordingSequenceSink& sink) {
  std::vector<int> out;
  for (const SinkCall& c : sink.events())
    if (c.event.status == kTabCursorMarker) out.push_back(c.event.data1);
  return out;
}

struct Played {
  RecordingSequenceSink sink;
  TabPlayer player;
  bool started = false;
};

void play(Played& p, const TabLines& lines, TabPlayerOptions options = {}, std::optional<TabMarkers> m = {}) {
  p.started = p.player.start(lines, m ? *m : defaultTabMarkers(lines), options, p.sink);
}

TEST(TabPlayer, SustainAndTheClosingEvent) {
  Played a;
  play(a, block(U"3-------------------"));  // 20 columns
  // Fret 3 on string 0 (67) sounds 12 slices; the range ends at tick 19 x 60 = 1140 and the
  // closing event follows 11 slices later.
  EXPECT_EQ(notes(a.sink), (std::vector<Note>{{0, 0x90, 67}, {720, 0x80, 67}, {1800, 0x80, 0}}));
  EXPECT_TRUE(a.player.endQueued());

  Played b;
  play(b, block(U"3---5---"));
  EXPECT_EQ(notes(b.sink),
            (std::vector<Note>{
                {0, 0x90, 67}, {240, 0x80, 67}, {240, 0x90, 69}, {1080, 0x80, 69}, {1080, 0x80, 0}}));
}

TEST(TabPlayer, TwoDigitFrets) {
  const TabLines lines = block(U"-12-");
  const auto run = [&](bool first, bool adjust) {
    Played p;
    TabPlayerOptions o;
    o.playOnFirstDigit = first;
    o.doubleDigitTempoAdjust = adjust;
    play(p, lines, o);
    return std::make_pair(std::get<0>(notes(p.sink).front()), cursorColumns(p.sink));
  };
  // Fret 12 (76) sounds at the column of the 2; the filler before it takes no time with the adjust.
  EXPECT_EQ(run(false, true), std::make_pair(std::uint64_t{60}, std::vector<int>{1, 3, 4}));
  EXPECT_EQ(run(false, false), std::make_pair(std::uint64_t{120}, std::vector<int>{1, 2, 3, 4}));
  // On the first digit: at the column of the 1, and the column after it is skipped with the adjust.
  EXPECT_EQ(run(true, true), std::make_pair(std::uint64_t{60}, std::vector<int>{1, 2, 4}));
  EXPECT_EQ(run(true, false), std::make_pair(std::uint64_t{60}, std::vector<int>{1, 2, 3, 4}));

  Played silent;
  play(silent, block(U"-23-\t-"));  // 23 is beyond the fretboard, a TAB is no fret 9
  EXPECT_EQ(notes(silent.sink), (std::vector<Note>{{960, 0x80, 0}}));
}

TEST(TabPlayer, RangeBarLinesAndLoop) {
  Played range;
  play(range, block(U"e|-0-|--------"), {}, TabMarkers{{4, 0}, {9, 0}});
  EXPECT_EQ(cursorColumns(range.sink), (std::vector<int>{5, 6, 7, 8}));

  Played bars;
  play(bars, block(U"e|-0-|"));
  EXPECT_EQ(cursorColumns(bars.sink), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(std::get<0>(notes(bars.sink).front()), 180u);  // the open string in the fourth slice

  Played loop;
  TabPlayerOptions o;
  o.loop = true;
  loop.sink.roomFor(40);
  play(loop, block(U"3-5---"), o, TabMarkers{{0, 0}, {4, 0}});
  const std::vector<int> columns = cursorColumns(loop.sink);
  EXPECT_EQ(std::vector<int>(columns.begin(), columns.begin() + 4), (std::vector<int>{1, 2, 3, 1}));
  for (const Note& n : notes(loop.sink)) EXPECT_NE(std::get<2>(n), 0) << "no closing event while looping";

  // A range without a column (start after end) must not spin while looping.
  Played empty;
  play(empty, block(U"3-5---"), o, TabMarkers{{5, 0}, {3, 0}});
  EXPECT_TRUE(empty.player.endQueued());
}

TEST(TabPlayer, FullQueueResumesWithTheRefusedEvent) {
  const TabLines lines = block(U"3-12-5-0---|", U"0-----2-----");
  Played whole;
  play(whole, lines);
  Played parts;
  parts.sink.roomFor(3);
  play(parts, lines);
  for (int guard = 0; guard < 100 && !parts.player.endQueued(); ++guard) {
    parts.sink.roomFor(3);
    parts.player.fill(parts.sink);
  }
  const auto stream = [](const RecordingSequenceSink& s) {
    std::vector<std::tuple<std::uint64_t, int, int, int, int>> out;
    for (const SinkCall& c : s.events())
      out.emplace_back(c.tick, c.event.status, c.event.data1, c.event.data2, c.event.data3);
    return out;
  };
  EXPECT_EQ(stream(parts.sink), stream(whole.sink));
  const std::vector<SinkCall::Kind> kinds = parts.sink.kinds();
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), SinkCall::Kind::Start), 1);
}

TEST(TabPlayer, StepPlay) {
  TabPlayerOptions o;
  o.stepMode = true;
  Played p;
  play(p, block(U"--3-5-"), o);
  ASSERT_TRUE(p.started);
  const auto stepTo = [&](StepDirection d) {
    p.sink.clear();
    EXPECT_TRUE(p.player.step(d, p.sink));
    return cursorColumns(p.sink);
  };
  EXPECT_EQ(stepTo(StepDirection::Forward), std::vector<int>{5});
  EXPECT_EQ(stepTo(StepDirection::Forward), std::vector<int>{3});   // wraps to the start
  EXPECT_EQ(stepTo(StepDirection::Backward), std::vector<int>{5});  // wraps to the end

  Played none;
  play(none, block(U"--3-5-"), o, TabMarkers{{3, 0}, {5, 0}});  // only column 4, which is silent
  EXPECT_FALSE(none.started);
  none.sink.clear();
  EXPECT_FALSE(none.player.step(StepDirection::Forward, none.sink));
  EXPECT_TRUE(none.sink.calls().empty());
}

TEST(TabPlayer, CursorMarkersCarryLongPositions) {
  Played p;
  std::u32string top(300, U'-');
  top[279] = U'1';  // column 280: its low byte is 24
  play(p, block(top), {}, TabMarkers{{278, 0}, {282, 0}});
  std::vector<TabCursor> cursors;
  for (const SinkCall& c : p.sink.events())
    if (c.event.status == kTabCursorMarker)
      cursors.push_back(p.player.cursorForMarker(packMarkerParam(c.event)));
  ASSERT_EQ(cursors.size(), 3u);
  EXPECT_EQ(cursors[1], (TabCursor{280, 0, false}));
  EXPECT_EQ(cursors[0].column, 279);
}

}  // namespace
}  // namespace strumly
