// From pressing "Show Scale" to the page and the fretboard drawn: the record read from kvs.dat,
// the six positions composed as a set on the Scales page with its heading and frame, and the
// scale shown on the neck, the keyboard and the read-outs. The goal is well under 10 ms.
#include <benchmark/benchmark.h>

#include <QTabWidget>

#include "QtBench.h"
#include "core/app/AppSettings.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/playback/Transport.h"
#include "gui/scales/ScalesPage.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

void BM_AddScaleSet(benchmark::State& state) {
  QWidget window;
  NoteSpelling spelling;
  SilentDialogs dialogs;
  PageHolders holders;
  AppSettings settings;
  QTabWidget tabs(&window);
  PageList pages(&tabs);
  Transport transport{[&pages] { return pages.current(); }};

  DrawnFretboard board(window, true);
  auto* page = new ScalesPage(holders, pages, dialogs, spelling, transport,
                              {board.fretboard, board.fretboard}, settings, STRUMLY_PROGRAM_DIR);
  pages.add(*page);
  window.resize(1000, 900);
  window.show();

  for (auto _ : state) {
    state.PauseTiming();
    page->erase();
    state.ResumeTiming();
    page->addScaleSet(10, 9, "Minor Pentatonic");
    page->imgScales()->repaint();
    board.neck->repaint();
    board.keyboard->repaint();
  }
  if (dialogs.notices > 0 || holders.scaleSetCount != 1) state.SkipWithError("Show Scale did not add a set");
}
BENCHMARK(BM_AddScaleSet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return runQtBenchmarks(argc, argv);
}
