#pragma once
// The event record the players queue to the MIDI library, the messages the library posts back,
// and the time base both sides agree on.
#include <cstdint>
#include <functional>

namespace strumly {

constexpr std::uint32_t kTicksPerBeat = 480;
constexpr std::uint32_t kDefaultTempoMicros = 500000;  // 120 beats per minute until SetTempo

// Tempo as the controls show it (beats per minute) and as the clock takes it (microseconds per
// beat); both directions truncate, as the tempo edit and the files always have.
constexpr std::uint32_t kMicrosPerMinute = 60000000;
// The play page tempo the controls, the dialog and the files allow.
constexpr int kMinTempoBpm = 10;
constexpr int kMaxTempoBpm = 250;
constexpr std::uint32_t tempoMicrosForBpm(int beatsPerMinute) {
  return kMicrosPerMinute / static_cast<std::uint32_t>(beatsPerMinute);
}
constexpr int bpmForTempoMicros(std::uint32_t micros) {
  return static_cast<int>(kMicrosPerMinute / micros);
}

// One queued event, 8 bytes as the players lay it out. `time` counts ticks after the previously
// queued event. Status 0x80..0xEF is a channel message for the device; status 1..4 is a marker
// that never reaches the device and comes back as a message when due.
struct MidiEvent {
  std::uint32_t time = 0;
  std::uint8_t status = 0;
  std::uint8_t data1 = 0;
  std::uint8_t data2 = 0;
  std::uint8_t data3 = 0;
};
static_assert(sizeof(MidiEvent) == 8, "MidiEvent is an 8-byte record");

// A tempo change that rides in the queue with the music: from its tick on the clock runs at the
// tempo it carries (microseconds per beat in data1..data3, high byte first, as a MIDI file's Set
// Tempo holds it). A player that queues ahead can so change the tempo at a point of the music
// rather than at the moment it queues. It never reaches a device.
constexpr std::uint8_t kTempoStatus = 0xFF;
constexpr std::uint32_t kMaxQueuedTempoMicros = 0xFFFFFF;
constexpr MidiEvent tempoEvent(std::uint32_t micros) {
  if (micros > kMaxQueuedTempoMicros) micros = kMaxQueuedTempoMicros;
  return {0, kTempoStatus, static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
          static_cast<std::uint8_t>(micros)};
}
constexpr std::uint32_t tempoOfEvent(const MidiEvent& e) {
  return (std::uint32_t{e.data1} << 16) | (std::uint32_t{e.data2} << 8) | e.data3;
}

// Messages posted by the library; the second value is the message parameter.
enum MidiMessage : std::uint32_t {
  kMsgBeat = 0x5452,          // once per completed beat while the clock runs
  kMsgQueueReady = 0x5453,    // the output queue can take more events again
  kMsgAllPlayed = 0x5457,     // every queued event has been played
  kMsgOutputLost = 0x5458,    // the output whose handle is the parameter went away
  kMsgTempoChanged = 0x5459,  // a queued tempo change came due; the parameter is its tempo
  kMsgMarker1 = 0x546E,       // marker of status 1 came due; 0x546D + status in general
  kMsgMarker2 = 0x546F,
  kMsgMarker3 = 0x5470,
  kMsgMarker4 = 0x5471,
};

// Receives the library's messages. Called from the clock's thread: it must hand the message
// on (post it) rather than act on it, and must not call back into the library.
using MidiPoster = std::function<void(std::uint32_t message, std::uint32_t param)>;

constexpr bool isMarkerStatus(std::uint8_t status) {
  return status >= 1 && status <= 4;
}
constexpr bool isChannelStatus(std::uint8_t status) {
  return status >= 0x80 && status <= 0xEF;
}

constexpr std::uint32_t markerMessage(std::uint8_t status) {
  return 0x546Du + status;
}

constexpr std::uint32_t packMarkerParam(const MidiEvent& e) {
  return (std::uint32_t{e.data1} << 16) | (std::uint32_t{e.data2} << 8) | e.data3;
}
constexpr std::uint8_t markerData1(std::uint32_t param) {
  return static_cast<std::uint8_t>(param >> 16);
}
constexpr std::uint8_t markerData2(std::uint32_t param) {
  return static_cast<std::uint8_t>(param >> 8);
}
constexpr std::uint8_t markerData3(std::uint32_t param) {
  return static_cast<std::uint8_t>(param);
}

// Program change and channel pressure carry one data byte; other channel messages two.
constexpr int channelMessageLength(std::uint8_t status) {
  const std::uint8_t kind = status & 0xF0;
  return (kind == 0xC0 || kind == 0xD0) ? 2 : 3;
}

// A channel message as it goes to a device, also the form of the direct short messages
// (status in bits 0..7, data1 in 8..15, data2 in 16..23).
struct ShortMessage {
  std::uint8_t status = 0;
  std::uint8_t data1 = 0;
  std::uint8_t data2 = 0;

  static constexpr ShortMessage unpack(std::uint32_t packed) {
    return {static_cast<std::uint8_t>(packed), static_cast<std::uint8_t>(packed >> 8),
            static_cast<std::uint8_t>(packed >> 16)};
  }
  constexpr std::uint32_t pack() const {
    return status | (std::uint32_t{data1} << 8) | (std::uint32_t{data2} << 16);
  }
  constexpr int channel() const { return status & 0x0F; }
  friend constexpr bool operator==(const ShortMessage&, const ShortMessage&) = default;
};

}  // namespace strumly
