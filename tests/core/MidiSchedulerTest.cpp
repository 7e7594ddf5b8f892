// The sync clock's decisions, stepped by hand: which event is due at which tick and time, and
// which messages come back.
#include <gtest/gtest.h>

#include <vector>

#include "core/midi/MidiTimeline.h"
#include "core/midi/SyncScheduler.h"

namespace strumly {
namespace {

struct Seen {
  enum Kind { Dispatch, Message, Silence } kind;
  std::uint32_t output;
  std::uint32_t a;  // status | data1 << 8 | data2 << 16, message id, or channel mask
  std::uint64_t tick;
  std::int64_t micros;
  std::uint32_t param;
};

class Recorder : public SchedulerListener {
 public:
  void onDispatch(std::uint32_t output, const ShortMessage& m, std::uint64_t tick,
                  std::int64_t due) override {
    seen.push_back({Seen::Dispatch, output, m.pack(), tick, due, 0});
  }
  void onMessage(std::uint32_t output, std::uint32_t message, std::uint32_t param) override {
    seen.push_back({Seen::Message, output, message, 0, 0, param});
  }
  void onSilence(std::uint32_t output, std::uint16_t mask) override {
    seen.push_back({Seen::Silence, output, mask, 0, 0, 0});
  }
  std::vector<Seen> dispatches() const { return only(Seen::Dispatch); }
  std::vector<std::uint32_t> messages(std::uint32_t id) const {
    std::vector<std::uint32_t> params;
    for (const Seen& s : seen) {
      if (s.kind == Seen::Message && s.a == id) params.push_back(s.param);
    }
    return params;
  }
  std::vector<Seen> only(Seen::Kind kind) const {
    std::vector<Seen> out;
    for (const Seen& s : seen) {
      if (s.kind == kind) out.push_back(s);
    }
    return out;
  }
  std::vector<Seen> seen;
};

MidiEvent ev(std::uint32_t time, std::uint8_t status, std::uint8_t d1 = 0, std::uint8_t d2 = 0,
             std::uint8_t d3 = 0) {
  return {time, status, d1, d2, d3};
}

// Steps the scheduler through every deadline up to `until`, as a clock would.
void runUntil(SyncScheduler& s, Recorder& r, std::int64_t until) {
  while (auto next = s.nextDeadline()) {
    if (*next > until) break;
    s.advance(*next, r);
  }
  s.advance(until, r);
}

TEST(TempoClockTest, TicksFollowTempoAndTempoChangesKeepThePastTicks) {
  TempoClock clock;
  clock.setTempo(600000, 0);  // 100 bpm: 1250 us per tick
  clock.start(1000);
  EXPECT_DOUBLE_EQ(clock.tickAt(1000 + 600000), 480.0);
  EXPECT_EQ(clock.timeOfTick(960), 1000 + 1200000);
  clock.setTempo(300000, 1000 + 600000);  // twice as fast from beat 1 on
  EXPECT_EQ(clock.timeOfTick(960), 1000 + 600000 + 300000);
  clock.halt(1000 + 900000);
  EXPECT_DOUBLE_EQ(clock.tickAt(5'000'000), 960.0);  // halted: time passes, ticks do not
  clock.start(5'000'000);
  EXPECT_EQ(clock.timeOfTick(1440), 5'000'000 + 300000);
}

TEST(TempoClockTest, LongRunsDoNotDrift) {
  TempoClock clock;
  clock.setTempo(240000, 0);  // 250 bpm: 500 us per tick
  clock.start(0);
  // One hour of beats lands exactly, not off by accumulated rounding.
  const std::uint64_t beats = 250 * 60;
  EXPECT_EQ(clock.timeOfTick(static_cast<double>(beats * kTicksPerBeat)), 3'600'000'000LL);
  clock.setTempo(500001, 0);  // a tempo with an inexact tick length
  EXPECT_EQ(clock.timeOfTick(480.0 * 1000), 500'001'000LL);
}

class SchedulerTest : public ::testing::Test {
 protected:
  static constexpr std::uint32_t kOut = 7;
  void SetUp() override { s.addOutput(kOut, 16); }
  SyncScheduler s;
  Recorder r;
};

TEST_F(SchedulerTest, EventsComeDueAtTheirTicksAtSeveralTempos) {
  for (std::uint32_t tempo : {600000u, 500000u, 240000u, 1000000u}) {
    Recorder rec;
    SyncScheduler sched;
    sched.addOutput(1);
    sched.setTempo(tempo, 0);
    ASSERT_TRUE(sched.put(1, ev(0, 0x90, 60, 100)));
    ASSERT_TRUE(sched.put(1, ev(240, 0x80, 60, 0)));
    ASSERT_TRUE(sched.put(1, ev(0, 0x91, 64, 90)));
    ASSERT_TRUE(sched.put(1, ev(721, 0xC0, 25)));
    sched.start(100);
    runUntil(sched, rec, 100 + 4LL * tempo);
    const auto d = rec.dispatches();
    ASSERT_EQ(d.size(), 4u) << tempo;
    const std::uint64_t ticks[] = {0, 240, 240, 961};
    const std::uint32_t statuses[] = {0x90, 0x80, 0x91, 0xC0};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(d[i].tick, ticks[i]);
      EXPECT_EQ(d[i].a & 0xFF, statuses[i]);
      EXPECT_NEAR(static_cast<double>(d[i].micros), 100 + ticks[i] * tempo / 480.0, 1.0) << tempo << " " << i;
    }
  }
}

TEST_F(SchedulerTest, NothingIsDueBeforeItsTime) {
  s.setTempo(480000, 0);  // 1000 us per tick
  s.put(kOut, ev(100, 0x90, 60, 100));
  s.start(0);
  EXPECT_EQ(s.nextDeadline(), 100000);
  s.advance(99999, r);
  EXPECT_TRUE(r.dispatches().empty());
  s.advance(100000, r);
  EXPECT_EQ(r.dispatches().size(), 1u);
}

TEST_F(SchedulerTest, TempoChangeWhileRunningAffectsOnlyLaterTicks) {
  s.setTempo(480000, 0);  // 1 ms per tick
  s.put(kOut, ev(100, 0x90, 60, 1));
  s.put(kOut, ev(100, 0x90, 61, 1));
  s.start(0);
  runUntil(s, r, 150000);      // tick 150
  s.setTempo(240000, 150000);  // 0.5 ms per tick from here
  runUntil(s, r, 1'000'000);
  const auto d = r.dispatches();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].micros, 100000);
  EXPECT_EQ(d[1].micros, 150000 + 25000);  // 50 remaining ticks at the new tempo
}

TEST_F(SchedulerTest, QueuedTempoChangeTakesEffectAtItsTickAndIsPosted) {
  s.setTempo(480000, 0);                         // 1 ms per tick
  s.put(kOut, ev(480, 0xFF, 0x03, 0xA9, 0x80));  // 240000 us per beat (0x03A980) from tick 480
  s.put(kOut, ev(480, 0x90, 60, 1));
  s.start(0);
  runUntil(s, r, 2'000'000);
  const auto d = r.dispatches();
  ASSERT_EQ(d.size(), 1u);  // the change itself never reaches the device
  EXPECT_EQ(d[0].micros, 480000 + 240000);
  EXPECT_EQ(r.messages(kMsgTempoChanged), (std::vector<std::uint32_t>{240000}));
  // Beats: the first at 480 ms, then every 240 ms up to 2 s.
  EXPECT_EQ(r.messages(kMsgBeat).size(), 1u + (2'000'000 - 480000) / 240000);
}

TEST_F(SchedulerTest, BeatsAndMarkersArePostedWithPackedDataMarkersBeforeTheBeatOfTheSameTick) {
  s.put(kOut, ev(0, 3, 0x34, 0x01));
  s.put(kOut, ev(480, 2, 5));
  s.put(kOut, ev(10, 1, 4, 7, 10));
  s.put(kOut, ev(0, 4, 0xFF, 0x80, 1));
  s.start(0);
  runUntil(s, r, 2 * 500000 + 1);
  std::vector<std::uint32_t> order;
  for (const Seen& seen : r.seen) order.push_back(seen.a);
  const std::vector<std::uint32_t> expected = {0x5470, 0x546F, 0x5452, 0x546E, 0x5471, 0x5457, 0x5452};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(r.messages(0x5470), std::vector<std::uint32_t>{0x340100});
  EXPECT_EQ(r.messages(0x546F), std::vector<std::uint32_t>{0x050000});
  EXPECT_EQ(r.messages(0x546E), std::vector<std::uint32_t>{0x04070A});
  EXPECT_EQ(r.messages(0x5471), std::vector<std::uint32_t>{0xFF8001});
  EXPECT_EQ(r.messages(0x5452), (std::vector<std::uint32_t>{1, 2}));
  EXPECT_TRUE(r.dispatches().empty()) << "markers never reach the device";
}

TEST_F(SchedulerTest, FullQueueRefusesThenAnnouncesRefillAtLowWater) {
  // capacity 16, low water 4
  for (int i = 0; i < 16; ++i) ASSERT_TRUE(s.put(kOut, ev(10, 0x90, 60, 1)));
  EXPECT_FALSE(s.put(kOut, ev(10, 0x90, 61, 1)));
  EXPECT_EQ(s.queued(kOut), 16u);
  s.start(0);
  runUntil(s, r, s.nextDeadline().value() + 11 * 10 * 1042);  // 12 events out, 4 left
  EXPECT_EQ(s.queued(kOut), 4u);
  EXPECT_EQ(r.messages(0x5453).size(), 1u);
  runUntil(s, r, 10'000'000);
  EXPECT_EQ(r.messages(0x5453).size(), 1u) << "one announcement per refusal";
  EXPECT_EQ(r.messages(0x5457).size(), 1u);
}

TEST_F(SchedulerTest, NoRefillMessageWithoutARefusal) {
  for (int i = 0; i < 16; ++i) s.put(kOut, ev(10, 0x90, 60, 1));
  s.start(0);
  runUntil(s, r, 10'000'000);
  EXPECT_TRUE(r.messages(0x5453).empty());
}

TEST_F(SchedulerTest, RefillWhileRunningContinuesFromTheLastEventsTick) {
  s.put(kOut, ev(100, 0x90, 60, 1));
  s.start(0);
  runUntil(s, r, 120 * 1042);
  s.put(kOut, ev(100, 0x80, 60, 0));
  runUntil(s, r, 10'000'000);
  const auto d = r.dispatches();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[1].tick, 200u);
  EXPECT_EQ(r.messages(0x5457).size(), 2u) << "each time the queue plays out";
}

TEST_F(SchedulerTest, PauseKeepsQueueAndPositionRestartContinues) {
  s.put(kOut, ev(480, 0x90, 60, 1));
  s.start(0);
  runUntil(s, r, 400000);  // tick 384
  s.pause(400000);
  EXPECT_FALSE(s.nextDeadline().has_value());
  s.advance(9'000'000, r);
  EXPECT_TRUE(r.dispatches().empty());
  EXPECT_EQ(s.queued(kOut), 1u);
  s.restart(9'000'000);
  runUntil(s, r, 20'000'000);
  ASSERT_EQ(r.dispatches().size(), 1u);
  EXPECT_EQ(r.dispatches()[0].micros, 9'000'000 + 100000);
}

TEST_F(SchedulerTest, StopDropsQueueSilencesUsedChannelsAndStartsOverAtTickZero) {
  s.put(kOut, ev(0, 0x92, 60, 1));
  s.put(kOut, ev(0, 0xC9, 0));
  s.put(kOut, ev(960, 0x82, 60, 0));
  s.start(0);
  s.advance(1000, r);
  s.stop(r);
  EXPECT_EQ(s.queued(kOut), 0u);
  const auto silences = r.only(Seen::Silence);
  ASSERT_EQ(silences.size(), 1u);
  EXPECT_EQ(silences[0].a, (1u << 2) | (1u << 9));
  EXPECT_FALSE(s.nextDeadline().has_value());
  r.seen.clear();
  s.put(kOut, ev(480, 0x90, 62, 1));
  s.start(5'000'000);
  runUntil(s, r, 6'000'000);
  ASSERT_EQ(r.dispatches().size(), 1u);
  EXPECT_EQ(r.dispatches()[0].tick, 480u);
  EXPECT_EQ(r.messages(0x5452).front(), 1u) << "beats count from the new start";
}

TEST_F(SchedulerTest, FlushEmptiesAndLaterEventsCountFromNow) {
  s.put(kOut, ev(10000, 0x90, 60, 1));
  s.start(0);
  s.advance(500000, r);  // tick 480
  s.flush(kOut, 500000);
  EXPECT_EQ(s.queued(kOut), 0u);
  s.put(kOut, ev(48, 0x90, 61, 1));
  runUntil(s, r, 1'000'000);
  ASSERT_EQ(r.dispatches().size(), 1u);
  EXPECT_EQ(r.dispatches()[0].tick, 528u);
}

TEST_F(SchedulerTest, StartReplaysWhatWasQueuedAfterAPausedRunFromTickZero) {
  // The end of a single chord pauses and flushes; the next chord is queued and started.
  s.put(kOut, ev(800, 0x90, 60, 1));
  s.start(0);
  runUntil(s, r, 2'000'000);
  s.pause(2'000'000);
  s.flush(kOut, 2'000'000);
  r.seen.clear();
  s.put(kOut, ev(0, 0x90, 64, 1));
  s.start(3'000'000);
  s.advance(3'000'000, r);
  ASSERT_EQ(r.dispatches().size(), 1u);
  EXPECT_EQ(r.dispatches()[0].tick, 0u);
}

TEST_F(SchedulerTest, TwoOutputsInterleaveByTick) {
  s.addOutput(8);
  s.put(kOut, ev(10, 0x90, 1, 1));
  s.put(kOut, ev(20, 0x90, 3, 1));
  s.put(8, ev(20, 0x90, 2, 1));
  s.start(0);
  runUntil(s, r, 1'000'000);
  const auto d = r.dispatches();
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].output, kOut);
  EXPECT_EQ(d[1].output, 8u);
  EXPECT_EQ(d[2].output, kOut);
  EXPECT_EQ(d[2].tick, 30u);
}

TEST(MidiTimelineTest, DeltaTimesBecomeAbsoluteTicksAndTimes) {
  const std::vector<MidiEvent> events = {{0, 0xC0, 25, 0, 0}, {480, 0x90, 60, 100, 0}, {240, 0x80, 60, 0, 0}};
  const auto timeline = toTimeline(events, 600000);
  ASSERT_EQ(timeline.size(), 3u);
  EXPECT_EQ(timeline[1].tick, 480u);
  EXPECT_EQ(timeline[1].micros, 600000);
  EXPECT_EQ(timeline[2].tick, 720u);
  EXPECT_EQ(timeline[2].micros, 900000);
  EXPECT_EQ(frameOfMicros(timeline[2].micros, 44100), 39690);
}

TEST(MidiEventTest, RecordLayoutAndShortMessagePacking) {
  const MidiEvent e{0x01020304, 0x91, 0x3C, 0x64, 0x05};
  const auto* bytes = reinterpret_cast<const unsigned char*>(&e);
  EXPECT_EQ(bytes[4], 0x91);
  EXPECT_EQ(bytes[7], 0x05);
  EXPECT_EQ(packMarkerParam(e), 0x3C6405u);
  EXPECT_EQ(markerMessage(4), 0x5471u);
  const ShortMessage m = ShortMessage::unpack(0x00643C91);
  EXPECT_EQ(m, (ShortMessage{0x91, 0x3C, 0x64}));
  EXPECT_EQ(m.channel(), 1);
  EXPECT_EQ(m.pack(), 0x00643C91u);
}

}  // namespace
}  // namespace strumly
