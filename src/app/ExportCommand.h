#pragma once
// The command-line exports, run without a window:
//   strumly --export-midi SONG.ppf OUT.mid [--count-off] [--click]
//   strumly --export-wav  SONG.ppf OUT.wav [--count-off] [--click]
// The song plays once from measure 1 with the file's bass, tempo and strum and the channels,
// programs and volumes of Kv.ini. A bad or missing input exits non-zero with the reason and
// writes nothing.
//   strumly --convert-tab SONG.tab OUT.vxt
//   strumly --export-midi|--export-wav SONG.vxt OUT
// A raw tab file is checked and converted (Auto Tune on) into a tab page file with the page's
// default settings ("no tab found" when it holds no block); a tab page file plays once between
// its stored markers, without Loop Play and step play.
#include <QStringList>

namespace strumly::gui {

// True when the arguments ask for an export (then runExport must handle them).
bool wantsExport(const QStringList& arguments);
// Runs the export the arguments name; the exit code of the program.
int runExport(const QStringList& arguments);

}  // namespace strumly::gui
