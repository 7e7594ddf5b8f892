#include "platform/midi/SongExport.h"

#include <algorithm>
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
  OfflineRenderer renderer(soundFontPath);
  if (!soundFontPath.empty() && !renderer.hasSoundFont())
    return "cannot load the sound font " + soundFontPath;
  RenderOptions options;
  options.tempoMicros = tempoMicros;
  const RenderedAudio audio = renderer.render(toQueuedEvents(events), options);

  return writeThroughTemporary(
      outPath, [&audio](const std::filesystem::path& temp) { return writeWav(temp.string(), audio); });
}

std::string exportMidi(std::span<const TickedEvent> events, std::uint32_t tempoMicros,
                       const std::filesystem::path& outPath) {
  return writeMidiFile(outPath, events, tempoMicros);
}

std::string exportRecordedSong(const RecordedSong& song, bool wav, const std::filesystem::path& outPath) {
  if (!wav) return exportMidi(song.events, song.tempoMicros, outPath);
  const std::optional<std::string> soundFont = findSoundFont();
  if (!soundFont) return "no General MIDI sound font was found to render the song with";
  return exportWav(song.events, song.tempoMicros, *soundFont, outPath);
}

}  // namespace strumly
