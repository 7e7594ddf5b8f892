#include "core/app/AppSettings.h"

namespace strumly {

DocumentFolders DocumentFolders::defaultsFor(const std::string& programFolder) {
  DocumentFolders f;
  f.chord = programFolder + "Chord";
  f.print = programFolder + "Print";
  f.design = programFolder + "Design";
  f.play = programFolder + "Play";
  f.scale = programFolder + "Scale";
  f.tab = programFolder + "Tab";
  f.tabRaw = programFolder + "Tab/Raw";
  return f;
}

AppSettings AppSettings::defaultsFor(const std::string& programFolder) {
  AppSettings s;
  s.folders = DocumentFolders::defaultsFor(programFolder);
  s.tabInsertFile = programFolder + "insertsection.tab";
  return s;
}

std::string switchActionCaption(int code) {
  static const std::array<const char*, 5> captions{"Play", "Next Diagram", "Show Root", "Show LEDs",
                                                   "Next Page"};
  return code >= 0 && code < 5 ? captions[static_cast<std::size_t>(code)] : "";
}

}  // namespace strumly
