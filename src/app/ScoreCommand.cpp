#include "app/ScoreCommand.h"

#include <cstdio>

#include "app/CommandLine.h"
#include "core/common/ReadWholeFile.h"
#include "core/practice/PlayAlongScorer.h"
#include "gui/app/ProgramFolder.h"
#include "platform/audio/WavClip.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {

namespace {

constexpr int kMaxLatencyMs = 1000;

int score(const QStringList& arguments) {
  int status = 0;
  // --latency takes a value; the rest are checked as every windowless command's are.
  QStringList rest = arguments;
  ScoreWindow window;
  if (const qsizetype at = rest.indexOf("--latency"); at >= 0) {
    bool number = false;
    const int ms = at + 1 < rest.size() ? rest[at + 1].toInt(&number) : 0;
    if (!number || ms < -kMaxLatencyMs || ms > kMaxLatencyMs)
      return usageError("--latency takes a whole number of milliseconds from -1000 to 1000");
    window.latencyMs = ms;
    rest.remove(at, 2);
    if (rest.contains("--latency")) return usageError("--latency is given twice");
  }
  const std::optional<QStringList> files = commandFileNames(rest, "--score", {}, status);
  if (!files) return status;
  if (rest.count("--score") != 1 || files->size() != 2 || files->at(0).isEmpty() || files->at(1).isEmpty())
    return usageError("--score takes a song file and a WAV file, and nothing else");
  const std::string songFile = files->at(0).toStdString();
  const std::string takeFile = files->at(1).toStdString();

  const PlayPageReadResult read = readPlayPage(songFile);
  if (!read.ok()) return failCommand(inputFailure(songFile, read.error));
  std::string error;
  const std::optional<std::string> bytes = readWholeFile(takeFile, error);
  if (!bytes) return failCommand(error);
  const WavMonoResult wav =
      decodeWavMono({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
  if (!wav.error.empty()) return failCommand(inputFailure(takeFile, wav.error));

  const ProgramFolder folder = ProgramFolder::forThisProgram();
  const AppSettings settings =
      AppSettingsStore(IniFile(folder.settingsFile().toStdString()), folder.documentFolder.toStdString())
          .load();
  const std::vector<ExpectedStrum> strums = expectedStrums(*read.song, settings, {Spelling::Sharps}, &error);
  if (!error.empty()) return failCommand(inputFailure(songFile, error));
  if (strums.empty()) return failCommand(inputFailure(songFile, "the song has no chords to score"));

  const std::vector<StrumScore> scores =
      scoreTake(strums, wav.mono, wav.sampleRate, window, settings.listen.clampedA4());
  for (const StrumScore& s : scores) std::printf("%s\n", scoreLine(s).c_str());
  std::printf("%s\n", scoreSummary(scores).c_str());
  return std::fflush(stdout) == 0 ? 0 : failCommand("cannot write the output");
}

}  // namespace

bool wantsScore(const QStringList& arguments) {
  return arguments.contains("--score");
}

int runScore(const QStringList& arguments) {
  return runGuarded([&arguments] { return score(arguments); });
}

}  // namespace strumly::gui
