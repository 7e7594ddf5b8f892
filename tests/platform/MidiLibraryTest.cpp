// The MIDI library's calls on a clock stepped by hand, with a recording device: what reaches the
// device, with tick and time, and what is posted back.
#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/midi/MidiLibrary.h"
#include "platform/midi/RecordingDevices.h"

namespace strumly {
namespace {

struct Posted {
  std::uint32_t message;
  std::uint32_t param;
  std::int64_t at;
};

class MidiLibraryTest : public ::testing::Test {
 protected:
  MidiLibraryTest() {
    auto devices = std::make_unique<RecordingDevices>(std::vector<std::string>{"Synth", "Port A"},
                                                      std::vector<std::string>{"Keyboard"});
    recording = devices->recording();
    auto ownedClock = std::make_unique<VirtualMidiClock>();
    clock = ownedClock.get();
    library = std::make_unique<MidiLibrary>(std::move(devices), std::move(ownedClock));
  }

  MidiPoster poster() {
    return [this](std::uint32_t message, std::uint32_t param) {
      posted.push_back({message, param, clock->now()});
    };
  }
  // Opens clock and output as the program does at start-up.
  void openAsAtStartUp() {
    ASSERT_EQ(library->GetNumOutDevices(), 2u);
    sync = library->OpenSync(0, poster(), 0, 10);
    out = library->OpenMidiOut(poster(), 0, sync, 0x13320);
    ASSERT_NE(sync, 0u);
    ASSERT_NE(out, 0u);
  }
  std::uint32_t put(std::uint32_t time, std::uint8_t status, std::uint8_t d1 = 0, std::uint8_t d2 = 0,
                    std::uint8_t d3 = 0) {
    const MidiEvent e{time, status, d1, d2, d3};
    return library->PutMidiOut(out, e);
  }
  std::vector<std::uint32_t> postedIds() const {
    std::vector<std::uint32_t> ids;
    for (const Posted& p : posted) ids.push_back(p.message);
    return ids;
  }
  std::size_t count(std::uint32_t id) const {
    std::size_t n = 0;
    for (const Posted& p : posted) n += p.message == id ? 1 : 0;
    return n;
  }

  std::shared_ptr<MidiRecording> recording;
  VirtualMidiClock* clock = nullptr;
  std::unique_ptr<MidiLibrary> library;
  std::vector<Posted> posted;
  std::uint32_t sync = 0;
  std::uint32_t out = 0;
};

TEST_F(MidiLibraryTest, DevicesAreCountedDescribedAndOpenedByNumber) {
  std::string name;
  EXPECT_EQ(library->GetNumOutDevices(), 2u);
  EXPECT_EQ(library->GetNumInDevices(), 1u);
  EXPECT_NE(library->GetMidiOutDescription(1, name), 0u);
  EXPECT_EQ(name, "Port A");
  EXPECT_NE(library->GetMidiInDescription(0, name), 0u);
  EXPECT_EQ(name, "Keyboard");
  name = "unchanged";
  EXPECT_EQ(library->GetMidiOutDescription(2, name), 0u);
  EXPECT_EQ(name, "unchanged");
  EXPECT_EQ(library->OpenMidiOut(poster(), 5, 0, 0x13320), 0u) << "no such device";
  const std::uint32_t in = library->OpenMidiIn(poster(), 0, 0, 0x13320);
  EXPECT_NE(in, 0u);
  EXPECT_TRUE(library->CloseMidiIn(in));
  EXPECT_FALSE(library->CloseMidiIn(in));
  EXPECT_EQ(library->GetMaxMidiVersion() >> 8, 2);
}

TEST_F(MidiLibraryTest, QueuedEventsPlayAtTheirTicksAndTheEndIsPosted) {
  openAsAtStartUp();
  library->SetTempo(sync, 600000);  // 1250 us per tick
  put(0, 0xC0, 25);
  put(0, 0x90, 64, 100);
  put(0, 1, 0, 0, 0);  // marker: string 0, fret 0, open
  put(800, 0x80, 64, 100);
  clock->advanceBy(5000);
  library->StartSync(sync);
  clock->advanceBy(1'000'000);
  const auto played = recording->messages();
  ASSERT_EQ(played.size(), 3u);
  EXPECT_EQ(played[0].dispatch.message, (ShortMessage{0xC0, 25, 0}));
  EXPECT_EQ(played[1].dispatch.message, (ShortMessage{0x90, 64, 100}));
  EXPECT_EQ(played[2].dispatch.tick, 800u);
  EXPECT_EQ(played[2].dispatch.dueMicros, 5000 + 1'000'000);
  EXPECT_EQ(played[2].dispatch.nowMicros, played[2].dispatch.dueMicros)
      << "virtual time visits each deadline";
  const std::vector<std::uint32_t> expected = {0x546E, 0x5452, 0x5457};
  EXPECT_EQ(postedIds(), expected);
  EXPECT_EQ(posted[0].param, 0u);
  EXPECT_EQ(posted[1].at, 5000 + 600000);
  EXPECT_EQ(posted[2].at, 5000 + 1'000'000);
}

TEST_F(MidiLibraryTest, BeatsArePostedWhileTheClockRunsAtTheSetTempo) {
  openAsAtStartUp();
  library->SetTempo(sync, 240000);  // 250 bpm
  library->StartSync(sync);
  clock->advanceBy(240000 * 10 + 1);
  EXPECT_EQ(count(0x5452), 10u);
  EXPECT_EQ(posted.back().param, 10u);
  EXPECT_EQ(posted.back().at, 2'400'000);
  library->SetTempo(sync, 480000);  // slower from here
  clock->advanceBy(480000 * 2);
  EXPECT_EQ(count(0x5452), 12u);
}

TEST_F(MidiLibraryTest, FullQueueReportsNonZeroAndTheRefillMessageComesWhileItPlays) {
  openAsAtStartUp();
  std::size_t queued = 0;
  while (put(10, 0x90, 60, 1) == 0) ++queued;
  EXPECT_EQ(queued, OutputQueue::kDefaultCapacity);
  EXPECT_NE(put(10, 0x90, 60, 1), 0u) << "still full";
  library->StartSync(sync);
  clock->advanceBy(100'000'000);
  EXPECT_EQ(count(0x5453), 1u);
  // The refill came while a quarter of the queue was still to play, before the end.
  const auto refill =
      std::find_if(posted.begin(), posted.end(), [](const Posted& p) { return p.message == 0x5453; });
  const auto end =
      std::find_if(posted.begin(), posted.end(), [](const Posted& p) { return p.message == 0x5457; });
  ASSERT_NE(end, posted.end());
  EXPECT_LT(refill->at, end->at);
  EXPECT_EQ(recording->messages().size(), queued);
}

TEST_F(MidiLibraryTest, PauseKeepsTheQueueAndRestartContinues) {
  openAsAtStartUp();
  put(480, 0x90, 60, 1);
  put(480, 0x80, 60, 0);
  library->StartSync(sync);
  clock->advanceBy(750000);  // 1.5 beats at 120 bpm: the note-on has played
  library->PauseSync(sync, 0);
  clock->advanceBy(10'000'000);
  EXPECT_EQ(recording->messages().size(), 1u);
  EXPECT_EQ(library->queuedEvents(out), 1u);
  EXPECT_EQ(count(0x5452), 1u) << "no beats while paused";
  library->ReStartSync(sync);
  clock->advanceBy(250000);
  ASSERT_EQ(recording->messages().size(), 2u);
  EXPECT_EQ(recording->messages()[1].dispatch.dueMicros, 750000 + 10'000'000 + 250000);
  EXPECT_EQ(count(0x5457), 1u);
}

TEST_F(MidiLibraryTest, StopDropsTheQueueAndSilencesTheChannelsPlayed) {
  openAsAtStartUp();
  put(0, 0x90, 60, 1);
  put(0, 0x93, 50, 1);
  put(480, 0x80, 60, 0);
  put(0, 2, 1);
  library->StartSync(sync);
  clock->settle();
  library->StopSync(sync);
  EXPECT_EQ(library->queuedEvents(out), 0u);
  ASSERT_EQ(recording->silences().size(), 1u);
  EXPECT_EQ(recording->silences()[0], (1u << 0) | (1u << 3));
  clock->advanceBy(5'000'000);
  EXPECT_EQ(recording->messages().size(), 2u);
  EXPECT_EQ(count(0x546F), 0u);
  EXPECT_EQ(count(0x5457), 0u) << "a stop is not an end of the music";
}

TEST_F(MidiLibraryTest, OutputWithoutClockPlaysAtOnceAndDirectMessagesSound) {
  const std::uint32_t plain = library->OpenMidiOut(poster(), 1, 0, 0x13320);
  ASSERT_NE(plain, 0u);
  const MidiEvent note{999, 0x90, 60, 90, 0};
  EXPECT_EQ(library->PutMidiOut(plain, note), 0u);
  const MidiEvent marker{0, 4, 1, 2, 3};
  library->PutMidiOut(plain, marker);
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].message, 0x5471u);
  EXPECT_EQ(posted[0].param, 0x010203u);

  const std::uint32_t direct = library->midiOutOpen(1);
  ASSERT_NE(direct, 0u);
  EXPECT_TRUE(library->midiOutShortMsg(direct, 0x00643C91));
  EXPECT_FALSE(library->midiOutShortMsg(direct, 0x00000012)) << "not a channel message";
  EXPECT_TRUE(library->midiOutClose(direct));
  EXPECT_FALSE(library->midiOutShortMsg(direct, 0x00643C91));
  const auto played = recording->messages();
  ASSERT_EQ(played.size(), 2u);
  EXPECT_TRUE(played[0].immediate);
  EXPECT_EQ(played[0].device, 1u);
  EXPECT_EQ(played[1].dispatch.message, (ShortMessage{0x91, 0x3C, 0x64}));
}

TEST_F(MidiLibraryTest, ClosingInTheProgramsOrderStopsEverything) {
  openAsAtStartUp();
  put(100, 0x90, 60, 1);
  library->StartSync(sync);
  EXPECT_TRUE(library->CloseSync(sync));
  EXPECT_TRUE(library->CloseMidiOut(out));
  EXPECT_FALSE(library->StartSync(sync));
  EXPECT_NE(library->PutMidiOut(out, MidiEvent{}), 0u);
  clock->advanceBy(1'000'000);
  EXPECT_TRUE(recording->messages().empty());
  EXPECT_TRUE(posted.empty());
}

TEST(RealMidiClockTest, DispatchesOnItsOwnThreadInOrder) {
  auto devices = std::make_unique<RecordingDevices>(std::vector<std::string>{"Synth"});
  auto recording = devices->recording();
  MidiLibrary library(std::move(devices), std::make_unique<RealMidiClock>());
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  const std::uint32_t sync = library.OpenSync(
      0,
      [&](std::uint32_t message, std::uint32_t) {
        if (message != 0x5457) return;
        std::lock_guard lock(mutex);
        done = true;
        ended.notify_one();
      },
      0, 10);
  const std::uint32_t out = library.OpenMidiOut(nullptr, 0, sync, 0);
  library.SetTempo(sync, 48000);  // 100 us per tick
  for (int i = 0; i < 20; ++i)
    library.PutMidiOut(out, MidiEvent{10, 0x90, static_cast<std::uint8_t>(40 + i), 1, 0});
  library.StartSync(sync);
  std::unique_lock lock(mutex);
  ASSERT_TRUE(ended.wait_for(lock, std::chrono::seconds(5), [&] { return done; }));
  const auto played = recording->messages();
  ASSERT_EQ(played.size(), 20u);
  for (std::size_t i = 0; i < played.size(); ++i) {
    EXPECT_EQ(played[i].dispatch.message.data1, 40 + i);
    EXPECT_GE(played[i].dispatch.nowMicros, played[i].dispatch.dueMicros) << "never early";
  }
}

}  // namespace
}  // namespace strumly
