// Printing page files to PDF as "strumly --print-pdf" does: a full chord page (five sets of six
// diagrams) and a 1,000-line tab (18 sheets). Each should take well under a second.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QtBench.h"
#include "core/app/AppSettings.h"
#include "core/pages/PageFiles.h"
#include "gui/app/PageFilePrintout.h"
#include "gui/common/PagePrinter.h"

using namespace strumly;
using namespace strumly::gui;

namespace {

QTemporaryDir& folder() {
  static QTemporaryDir dir;
  return dir;
}

QString fullChordPage() {
  PageHolders holders;
  for (int set = 0; set < PageHolders::kChordSets; ++set)
    for (int d = 0; d < PageHolders::kDiagramsPerSet; ++d) {
      ChordDiagram& c = holders.chordAt(d, set);
      c.empty = 0;
      c.name = "m7";
      c.strings = {StringFret{0, 0}, {1, 1}, {0, 0}, {2, 2}, {3, 3}, {0, kFingerMuted}};
    }
  const QString path = folder().filePath("full.cpf");
  const std::vector<std::uint8_t> bytes = writeChordPageFile(holders);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  return path;
}

QString longTab() {
  const QString path = folder().filePath("long.tab");
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  for (int i = 0; i < 1000; ++i) file.write("e|-----3-----5-----7-----8-----|-----10----12----|\r\n");
  return path;
}

void printToPdf(benchmark::State& state, const QString& input) {
  const QString out = folder().filePath("out.pdf");
  for (auto _ : state) {
    const PagePrintout printout = printoutOfPageFile(input, AppSettings{});
    QString error;
    if (!writePrintoutPdf(printout, out, error)) state.SkipWithError(error.toStdString().c_str());
  }
}

void BM_PrintFullChordPage(benchmark::State& state) {
  printToPdf(state, fullChordPage());
}
BENCHMARK(BM_PrintFullChordPage)->Unit(benchmark::kMillisecond);

void BM_PrintThousandLineTab(benchmark::State& state) {
  printToPdf(state, longTab());
}
BENCHMARK(BM_PrintThousandLineTab)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return runQtBenchmarks(argc, argv);
}
