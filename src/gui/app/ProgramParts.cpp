#include "gui/app/ProgramParts.h"

namespace strumly::gui {

ProgramParts::ProgramParts(const ProgramFolder& folder, const QStringList& files)
    : midiSession_(midiLibrary_, midiBridge_), frmMain_(dialogs_, speechPlayer_) {
  frmMain_.setMidiSession(&midiSession_);
  frmMain_.FormCreate(folder, files);
}

}  // namespace strumly::gui
