#pragma once
// The real program's parts for one run: the dialogs, the speech output, the MIDI library with its
// bridge and session, and the main window built on them and started (FormCreate). The program's
// entry and the screenshot tool both build the window through this, so what a screenshot shows
// is what a user gets.
#include <QStringList>
#include <memory>

#include "gui/playback/LibraryMidiSession.h"
#include "gui/app/MainWindow.h"
#include "gui/app/ProgramFolder.h"
#include "gui/common/DialogService.h"
#include "gui/playback/MidiBridge.h"
#include "platform/audio/PcmPlayer.h"
#include "platform/midi/MidiLibrary.h"

namespace strumly::gui {

class ProgramParts {
 public:
  // Builds the main window on the real devices and runs its start-up with the program folder
  // and the files named on the command line. The window is not shown yet.
  ProgramParts(const ProgramFolder& folder, const QStringList& files);
  ProgramParts(const ProgramParts&) = delete;
  ProgramParts& operator=(const ProgramParts&) = delete;

  TfrmMain& mainWindow() { return frmMain_; }

 private:
  QtDialogService dialogs_;
  PcmPlayer speechPlayer_;
  MidiLibrary midiLibrary_;
  MidiBridge midiBridge_;
  LibraryMidiSession midiSession_;
  TfrmMain frmMain_;
};

}  // namespace strumly::gui
