// From pressing "Show Chords" to the page and the fretboard drawn: the six voicings read from the
// dictionary files, composed as a set on the Chords page with its heading and frame, and the
// first shown on the neck with its read-outs. The goal is well under 20 ms.
#include <benchmark/benchmark.h>

#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include "QtBench.h"
#include "core/app/AppSettings.h"
#include "gui/chords/ChordMenus.h"
#include "gui/chords/ChordsPage.h"
#include "gui/common/Command.h"
#include "gui/common/NoteSpelling.h"
#include "gui/common/PageImage.h"
#include "gui/common/PageList.h"
#include "gui/playback/Transport.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

void BM_ShowChords(benchmark::State& state) {
  QWidget window;
  QMenu key, major, minor, dominant, scale;
  for (QMenu* m : {&major, &minor, &dominant, &scale}) m->addMenu("More...");
  QLineEdit root, name;
  QPushButton show("Show Chords");
  QLabel label("Chord Name");
  NoteSpelling spelling;
  SilentDialogs dialogs;
  PageHolders holders;
  AppSettings settings;
  QTabWidget tabs(&window);
  PageList pages(&tabs);
  Transport transport{[&pages] { return pages.current(); }};
  CommandTable commands{&transport, nullptr};
  ChordMenus menus({&key, &major, &minor, &dominant, &scale}, {&root, &name, &show, &label}, spelling,
                   commands);

  DrawnFretboard board(window, false);
  auto* page = new ChordsPage(holders, menus, pages, dialogs, spelling, transport, board.fretboard,
                              STRUMLY_PROGRAM_DIR, settings);
  pages.add(*page);
  window.resize(1000, 900);
  window.show();

  key.actions()[4]->trigger();    // E
  minor.actions()[2]->trigger();  // "m7"
  for (auto _ : state) {
    state.PauseTiming();
    page->erase();
    state.ResumeTiming();
    page->btnShowChordsClick();
    page->imgChordPage()->repaint();
    board.neck->repaint();
  }
  if (dialogs.notices > 0 || holders.chordSetCount != 1) state.SkipWithError("Show Chords did not add a set");
}
BENCHMARK(BM_ShowChords)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return runQtBenchmarks(argc, argv);
}
