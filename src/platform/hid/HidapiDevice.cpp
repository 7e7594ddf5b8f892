#include "platform/hid/HidapiDevice.h"

#if STRUMLY_HAVE_HIDAPI
#include <hidapi.h>
#endif

namespace strumly {

#if STRUMLY_HAVE_HIDAPI

std::unique_ptr<HidapiDevice> HidapiDevice::open() {
  // hid_open initialises hidapi itself. hid_exit is never called: it would pull the library
  // from under any other device still open, and the process end releases it anyway.
  hid_device* device = hid_open(kVendorId, kProductId, nullptr);
  if (device == nullptr) return nullptr;
  return std::unique_ptr<HidapiDevice>(new HidapiDevice(device));
}

HidapiDevice::~HidapiDevice() {
  hid_close(device_);
}

bool HidapiDevice::write(const LedReport& report) {
  // The guitar has no numbered reports: byte 0 is the report number 0, which hidapi takes off
  // before the remaining seven bytes go to the device.
  return hid_write(device_, report.data(), report.size()) == static_cast<int>(report.size());
}

#else

std::unique_ptr<HidapiDevice> HidapiDevice::open() {
  return nullptr;
}

HidapiDevice::~HidapiDevice() = default;

bool HidapiDevice::write(const LedReport&) {
  return false;
}

#endif

}  // namespace strumly
