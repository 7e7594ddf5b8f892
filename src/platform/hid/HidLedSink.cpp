#include "platform/hid/HidLedSink.h"

namespace strumly {

void HidLedSink::send(const LedFrame& frame, Hand hand) {
  for (const LedReport& report : ledReports(frame, hand)) writer_.write(report);
}

void HidLedSink::clear() {
  fill(0x00);
}

void HidLedSink::lightAll() {
  fill(0xFF);
}

void HidLedSink::fill(std::uint8_t bits) {
  for (const LedReport& report : filledLedReports(bits)) {
    if (!writer_.write(report)) return;
  }
}

}  // namespace strumly
