#pragma once
// The command-line listeners, run without a window:
//   strumly --hear-notes IN.wav    one line per note onset:  "MS NOTE CENTS"  ("1250 A3 -4")
//   strumly --hear-chords IN.wav   one line per strum onset: "MS PITCH-CLASSES [NAME]"
//                                  ("0 D E G B E m7"), pitch classes as sharp names C C# D ... B
// MS is the onset in whole milliseconds from the start of the file. Cents are against the
// reference A4 of Kv.ini; chords are named with the built-in and the user's chord types. A
// missing, unreadable or empty file, or one that is not PCM WAV, exits 1 with the reason.
#include <QStringList>

namespace strumly::gui {

bool wantsHear(const QStringList& arguments);
int runHear(const QStringList& arguments);

}  // namespace strumly::gui
