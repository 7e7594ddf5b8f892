// Start-up cost of the main window: from nothing to the window shown, with and without the MIDI
// library (whose built-in synth loads a sound font), and the peak memory of the process.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_startup [rounds]
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "gui/app/MainWindow.h"
#include "gui/app/ProgramFolder.h"
#include "gui/app/ProgramParts.h"
#include "gui/common/ScriptedDialogService.h"
#include "gui/playback/LibraryMidiSession.h"
#include "gui/playback/MidiBridge.h"
#include "platform/audio/PcmPlayer.h"
#include "platform/midi/MidiLibrary.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Milliseconds from constructing the window to its being exposed on the screen.
double oneStart(const ProgramFolder& folder, bool withMidi) {
  ScriptedDialogService dialogs;
  PcmPlayer player("strumly-no-such-device");
  QElapsedTimer clock;
  clock.start();
  std::unique_ptr<MidiLibrary> library;
  std::unique_ptr<MidiBridge> bridge;
  std::unique_ptr<LibraryMidiSession> session;
  if (withMidi) {
    library = std::make_unique<MidiLibrary>();
    bridge = std::make_unique<MidiBridge>();
    session = std::make_unique<LibraryMidiSession>(*library, *bridge);
  }
  ProgramParts parts({dialogs, player, session.get()}, folder);
  parts.start();
  TfrmMain& window = parts.mainWindow();
  window.show();
  QElapsedTimer waited;
  waited.start();
  while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  window.setMidiSession(nullptr);
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("STRUMLY_NO_SPLASH", "1");
  QApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const ProgramFolder folder =
      ProgramFolder::locate(STRUMLY_PROGRAM_DIR, QDir::tempPath() + "/strumly-bench");
  std::printf("program folder: %s\n", qPrintable(folder.dataFolder));

  std::vector<double> shell, full;
  for (int i = 0; i < rounds; ++i) shell.push_back(oneStart(folder, false));
  const long shellPeak = peakKilobytes();
  for (int i = 0; i < rounds; ++i) full.push_back(oneStart(folder, true));
  std::printf("start-up to window shown, without MIDI: median %.1f ms (first %.1f ms) over %d rounds\n",
              median(shell), shell.front(), rounds);
  std::printf("start-up to window shown, with the MIDI library: median %.1f ms (first %.1f ms)\n",
              median(full), full.front());
  std::printf("peak resident memory: %ld kB after the shell rounds, %ld kB after the MIDI rounds\n",
              shellPeak, peakKilobytes());
  return 0;
}
