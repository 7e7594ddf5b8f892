#pragma once
// The program on the real devices: Qt's dialogs, the PCM player for the spoken note names, the
// audio input (the sound server, else ALSA), the MIDI library (the built-in synth or an ALSA
// port) whose clock messages cross to the interface thread through the MIDI bridge and reach the
// transport. The program's entry and the screenshot
// tool both build the window through this, so what a screenshot shows is what a user gets.
#include <QStringList>

#include "gui/app/ProgramFolder.h"
#include "gui/app/ProgramParts.h"
#include "gui/help/HelpDialogService.h"
#include "gui/playback/LibraryMidiSession.h"
#include "gui/playback/MidiBridge.h"
#include "platform/audio/CaptureInput.h"
#include "platform/audio/PcmPlayer.h"
#include "platform/hid/HidapiDevice.h"
#include "platform/midi/MidiLibrary.h"

namespace strumly::gui {

class Program {
 public:
  // Builds every part and runs start-up with the files named on the command line. The window is
  // not shown yet.
  Program(const ProgramFolder& folder, const QStringList& files);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  TfrmMain& mainWindow() { return parts_.mainWindow(); }
  ProgramParts& parts() { return parts_; }

 private:
  HelpDialogService dialogs_;
  PcmPlayer speechPlayer_;
  MidiLibrary midiLibrary_;
  MidiBridge midiBridge_;
  LibraryMidiSession midiSession_;
  HidapiFretlightPort fretlightPort_;
  CaptureInput audioInput_;
  ProgramParts parts_;
};

}  // namespace strumly::gui
