#include "core/midi/MidiFileWriter.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "core/common/WriteThroughTemporary.h"

namespace strumly {

namespace {

constexpr std::uint32_t kMaxVariableLength = 0x0FFFFFFF;

void appendBigEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
  for (int i = size - 1; i >= 0; --i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

void appendVariableLength(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  std::uint8_t groups[4];
  int count = 0;
  do {
    groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0 && count < 4);
  while (count > 1) bytes.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
  bytes.push_back(groups[0]);
}

std::vector<std::uint8_t> midiFileBytes(std::span<const TickedEvent> events, std::uint32_t tempoMicros,
                                        int beatsPerMeasure, std::string_view trackName) {
  if (tempoMicros > 0xFFFFFF) throw std::length_error("the tempo does not fit a MIDI file");
  if (beatsPerMeasure < 1 || beatsPerMeasure > 255) throw std::length_error("no such time signature");
  std::vector<TickedEvent> ordered(events.begin(), events.end());
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const TickedEvent& a, const TickedEvent& b) { return a.tick < b.tick; });

  std::vector<std::uint8_t> track;
  if (!trackName.empty()) {
    track.insert(track.end(), {0x00, 0xFF, 0x03});
    if (trackName.size() > kMaxVariableLength)
      throw std::length_error("a track name too long for a MIDI file");
    appendVariableLength(track, static_cast<std::uint32_t>(trackName.size()));
    track.insert(track.end(), trackName.begin(), trackName.end());
  }
  track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
  appendBigEndian(track, tempoMicros, 3);
  // Without it other programs take every song for 4/4.
  track.insert(track.end(), {0x00, 0xFF, 0x58, 0x04, static_cast<std::uint8_t>(beatsPerMeasure), 2, 24, 8});
  std::uint64_t previous = 0;
  for (const TickedEvent& e : ordered) {
    if (!isChannelStatus(e.event.status)) continue;
    const std::uint64_t delta = e.tick - previous;
    if (delta > kMaxVariableLength) throw std::length_error("a pause too long for a MIDI file");
    appendVariableLength(track, static_cast<std::uint32_t>(delta));
    previous = e.tick;
    track.push_back(e.event.status);
    track.push_back(e.event.data1 & 0x7F);
    if (channelMessageLength(e.event.status) == 3) track.push_back(e.event.data2 & 0x7F);
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd'};
  appendBigEndian(file, 6, 4);
  appendBigEndian(file, 0, 2);  // format 0
  appendBigEndian(file, 1, 2);  // one track
  appendBigEndian(file, kTicksPerBeat, 2);
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  appendBigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

std::string writeMidiFile(const std::filesystem::path& path, std::span<const TickedEvent> events,
                          std::uint32_t tempoMicros, int beatsPerMeasure, std::string_view trackName) {
  std::vector<std::uint8_t> bytes;
  try {
    bytes = midiFileBytes(events, tempoMicros, beatsPerMeasure, trackName);
  } catch (const std::length_error& e) {
    return e.what();
  }
  return writeThroughTemporary(path, [&bytes](const std::filesystem::path& temp) {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
  });
}

}  // namespace strumly
