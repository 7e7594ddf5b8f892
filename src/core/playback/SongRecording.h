#pragma once
// A play page song played once, as Play would play it from measure 1 with Loop Play up and step
// play off, into a sink that keeps every event: what an export writes. The recording ends once
// the last chord played has been released, so the empty measures after it are not part of it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/app/AppSettings.h"
#include "core/midi/MidiFileWriter.h"
#include "core/playpage/PlayPageFile.h"

namespace strumly {

// Repeats within repeats can make a song play for ages (and Play may); an export stops there.
inline constexpr std::uint64_t kMaxExportMicros = 30ull * 60 * 1'000'000;
inline constexpr const char* kExportTooLongText =
    "the song plays for more than 30 minutes with its repeats, longer than an export can be";

struct RecordedSong {
  std::vector<TickedEvent> events;  // channel events and markers at their absolute ticks
  std::uint32_t tempoMicros = 0;
  int beatsPerMeasure = 4;  // 3 for a 3/4 song
  std::string name;         // the song's file name for the MIDI track; empty when it has none
  std::string error;        // why there is nothing to export (kExportTooLongText); empty when fine
};

struct RecordingOptions {
  bool countOff = false;
  bool click = false;
};

RecordedSong recordSong(const PlayPageSong& song, const AppSettings& settings, RecordingOptions options);

}  // namespace strumly
