#pragma once
// Saves a played song to disk, as sound (WAV) or as notes (Standard MIDI File). Both take the
// song laid out on absolute ticks at one tempo, as a CollectingSequenceSink gathers it, and
// return the reason when they fail (empty on success); neither leaves a half-written file.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/midi/MidiFileWriter.h"
#include "core/playback/SongRecording.h"

namespace strumly {

// The events as a player queues them: in tick order (events on one tick keep their order), each
// `time` the ticks after the one before.
std::vector<MidiEvent> toQueuedEvents(std::span<const TickedEvent> events);

// The peak of every WAV export, -1 dBFS: as loud as the format allows, with a little room for
// players that resample or convert.
inline constexpr double kExportPeak = 0.891;

// Renders through the built-in synth at 44.1 kHz, 16-bit stereo, with reverb and chorus,
// normalised to a peak of kExportPeak (silence stays silence), and lets the last notes ring out for the
// renderer's default tail (RenderOptions::tailSeconds) after the last channel event. An empty `soundFontPath`
// renders silence of the right length; a sound font that does not load is an error, since the file would be
// silent. A song longer than kMaxExportMicros is refused.
std::string exportWav(std::span<const TickedEvent> events, std::uint32_t tempoMicros,
                      const std::string& soundFontPath, const std::filesystem::path& outPath);

// Format 0, kTicksPerBeat to the beat, with the time signature and the track name (see
// midiFileBytes).
std::string exportMidi(std::span<const TickedEvent> events, std::uint32_t tempoMicros,
                       const std::filesystem::path& outPath, int beatsPerMeasure = 4,
                       const std::string& trackName = {});

// A recorded song as a MIDI file, or as sound rendered with the General MIDI sound font this
// machine has (a missing one is an error: the file would be silent). A recording that failed
// (RecordedSong::error) is not written and its error is returned. Both exports of the program,
// the command line's and the File menu's, go through here.
std::string exportRecordedSong(const RecordedSong& song, bool wav, const std::filesystem::path& outPath);

}  // namespace strumly
