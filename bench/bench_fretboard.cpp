// RedrawFretboard end to end on real widgets: restore the neck, draw six markers, fill the
// read-outs, the LED frame and the keyboard. It runs for every chord shown and for every chord
// step of playback, so it should stay under 1 ms.
#include <benchmark/benchmark.h>

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "QtBench.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"
#include "support/FakeFretboardHost.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

ChordDiagram barre(int fret) {
  ChordDiagram chord;
  chord.empty = 0;
  chord.name = "maj";
  chord.tuningName = "Standard";
  const auto f = static_cast<std::uint8_t>(fret);
  chord.strings = {StringFret{f, 1},         {f, 1}, {std::uint8_t(f + 1), 2}, {std::uint8_t(f + 2), 4},
                   {std::uint8_t(f + 2), 3}, {f, 1}};
  for (int s = 0; s < 6; ++s)
    chord.pitches[static_cast<std::size_t>(s)] = static_cast<PitchNumber>(
        chord.tuning[static_cast<std::size_t>(s)] + chord.strings[static_cast<std::size_t>(s)].fret);
  chord.intervals = {0, 4, 7, 255, 255, 255, 255};
  chord.root = static_cast<PitchClass>((40 + fret) % 12);
  chord.bass = static_cast<std::uint8_t>(chord.root + 24);
  return chord;
}

struct Rig {
  FakeFretboardHost host;
  FretboardView neck;
  KeyboardView keyboard;
  QLabel note, interval;
  QLineEdit name, notes;
  std::array<QLabel, 8> labels;
  QToolButton arpeggio;
  std::unique_ptr<Fretboard> board;
  Rig() {
    host.design = true;
    FretboardWidgets widgets{&neck, &keyboard, &note, &interval, &name, &notes, {}};
    for (std::size_t i = 0; i < labels.size(); ++i) widgets.intervals[i] = &labels[i];
    board = std::make_unique<Fretboard>(widgets, host);
    arpeggio.setCheckable(true);
    board->bindButtons({nullptr, nullptr, nullptr, &arpeggio, nullptr});
  }
};

void BM_RedrawFretboard(benchmark::State& state) {
  Rig rig;
  rig.arpeggio.setChecked(state.range(0) != 0);
  std::array<ChordDiagram, 12> chords;
  for (int i = 0; i < 12; ++i) chords[static_cast<std::size_t>(i)] = barre(1 + i);
  std::size_t next = 0;
  for (auto _ : state) {
    rig.board->RedrawFretboard(chords[next]);
    next = (next + 1) % chords.size();
    benchmark::DoNotOptimize(rig.neck.image().constBits());
  }
}
BENCHMARK(BM_RedrawFretboard)->Arg(0)->Arg(1)->ArgName("arpeggio")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return runQtBenchmarks(argc, argv);
}
