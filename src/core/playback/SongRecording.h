#pragma once
// A play page song played once, as Play would play it from measure 1 with Loop Play up and step
// play off, into a sink that keeps every event: what an export writes. The recording ends once
// the last chord played has been released, so the empty measures after it are not part of it.
#include <cstdint>
#include <vector>

#include "core/app/AppSettings.h"
#include "core/midi/MidiFileWriter.h"
#include "core/playpage/PlayPageFile.h"

namespace strumly {

struct RecordedSong {
  std::vector<TickedEvent> events;  // channel events and markers at their absolute ticks
  std::uint32_t tempoMicros = 0;
};

struct RecordingOptions {
  bool countOff = false;
  bool click = false;
};

RecordedSong recordSong(const PlayPageSong& song, const AppSettings& settings, RecordingOptions options);

}  // namespace strumly
