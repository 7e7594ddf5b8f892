#include "app/ExportCommand.h"

#include <QCoreApplication>
#include <cstdio>

#include "app/CommandLine.h"
#include "core/playback/SongRecording.h"
#include "core/tab/TabCommands.h"
#include "core/tab/TabRecording.h"
#include "gui/app/ProgramFolder.h"
#include "platform/midi/SongExport.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {
bool wantsExport(const QStringList& arguments) {
  return arguments.contains("--export-midi") || arguments.contains("--export-wav") ||
         arguments.contains("--convert-tab");
}

int runExport(const QStringList& arguments) {
  if (const qsizetype at = arguments.indexOf("--convert-tab"); at >= 0) {
    if (at + 2 >= arguments.size() || arguments[at + 1].startsWith("--") ||
        arguments[at + 2].startsWith("--"))
      return failCommand("usage: strumly --convert-tab SONG.tab OUT.vxt");
    const std::string error =
        convertRawTabFile(arguments[at + 1].toStdString(), arguments[at + 2].toStdString());
    return error.empty() ? 0 : failCommand(arguments[at + 1].toStdString() + ": " + error);
  }
  const bool wav = arguments.contains("--export-wav");
  const qsizetype at = arguments.indexOf(wav ? "--export-wav" : "--export-midi");
  if (at + 2 >= arguments.size() || arguments[at + 1].startsWith("--") || arguments[at + 2].startsWith("--"))
    return failCommand("usage: strumly --export-midi|--export-wav SONG.ppf OUT [--count-off] [--click]");
  const std::string input = arguments[at + 1].toStdString();
  const std::string output = arguments[at + 2].toStdString();

  const bool tabPage = arguments[at + 1].endsWith(".vxt", Qt::CaseInsensitive);
  const TabPageReadResult tab = tabPage ? readTabPageFile(input) : TabPageReadResult{};
  if (tabPage && !tab.ok()) return failCommand(input + ": " + tab.error);
  const PlayPageReadResult read = tabPage ? PlayPageReadResult{} : readPlayPage(input);
  if (!tabPage && !read.ok()) return failCommand(input + ": " + read.error);

  const ProgramFolder folder = ProgramFolder::forThisProgram();
  const AppSettings settings =
      AppSettingsStore(IniFile(folder.settingsFile().toStdString()), folder.userFolder.toStdString()).load();
  RecordingOptions options;
  options.countOff = arguments.contains("--count-off");
  options.click = arguments.contains("--click");
  const RecordedSong song =
      tabPage ? recordTabPage(*tab.file, settings.midi) : recordSong(*read.song, settings, options);

  const std::string error = exportRecordedSong(song, wav, output);
  if (!error.empty()) return failCommand(error);
  return 0;
}

}  // namespace strumly::gui
