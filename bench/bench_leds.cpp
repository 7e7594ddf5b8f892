// The LED guitar's costs on the interface thread: one LED frame built and handed to the guitar
// (three output reports, with the foot-switch timer paused around them), and the longest stall
// of the interface thread while a guitar stops answering and is dropped. Goals: a frame well
// under 50 us; no stall of 20 ms or more.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#include "QtBench.h"
#include "gui/fretlight/FretlightLink.h"
#include "support/FakeFretlight.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// A guitar that takes reports and forgets them, so the measure is the program's side alone.
class DiscardingDevice final : public FretlightDevice {
 public:
  bool write(const LedReport& report) override {
    benchmark::DoNotOptimize(report.data());
    return true;
  }
  std::string productName() const override { return {}; }
  std::string manufacturerName() const override { return {}; }
  int inputReportLength() const override { return 2; }
  SwitchRead readSwitches() override { return {SwitchRead::Kind::Report, 0}; }
};

class DiscardingPort final : public FretlightPort {
 public:
  std::unique_ptr<FretlightDevice> open(FretlightSearch& outcome) override {
    outcome = FretlightSearch::Found;
    return std::make_unique<DiscardingDevice>();
  }
};

LedFrame chordFrame(int fret) {
  LedFrame frame;
  for (int string = 0; string < 6; ++string) frame.light(fret + (string % 3), string, string == 4);
  return frame;
}

void BM_LedFrameToGuitar(benchmark::State& state) {
  DiscardingPort port;
  FretlightLink link(&port);
  link.DetectFretlight();  // the foot-switch timer runs, as in the program
  const std::array<LedFrame, 2> frames{chordFrame(1), chordFrame(12)};
  std::size_t next = 0;
  for (auto _ : state) {
    link.showBoard(frames[next]);
    next ^= 1u;
  }
}
BENCHMARK(BM_LedFrameToGuitar)->Unit(benchmark::kMicrosecond);

// The guitar goes silent while the program runs its timers and animates the LEDs; a 1 ms probe
// timer on the interface thread notes the longest gap between its ticks.
void BM_StallWhileTheGuitarStopsAnswering(benchmark::State& state) {
  double longestMs = 0;
  bool dropped = false;
  for (auto _ : state) {
    FakeFretlightPort port;
    FretlightLink link(&port);
    link.DetectFretlight();
    port.state->answering = false;
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
      const qint64 now = clock.nsecsElapsed();
      longest = std::max(longest, now - last);
      last = now;
    });
    QTimer animation;
    animation.setInterval(50);
    int fret = 0;
    QObject::connect(&animation, &QTimer::timeout, [&] {
      link.send(chordFrame(fret), Hand::Right);
      fret = (fret + 1) % 19;
    });
    QEventLoop loop;
    QTimer::singleShot(1600, &loop, &QEventLoop::quit);
    last = clock.nsecsElapsed();
    probe.start();
    animation.start();
    loop.exec();
    longestMs = std::max(longestMs, longest / 1e6);
    dropped = !link.present();
  }
  state.counters["longest_stall_ms"] = longestMs;
  state.counters["guitar_dropped"] = dropped ? 1 : 0;
}
BENCHMARK(BM_StallWhileTheGuitarStopsAnswering)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return runQtBenchmarks(argc, argv);
}
