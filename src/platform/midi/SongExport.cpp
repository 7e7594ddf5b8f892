#include "platform/midi/SongExport.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <system_error>
#include <vector>

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

namespace {

// Float samples kept on the disk of `beside` in a file nobody else can open: its name is gone
// from the folder as soon as it is made, and its space when it is closed.
class ScratchFile {
 public:
  explicit ScratchFile(const std::filesystem::path& beside) {
    std::string name = beside.string() + ".XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return;
    ::unlink(name.c_str());
    file_ = ::fdopen(fd, "w+b");
    if (file_ == nullptr) ::close(fd);
  }
  ~ScratchFile() {
    if (file_ != nullptr) std::fclose(file_);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // False once a write failed (a full disk): the samples are then not all there.
  bool ok() const { return file_ != nullptr && ok_; }
  void append(std::span<const float> block) {
    if (ok()) ok_ = std::fwrite(block.data(), sizeof(float), block.size(), file_) == block.size();
  }
  // The samples in blocks, in the order they were appended; false when `out` refused one or the
  // file could not be read back.
  bool replay(const std::function<bool(std::span<const float>)>& out) {
    if (!ok() || std::fflush(file_) != 0 || std::fseek(file_, 0, SEEK_SET) != 0) return false;
    std::vector<float> block(8192);
    while (const std::size_t got = std::fread(block.data(), sizeof(float), block.size(), file_))
      if (!out(std::span<const float>(block).first(got))) return false;
    return std::ferror(file_) == 0;
  }

 private:
  std::FILE* file_ = nullptr;
  bool ok_ = true;
};

}  // namespace

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
  OfflineRenderer renderer(soundFontPath);
  if (!soundFontPath.empty() && !renderer.hasSoundFont())
    return "cannot load the sound font " + soundFontPath;
  // The synth's level depends on how many strings ring together, so no one gain suits every
  // song: the render is measured for its peak first and written scaled to kExportPeak. Its
  // samples wait for that in a scratch file beside the output rather than in memory; only when
  // that file cannot be had is the song rendered again, on a synth of its own, since a reset
  // leaves the reverb's tail in one: both sound the same.
  ScratchFile kept(outPath);
  int peak = 0;
  std::vector<std::int16_t> pcm;
  renderer.renderFloat(queued, options, [&](std::span<const float> block) {
    toPcm(block, 1.0f, pcm);
    for (std::int16_t s : pcm) peak = std::max(peak, std::abs(int{s}));
    kept.append(block);
    return true;
  });
  if (peak > 0) options.gain = static_cast<float>(kExportPeak * 32767.0 / peak);
  return writeThroughTemporary(outPath, [&](const std::filesystem::path& temp) {
    WavFileWriter writer(temp.string());
    const auto append = [&](std::span<const float> block) {
      toPcm(block, options.gain, pcm);
      return writer.append(pcm);
    };
    const bool rendered =
        kept.ok() ? kept.replay(append) : OfflineRenderer(soundFontPath).renderFloat(queued, options, append);
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
