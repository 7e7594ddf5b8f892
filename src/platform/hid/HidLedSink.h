#pragma once
// The LED sink of a real Fretlight guitar: each frame becomes the guitar's three output reports,
// written one after the other to an open device.
#include "core/fretlight/LedReports.h"
#include "core/fretlight/LedSink.h"

namespace strumly {

// An open HID device as far as the LEDs need it. Tests put a fake here; the program an
// HidapiDevice.
class HidWriter {
 public:
  virtual ~HidWriter() = default;
  // Writes one output report, report number in byte 0; false when the device refused it.
  virtual bool write(const LedReport& report) = 0;
};

class HidLedSink final : public LedSink {
 public:
  // `writer` must outlive the sink.
  explicit HidLedSink(HidWriter& writer) : writer_(writer) {}

  // All three reports go out even if one fails: a frame is redrawn often, and a guitar that has
  // gone away is noticed by the switch reads, not here.
  void send(const LedFrame& frame, Hand hand) override;
  // Stops at the first refused report: the device is gone and the rest would fail as well.
  void clear() override;
  void lightAll() override;

 private:
  void fill(std::uint8_t bits);

  HidWriter& writer_;
};

}  // namespace strumly
