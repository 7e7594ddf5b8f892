#include "platform/midi/SongExport.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "core/common/WriteThroughTemporary.h"
#include "platform/midi/OfflineRenderer.h"
#include "platform/midi/SoundFontLocator.h"

namespace strumly {

std::vector<MidiEvent> toQueuedEvents(std::span<const TickedEvent> events) {
  std::vector<TickedEvent> ordered(events.begin(), events.end());
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const TickedEvent& a, const TickedEvent& b) { return a.tick < b.tick; });
  std::vector<MidiEvent> queued;
  queued.reserve(ordered.size());
  std::uint64_t previous = 0;
  for (const TickedEvent& e : ordered) {
    MidiEvent event = e.event;
    // A gap beyond 32 bits (over 100 days at any tempo) is cut short rather than wrapped round.
    event.time = static_cast<std::uint32_t>(std::min<std::uint64_t>(e.tick - previous, UINT32_MAX));
    queued.push_back(event);
    previous = e.tick;
  }
  return queued;
}

std::string exportWav(std::span<const TickedEvent> events, std::uint32_t tempoMicros,
                      const std::string& soundFontPath, const std::filesystem::path& outPath) {
  // The file is written as it is rendered, so its length, not its memory, grows with the song;
  // the length is bounded like every export's.
  std::uint64_t lastTick = 0;
  for (const TickedEvent& e : events) lastTick = std::max(lastTick, e.tick);
  if (static_cast<double>(lastTick) * tempoMicros / kTicksPerBeat > static_cast<double>(kMaxExportMicros))
    return kExportTooLongText;
  RenderOptions options;
  options.tempoMicros = tempoMicros;
  const std::vector<MidiEvent> queued = toQueuedEvents(events);
  // The synth's level depends on how many strings ring together, so no one gain suits every
  // song: a first render only finds the peak, the second is written scaled to kExportPeak. Each
  // runs on a synth of its own, since a reset leaves the reverb's tail in it: both sound the same.
  int peak = 0;
  {
    OfflineRenderer measure(soundFontPath);
    if (!soundFontPath.empty() && !measure.hasSoundFont())
      return "cannot load the sound font " + soundFontPath;
    measure.render(queued, options, [&peak](std::span<const std::int16_t> block) {
      for (std::int16_t s : block) peak = std::max(peak, std::abs(int{s}));
      return true;
    });
  }
  if (peak > 0) options.gain = static_cast<float>(kExportPeak * 32767.0 / peak);
  OfflineRenderer renderer(soundFontPath);
  return writeThroughTemporary(outPath, [&](const std::filesystem::path& temp) {
    WavFileWriter writer(temp.string());
    const bool rendered = renderer.render(
        queued, options, [&writer](std::span<const std::int16_t> block) { return writer.append(block); });
    return writer.finish() && rendered;
  });
}

std::string exportMidi(std::span<const TickedEvent> events, std::uint32_t tempoMicros,
                       const std::filesystem::path& outPath, int beatsPerMeasure,
                       const std::string& trackName) {
  return writeMidiFile(outPath, events, tempoMicros, beatsPerMeasure, trackName);
}

std::string exportRecordedSong(const RecordedSong& song, bool wav, const std::filesystem::path& outPath) {
  if (!song.error.empty()) return song.error;
  if (!wav) return exportMidi(song.events, song.tempoMicros, outPath, song.beatsPerMeasure, song.name);
  const std::optional<std::string> soundFont = findSoundFont();
  if (!soundFont) return "no General MIDI sound font was found to render the song with";
  return exportWav(song.events, song.tempoMicros, *soundFont, outPath);
}

}  // namespace strumly
