// Composing a full Chords page: five sets of six small diagrams, each composed off screen and
// copied to the page once. The page should take well under 10 ms.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "gui/views/DiagramPainter.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

ChordDiagram barreChord(int beginFret) {
  ChordDiagram c = emptyDesignChord();
  c.name = "major";
  const int f = beginFret;
  c.strings = {StringFret{std::uint8_t(f), 1}, {std::uint8_t(f), 1},     {std::uint8_t(f + 1), 2},
               {std::uint8_t(f + 2), 4},       {std::uint8_t(f + 2), 3}, {std::uint8_t(f), 1}};
  c.beginFret = static_cast<std::uint8_t>(beginFret);
  return c;
}

void BM_ComposeChordsPage(benchmark::State& state) {
  PageImage page(QSize(kChordPageWidth, kDiagramPageHeight));
  std::array<ChordDiagram, 30> chords;
  for (int i = 0; i < 30; ++i) chords[static_cast<std::size_t>(i)] = barreChord(1 + i % 12);
  for (auto _ : state) {
    clearPageImage(page);
    for (int set = 0; set < 5; ++set)
      for (int diagram = 0; diagram < 6; ++diagram)
        drawSmallChord(chords[static_cast<std::size_t>(set * 6 + diagram)], page, DiagramPage::Chords, set,
                       diagram, ChordMarkers::Plain, false);
    moveSelection(page, DiagramPage::Chords, {0, 0});
    benchmark::DoNotOptimize(page.image().constBits());
  }
}
BENCHMARK(BM_ComposeChordsPage)->Unit(benchmark::kMillisecond);

void BM_ComposeScalesPage(benchmark::State& state) {
  PageImage page(QSize(kScalePageWidth, kDiagramPageHeight));
  ScaleDiagram scale;
  scale.empty = 0;
  scale.intervals = {0, 2, 4, 5, 7, 9, 11, 99, 99, 99};
  for (auto _ : state) {
    clearPageImage(page);
    for (int set = 0; set < 5; ++set)
      for (int position = 0; position < 6; ++position)
        drawScalePosition(scale, position, page, DiagramPage::Scales, set, position, 5, false);
    benchmark::DoNotOptimize(page.image().constBits());
  }
}
BENCHMARK(BM_ComposeScalesPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);  // fonts and widgets need the application object
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
