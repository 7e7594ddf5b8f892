#include "core/fretlight/LedReports.h"

namespace strumly {
namespace {

LedReport emptyReport(int block) {
  LedReport report{};
  report[7] = static_cast<std::uint8_t>(block + 1);
  return report;
}

}  // namespace

LedReports ledReports(const LedFrame& frame, Hand hand) {
  LedReports reports{};
  for (int block = 0; block < kLedBlocks; ++block) {
    LedReport& report = reports[static_cast<std::size_t>(block)];
    report = emptyReport(block);
    const int firstFret = block * kFretsPerLedBlock;
    for (int fret = firstFret; fret < firstFret + kFretsPerLedBlock && fret < kLedFrets; ++fret) {
      for (int string = 0; string < 6; ++string) {
        if (frame.at(fret, string).lit == 0) continue;
        const int position = hand == Hand::Left ? 5 - string : string;
        const int led = 6 * (fret - firstFret) + position;
        report[static_cast<std::size_t>(6 - led / 8)] |= static_cast<std::uint8_t>(0x80u >> (led % 8));
      }
    }
  }
  return reports;
}

LedReports filledLedReports(std::uint8_t bits) {
  LedReports reports{};
  for (int block = 0; block < kLedBlocks; ++block) {
    LedReport& report = reports[static_cast<std::size_t>(block)];
    report = emptyReport(block);
    for (std::size_t i = 1; i <= 6; ++i) report[i] = bits;
  }
  return reports;
}

}  // namespace strumly
