#include "app/HearCommand.h"

#include <cmath>
#include <cstdio>

#include "app/CommandLine.h"
#include "core/chords/ChordTypeList.h"
#include "core/common/ReadWholeFile.h"
#include "core/listen/ChordListener.h"
#include "core/listen/NoteListener.h"
#include "gui/app/ProgramFolder.h"
#include "platform/audio/WavClip.h"
#include "platform/settings/AppSettingsStore.h"

namespace strumly::gui {

namespace {

// The listeners take the samples as a sound card would hand them over.
constexpr std::size_t kBlock = 512;

std::optional<std::string> inputFile(const QStringList& arguments, const QString& command, int& status) {
  const std::optional<QStringList> files = commandFileNames(arguments, command, {}, status);
  if (!files) return std::nullopt;
  if (arguments.count(command) != 1 || files->size() != 1 || files->front().isEmpty()) {
    status = usageError(qPrintable(command + " takes one WAV file, and nothing else"));
    return std::nullopt;
  }
  return files->front().toStdString();
}

template <typename Listener, typename Print>
void listen(Listener& listener, const std::vector<float>& mono, Print print) {
  for (std::size_t i = 0; i < mono.size(); i += kBlock) {
    for (const auto& event : listener.feed(mono.data() + i, std::min(kBlock, mono.size() - i))) print(event);
  }
  for (const auto& event : listener.finish()) print(event);
}

int hear(const QStringList& arguments, bool chords) {
  int status = 0;
  const QString command = chords ? "--hear-chords" : "--hear-notes";
  const std::optional<std::string> input = inputFile(arguments, command, status);
  if (!input) return status;
  std::string error;
  const std::optional<std::string> bytes = readWholeFile(*input, error);
  if (!bytes) return failCommand(error);
  const WavMonoResult wav =
      decodeWavMono({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
  if (!wav.error.empty()) return failCommand(inputFailure(*input, wav.error));

  const ProgramFolder folder = ProgramFolder::forThisProgram();
  const AppSettings settings =
      AppSettingsStore(IniFile(folder.settingsFile().toStdString()), folder.documentFolder.toStdString())
          .load();
  const double a4 = settings.listen.clampedA4();
  if (chords) {
    ChordListener listener(wav.sampleRate, chordTypesWithUsers(settings.userChords), a4);
    listen(listener, wav.mono, [](const HeardChord& chord) {
      std::string line = std::to_string(chord.ms);
      if (chord.pitchClasses != 0) line += ' ' + pitchClassesText(chord.pitchClasses);
      if (!chord.name.empty()) line += ' ' + chord.name;
      std::printf("%s\n", line.c_str());
    });
  } else {
    NoteListener listener(wav.sampleRate, a4);
    listen(listener, wav.mono, [](const HeardNote& note) {
      std::printf("%lld %s %ld\n", static_cast<long long>(note.ms), noteNameWithOctave(note.midi).c_str(),
                  std::lround(note.cents));
    });
  }
  return std::fflush(stdout) == 0 ? 0 : failCommand("cannot write the output");
}

}  // namespace

bool wantsHear(const QStringList& arguments) {
  return arguments.contains("--hear-notes") || arguments.contains("--hear-chords");
}

int runHear(const QStringList& arguments) {
  return runGuarded([&arguments] {
    if (arguments.contains("--hear-notes") && arguments.contains("--hear-chords"))
      return usageError("--hear-notes and --hear-chords cannot be combined");
    return hear(arguments, arguments.contains("--hear-chords"));
  });
}

}  // namespace strumly::gui
