// Gathering a whole song for an export, and ending it when the last chord has been released.
#include <gtest/gtest.h>

#include "core/playback/CollectingSequenceSink.h"

namespace strumly {
namespace {

TickedEvent at(std::uint64_t tick, std::uint8_t status, std::uint8_t data1, std::uint8_t data2 = 0) {
  return {tick, {0, status, data1, data2, 0}};
}

TEST(CollectingSequenceSinkTest, KeepsEveryEventOnItsTickWhateverTheClockIsTold) {
  CollectingSequenceSink sink;
  EXPECT_EQ(sink.tempoMicros(), 500000u);
  sink.setTempo(600000);
  sink.start();
  EXPECT_EQ(sink.queue({0, 0xC0, 25, 0, 0}), QueueResult::Queued);
  EXPECT_EQ(sink.queue({480, 0x90, 52, 100, 0}), QueueResult::Queued);
  sink.pause();
  sink.restart();
  sink.flush();
  EXPECT_EQ(sink.queue({240, 0x80, 52, 0, 0}), QueueResult::Queued);
  sink.stop();
  EXPECT_EQ(sink.queue({10, 1, 0, 0, 0}), QueueResult::Queued);

  const std::vector<TickedEvent> expected = {{0, {0, 0xC0, 25, 0, 0}},
                                             {480, {480, 0x90, 52, 100, 0}},
                                             {720, {240, 0x80, 52, 0, 0}},
                                             {730, {10, 1, 0, 0, 0}}};
  EXPECT_EQ(sink.events(), expected);
  EXPECT_EQ(sink.tempoMicros(), 600000u);
}

TEST(CollectingSequenceSinkTest, EndsWithTheReleasesOfTheLastChord) {
  // An E minor triad struck on beat two, clicks on channel 10 going on after it.
  const std::vector<TickedEvent> song = {
      at(0, 0xC0, 25),        at(0, 0x99, 34, 97),   at(60, 0x89, 34),  //
      at(480, 0x90, 40, 100), at(480, 0x99, 34, 65), at(496, 0x90, 47, 100),
      at(512, 0x90, 52, 100),                                             // the last chord note
      at(540, 0x89, 34),                                                  // the click under it ends
      at(1400, 0x80, 40),                                                 //
      at(1440, 0x99, 34, 65), at(1440, 2, 5),        at(1500, 0x89, 34),  // a click and a marker after
      at(1600, 0xB0, 7, 80),                                              //
      at(1900, 0x80, 47),     at(1920, 0x90, 52, 0),                      // velocity 0 releases too
      at(2400, 3, 0),                                                     // the end-of-song marker
  };
  // The click at 1440 sounds while the chord still rings, so it stays with its release.
  std::vector<TickedEvent> withReleases(song.begin(), song.begin() + 10);
  for (std::size_t i : {11, 13, 14}) withReleases.push_back(song[i]);
  EXPECT_EQ(trimAfterLastRelease(song, 9), withReleases);

  // Counting the clicks as notes, the late click is the last note and the chord still rings.
  const std::vector<TickedEvent> untilLastClick = trimAfterLastRelease(song, -1);
  ASSERT_EQ(untilLastClick.size(), 13u);
  EXPECT_EQ(untilLastClick[9], song[9]);
  EXPECT_EQ(untilLastClick[10], song[11]);
  EXPECT_EQ(untilLastClick.back(), song[14]);
}

TEST(CollectingSequenceSinkTest, NotesNeverReleasedStopAtTheCut) {
  const std::vector<TickedEvent> song = {
      at(0, 0x90, 64, 100),
      at(0, 0x91, 40, 100),
      at(960, 0xB1, 123),  // all notes off on the bass channel
      at(1200, 4, 0),
  };
  const std::vector<TickedEvent> expected = {song[0], song[1], song[2], at(960, 0x80, 64)};
  EXPECT_EQ(trimAfterLastRelease(song), expected);

  EXPECT_TRUE(trimAfterLastRelease(std::vector<TickedEvent>{at(0, 0xC0, 25), at(480, 1, 0)}).empty());
}

}  // namespace
}  // namespace strumly
