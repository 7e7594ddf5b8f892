// The players' sink over the MIDI library on a clock stepped by hand: what is queued through the
// sink reaches the device at the ticks and times the tempo gives, and a full queue says so.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/midi/LibrarySequenceSink.h"
#include "platform/midi/MidiLibrary.h"
#include "platform/midi/RecordingDevices.h"

namespace strumly {
namespace {

class LibrarySequenceSinkTest : public ::testing::Test {
 protected:
  LibrarySequenceSinkTest() {
    auto devices = std::make_unique<RecordingDevices>(std::vector<std::string>{"Synth"});
    recording = devices->recording();
    auto ownedClock = std::make_unique<VirtualMidiClock>();
    clock = ownedClock.get();
    library = std::make_unique<MidiLibrary>(std::move(devices), std::move(ownedClock));
    sync = library->OpenSync(
        0, [](std::uint32_t, std::uint32_t) {}, 0, 10);
    out = library->OpenMidiOut([](std::uint32_t, std::uint32_t) {}, 0, sync, 0x13320);
    sink = std::make_unique<LibrarySequenceSink>(*library, sync, out);
  }

  std::shared_ptr<MidiRecording> recording;
  VirtualMidiClock* clock = nullptr;
  std::unique_ptr<MidiLibrary> library;
  std::uint32_t sync = 0;
  std::uint32_t out = 0;
  std::unique_ptr<LibrarySequenceSink> sink;
};

TEST_F(LibrarySequenceSinkTest, EventsPlayAtTheirTicksAndPauseHoldsTheMusic) {
  sink->setTempo(600000);  // 100 bpm: 1250 us per tick
  EXPECT_EQ(sink->queue({0, 0x90, 64, 100}), QueueResult::Queued);
  EXPECT_EQ(sink->queue({480, 0x80, 64, 0}), QueueResult::Queued);
  EXPECT_EQ(sink->queue({240, 0x90, 67, 100}), QueueResult::Queued);
  sink->start();
  clock->advanceBy(300000);  // half a beat
  sink->pause();
  clock->advanceBy(1'000'000);
  EXPECT_EQ(recording->messages().size(), 1u) << "nothing plays while paused";
  sink->restart();
  clock->advanceBy(2'000'000);

  const auto played = recording->messages();
  ASSERT_EQ(played.size(), 3u);
  EXPECT_EQ(played[0].dispatch.message, (ShortMessage{0x90, 64, 100}));
  EXPECT_EQ(played[0].dispatch.dueMicros, 0);
  // Beat 1 is 600 ms of music, 1 s of it spent paused.
  EXPECT_EQ(played[1].dispatch.tick, 480u);
  EXPECT_EQ(played[1].dispatch.dueMicros, 1'600'000);
  EXPECT_EQ(played[2].dispatch.tick, 720u);
  EXPECT_EQ(played[2].dispatch.dueMicros, 1'900'000);
}

TEST_F(LibrarySequenceSinkTest, AFullQueueRefusesUntilStopOrFlushEmptiesIt) {
  std::size_t queued = 0;
  while (sink->queue({10, 0x90, 60, 1}) == QueueResult::Queued) ++queued;
  EXPECT_EQ(queued, OutputQueue::kDefaultCapacity);
  EXPECT_EQ(library->queuedEvents(out), queued) << "the refused event was not queued";

  sink->flush();
  EXPECT_EQ(library->queuedEvents(out), 0u);
  EXPECT_EQ(sink->queue({0, 0x90, 60, 1}), QueueResult::Queued);
  sink->start();
  sink->stop();
  EXPECT_EQ(library->queuedEvents(out), 0u);
  clock->advanceBy(1'000'000);
  EXPECT_TRUE(recording->messages().empty());
}

}  // namespace
}  // namespace strumly
