// The converted view of a 10 MB tab: from the working list of blocks to the first screen of the
// page, and one screen of scrolling. Only the rows in view are painted, so both stay the same for
// any length of tab; a repaint must stay under 16 ms (one frame). The peak memory of the process
// is printed at the end.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QScrollBar>
#include <cstdio>
#include <fstream>
#include <string>

#include "QtBench.h"
#include "core/tab/TabConversion.h"
#include "gui/tab/TabPageView.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

// Blocks of six 100-column lines with frets, one and two digits, until `bytes` are written: the
// working list as "Check Tab Edits" leaves it.
TabLines workingLines(std::size_t bytes) {
  static const char32_t kNames[] = {U'e', U'B', U'G', U'D', U'A', U'E'};
  TabLines lines;
  std::size_t size = 0;
  for (unsigned n = 0; size < bytes; ++n) {
    lines.emplace_back();
    for (int s = 0; s < 6; ++s) {
      TabLine line{kNames[s], U'|'};
      for (unsigned k = 0; line.size() < 99; ++k) {
        const unsigned v = (n * 7 + static_cast<unsigned>(s) * 3 + k * 5) % 17;
        line += v < 10 ? U'0' + v : U'-';
      }
      line += U'|';
      size += line.size() + 2;
      lines.push_back(std::move(line));
    }
    size += 2;
  }
  return lines;
}

const TabLines& tenMegabytes() {
  static const TabLines lines = workingLines(std::size_t{10} << 20);
  return lines;
}

// The window's backing store: the screen's own pixels.
QImage screenOf(const TabPageView& view) {
  const qreal ratio = view.devicePixelRatioF();
  QImage screen((QSizeF(view.viewport()->size()) * ratio).toSize(), QImage::Format_RGB32);
  screen.setDevicePixelRatio(ratio);
  return screen;
}

// One screen of the page as the window paints it.
void paintScreen(TabPageView& view, QImage& screen) {
  screen.fill(Qt::white);
  view.viewport()->render(&screen);
}

void BM_ShowConvertedPage(benchmark::State& state) {
  const TabLines& working = tenMegabytes();
  TabPageView view;
  view.resize(1000, 600);
  view.show();
  QImage screen = screenOf(view);
  std::optional<ConvertedTab> page;
  for (auto _ : state) {
    view.setPage(nullptr);
    page = convertTab(working, true);
    view.setPage(&page->lines);
    view.setMarkers(page->markers);
    paintScreen(view, screen);
  }
  state.counters["lines"] = static_cast<double>(page->lines.size());
}
BENCHMARK(BM_ShowConvertedPage)->Unit(benchmark::kMillisecond);

void BM_ScrollOneScreen(benchmark::State& state) {
  const std::optional<ConvertedTab> page = convertTab(tenMegabytes(), true);
  TabPageView view;
  view.resize(1000, 600);
  view.show();
  view.setPage(&page->lines);
  view.setMarkers(page->markers);
  view.setPlayCursor(std::make_pair(10, 3));
  QImage screen = screenOf(view);
  QScrollBar* bar = view.verticalScrollBar();
  for (auto _ : state) {
    const int next = bar->value() + bar->pageStep();
    bar->setValue(next > bar->maximum() ? 0 : next);
    paintScreen(view, screen);
  }
}
BENCHMARK(BM_ScrollOneScreen)->Unit(benchmark::kMillisecond);

long peakKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    long value = 0;
    if (key == "VmHWM:" && status >> value) return value;
    status.ignore(256, '\n');
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const int status = runQtBenchmarks(argc, argv);
  std::printf("peak resident memory: %ld kB\n", peakKilobytes());
  return status;
}
