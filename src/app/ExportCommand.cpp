#include "app/ExportCommand.h"

#include <QCoreApplication>
#include <cstdio>

#include "core/playback/SongRecording.h"
#include "gui/app/ProgramFolder.h"
#include "platform/midi/SongExport.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {
namespace {

int fail(const std::string& reason) {
  std::fprintf(stderr, "strumly: %s\n", reason.c_str());
  return 1;
}

}  // namespace

bool wantsExport(const QStringList& arguments) {
  return arguments.contains("--export-midi") || arguments.contains("--export-wav");
}

int runExport(const QStringList& arguments) {
  const bool wav = arguments.contains("--export-wav");
  const qsizetype at = arguments.indexOf(wav ? "--export-wav" : "--export-midi");
  if (at + 2 >= arguments.size() || arguments[at + 1].startsWith("--") || arguments[at + 2].startsWith("--"))
    return fail("usage: strumly --export-midi|--export-wav SONG.ppf OUT [--count-off] [--click]");
  const std::string input = arguments[at + 1].toStdString();
  const std::string output = arguments[at + 2].toStdString();

  const PlayPageReadResult read = readPlayPage(input);
  if (!read.ok()) return fail(input + ": " + read.error);

  const ProgramFolder folder = ProgramFolder::forThisProgram();
  const AppSettings settings =
      AppSettingsStore(IniFile(folder.settingsFile().toStdString()), folder.userFolder.toStdString()).load();
  RecordingOptions options;
  options.countOff = arguments.contains("--count-off");
  options.click = arguments.contains("--click");
  const RecordedSong song = recordSong(*read.song, settings, options);

  const std::string error = exportRecordedSong(song, wav, output);
  if (!error.empty()) return fail(error);
  return 0;
}

}  // namespace strumly::gui
