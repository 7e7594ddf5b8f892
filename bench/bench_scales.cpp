// From pressing "Show Scale" to the page and the fretboard drawn: the record read from kvs.dat,
// the six positions composed as a set on the Scales page with its heading and frame, and the
// scale shown on the neck, the keyboard and the read-outs. The goal is well under 10 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "core/app/AppSettings.h"
#include "gui/common/DialogService.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/playback/Transport.h"
#include "gui/scales/ScalesPage.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"
#include "support/FakeFretboardHost.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

class SilentDialogs : public QtDialogService {
 public:
  int notices = 0;
  void notice(QWidget*, const QString&) override { ++notices; }
};

void BM_AddScaleSet(benchmark::State& state) {
  QWidget window;
  NoteSpelling spelling;
  SilentDialogs dialogs;
  PageHolders holders;
  AppSettings settings;
  QTabWidget tabs(&window);
  PageList pages(&tabs);
  Transport transport(pages);

  auto* neck = new FretboardView(&window);
  auto* keyboard = new KeyboardView(&window);
  QLineEdit chordName(&window), notes(&window);
  FretboardWidgets widgets;
  widgets.neck = neck;
  widgets.keyboard = keyboard;
  widgets.chordName = &chordName;
  widgets.notes = &notes;
  std::array<QLabel, 8> intervals;
  for (std::size_t n = 0; n < 8; ++n) widgets.intervals[n] = &intervals[n];
  FakeFretboardHost host;
  Fretboard fretboard(widgets, host);
  auto* page = new ScalesPage(holders, pages, dialogs, spelling, transport, {fretboard, fretboard}, settings,
                              STRUMLY_PROGRAM_DIR);
  pages.add(*page);
  window.resize(1000, 900);
  window.show();

  for (auto _ : state) {
    state.PauseTiming();
    page->erase();
    state.ResumeTiming();
    page->addScaleSet(10, 9, "Minor Pentatonic");
    page->imgScales()->repaint();
    neck->repaint();
    keyboard->repaint();
  }
  if (dialogs.notices > 0 || holders.scaleSetCount != 1) state.SkipWithError("Show Scale did not add a set");
}
BENCHMARK(BM_AddScaleSet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
