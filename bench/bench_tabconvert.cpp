// "Check Tab Edits" and "Convert Tab" of a long messy tab from the web: 1 MB should take under
// 0.2 s and 10 MB under 2 s, from the file's bytes to the converted page and its play lines.
#include <benchmark/benchmark.h>

#include <string>

#include "core/tab/TabConversion.h"

using namespace strumly;

namespace {

// Blocks with string names, bar lines, two-digit frets and a drop tuning, separated by chord
// names, timing lines, lyrics and the odd broken block, until `bytes` are written.
std::string messyTab(std::size_t bytes) {
  static const char* const kNames[] = {"e", "B", "G", "D", "A", "D"};
  std::string text;
  text.reserve(bytes + 512);
  for (unsigned n = 0; text.size() < bytes; ++n) {
    text += "Am        C        G  (x2)   verse " + std::to_string(n) + "\r\n";
    text += "   q  e  e  s s  q   .   q   e  \r\n";
    for (int s = 0; s < 6; ++s) {
      text += kNames[s];
      text += "|";
      for (unsigned k = 0; k < 8; ++k) {
        const unsigned v = (n * 7 + static_cast<unsigned>(s) * 3 + k * 5) % 17;
        text += v < 10 ? "-" + std::to_string(v) + "-" : (v < 15 ? std::to_string(v) + "-" : "---");
        text += k == 3 ? "|" : "-";
      }
      text += (n % 11 == 0 && s == 2) ? "|\n" : "||\r\n";  // now and then a line one character short
    }
    text += "\r\n";
  }
  return text;
}

void BM_CheckAndConvert(benchmark::State& state) {
  const std::string text = messyTab(static_cast<std::size_t>(state.range(0)) << 20);
  for (auto _ : state) {
    const TabCheckResult check = checkTabEdits(decodeTabText(text));
    const std::optional<ConvertedTab> page = convertTab(check.workingLines, true);
    const std::vector<PlayLine> play = encodePlayLines(page->lines, false);
    benchmark::DoNotOptimize(play.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_CheckAndConvert)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
