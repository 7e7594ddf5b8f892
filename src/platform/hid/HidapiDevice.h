#pragma once
// The Fretlight guitar opened through hidapi. Builds without hidapi (STRUMLY_HAVE_HIDAPI unset)
// keep this class so callers need no guards of their own; `open` then never finds a guitar.
#include <cstdint>
#include <memory>

#include "platform/hid/HidLedSink.h"

struct hid_device_;  // hidapi's handle, kept out of this header so hidapi stays optional

namespace strumly {

class HidapiDevice final : public HidWriter {
 public:
  static constexpr std::uint16_t kVendorId = 0x0925;
  static constexpr std::uint16_t kProductId = 0x2000;

  // The first attached guitar, or null when none is attached or it cannot be opened (on Linux
  // the hidraw node usually needs a udev rule granting the user access).
  static std::unique_ptr<HidapiDevice> open();
  ~HidapiDevice() override;
  HidapiDevice(const HidapiDevice&) = delete;
  HidapiDevice& operator=(const HidapiDevice&) = delete;

  bool write(const LedReport& report) override;

 private:
  explicit HidapiDevice(hid_device_* device) : device_(device) {}

  hid_device_* device_;
};

}  // namespace strumly
