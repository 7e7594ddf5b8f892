#pragma once
// A tab page played once between its stored markers, without Loop Play and step play, into a
// sink that keeps every channel event at its tick: what the command-line exports write (markers
// never reach a file).
#include "core/app/AppSettings.h"
#include "core/playback/SongRecording.h"
#include "core/tab/TabFile.h"

namespace strumly {

// Converts the file's lines (Auto Tune as the file says, else standard tuning) and plays them
// with the file's tempo, sustain, slice time and check boxes and the MIDI settings given.
RecordedSong recordTabPage(const TabPageFile& file, const MidiSettings& midi);

}  // namespace strumly
