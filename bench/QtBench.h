#pragma once
// What the interface benchmarks share: a main that runs them in a Qt application (offscreen
// unless a platform is chosen), dialogs that count their notices instead of waiting for a user,
// and a fretboard drawn on real views in a window, as a page under measurement redraws it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "gui/common/DialogService.h"
#include "gui/views/Fretboard.h"
#include "gui/views/FretboardView.h"
#include "gui/views/KeyboardView.h"
#include "support/FakeFretboardHost.h"

namespace strumly::gui {

class SilentDialogs : public QtDialogService {
 public:
  int notices = 0;
  void notice(QWidget*, const QString&) override { ++notices; }
};

// Destroy it before `window`, which owns its views.
class DrawnFretboard {
 public:
  DrawnFretboard(QWidget& window, bool withKeyboard)
      : neck(new FretboardView(&window)),
        keyboard(withKeyboard ? new KeyboardView(&window) : nullptr),
        chordName(&window),
        notes(&window),
        fretboard(widgets(), host) {}

  FretboardView* neck;
  KeyboardView* keyboard;  // none: the fretboard draws no keyboard
  QLineEdit chordName, notes;
  std::array<QLabel, 8> intervals;
  FakeFretboardHost host;
  Fretboard fretboard;

 private:
  FretboardWidgets widgets() {
    FretboardWidgets w;
    w.neck = neck;
    w.keyboard = keyboard;
    w.chordName = &chordName;
    w.notes = &notes;
    for (std::size_t n = 0; n < intervals.size(); ++n) w.intervals[n] = &intervals[n];
    return w;
  }
};

inline int runQtBenchmarks(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace strumly::gui
