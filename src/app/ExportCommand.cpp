#include "app/ExportCommand.h"

#include <QCoreApplication>
#include <QFileInfo>
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

namespace {

int convertTab(const QStringList& arguments) {
  int status = 0;
  const std::optional<CommandFiles> files = commandFiles(arguments, "--convert-tab", {}, status);
  if (!files) return status;
  const std::string error = convertRawTabFile(files->input, files->output);
  return error.empty() ? 0 : failCommand(error);
}

int exportSong(const QStringList& arguments, bool wav) {
  int status = 0;
  const std::optional<CommandFiles> files =
      commandFiles(arguments, wav ? "--export-wav" : "--export-midi", {"--count-off", "--click"}, status);
  if (!files) return status;
  const std::string& input = files->input;
  const QString suffix = QFileInfo(QString::fromStdString(input)).suffix().toLower();
  if (suffix == "tab" || suffix == "txt")
    return failCommand(input + " is raw tab; convert it into a tab page first (strumly --convert-tab " +
                       input + " OUT.vxt) and export that.");

  const bool tabPage = suffix == "vxt";
  const TabPageReadResult tab = tabPage ? readTabPageFile(input) : TabPageReadResult{};
  if (tabPage && !tab.ok()) return failCommand(inputFailure(input, tab.error));
  const PlayPageReadResult read = tabPage ? PlayPageReadResult{} : readPlayPage(input);
  if (!tabPage && !read.ok()) return failCommand(inputFailure(input, read.error));

  const ProgramFolder folder = ProgramFolder::forThisProgram();
  const AppSettings settings =
      AppSettingsStore(IniFile(folder.settingsFile().toStdString()), folder.documentFolder.toStdString())
          .load();
  RecordingOptions options;
  options.countOff = arguments.contains("--count-off");
  options.click = arguments.contains("--click");
  RecordedSong song =
      tabPage ? recordTabPage(*tab.file, settings.midi) : recordSong(*read.song, settings, options);
  song.name = QFileInfo(QString::fromStdString(input)).fileName().toStdString();

  const std::string error = exportRecordedSong(song, wav, files->output);
  if (!error.empty()) return failCommand(error);
  return 0;
}

}  // namespace

int runExport(const QStringList& arguments) {
  return runGuarded([&arguments] {
    if (arguments.contains("--convert-tab")) return convertTab(arguments);
    return exportSong(arguments, arguments.contains("--export-wav"));
  });
}

}  // namespace strumly::gui
