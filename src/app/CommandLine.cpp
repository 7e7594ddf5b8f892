#include "app/CommandLine.h"

#include <cstdio>

namespace strumly {
namespace {

constexpr const char* kUsage =
    "Usage: strumly [FILE]\n"
    "       strumly --export-midi SONG.ppf|SONG.vxt OUT.mid [--count-off] [--click]\n"
    "       strumly --export-wav SONG.ppf|SONG.vxt OUT.wav [--count-off] [--click]\n"
    "       strumly --convert-tab RAW.tab OUT.vxt\n"
    "       strumly --print-pdf FILE OUT.pdf\n"
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
  }
  return std::nullopt;
}

int failCommand(const std::string& reason) {
  std::fprintf(stderr, "strumly: %s\n", reason.c_str());
  return 1;
}

}  // namespace strumly
