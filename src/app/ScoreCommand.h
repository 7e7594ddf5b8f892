#pragma once
// Play-along scoring of a recorded take, run without a window:
//   strumly --score SONG.ppf TAKE.wav [--latency MS]
// The song is played once from measure 1 at its file's tempo, with its repeats and without
// count-off; every chord strum it asks for is judged in the take from 80 ms before its beat to
// 150 ms after it, the beat moved MS later (the input's delay; a whole number, -1000..1000).
// One line per strum, "MEASURE.SLOT CHORD VERDICT OFFSET_MS" ("3.5 G maj right +12"; SLOT is the
// half beat in the measure from 1, VERDICT right, partly or missed, OFFSET_MS signed or "-" when
// missed), then the summary line. A missing or unreadable song or take, a take that is not PCM
// WAV or holds no samples, or a song without chords exits 1 with the reason; wrong arguments
// exit 2.
#include <QStringList>

namespace strumly::gui {

bool wantsScore(const QStringList& arguments);
int runScore(const QStringList& arguments);

}  // namespace strumly::gui
