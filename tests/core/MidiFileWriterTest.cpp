// Standard MIDI Files as other programs read them: the bytes are written out by hand from the
// file format, not taken from the writer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/midi/MidiFileWriter.h"

namespace strumly {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes variableLength(std::uint32_t value) {
  Bytes bytes;
  appendVariableLength(bytes, value);
  return bytes;
}

TEST(MidiFileWriterTest, VariableLengthNumbersAtTheByteBoundaries) {
  EXPECT_EQ(variableLength(0), (Bytes{0x00}));
  EXPECT_EQ(variableLength(0x7F), (Bytes{0x7F}));
  EXPECT_EQ(variableLength(0x80), (Bytes{0x81, 0x00}));
  EXPECT_EQ(variableLength(0x3FFF), (Bytes{0xFF, 0x7F}));
  EXPECT_EQ(variableLength(0x4000), (Bytes{0x81, 0x80, 0x00}));
  EXPECT_EQ(variableLength(0x0FFFFFFF), (Bytes{0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(MidiFileWriterTest, OneTrackWithNameTempoTimeSignatureChannelEventsAndNoMarkers) {
  const std::vector<TickedEvent> events = {
      {0, {0, 0xC0, 25, 0, 0}},      // nylon guitar: one data byte
      {0, {0, 0x90, 60, 100, 0}},    // middle C
      {240, {240, 2, 7, 8, 9}},      // a marker: never in the file
      {480, {240, 0x80, 60, 0, 0}},  // one beat later: 480 ticks from the note-on, not the marker
      {480, {0, 0xD0, 64, 0, 0}},    // channel pressure: one data byte
  };
  const Bytes expected = {
      'M',  'T',  'h',  'd',  0,    0,    0,    6,   0,   0,   0,   1,
      0x01, 0xE0,                                                         // format 0, one track, 480 per beat
      'M',  'T',  'r',  'k',  0,    0,    0,    46,                       //
      0x00, 0xFF, 0x03, 8,    'W',  'a',  'l',  'z', '.', 'p', 'p', 'f',  // the track's name
      0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,                           // 500000 microseconds per beat
      0x00, 0xFF, 0x58, 0x04, 3,    2,    24,   8,                        // 3/4: three quarters, a click each
      0x00, 0xC0, 0x19,                                                   //
      0x00, 0x90, 0x3C, 0x64,                                             //
      0x83, 0x60, 0x80, 0x3C, 0x00,                                       //
      0x00, 0xD0, 0x40,                                                   //
      0x00, 0xFF, 0x2F, 0x00,                                             // end of track
  };
  EXPECT_EQ(midiFileBytes(events, 500000, 3, "Walz.ppf"), expected);
}

TEST(MidiFileWriterTest, WritesTheFileOrFailsWithoutLeavingPieces) {
  const auto dir = std::filesystem::temp_directory_path() / "strumly_midi_writer_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "taken" / "inside");
  const std::vector<TickedEvent> events = {{0, {0, 0x90, 64, 90, 0}}, {960, {960, 0x80, 64, 0, 0}}};

  EXPECT_EQ(writeMidiFile(dir / "song.mid", events, 400000), "");
  std::ifstream in(dir / "song.mid", std::ios::binary);
  const Bytes written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(written, midiFileBytes(events, 400000));

  // A name taken by a folder cannot be replaced: the export fails and leaves nothing behind.
  EXPECT_NE(writeMidiFile(dir / "taken", events, 400000), "");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken" / "inside"));
  EXPECT_FALSE(std::filesystem::exists(dir / "taken.tmp"));

  // 2^28 ticks between two events is one more than the format can hold.
  const std::vector<TickedEvent> tooFar = {{0, {0, 0x90, 64, 90, 0}}, {0x10000000, {0, 0x80, 64, 0, 0}}};
  EXPECT_NE(writeMidiFile(dir / "far.mid", tooFar, 500000), "");
  EXPECT_FALSE(std::filesystem::exists(dir / "far.mid"));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace strumly
