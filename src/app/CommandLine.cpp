#include "app/CommandLine.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>

namespace strumly {
namespace {

constexpr const char* kUsage =
    "Usage: strumly [FILE]\n"
    "       strumly --export-midi SONG.ppf|SONG.vxt OUT.mid [--count-off] [--click]\n"
    "       strumly --export-wav SONG.ppf|SONG.vxt OUT.wav [--count-off] [--click]\n"
    "       strumly --convert-tab RAW.tab OUT.vxt\n"
    "       strumly --print-pdf FILE OUT.pdf\n"
    "       strumly --hear-notes IN.wav | --hear-chords IN.wav\n"
    "       strumly --score SONG.ppf TAKE.wav [--latency MS]\n"
    "       strumly --help | --version\n"
    "\n"
    "A guitar teaching and practice program. FILE is a song (.ppf), a tab page (.vxt), plain-text\n"
    "tablature (.tab, .txt) or a page file (.cpf, .cds, .gpr, .prf, .spf) to open; a running Strumly\n"
    "takes it over.\n"
    "\n"
    "  --export-midi     play a song or a tab page once into a MIDI file, without a window\n"
    "  --export-wav      render a song or a tab page once into a WAV file, without a window\n"
    "  --count-off       with an export: the count-off before the song\n"
    "  --click           with an export: a click on every beat\n"
    "  --convert-tab     convert plain-text tab into a tab page file, without a window\n"
    "  --print-pdf       print a page file into a PDF file, without a window\n"
    "  --hear-notes      list the notes heard in a WAV file: onset ms, note, cents\n"
    "  --hear-chords     list the strums heard in a WAV file: onset ms, pitch classes, chord name\n"
    "  --score           judge each chord strum of a recorded take against the song played once:\n"
    "                    measure.slot, chord, right/partly/missed, offset ms; then the summary\n"
    "  --latency MS      with --score: the input's delay, taken off every beat\n"
    "  --no-splash       start without the splash window\n"
    "  -h, --help        show this help and exit\n"
    "  --version         show the version and exit\n";

const QStringList& knownOptions() {
  static const QStringList options{"--export-midi", "--export-wav", "--count-off", "--click", "--convert-tab",
                                   "--print-pdf",   "--no-splash",  "--help",      "-h",      "--version"};
  return options;
}

}  // namespace

std::optional<int> answerInfoOptions(const QStringList& arguments) {
  const QStringList options = arguments.mid(1);
  if (options.contains("--help") || options.contains("-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (options.contains("--version")) {
    std::printf("Strumly %s\n", STRUMLY_VERSION);
    return 0;
  }
  for (const QString& option : options) {
    if (option == "--") break;  // what follows is a file name, even one that starts with "-"
    if (option.startsWith("--") && !knownOptions().contains(option)) {
      std::fprintf(stderr, "strumly: unknown option %s\n\n%s", qPrintable(option), kUsage);
      return 2;
    }
    // Reached only without an export: the window would silently ignore them.
    if (option == "--count-off" || option == "--click")
      return usageError(option.toStdString() + " goes with --export-midi or --export-wav");
  }
  return std::nullopt;
}

int failCommand(const std::string& reason) {
  std::fprintf(stderr, "strumly: %s\n", reason.c_str());
  return 1;
}

int usageError(const std::string& reason) {
  std::fprintf(stderr, "strumly: %s\n\n%s", reason.c_str(), kUsage);
  return 2;
}

std::optional<QStringList> commandFileNames(const QStringList& arguments, const QString& command,
                                            const QStringList& flags, int& status) {
  QStringList files;
  bool onlyFiles = false;
  for (const QString& argument : arguments.mid(1)) {
    if (!onlyFiles && argument == "--") {
      onlyFiles = true;
    } else if (!onlyFiles && argument.startsWith("--")) {
      if (argument != command && !flags.contains(argument)) {
        status = usageError(qPrintable(command + " does not take " + argument));
        return std::nullopt;
      }
    } else {
      files << argument;
    }
  }
  return files;
}

std::optional<CommandFiles> commandFiles(const QStringList& arguments, const QString& command,
                                         const QStringList& flags, int& status) {
  const std::optional<QStringList> names = commandFileNames(arguments, command, flags, status);
  if (!names) return std::nullopt;
  const QStringList& files = *names;
  if (arguments.count(command) != 1 || files.size() != 2) {
    status = usageError(qPrintable(command + " takes an input file and an output file, and nothing else"));
    return std::nullopt;
  }
  CommandFiles named{files[0].toStdString(), files[1].toStdString()};
  if (named.input.empty() || named.output.empty()) {
    status =
        usageError(named.input.empty() ? "the input file name is empty" : "the output file name is empty");
    return std::nullopt;
  }
  std::error_code ec;
  if (std::filesystem::equivalent(named.input, named.output, ec)) {
    status = failCommand(named.output + " is the input file; write the output to another file.");
    return std::nullopt;
  }
  return named;
}

std::string inputFailure(const std::string& input, const std::string& reason) {
  for (const std::string& named : {"Cannot open " + input + ":", "Cannot read " + input + ":", input + " "})
    if (reason.starts_with(named)) return reason;
  return input + ": " + reason;
}

int runGuarded(const std::function<int()>& command) {
  try {
    return command();
  } catch (const std::exception& failure) {
    return failCommand(failure.what());
  }
}

}  // namespace strumly
