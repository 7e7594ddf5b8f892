// RedrawPlayPage of a full play page (288 chords) and of an empty one: every edit, undo, file
// open and change of spelling or hand redraws the whole page, so a full page should stay well
// under 5 ms.
#include <benchmark/benchmark.h>

#include "QtBench.h"
#include "core/playpage/PlayPageData.h"
#include "gui/common/PageImage.h"
#include "gui/playpage/PlayPageCanvas.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// An open C major: x32010 in standard tuning.
ChordDiagram openC() {
  ChordDiagram chord;
  chord.empty = 0;
  chord.name = "maj";
  chord.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, kFingerMuted}};
  chord.root = 0;
  chord.bass = 24;
  return chord;
}

void redraw(benchmark::State& state, bool full) {
  PageImage image(QSize(PlayPageCanvas::kWidth, 3335));
  PlayPageCanvas canvas(image);
  PlaySlots slots{};
  if (full) slots.fill(openC());
  SlotStyle style;
  for (auto _ : state) canvas.RedrawPlayPage(slots, style);
}

void BM_RedrawFullPlayPage(benchmark::State& state) {
  redraw(state, true);
}
void BM_RedrawEmptyPlayPage(benchmark::State& state) {
  redraw(state, false);
}

}  // namespace

BENCHMARK(BM_RedrawFullPlayPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawEmptyPlayPage)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  return runQtBenchmarks(argc, argv);
}
