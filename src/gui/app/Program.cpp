#include "gui/app/Program.h"

namespace strumly::gui {

Program::Program(const ProgramFolder& folder, const QStringList& files)
    : dialogs_(folder.dataFolder + "help"),
      midiSession_(midiLibrary_, midiBridge_),
      parts_({dialogs_, speechPlayer_, &midiSession_, nullptr, &fretlightPort_, &audioInput_}, folder) {
  dialogs_.setDocumentFolder(folder.documentFolder);
  QObject::connect(&midiBridge_, &MidiBridge::midiMessage, &parts_.transport(), &Transport::midiMessage);
  parts_.start(files);
}

}  // namespace strumly::gui
