#pragma once
// Saves a played song as a Standard MIDI File, so it opens in any sequencer or notation program:
// format 0 (one track), kTicksPerBeat ticks to the beat, one tempo for the whole song.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/midi/MidiEvent.h"

namespace strumly {

// An event placed on the song's absolute tick (0 = the start). `event.time`, the delta a player
// queued it with, is not read by anything that takes these: the tick alone places the event.
struct TickedEvent {
  std::uint64_t tick = 0;
  MidiEvent event;
  friend bool operator==(const TickedEvent& a, const TickedEvent& b) {
    return a.tick == b.tick && a.event.time == b.event.time && a.event.status == b.event.status &&
           a.event.data1 == b.event.data1 && a.event.data2 == b.event.data2 && a.event.data3 == b.event.data3;
  }
};

// The file as bytes: the header chunk, then one track holding at tick 0 the track name (FF 03,
// left out when `trackName` is empty), the tempo (FF 51 03) and the time signature (FF 58 04:
// `beatsPerMeasure` quarter notes, a click every quarter, 8 thirty-seconds a quarter), then
// every channel event in tick order (events on one tick keep their order; markers never reach a
// device and are left out) and the end of the track. Each event is written with its full status
// byte (no running status). Throws std::length_error when two consecutive events lie more than
// 0x0FFFFFFF ticks apart or the tempo does not fit its 24 bits: the format cannot hold them.
std::vector<std::uint8_t> midiFileBytes(std::span<const TickedEvent> events, std::uint32_t tempoMicros,
                                        int beatsPerMeasure = 4, std::string_view trackName = {});

// Writes `midiFileBytes` to `path` through a temporary file beside it that is then renamed over
// it, so a failed export leaves no half-written file (and an earlier file of that name intact).
// Returns the reason when it failed, empty when the file was written.
std::string writeMidiFile(const std::filesystem::path& path, std::span<const TickedEvent> events,
                          std::uint32_t tempoMicros, int beatsPerMeasure = 4,
                          std::string_view trackName = {});

// Appends a variable-length quantity (7 bits a byte, most significant first, bit 7 set on all
// but the last byte). `value` must not exceed 0x0FFFFFFF.
void appendVariableLength(std::vector<std::uint8_t>& bytes, std::uint32_t value);

}  // namespace strumly
